#pragma once

#include "link/SerialPort.h"

#include <memory>

namespace brivel {

// The window's one port, which is a real device under every name but one:
// under the alternative's name (the demo controller, say) it is the
// alternative port. The window and the link see a single SerialPort.
class PortRouter final : public SerialPort {
public:
    PortRouter(std::unique_ptr<SerialPort> device, std::unique_ptr<SerialPort> alternative,
               QString alternativeName);
    ~PortRouter() override;

    // The devices present; the alternative is not listed among them.
    QStringList availablePorts() const override;
    QMap<QString, PortDetails> portDetails() const override;
    bool isOpen() const override;
    void clearError() override;
    QByteArray read(int count) override;
    int bytesWaiting() const override;
    void write(const QByteArray& bytes) override;
    void pauseLine(int ms) override;
    // Under the alternative's name, what the alternative is.
    bool playsRecording() const override;

    SerialPort& device() { return *device_; }

protected:
    void openDevice() override;
    void closeDevice() override;
    void applyLineSettings() override;

private:
    std::unique_ptr<SerialPort> device_;
    std::unique_ptr<SerialPort> alternative_;
    QString alternativeName_;
    SerialPort* active_ = nullptr;
};

}  // namespace brivel
