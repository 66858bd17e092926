#pragma once

#include "link/CommandSender.h"

namespace brivel {

class Dialogs;

// How the window's pages send: through the link, under the default error
// handler, so that an error raised by a disconnect that spent the retries is
// shown and the page's handler goes on.
class WindowCommandSender final : public CommandSender {
public:
    WindowCommandSender(CommandSender& link, Dialogs& dialogs) : link_(link), dialogs_(dialogs) {}

    void queueCommand(int retries, const QByteArray& command,
                      const QByteArray& firstFollowUp = QByteArray(),
                      const QByteArray& secondFollowUp = QByteArray()) override;
    bool commandPending() const override { return link_.commandPending(); }
    void enterBusyState() override;
    void setSlowPolling(bool slow) override;

private:
    CommandSender& link_;
    Dialogs& dialogs_;
};

}  // namespace brivel
