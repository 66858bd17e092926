#include "VirtualClock.h"

#include <algorithm>
#include <limits>

namespace brivel::test {

class VirtualClock::VirtualTimer final : public Timer {
public:
    explicit VirtualTimer(VirtualClock* clock) : clock_(clock) { clock_->timers_.push_back(this); }
    ~VirtualTimer() override
    {
        if (clock_) {
            auto& timers = clock_->timers_;
            timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
        }
    }

    void setInterval(int ms) override
    {
        interval_ = ms;
        if (active_)
            start();
    }
    int interval() const override { return interval_; }
    void setSingleShot(bool singleShot) override { singleShot_ = singleShot; }
    bool isSingleShot() const override { return singleShot_; }
    void start() override
    {
        active_ = true;
        due_ = clock_->now_ + interval_;
        sequence_ = ++clock_->sequence_;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    bool runs() const { return active_ && interval_ > 0; }
    qint64 due() const { return due_; }
    quint64 sequence() const { return sequence_; }

    void trigger()
    {
        ++clock_->firings_;
        if (singleShot_) {
            active_ = false;
        } else {
            due_ += interval_;
            sequence_ = ++clock_->sequence_;
        }
        fire();
    }

    void detach() { clock_ = nullptr; }

private:
    VirtualClock* clock_;
    int interval_ = 1000;
    bool singleShot_ = false;
    bool active_ = false;
    qint64 due_ = 0;
    quint64 sequence_ = 0;
};

VirtualClock::VirtualClock(qint64 startMs)
    : now_(startMs), wallAtStart_(QDate(2026, 1, 15), QTime(10, 0, 0))
{
}

VirtualClock::~VirtualClock()
{
    for (VirtualTimer* timer : timers_)
        timer->detach();
}

QDateTime VirtualClock::localDateTime() const
{
    return wallAtStart_.addMSecs(now_);
}

std::unique_ptr<Timer> VirtualClock::createTimer()
{
    return std::make_unique<VirtualTimer>(this);
}

VirtualClock::VirtualTimer* VirtualClock::nextDue(qint64 limit) const
{
    VirtualTimer* best = nullptr;
    for (VirtualTimer* timer : timers_) {
        if (!timer->runs() || timer->due() > limit)
            continue;
        if (!best || timer->due() < best->due() ||
            (timer->due() == best->due() && timer->sequence() < best->sequence()))
            best = timer;
    }
    return best;
}

void VirtualClock::advance(qint64 ms)
{
    const qint64 target = now_ + std::max<qint64>(ms, 0);
    while (VirtualTimer* timer = nextDue(target)) {
        now_ = std::max(now_, timer->due());
        timer->trigger();
    }
    now_ = target;
}

bool VirtualClock::fireNext()
{
    VirtualTimer* timer = nextDue(std::numeric_limits<qint64>::max());
    if (!timer)
        return false;
    now_ = std::max(now_, timer->due());
    timer->trigger();
    return true;
}

qint64 VirtualClock::untilNext() const
{
    VirtualTimer* timer = nextDue(std::numeric_limits<qint64>::max());
    return timer ? std::max<qint64>(timer->due() - now_, 0) : -1;
}

std::vector<int> VirtualClock::runningIntervals() const
{
    std::vector<int> intervals;
    for (const VirtualTimer* timer : timers_)
        if (timer->runs())
            intervals.push_back(timer->interval());
    std::sort(intervals.begin(), intervals.end());
    return intervals;
}

int VirtualClock::activeTimers() const
{
    return static_cast<int>(std::count_if(timers_.begin(), timers_.end(),
                                          [](const VirtualTimer* t) { return t->runs(); }));
}

}  // namespace brivel::test
