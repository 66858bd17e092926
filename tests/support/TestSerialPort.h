#pragma once

#include "link/SerialPort.h"

#include <QtCore/QList>

namespace brivel::test {

// A port with no device behind it: a test feeds the bytes that "arrive" and
// reads back every write.
class TestSerialPort final : public SerialPort {
public:
    QStringList availablePorts() const override;
    QMap<QString, PortDetails> portDetails() const override { return presentDetails; }
    bool isOpen() const override { return open_; }
    void clearError() override { ++clearErrorCalls; }
    QByteArray read(int count) override;
    int bytesWaiting() const override { return static_cast<int>(incoming_.size()); }
    void write(const QByteArray& bytes) override;
    bool playsRecording() const override { return recording; }

    // Bytes arrive and the receive event runs at once.
    void feed(const QByteArray& bytes);
    // The device goes away without the program closing the port.
    void closeUnderMe() { open_ = false; }
    // The device fails: the port closes and reports the fault, as a backend does.
    void fail(const PortFault& fault);

    QStringList presentPorts;
    QMap<QString, PortDetails> presentDetails;
    // A recording plays at the other end instead of a controller.
    bool recording = false;
    bool failListing = false;
    bool failNextOpen = false;
    bool failNextWrite = false;
    int opens = 0;
    int closes = 0;
    int lineSettingsApplied = 0;
    int clearErrorCalls = 0;
    QList<QByteArray> writes;
    // Everything written since the last call, in one piece.
    QByteArray takeWritten();

protected:
    void openDevice() override;
    void closeDevice() override;
    void applyLineSettings() override { ++lineSettingsApplied; }

private:
    bool open_ = false;
    QByteArray incoming_;
    int taken_ = 0;
};

}  // namespace brivel::test
