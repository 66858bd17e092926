#pragma once

#include "link/SerialPort.h"
#include "platform/PortGrabbers.h"

#include <QtCore/QObject>

#include <functional>
#include <memory>

class QSerialPort;

namespace brivel {

// The port on a real device through QSerialPort. Its readyRead arrives on the
// window thread, which is where the receive event must run.
class QtSerialPort final : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);
    ~QtSerialPort() override;

    QStringList availablePorts() const override;
    bool isOpen() const override;
    void clearError() override;
    QByteArray read(int count) override;
    int bytesWaiting() const override;
    void write(const QByteArray& bytes) override;

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
    std::unique_ptr<QSerialPort> port_;
    std::function<QString(PortOpenFailure)> openFailureAdvice_;
};

}  // namespace brivel
