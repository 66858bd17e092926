#include "link/CommandQueue.h"

#include "link/Frames.h"

namespace brivel {

CommandQueue::Outcome CommandQueue::queue(int retries, const QByteArray& command,
                                          const QByteArray& firstFollowUp,
                                          const QByteArray& secondFollowUp, Completion completion)
{
    retries_ = retries;
    const Slot second =
        completion ? Slot{QByteArray(), std::move(completion)} : Slot{secondFollowUp, Completion()};
    return place(command, Slot{firstFollowUp, Completion()}, second);
}

CommandQueue::Outcome CommandQueue::place(const QByteArray& command, const Slot& firstFollowUp,
                                          const Slot& secondFollowUp)
{
    // A command needs a code byte.
    if (command.isEmpty())
        return Outcome::Idle;
    // A budget nobody set would count below zero and repeat an unanswered
    // command for ever; it gets the usual one instead.
    if (retries_ <= 0)
        retries_ = CommandSender::RetriesForEditors;
    if (--retries_ == 0)
        return Outcome::Spent;
    if (!firstFollowUp.isEmpty())
        slots_[1] = firstFollowUp;
    if (!secondFollowUp.isEmpty())
        slots_[2] = secondFollowUp;
    const QByteArray frame = FrameCommand(command);
    slots_[0] = Slot{frame, Completion()};
    currentCode_ = static_cast<quint8>(frame[1]);
    return Outcome::Queued;
}

CommandQueue::Outcome CommandQueue::acknowledge(const QByteArray& reply)
{
    if (!commandPending())
        return Outcome::Idle;
    const QByteArray& frame = slots_[0].command;
    const auto echo = ReplyEcho(reply);
    if (echo && *echo == static_cast<quint8>(frame[1])) {
        retries_ = 0;
        slots_[0] = Slot();
        return Outcome::Acknowledged;
    }
    // The frame without its lead byte and its checksum, framed afresh.
    const Outcome outcome = place(frame.mid(1, frame.size() - 2), Slot(), Slot());
    return outcome == Outcome::Queued ? Outcome::Repeated : outcome;
}

CommandQueue::Outcome CommandQueue::promote()
{
    if (commandPending() || slots_[1].isEmpty())
        return Outcome::Idle;
    const Slot next = slots_[1];
    const Slot after = slots_[2];
    slots_[1] = after;
    slots_[2] = Slot();
    // A completion never goes to the controller. One that comes up here lost
    // its read (another command replaced it before it went out).
    if (next.completion)
        return Outcome::Idle;
    retries_ = RetriesForFollowUps;
    return place(next.command, after, Slot());
}

CommandQueue::Completion CommandQueue::takeCompletion()
{
    // It travels behind the read it belongs to. When an earlier command's
    // follow-up still waits in slot 1, the image just shown is still the one
    // the read asked for, so the completion is taken from either follow-up
    // slot and the follow-up keeps its turn.
    Completion completion;
    if (slots_[2].completion) {
        completion = std::move(slots_[2].completion);
        slots_[2] = Slot();
    } else if (slots_[1].completion) {
        completion = std::move(slots_[1].completion);
        slots_[1] = slots_[2];
        slots_[2] = Slot();
    }
    return completion;
}

void CommandQueue::clear()
{
    for (Slot& slot : slots_)
        slot = Slot();
    retries_ = 0;
    currentCode_ = -1;
}

bool CommandQueue::holdsCompletion() const
{
    return slots_[1].completion || slots_[2].completion;
}

}  // namespace brivel
