#pragma once

#include "link/SerialPort.h"
#include "platform/PortGrabbers.h"

#include <QtCore/QObject>

#include <QtSerialPort/QSerialPort>

#include <functional>
#include <memory>

namespace brivel {

class LineWriter;

// The port on a real device through QSerialPort. Its readyRead arrives on the
// window thread, which is where the receive event must run. Writes go out on
// a writer thread (LineWriter), piece by piece and drained to the line, so
// the window never waits for 7200 bit/s. A device that fails (pulled, hung
// up, refused) is closed at once and reported as a fault: a hung-up
// descriptor left open would wake the event loop for ever.
class QtSerialPort final : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);
    ~QtSerialPort() override;

    QStringList availablePorts() const override;
    QMap<QString, PortDetails> portDetails() const override;
    bool isOpen() const override;
    void clearError() override;
    QByteArray read(int count) override;
    int bytesWaiting() const override;
    void write(const QByteArray& bytes) override;
    void pauseLine(int ms) override;

    // Extra text for a port that would not open, by why it did not.
    void setOpenFailureAdvice(std::function<QString(PortOpenFailure)> advice)
    {
        openFailureAdvice_ = std::move(advice);
    }

protected:
    void openDevice() override;
    void closeDevice() override;
    void applyLineSettings() override;

private:
    void deviceError(QSerialPort::SerialPortError error);
    void writeFailed(int error, quint64 session);
    // The system's reason when the device has gone (its node removed, or
    // the line hung up), otherwise 0.
    int goneReason() const;
    // Closes the device of `session`, if it is still the open one, and
    // reports the fault.
    void fail(const PortFault& fault, quint64 session);
    void startWriter();
    void stopWriter();

    std::unique_ptr<QSerialPort> port_;
    std::function<QString(PortOpenFailure)> openFailureAdvice_;
    std::unique_ptr<LineWriter> writer_;
    // Counts the openings, so that a fault of a device closed since is dropped.
    quint64 session_ = 0;
    bool failing_ = false;
};

}  // namespace brivel
