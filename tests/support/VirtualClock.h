#pragma once

#include "platform/Clock.h"

#include <vector>

namespace brivel::test {

// Time that moves only when a test says so. Due timers fire in the order of
// their due times (ties in the order they were started), each at its own
// moment, so a handler that reads the clock sees the time it fired at.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(qint64 startMs = 0);
    ~VirtualClock() override;

    qint64 nowMs() const override { return now_; }
    QDateTime localDateTime() const override;
    std::unique_ptr<Timer> createTimer() override;

    void setLocalDateTime(const QDateTime& at) { wallAtStart_ = at; }

    // Moves time forward by `ms`, firing every timer that falls due.
    void advance(qint64 ms);
    // Moves time to the next due timer and fires it; false when none runs.
    bool fireNext();
    // Milliseconds until the next timer falls due, or -1 when none runs.
    qint64 untilNext() const;
    int activeTimers() const;
    // The intervals of the timers that run, ascending.
    std::vector<int> runningIntervals() const;
    // How many times a timer has fired: the program's wake-ups.
    quint64 firings() const { return firings_; }

private:
    class VirtualTimer;
    friend class VirtualTimer;

    VirtualTimer* nextDue(qint64 limit) const;

    qint64 now_;
    quint64 sequence_ = 0;
    quint64 firings_ = 0;
    QDateTime wallAtStart_;
    std::vector<VirtualTimer*> timers_;
};

}  // namespace brivel::test
