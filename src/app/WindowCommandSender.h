#pragma once

#include "link/CommandSender.h"

#include <QtCore/QObject>
#include <QtCore/QString>

namespace brivel {

class Dialogs;
class MessageTable;

// How the window's pages send: through the link, unless a replay plays.
// While one plays, a command is not queued but the reason shown, and no
// transfer makes the window wait for an answer that never comes.
class WindowCommandSender final : public QObject, public CommandSender {
    Q_OBJECT
public:
    // None of the references is owned.
    WindowCommandSender(CommandSender& link, Dialogs& dialogs, const MessageTable& messages,
                        QObject* parent = nullptr);

    void queueCommand(int retries, const QByteArray& command,
                      const QByteArray& firstFollowUp = QByteArray(),
                      const QByteArray& secondFollowUp = QByteArray(),
                      Completion completion = Completion()) override;
    bool commandPending() const override { return link_.commandPending(); }
    bool admitCommand() override;
    void enterBusyState() override;
    void setSlowPolling(bool slow) override;

    // A replay began or ended.
    void setReplaying(bool replaying) { replaying_ = replaying; }

signals:
    // A command goes to the controller (its code byte first), told before
    // it is queued.
    void commandQueued(const QByteArray& command);

private:
    CommandSender& link_;
    Dialogs& dialogs_;
    const MessageTable& messages_;
    bool replaying_ = false;
};

}  // namespace brivel
