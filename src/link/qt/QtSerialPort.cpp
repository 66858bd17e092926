#include "link/qt/QtSerialPort.h"

#include "link/qt/LineWriter.h"
#include "platform/PlatformError.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QMetaObject>
#include <QtSerialPort/QSerialPortInfo>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace brivel {

namespace {

constexpr qint64 QueueSize = 2048;

// A system error number for a QSerialPort error, so that the texts carry a
// code the way the user knows them from other tools.
int errorCode(QSerialPort::SerialPortError error)
{
    switch (error) {
        case QSerialPort::NoError:
            return 0;
        case QSerialPort::DeviceNotFoundError:
            return ENOENT;
        case QSerialPort::PermissionError:
            return EACCES;
        case QSerialPort::OpenError:
            return EBUSY;
        case QSerialPort::NotOpenError:
            return EBADF;
        case QSerialPort::UnsupportedOperationError:
            return ENOTTY;
        case QSerialPort::TimeoutError:
            return ETIMEDOUT;
        default:
            return EIO;
    }
}

bool isAccessError(QSerialPort::SerialPortError error)
{
    return error == QSerialPort::PermissionError;
}

// A lock or an exclusive open held by another program comes back as a
// permission error; its text tells it apart.
PortOpenFailure failureOf(QSerialPort::SerialPortError error, const QString& text)
{
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return PortOpenFailure::NotFound;
        case QSerialPort::OpenError:
            return PortOpenFailure::Busy;
        case QSerialPort::PermissionError:
            return text.contains(QLatin1String("busy"), Qt::CaseInsensitive) ||
                           text.contains(QLatin1String("lock"), Qt::CaseInsensitive)
                       ? PortOpenFailure::Busy
                       : PortOpenFailure::Denied;
        default:
            return PortOpenFailure::Other;
    }
}

bool isSerialDeviceName(const QString& name)
{
    return name.startsWith(QLatin1String("ttyS")) || name.startsWith(QLatin1String("ttyUSB")) ||
           name.startsWith(QLatin1String("ttyACM"));
}

}  // namespace

QtSerialPort::QtSerialPort(QObject* parent)
    : QObject(parent), port_(std::make_unique<QSerialPort>())
{
    // Queued, so the receive handler never runs inside readyRead: a message box
    // it opens would otherwise keep QSerialPort from announcing the bytes that
    // arrive meanwhile, and the rest of a reply would never be read.
    connect(
        port_.get(), &QSerialPort::readyRead, this, [this] { notifyReceived(); },
        Qt::QueuedConnection);
    connect(port_.get(), &QSerialPort::errorOccurred, this, &QtSerialPort::deviceError);
}

QtSerialPort::~QtSerialPort()
{
    stopWriter();
    if (port_->isOpen())
        port_->close();
}

QStringList QtSerialPort::availablePorts() const
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (isSerialDeviceName(info.portName()))
            names.append(info.portName());
    std::sort(names.begin(), names.end());
    return names;
}

QMap<QString, PortDetails> QtSerialPort::portDetails() const
{
    QMap<QString, PortDetails> details;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (isSerialDeviceName(info.portName()))
            details.insert(info.portName(), {info.description(), info.manufacturer()});
    return details;
}

bool QtSerialPort::isOpen() const
{
    return port_->isOpen();
}

void QtSerialPort::openDevice()
{
    const QString name = settings_.port;
    if (name.isEmpty())
        throw PlatformError(portErrorText("Unable to open com port", ENOENT));
    // A full path (a pseudo-terminal, say) is used as it is; a bare name lives in /dev.
    port_->setPortName(name);
    port_->setReadBufferSize(QueueSize);
    if (!port_->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port_->error();
        QString text = portErrorText("Unable to open com port", errorCode(error));
        const PortOpenFailure failure = failureOf(error, port_->errorString());
        if (isAccessError(error))
            text += QStringLiteral(
                "\nYour user may not use serial ports. Add it to the group \"dialout\" "
                "(sudo usermod -aG dialout $USER), then log out and in again.");
        if (openFailureAdvice_)
            if (const QString advice = openFailureAdvice_(failure); !advice.isEmpty())
                text += QLatin1Char('\n') + advice;
        port_->clearError();
        throw PlatformError(text);
    }
    try {
        applyLineSettings();
    } catch (...) {
        port_->close();
        throw;
    }
    port_->clear();
    ++session_;
    failing_ = false;
    startWriter();
}

void QtSerialPort::closeDevice()
{
    // The writer lets go of the descriptor before it closes.
    stopWriter();
    port_->clear();
    port_->close();
    port_->clearError();
}

void QtSerialPort::startWriter()
{
    const quint64 session = session_;
    // The failure comes on the writer's thread, which only hands it to the
    // window thread; the port outlives the writer, and a call posted to a
    // port destroyed meanwhile is dropped with it.
    writer_ = std::make_unique<LineWriter>(
        static_cast<int>(port_->handle()), settings_.effectiveBaudRate(),
        [this, session](int error) {
            QMetaObject::invokeMethod(
                this, [this, session, error] { writeFailed(error, session); },
                Qt::QueuedConnection);
        });
}

void QtSerialPort::stopWriter()
{
    if (writer_) {
        writer_->stop();
        writer_.reset();
    }
}

void QtSerialPort::deviceError(QSerialPort::SerialPortError error)
{
    if (!port_->isOpen() || failing_)
        return;
    PortFault fault;
    switch (error) {
        case QSerialPort::ResourceError:
            fault = PortFault::fromSystem(PortFault::Kind::DeviceGone, EIO);
            break;
        case QSerialPort::PermissionError:
            fault = PortFault::fromSystem(PortFault::Kind::AccessDenied, EACCES);
            break;
        case QSerialPort::ReadError: {
            // Qt reports a hung-up line as a read error, again and again:
            // tell the hang-up from a refused read.
            const int gone = goneReason();
            fault = gone ? PortFault::fromSystem(PortFault::Kind::DeviceGone, gone)
                         : PortFault::fromSystem(PortFault::Kind::ReadFailed, EIO);
            break;
        }
        default:
            return;
    }
    // Not from inside QSerialPort's own notification: closing it there would
    // pull the device from under the code that is reporting.
    failing_ = true;
    const quint64 session = session_;
    QMetaObject::invokeMethod(
        this, [this, fault, session] { fail(fault, session); }, Qt::QueuedConnection);
}

void QtSerialPort::writeFailed(int error, quint64 session)
{
    // A write into a pulled line fails too; the user is told what happened
    // to the line, whichever side noticed first.
    const int gone = port_->isOpen() ? goneReason() : 0;
    fail(gone ? PortFault::fromSystem(PortFault::Kind::DeviceGone, gone)
              : PortFault::fromSystem(PortFault::Kind::WriteFailed, error),
         session);
}

int QtSerialPort::goneReason() const
{
    const QString name = port_->portName();
    const QString path = name.contains(u'/') ? name : QStringLiteral("/dev/") + name;
    if (!QFileInfo::exists(path))
        return ENODEV;
    pollfd state{static_cast<int>(port_->handle()), POLLIN, 0};
    if (::poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)))
        return EIO;
    return 0;
}

void QtSerialPort::fail(const PortFault& fault, quint64 session)
{
    if (session != session_ || !port_->isOpen())
        return;
    failing_ = true;
    close();
    notifyFault(fault);
}

void QtSerialPort::applyLineSettings()
{
    if (writer_)
        writer_->setBitsPerSecond(settings_.effectiveBaudRate());
    const PortSettings& s = settings_;
    bool ok = port_->setBaudRate(s.effectiveBaudRate());
    ok = ok && port_->setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits.toInt()));
    QSerialPort::Parity parity = QSerialPort::NoParity;
    if (s.parity == QLatin1String("Odd"))
        parity = QSerialPort::OddParity;
    else if (s.parity == QLatin1String("Even"))
        parity = QSerialPort::EvenParity;
    else if (s.parity == QLatin1String("Mark"))
        parity = QSerialPort::MarkParity;
    else if (s.parity == QLatin1String("Space"))
        parity = QSerialPort::SpaceParity;
    ok = ok && port_->setParity(parity);
    QSerialPort::StopBits stop = QSerialPort::OneStop;
    if (s.stopBits == QLatin1String("1.5"))
        stop = QSerialPort::OneAndHalfStop;
    else if (s.stopBits == QLatin1String("2"))
        stop = QSerialPort::TwoStop;
    ok = ok && port_->setStopBits(stop);
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
    if (s.flow.rts == RtsControl::Handshake || s.flow.ctsOutputFlow)
        flow = QSerialPort::HardwareControl;
    else if (s.flow.xonXoffIn || s.flow.xonXoffOut)
        flow = QSerialPort::SoftwareControl;
    ok = ok && port_->setFlowControl(flow);
    if (!ok) {
        const int code = errorCode(port_->error());
        port_->clearError();
        throw PlatformError(portErrorText("SetCommState function failed", code));
    }
    // DTR and RTS are held off. A pseudo-terminal has no modem lines and
    // refuses them ("Inappropriate ioctl for device"); that is harmless.
    if (!port_->setDataTerminalReady(false))
        port_->clearError();
    if (flow != QSerialPort::HardwareControl && !port_->setRequestToSend(false))
        port_->clearError();
}

void QtSerialPort::clearError()
{
    port_->clearError();
}

QByteArray QtSerialPort::read(int count)
{
    if (!port_->isOpen())
        throw PlatformError(portErrorText("ReadFile function failed", EBADF));
    // Reads from what QSerialPort has already taken in; a failing device is
    // reported through its error signal.
    return port_->read(count);
}

int QtSerialPort::bytesWaiting() const
{
    return static_cast<int>(port_->bytesAvailable());
}

void QtSerialPort::write(const QByteArray& bytes)
{
    if (!port_->isOpen() || !writer_)
        throw PlatformError(portErrorText("WriteFile function failed", EBADF));
    writer_->write(bytes);
}

void QtSerialPort::pauseLine(int ms)
{
    if (writer_)
        writer_->pause(ms);
}

}  // namespace brivel
