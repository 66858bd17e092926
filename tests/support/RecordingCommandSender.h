#pragma once

#include "link/CommandSender.h"

#include <QtCore/QList>

namespace brivel::test {

// Keeps every command a feature queues, with its follow-ups and budget.
class RecordingCommandSender final : public CommandSender {
public:
    struct Queued {
        int retries = 0;
        QByteArray command;
        QByteArray firstFollowUp;
        QByteArray secondFollowUp;
        // What a settings read runs once its image has been shown.
        Completion completion;
    };

    void queueCommand(int retries, const QByteArray& command, const QByteArray& firstFollowUp,
                      const QByteArray& secondFollowUp, Completion completion) override
    {
        queued.append({retries, command, firstFollowUp, secondFollowUp, std::move(completion)});
    }
    bool commandPending() const override { return pending; }
    void enterBusyState() override { ++busyEntered; }
    void setSlowPolling(bool slow) override { slowPolling = slow; }

    // The commands alone, in order.
    QList<QByteArray> commands() const
    {
        QList<QByteArray> out;
        for (const Queued& q : queued)
            out.append(q.command);
        return out;
    }

    QList<Queued> queued;
    bool pending = false;
    int busyEntered = 0;
    bool slowPolling = false;
};

}  // namespace brivel::test
