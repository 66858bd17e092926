#pragma once

#include <QtCore/QStringList>

namespace brivel {

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
