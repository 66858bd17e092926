#pragma once

#include <QtCore/QMap>
#include <QtCore/QStringList>

namespace brivel {

// What the system knows of a port: for a USB adapter its product and maker
// as the adapter reports them; empty for a plain serial port.
struct PortDetails {
    QString product;
    QString maker;
};

// The port's item in "Porty": its name, then what the system knows of it
// ("ttyUSB0 — FT232R USB UART (FTDI)"); the maker is left out where the
// product already names it. Just the name when nothing is known.
QString portLabel(const QString& name, const PortDetails& details);

// Whether a port name is a device path typed by the fitter ("/dev/pts/3")
// rather than the name of a port the system lists.
bool isTypedPort(const QString& name);

// The ports of the "Porty" menu, kept up to date while adapters are plugged
// in and pulled: each listing of the ports present gives the menu's port
// items in their order (port_settings::offeredPorts) and tells which ports
// of the listing before have gone.
class PortList {
public:
    // Takes a new listing of the ports present and returns the ports that
    // were listed last time and are not now.
    QStringList update(const QStringList& present);
    // The port items of the menu, in menu order.
    const QStringList& offered() const { return offered_; }

private:
    QStringList present_;
    QStringList offered_;
};

}  // namespace brivel
