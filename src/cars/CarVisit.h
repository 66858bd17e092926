#pragma once

#include "cars/CarRecords.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>

#include <optional>

namespace brivel {

class CommandSender;
class Dialogs;
class MessageTable;

namespace cars {

class CarSession;

// What the window's controller work means for the car's history. It follows
// the link and the commands the fitter's pages send, and tells the visit
// (`CarSession`) why each settings image came: the handshake's, the read-back
// after a block write or the adaptation's end, the factory reset's answer, or
// a read the fitter asked for. A single setting sent marks the settings as
// changed since the last point; clearing the fault memory keeps the list
// first. Images of a replay are no visit.
//
// "Rozłącz" comes here before the link: with settings changed since the last
// point the fitter is asked whether to keep them; Yes reads the settings
// afresh, the point is kept, then the link is let go.
class CarVisit : public QObject {
    Q_OBJECT
public:
    // None of the references is owned.
    CarVisit(CarSession& session, CommandSender& sender, Dialogs& dialogs,
             const MessageTable& messages, QObject* parent = nullptr);

    bool connected() const { return connected_; }

public slots:
    void linkConnecting();
    void linkConnected();
    void settingsImageReceived(const QByteArray& image);
    void linkDisconnected();
    // A command the window queued for the controller: its code byte first.
    void commandQueued(const QByteArray& command);
    void setReplaying(bool replaying);

    // "Keep a point now": the settings are read afresh and kept.
    void keepPointNow();
    // "Rozłącz": asks first when single settings changed since the last point.
    void disconnectRequested();

signals:
    // The link may be let go now.
    void disconnectNow();
    // A controller is on the line (not a replay), or no longer.
    void connectedChanged(bool connected);

private:
    void readSettings(PointReason reason, bool thenDisconnect);
    void setConnected(bool connected);

    CarSession& session_;
    CommandSender& sender_;
    Dialogs& dialogs_;
    const MessageTable& messages_;
    bool handshaking_ = false;
    bool connected_ = false;
    bool replaying_ = false;
    // Why the next settings image comes, when the window asked for it.
    std::optional<PointReason> next_;
    QByteArray lastImage_;
};

}  // namespace cars
}  // namespace brivel
