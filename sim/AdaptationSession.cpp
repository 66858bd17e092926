#include "sim/AdaptationSession.h"

namespace brivel::sim {

void AdaptationSession::start()
{
    state_ = State::Running;
    reports_ = 0;
    lastReport_.clear();
    result_.clear();
}

void AdaptationSession::report(const QByteArray& statistics)
{
    ++reports_;
    lastReport_ = statistics;
}

void AdaptationSession::setResult(const QByteArray& result)
{
    result_ = result;
}

void AdaptationSession::end()
{
    // An end without a run before it changes nothing.
    if (state_ == State::Running)
        state_ = State::Ended;
}

void AdaptationSession::stop()
{
    if (state_ == State::Running)
        state_ = State::Stopped;
}

}  // namespace brivel::sim
