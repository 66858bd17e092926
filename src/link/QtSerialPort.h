#pragma once

#include "link/SerialPort.h"

#include <QtCore/QObject>

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

protected:
    void openDevice() override;
    void closeDevice() override;
    void applyLineSettings() override;

private:
    std::unique_ptr<QSerialPort> port_;
};

}  // namespace brivel
