#pragma once

#include <QtCore/QByteArray>

#include <functional>

namespace brivel {

// How a feature asks the controller to do something: the link frames the
// command, queues it between polls and repeats it until its echo comes back
// or the retry budget is spent. Features never write to the port themselves.
class CommandSender {
public:
    // Retry budgets: the number of transmissions plus one.
    static constexpr int RetriesForEditors = 5;
    static constexpr int RetriesForMapSteps = 7;

    // Runs once, when the settings image that a queued read asked for has
    // been shown.
    using Completion = std::function<void()>;

    virtual ~CommandSender() = default;

    // `command` is the code byte followed by its payload, unframed; so are the
    // follow-ups, which go out one after the other once the command has been
    // acknowledged. An empty follow-up leaves its slot as it was.
    //
    // A settings read (0x66 0x00) may carry a completion instead of a second
    // follow-up. It waits in that follow-up's place: it runs once the next
    // settings image has been shown, and is dropped unrun when it comes up
    // to be sent, which is what happens when another command replaced the
    // read before the read went out.
    virtual void queueCommand(int retries, const QByteArray& command,
                              const QByteArray& firstFollowUp = QByteArray(),
                              const QByteArray& secondFollowUp = QByteArray(),
                              Completion completion = Completion()) = 0;

    // A queued command still waits for its acknowledgement.
    virtual bool commandPending() const = 0;

    // A long transfer begins: the window is disabled and greyed and polling
    // slows down until the next settings image has been applied.
    virtual void enterBusyState() = 0;

    // Slow polling (1264 ms) without the busy window, and back to 240 ms.
    virtual void setSlowPolling(bool slow) = 0;
};

}  // namespace brivel
