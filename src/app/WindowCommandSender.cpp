#include "app/WindowCommandSender.h"

#include "i18n/MessageTable.h"
#include "platform/Dialogs.h"

namespace brivel {

WindowCommandSender::WindowCommandSender(CommandSender& link, Dialogs& dialogs,
                                         const MessageTable& messages, QObject* parent)
    : QObject(parent), link_(link), dialogs_(dialogs), messages_(messages)
{
}

void WindowCommandSender::queueCommand(int retries, const QByteArray& command,
                                       const QByteArray& firstFollowUp,
                                       const QByteArray& secondFollowUp, Completion completion)
{
    if (!admitCommand())
        return;
    emit commandQueued(command);
    link_.queueCommand(retries, command, firstFollowUp, secondFollowUp, std::move(completion));
}

bool WindowCommandSender::admitCommand()
{
    if (replaying_) {
        dialogs_.showMessage(messages_.text(msg::Row::ReplayRefused));
        return false;
    }
    return true;
}

void WindowCommandSender::enterBusyState()
{
    // The settings image that would end the busy state never comes.
    if (replaying_)
        return;
    link_.enterBusyState();
}

void WindowCommandSender::setSlowPolling(bool slow)
{
    if (slow && replaying_)
        return;
    link_.setSlowPolling(slow);
}

}  // namespace brivel
