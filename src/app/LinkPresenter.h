#pragma once

#include "link/DisconnectReason.h"

#include <QtCore/QObject>
#include <QtCore/QString>

#include <vector>

class QWidget;

namespace brivel {

class BottomBar;
class ControllerLink;
class Dialogs;
class MessageTable;
class SerialPort;
class SettingsStore;

// Shows what the link reports: the controller's version in the status text,
// the online lamp, the connect switch, the busy window and the message
// boxes, which wait until the link has settled. Stores the port settings at
// each disconnect. The connect switch is also how the fitter connects and
// disconnects.
//
// It follows the link from its construction on; each event reaches it after
// the listeners connected before it, so it is made once those are: the port
// settings it stores are the ones a replay that ended has put back.
class LinkPresenter final : public QObject {
    Q_OBJECT
public:
    // The controls it shows in: the bottom bar, the window that refuses input
    // while busy and its top panel, which turns grey. None is owned.
    struct Controls {
        BottomBar* bar = nullptr;
        QWidget* window = nullptr;
        QWidget* panel = nullptr;
    };

    // None of the references is owned; all must outlive the presenter. A
    // message is read from the table's working column when its disconnect
    // is reported.
    LinkPresenter(ControllerLink& link, const Controls& controls, SerialPort& port,
                  Dialogs& dialogs, SettingsStore& settings, const MessageTable& messages,
                  QObject* parent = nullptr);

    // Busy: the window refuses input and its top panel turns grey.
    void setBusy(bool busy);
    // An error that belongs with the link's messages (the session could not
    // be stored after a disconnect): shown once the link has settled.
    void reportError(const QString& text);

signals:
    // The disconnect has stored the port settings; the rest of the session
    // is stored now.
    void portSettingsStored();

private:
    void showConnected(const QString& portName);
    void showDisconnected(const DisconnectReason& reason);
    // The fitter switched Polacz_switch; what the presenter shows on it is
    // never taken for a request.
    void connectSwitchChanged(bool on);
    void showSwitch(bool on);
    void showPending();

    struct Box {
        bool error = false;
        QString text;
    };

    ControllerLink& link_;
    Controls controls_;
    SerialPort& port_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    const MessageTable& messages_;
    std::vector<Box> pending_;
};

}  // namespace brivel
