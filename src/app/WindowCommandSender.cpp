#include "app/WindowCommandSender.h"

#include "platform/ErrorHandler.h"

namespace brivel {

void WindowCommandSender::queueCommand(int retries, const QByteArray& command,
                                       const QByteArray& firstFollowUp,
                                       const QByteArray& secondFollowUp)
{
    runHandler(dialogs_,
               [&] { link_.queueCommand(retries, command, firstFollowUp, secondFollowUp); });
}

void WindowCommandSender::enterBusyState()
{
    link_.enterBusyState();
}

void WindowCommandSender::setSlowPolling(bool slow)
{
    link_.setSlowPolling(slow);
}

}  // namespace brivel
