#include "link/PortRouter.h"

#include "platform/PlatformError.h"

#include <cerrno>

namespace brivel {

PortRouter::PortRouter(std::unique_ptr<SerialPort> device, std::unique_ptr<SerialPort> alternative,
                       QString alternativeName)
    : device_(std::move(device)),
      alternative_(std::move(alternative)),
      alternativeName_(std::move(alternativeName))
{
    for (SerialPort* port : {device_.get(), alternative_.get()}) {
        port->setReceiveHandler([this, port](int) {
            if (port == active_)
                notifyReceived();
        });
        port->setFaultHandler([this, port](const PortFault& fault) {
            if (port == active_)
                notifyFault(fault);
        });
    }
}

PortRouter::~PortRouter()
{
    for (SerialPort* port : {device_.get(), alternative_.get()}) {
        port->setReceiveHandler(nullptr);
        port->setFaultHandler(nullptr);
    }
}

QStringList PortRouter::availablePorts() const
{
    return device_->availablePorts();
}

QMap<QString, PortDetails> PortRouter::portDetails() const
{
    return device_->portDetails();
}

bool PortRouter::isOpen() const
{
    return active_ && active_->isOpen();
}

void PortRouter::clearError()
{
    if (active_)
        active_->clearError();
}

QByteArray PortRouter::read(int count)
{
    if (!active_)
        throw PlatformError(portErrorText("ReadFile function failed", EBADF));
    return active_->read(count);
}

int PortRouter::bytesWaiting() const
{
    return active_ ? active_->bytesWaiting() : 0;
}

void PortRouter::write(const QByteArray& bytes)
{
    if (!isOpen())
        throw PlatformError(portErrorText("WriteFile function failed", EBADF));
    active_->write(bytes);
}

void PortRouter::pauseLine(int ms)
{
    if (isOpen())
        active_->pauseLine(ms);
}

bool PortRouter::playsRecording() const
{
    return portName() == alternativeName_ && alternative_->playsRecording();
}

void PortRouter::openDevice()
{
    SerialPort* chosen = settings_.port == alternativeName_ ? alternative_.get() : device_.get();
    chosen->setSettings(settings_);
    chosen->open();
    active_ = chosen;
}

void PortRouter::closeDevice()
{
    SerialPort* closing = active_;
    active_ = nullptr;
    if (closing)
        closing->close();
}

void PortRouter::applyLineSettings()
{
    if (active_)
        active_->setSettings(settings_);
}

}  // namespace brivel
