#pragma once

#include "link/PortList.h"

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QStringList>

class QAction;
class QMenu;

namespace brivel {

class Dialogs;
class SerialPort;
struct PortFault;

// The "Porty" menu: one item per port present (the emulated controller
// last), "Odtwórz…" when there is a replay, "Połącz" and "Rozłącz". It keeps
// the items in step with the adapters plugged in and pulled, and chooses the
// port an item names.
class PortMenu final : public QObject {
    Q_OBJECT
public:
    // `replayItem` is placed after the ports, or left out of the menu when
    // null. An empty `demoPortName` offers no emulated controller. None of
    // the references is owned.
    PortMenu(QMenu* menu, SerialPort& port, Dialogs& dialogs, QString demoPortName,
             QAction* replayItem, QObject* parent = nullptr);

    QMenu* menu() const { return menu_; }
    // The port items, in menu order.
    QList<QAction*> portItems() const;

    // At start-up: the ports present are listed, and the port closed and
    // set to the first of them.
    void listPortsAtStart();
    // After the port settings are loaded: the item of the port they name is
    // checked.
    void checkLoadedPort();

    // A port item: the port closes, takes the item's name and the line's
    // rate, opens, and the link is asked to connect.
    void zmien_port_COM(QAction* item);

signals:
    // "Połącz" and "Rozłącz", and the connect after a port was chosen.
    void connectRequested();
    void disconnectRequested();
    // The ports present, each time they are listed (the hidden port list of
    // "Panel Petrol" shows them).
    void portsListed(const QStringList& present);
    // The open port's adapter was pulled without the line noticing it yet.
    void portGone(const brivel::PortFault& fault);

private:
    QAction* addPortItem(const QString& name, const QString& caption);
    // The menu is about to open: the ports are listed again.
    void rescan();
    // The menu shows the ports present; `checkCurrent` checks the open one.
    void showPorts(const QStringList& present, bool checkCurrent);

    QMenu* menu_;
    SerialPort& port_;
    Dialogs& dialogs_;
    QString demoPortName_;
    PortList list_;
    QAction* polacz_ = nullptr;
    QAction* rozlacz1_ = nullptr;
    QAction* replayItem_ = nullptr;
    // The item the port items are inserted before.
    QAction* portsEnd_ = nullptr;
};

}  // namespace brivel
