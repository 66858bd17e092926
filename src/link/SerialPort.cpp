#include "link/SerialPort.h"

namespace brivel {

QString portErrorText(const char* message, int code)
{
    return QStringLiteral("%1 (win error code: %2)").arg(QLatin1String(message)).arg(code);
}

void SerialPort::setPortName(const QString& name)
{
    const bool wasOpen = isOpen();
    if (wasOpen)
        close();
    settings_.port = name;
    if (wasOpen)
        open();
}

void SerialPort::setBaudRate(const QString& kind)
{
    settings_.baudRate = kind;
    if (isOpen())
        applyLineSettings();
}

void SerialPort::setCustomBaudRate(int rate)
{
    if (rate == settings_.customBaudRate)
        return;
    settings_.customBaudRate = rate;
    if (isOpen() && settings_.isCustomRate())
        applyLineSettings();
}

void SerialPort::open()
{
    if (isOpen())
        return;
    openDevice();
}

void SerialPort::close()
{
    if (!isOpen())
        return;
    closeDevice();
}

void SerialPort::loadSettings(const SettingsStore& store)
{
    PortSettings loaded = settings_;
    try {
        port_settings::load(store, loaded);
    } catch (...) {
        // The values read before the failing one stay applied.
        setSettings(loaded);
        throw;
    }
    setSettings(loaded);
}

void SerialPort::setSettings(const PortSettings& settings)
{
    const bool wasOpen = isOpen();
    if (wasOpen && settings.port != settings_.port)
        close();
    settings_ = settings;
    if (isOpen())
        applyLineSettings();
    else if (wasOpen)
        open();
}

void SerialPort::storeSettings(SettingsStore& store) const
{
    port_settings::store(store, settings_);
}

void SerialPort::notifyReceived()
{
    if (!isOpen())
        return;
    const int waiting = bytesWaiting();
    if (waiting <= 0 || !receiveHandler_)
        return;
    receiveHandler_(waiting);
}

void SerialPort::notifyFault(const PortFault& fault)
{
    if (faultHandler_)
        faultHandler_(fault);
}

}  // namespace brivel
