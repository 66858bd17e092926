#pragma once

#include "link/CommandSender.h"

#include <QtCore/QString>

#include <functional>

namespace brivel {

class Dialogs;

// How the window's pages send: through the link, unless a replay plays.
class WindowCommandSender final : public CommandSender {
public:
    // Why nothing may be sent just now (a replay plays), or an empty text.
    using Refusal = std::function<QString()>;

    WindowCommandSender(CommandSender& link, Dialogs& dialogs) : link_(link), dialogs_(dialogs) {}

    // While the refusal gives a reason, a command is not queued but the
    // reason shown, and no transfer makes the window wait for its answer.
    void setRefusal(Refusal refusal) { refusal_ = std::move(refusal); }

    void queueCommand(int retries, const QByteArray& command,
                      const QByteArray& firstFollowUp = QByteArray(),
                      const QByteArray& secondFollowUp = QByteArray(),
                      Completion completion = Completion()) override;
    bool commandPending() const override { return link_.commandPending(); }
    bool admitCommand() override;
    void enterBusyState() override;
    void setSlowPolling(bool slow) override;

private:
    QString refusedBecause() const { return refusal_ ? refusal_() : QString(); }

    CommandSender& link_;
    Dialogs& dialogs_;
    Refusal refusal_;
};

}  // namespace brivel
