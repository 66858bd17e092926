#pragma once

#include <QtCore/QtGlobal>

#include <optional>

namespace brivel::live {

// The oscilloscope's time base while a recording plays: one sample per
// period of the recording's own time, not of the wall clock. A drive played
// at 16× then scrolls past sixteen times as fast, at the scale it was
// driven at, and a paused one stands still.
class ReplayTimeBase {
public:
    // More samples than this at once are no steady replay but a leap: the
    // trace starts again rather than draw minutes of one value.
    static constexpr int MostSamplesAtOnce = 256;

    struct Due {
        int samples = 0;
        // The replay left the course it was on (it began again, or leapt):
        // the trace drawn so far no longer leads up to this position.
        bool jumped = false;
    };

    // Counts afresh from the next position on.
    void restart() { sampledUpTo_.reset(); }
    // The replay stands at `positionMs` of the recording: the whole periods
    // of `periodMs` that have passed since the samples taken so far.
    Due advanceTo(qint64 positionMs, int periodMs);

private:
    std::optional<qint64> sampledUpTo_;
};

}  // namespace brivel::live
