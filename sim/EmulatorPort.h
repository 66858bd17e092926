#pragma once

#include "sim/ControllerEmulator.h"

#include "link/SerialPort.h"

#include <functional>

namespace brivel::sim {

// A port with the emulated controller on the other end of its line, in the
// same process. Replies come through the port's receive event like bytes
// from a device, paced by the clock the port was given.
class EmulatorPort final : public SerialPort {
public:
    explicit EmulatorPort(Clock& clock);
    ~EmulatorPort() override;

    QStringList availablePorts() const override;
    bool isOpen() const override { return open_; }
    void clearError() override {}
    QByteArray read(int count) override;
    int bytesWaiting() const override { return static_cast<int>(incoming_.size()); }
    void write(const QByteArray& bytes) override;

    ControllerEmulator& emulator() { return emulator_; }

    // Runs once, when the port is first opened: what the controller has been
    // through before anyone connects, paid for only by a program that does.
    void setBeforeFirstOpen(std::function<void(ControllerEmulator&)> prepare)
    {
        beforeFirstOpen_ = std::move(prepare);
    }

    // The adapter is pulled: an open port fails with the device gone, and
    // the port is neither listed nor opened until it is plugged in again.
    void unplug();
    void plugIn() { present_ = true; }
    bool present() const { return present_; }

protected:
    void openDevice() override;
    void closeDevice() override;
    void applyLineSettings() override;

private:
    void arrive(const QByteArray& piece);

    ControllerEmulator emulator_;
    bool open_ = false;
    bool present_ = true;
    // A controller on the wrong rate sees nothing it could read.
    bool rateMatches_ = false;
    QByteArray incoming_;
    std::function<void(ControllerEmulator&)> beforeFirstOpen_;
};

}  // namespace brivel::sim
