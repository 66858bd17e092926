#pragma once

#include "link/DisconnectReason.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QStringList>

#include <functional>
#include <vector>

namespace brivel {
class ControllerLink;
class Dialogs;
class MessageTable;
}  // namespace brivel

namespace brivel::test {

// The number of entries of `calls` that start with `prefix`.
int countCalls(const QStringList& calls, const QString& prefix);

// The name of a disconnect's kind, as the log writes it ("ReplyTimedOut").
QString kindName(DisconnectReason::Kind kind);

// Follows a link as the window does, as far as a test needs: keeps what it
// reported and logs each report in order as a short text ("connecting",
// "busy(true)", "settingsImageReceived(602)", "connected(COM3)",
// "disconnected(ReplyTimedOut)"). Given dialogs, it shows the boxes the
// fitter would see once the link has settled, in the message table's words.
// Made after the link; a test's own receivers connected later are told
// after it.
class RecordingLink final : public QObject {
public:
    RecordingLink(ControllerLink& link, QStringList& log);
    RecordingLink(ControllerLink& link, QStringList& log, Dialogs& dialogs,
                  const MessageTable& messages);

    QList<QByteArray> settingsImages;
    QList<QByteArray> liveReplies;
    std::vector<DisconnectReason> disconnects;
    // The lamp: on from the connect's applied handshake to the disconnect.
    bool connected = false;
    bool busy = false;
    // The version text of the first accepted handshake; empty before.
    QString statusText;
    // The port named by the last applied handshake.
    QString portName;
    // Run inside the report, like what the window does there.
    std::function<void(const QByteArray&)> onLiveReply;

private:
    void show(bool error, const QString& text);

    QStringList& log_;
    Dialogs* dialogs_ = nullptr;
    const MessageTable* messages_ = nullptr;
    std::vector<std::pair<bool, QString>> pending_;
};

}  // namespace brivel::test
