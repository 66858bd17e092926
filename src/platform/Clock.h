#pragma once

#include <QtCore/QDateTime>

#include <functional>
#include <memory>

namespace brivel {

// A window timer. All timers fire on the window thread, one handler at a time.
// An interval of 0 or less never fires, as with the window timers the program
// was designed around.
class Timer {
public:
    virtual ~Timer() = default;

    // Changing the interval of a running timer restarts its countdown.
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setSingleShot(bool singleShot) = 0;
    virtual bool isSingleShot() const = 0;
    // Starts the countdown afresh, also when the timer already runs.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    // Switching on a running timer leaves its countdown alone.
    void setEnabled(bool enabled)
    {
        if (!enabled)
            stop();
        else if (!isActive())
            start();
    }

    void setCallback(std::function<void()> callback) { callback_ = std::move(callback); }

protected:
    void fire()
    {
        if (callback_)
            callback_();
    }

private:
    std::function<void()> callback_;
};

// The one source of time and timers of the program.
class Clock {
public:
    virtual ~Clock() = default;

    // Monotonic milliseconds since an arbitrary origin.
    virtual qint64 nowMs() const = 0;
    // Local wall-clock time, for what is stamped into files.
    virtual QDateTime localDateTime() const = 0;
    virtual std::unique_ptr<Timer> createTimer() = 0;
};

}  // namespace brivel
