#include "platform/qt/QtClock.h"

#include <QtCore/QTimer>

namespace brivel {

namespace {

class QtTimer final : public Timer {
public:
    QtTimer()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
    }

    void setInterval(int ms) override
    {
        interval_ = ms;
        if (timer_.isActive())
            start();
    }
    int interval() const override { return interval_; }
    void setSingleShot(bool singleShot) override { timer_.setSingleShot(singleShot); }
    bool isSingleShot() const override { return timer_.isSingleShot(); }

    void start() override
    {
        timer_.stop();
        active_ = true;
        if (interval_ > 0)
            timer_.start(interval_);
    }
    void stop() override
    {
        active_ = false;
        timer_.stop();
    }
    bool isActive() const override { return active_ && (timer_.isActive() || interval_ <= 0); }

private:
    QTimer timer_;
    int interval_ = 1000;
    bool active_ = false;
};

}  // namespace

QtClock::QtClock()
{
    elapsed_.start();
}

qint64 QtClock::nowMs() const
{
    return elapsed_.elapsed();
}

QDateTime QtClock::localDateTime() const
{
    return QDateTime::currentDateTime();
}

std::unique_ptr<Timer> QtClock::createTimer()
{
    return std::make_unique<QtTimer>();
}

}  // namespace brivel
