#pragma once

#include "link/CommandSender.h"

#include <QtCore/QByteArray>

#include <array>

namespace brivel {

// The commands waiting for the controller: slot 0 holds the framed command
// being sent, slots 1 and 2 its follow-ups (code and payload, unframed),
// which move up one at a time once slot 0 has been acknowledged. A command
// goes out until the echo of its code comes back or its retry budget is
// spent. The queue decides and says what became of a command; the link acts
// on that (timers, state, disconnect).
class CommandQueue {
public:
    using Completion = CommandSender::Completion;

    // The budget of each follow-up when it moves up to slot 0.
    static constexpr int RetriesForFollowUps = 7;

    enum class Outcome {
        Idle,          // nothing for the link to do
        Queued,        // a command waits in slot 0 for the next tick
        Repeated,      // no echo, or a wrong one: the same command goes out again
        Acknowledged,  // its echo came back: the command is done
        Spent,         // the retry budget ran out: nothing waits any more
    };

    // The caller's budget (transmissions plus one; 0 or less counts as
    // CommandSender::RetriesForEditors) replaces what was left. An empty
    // command queues nothing (Idle). An empty follow-up leaves its slot as
    // it was; a completion takes the second follow-up's place.
    Outcome queue(int retries, const QByteArray& command, const QByteArray& firstFollowUp,
                  const QByteArray& secondFollowUp, Completion completion);
    // A complete reply came in: its echo at offset 3 acknowledges slot 0, or
    // slot 0 is queued again with one transmission fewer. Idle when nothing
    // was pending (a poll's reply).
    Outcome acknowledge(const QByteArray& reply);
    // Slot 0 is empty: the first follow-up moves up with RetriesForFollowUps
    // (Queued). A completion that comes up is dropped unrun and nothing
    // moves into slot 0 (Idle); so it is when no follow-up waits.
    Outcome promote();
    // A settings image has been shown: the completion waiting behind it, if
    // any, taken out of its slot.
    Completion takeCompletion();
    // The connection ended: nothing waits, no budget is left.
    void clear();

    bool commandPending() const { return !slots_[0].command.isEmpty(); }
    // Slot 0, framed; empty when nothing is pending.
    const QByteArray& pendingFrame() const { return slots_[0].command; }
    // The follow-up in slot 1 or 2; empty for a completion or nothing.
    const QByteArray& followUp(int slot) const { return slots_[slot].command; }
    bool holdsCompletion() const;
    int retriesLeft() const { return retries_; }
    // The code of the command placed in slot 0 last, until its reply has
    // been handed on; -1 when there is none.
    int currentCode() const { return currentCode_; }
    void forgetCurrentCode() { currentCode_ = -1; }

private:
    struct Slot {
        QByteArray command;
        Completion completion;

        bool isEmpty() const { return command.isEmpty() && !completion; }
    };

    Outcome place(const QByteArray& command, const Slot& firstFollowUp, const Slot& secondFollowUp);

    std::array<Slot, 3> slots_;
    int retries_ = 0;
    int currentCode_ = -1;
};

}  // namespace brivel
