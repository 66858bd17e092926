#include "TestSerialPort.h"

#include "platform/PlatformError.h"

#include <algorithm>

namespace brivel::test {

QStringList TestSerialPort::availablePorts() const
{
    if (failListing)
        throw PlatformError(portErrorText("Registry error", 2));
    QStringList names = presentPorts;
    std::sort(names.begin(), names.end());
    return names;
}

QByteArray TestSerialPort::read(int count)
{
    const QByteArray bytes = incoming_.left(count);
    incoming_.remove(0, bytes.size());
    return bytes;
}

void TestSerialPort::write(const QByteArray& bytes)
{
    if (!open_ || failNextWrite) {
        failNextWrite = false;
        throw PlatformError(portErrorText("WriteFile function failed", 9));
    }
    writes.append(bytes);
}

void TestSerialPort::feed(const QByteArray& bytes)
{
    if (!open_)
        return;
    incoming_.append(bytes);
    notifyReceived();
}

void TestSerialPort::fail(const PortFault& fault)
{
    if (open_)
        ++closes;
    open_ = false;
    incoming_.clear();
    notifyFault(fault);
}

QByteArray TestSerialPort::takeWritten()
{
    QByteArray all;
    for (int i = taken_; i < writes.size(); ++i)
        all.append(writes[i]);
    taken_ = writes.size();
    return all;
}

void TestSerialPort::openDevice()
{
    if (failNextOpen || settings_.port.isEmpty()) {
        failNextOpen = false;
        throw PlatformError(portErrorText("Unable to open com port", 2));
    }
    ++opens;
    open_ = true;
    applyLineSettings();
}

void TestSerialPort::closeDevice()
{
    ++closes;
    open_ = false;
    incoming_.clear();
}

}  // namespace brivel::test
