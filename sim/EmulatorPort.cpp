#include "sim/EmulatorPort.h"

#include "sim/DemoPort.h"

#include "platform/PlatformError.h"

#include <cerrno>
#include <utility>

namespace brivel::sim {

EmulatorPort::EmulatorPort(Clock& clock) : emulator_(clock)
{
    emulator_.setSink([this](const QByteArray& piece) { arrive(piece); });
}

EmulatorPort::~EmulatorPort()
{
    emulator_.setSink(nullptr);
}

QStringList EmulatorPort::availablePorts() const
{
    return present_ ? QStringList{DemoPortName} : QStringList();
}

void EmulatorPort::unplug()
{
    present_ = false;
    if (!open_)
        return;
    open_ = false;
    incoming_.clear();
    emulator_.resetLine();
    notifyFault(PortFault::fromSystem(PortFault::Kind::DeviceGone, ENODEV));
}

QByteArray EmulatorPort::read(int count)
{
    if (!open_)
        throw PlatformError(portErrorText("ReadFile function failed", EBADF));
    const QByteArray bytes = incoming_.left(count);
    incoming_.remove(0, bytes.size());
    return bytes;
}

void EmulatorPort::write(const QByteArray& bytes)
{
    if (!open_)
        throw PlatformError(portErrorText("WriteFile function failed", EBADF));
    if (rateMatches_)
        emulator_.receive(bytes);
}

void EmulatorPort::openDevice()
{
    if (!present_)
        throw PlatformError(portErrorText("Unable to open com port", ENOENT));
    if (beforeFirstOpen_)
        std::exchange(beforeFirstOpen_, nullptr)(emulator_);
    open_ = true;
    incoming_.clear();
    applyLineSettings();
}

void EmulatorPort::closeDevice()
{
    open_ = false;
    incoming_.clear();
    emulator_.resetLine();
}

void EmulatorPort::applyLineSettings()
{
    rateMatches_ = settings_.effectiveBaudRate() == ReplyLine::LineRate;
}

void EmulatorPort::arrive(const QByteArray& piece)
{
    if (!open_ || !rateMatches_)
        return;
    incoming_.append(piece);
    notifyReceived();
}

}  // namespace brivel::sim
