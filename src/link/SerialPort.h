#pragma once

#include "link/PortFault.h"
#include "link/PortList.h"
#include "link/PortSettings.h"

#include <QtCore/QByteArray>
#include <QtCore/QStringList>

#include <functional>

namespace brivel {

// The window's one serial port. The settings part is common; a backend
// supplies the device. Failures are raised as PlatformError with the texts
// the user sees.
class SerialPort {
public:
    using ReceiveHandler = std::function<void(int bytesWaiting)>;
    using FaultHandler = std::function<void(const PortFault& fault)>;

    virtual ~SerialPort() = default;

    // The names of the ports present, sorted as text. Raises "Registry error"
    // when the platform cannot list them.
    virtual QStringList availablePorts() const = 0;
    // What the system knows of the ports present, by name; a port it knows
    // nothing of may be missing.
    virtual QMap<QString, PortDetails> portDetails() const { return {}; }

    const PortSettings& settings() const { return settings_; }
    QString portName() const { return settings_.port; }
    // An open port is closed and opened again under the new name.
    void setPortName(const QString& name);
    // A kind from the list of rates ("Custom", "9600", …); applied at once if open.
    void setBaudRate(const QString& kind);
    // Applied at once when open and the kind is "Custom"; the same value again does nothing.
    void setCustomBaudRate(int rate);

    // Opening an open port and closing a closed one do nothing.
    void open();
    void close();
    virtual bool isOpen() const = 0;

    // Reads and clears the device's pending error flags.
    virtual void clearError() = 0;
    // At most `count` of the bytes that have arrived.
    virtual QByteArray read(int count) = 0;
    virtual int bytesWaiting() const = 0;
    // One piece of a command for the line. Raises "WriteFile function failed
    // (win error code: n)" when the port is closed or the write fails at once.
    // A backend that drives a real line may return before the bytes have
    // gone out: it writes the pieces in order, each drained to the line
    // before the next, and reports a later failure as a fault.
    virtual void write(const QByteArray& bytes) = 0;
    // The line rests this long after the piece written last, before the next
    // one. A backend that writes at once has nothing to pace and ignores it.
    virtual void pauseLine(int ms) { (void)ms; }
    // A recording played back answers here, standing in for a controller:
    // the program has met no controller through it.
    virtual bool playsRecording() const { return false; }

    // The receive event: runs on the window thread with the number of bytes waiting.
    void setReceiveHandler(ReceiveHandler handler) { receiveHandler_ = std::move(handler); }
    // The port's error event: runs on the window thread when the device has
    // failed; the backend has closed it by then.
    void setFaultHandler(FaultHandler handler) { faultHandler_ = std::move(handler); }

    // Takes over every setting at once. An open port is opened again under a
    // new name; otherwise its line settings are applied at once.
    void setSettings(const PortSettings& settings);

    void loadSettings(const SettingsStore& store);
    void storeSettings(SettingsStore& store) const;

protected:
    virtual void openDevice() = 0;
    virtual void closeDevice() = 0;
    // Applies the line settings to the open device.
    virtual void applyLineSettings() = 0;

    // Backends call this when bytes have arrived; an event is dropped when no
    // byte waits or the port has been closed meanwhile.
    void notifyReceived();
    // Backends call this on the window thread once a failed device is closed.
    void notifyFault(const PortFault& fault);

    PortSettings settings_;

private:
    ReceiveHandler receiveHandler_;
    FaultHandler faultHandler_;
};

// The error text with the system's error code appended.
QString portErrorText(const char* message, int code);

}  // namespace brivel
