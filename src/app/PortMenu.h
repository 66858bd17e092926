#pragma once

#include "link/PortList.h"

#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QObject>
#include <QtCore/QStringList>

class QAction;
class QMenu;

namespace brivel {

class Dialogs;
class MessageTable;
class SerialPort;
struct PortFault;

// The "Porty" menu: one item per port present, labelled with what the
// system knows of it (the emulated controller last, then a device path the
// fitter typed), "Odtwórz…" when there is a replay, "Inny port…", "Połącz"
// and "Rozłącz". It keeps the items in step with the adapters plugged in and
// pulled, and chooses the port an item names. Each port item's object name
// is its port's name.
class PortMenu final : public QObject {
    Q_OBJECT
public:
    // `replayItem` is placed after the ports, or left out of the menu when
    // null. An empty `demoPortName` offers no emulated controller. None of
    // the references is owned.
    PortMenu(QMenu* menu, SerialPort& port, Dialogs& dialogs, const MessageTable& messages,
             QString demoPortName, QAction* replayItem, QObject* parent = nullptr);

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
    // "Inny port…": the fitter types a device path (a /dev/serial/by-id/…
    // link, a pseudo-terminal), which gets an item of its own and is chosen
    // like a listed port; it is stored with the port settings like one.
    void typePort();

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
    // The ports named by items: those listed, the emulated controller, and
    // the typed path while it is the port or was typed in this run.
    QStringList itemNames() const;
    // The menu is about to open: the ports are listed again.
    void rescan();
    // The menu shows the ports present; `checkCurrent` checks the open one.
    void showPorts(const QStringList& present, bool checkCurrent);

    QMenu* menu_;
    SerialPort& port_;
    Dialogs& dialogs_;
    const MessageTable& messages_;
    QString demoPortName_;
    PortList list_;
    QMap<QString, PortDetails> details_;
    QString typed_;
    QAction* otherPort_ = nullptr;
    QAction* polacz_ = nullptr;
    QAction* rozlacz1_ = nullptr;
    QAction* replayItem_ = nullptr;
    // The item the port items are inserted before.
    QAction* portsEnd_ = nullptr;
};

}  // namespace brivel
