#include "app/WindowCommandSender.h"

#include "platform/Dialogs.h"

namespace brivel {

void WindowCommandSender::queueCommand(int retries, const QByteArray& command,
                                       const QByteArray& firstFollowUp,
                                       const QByteArray& secondFollowUp, Completion completion)
{
    if (const QString reason = refusedBecause(); !reason.isEmpty()) {
        dialogs_.showMessage(reason);
        return;
    }
    link_.queueCommand(retries, command, firstFollowUp, secondFollowUp, std::move(completion));
}

bool WindowCommandSender::admitCommand()
{
    if (const QString reason = refusedBecause(); !reason.isEmpty()) {
        dialogs_.showMessage(reason);
        return false;
    }
    return true;
}

void WindowCommandSender::enterBusyState()
{
    // The settings image that would end the busy state never comes.
    if (!refusedBecause().isEmpty())
        return;
    link_.enterBusyState();
}

void WindowCommandSender::setSlowPolling(bool slow)
{
    if (slow && !refusedBecause().isEmpty())
        return;
    link_.setSlowPolling(slow);
}

}  // namespace brivel
