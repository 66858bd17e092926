#pragma once

#include <QtCore/QtGlobal>

namespace brivel {

// Flash frequencies; the value is the bit of the 16 ms tick counter that
// gives the phase, so the half-periods are 64, 128, 256, 512 and 1024 ms.
enum FlashFrequency : int { ff8Hz = 2, ff4Hz = 3, ff2Hz = 4, ff1Hz = 5, ff05Hz = 6 };

// The on/off phase of a frequency at a tick count. Every widget flashing at
// the same frequency reads the same counter, so they blink in step.
constexpr bool flashPhase(quint32 tickCount, FlashFrequency frequency)
{
    return ((tickCount >> int(frequency)) & 1u) != 0;
}

// The next due time of an interval registration that ticked at `nowMs` for
// the due time `dueMs`: now plus the interval minus the lateness, so a late
// tick does not shift the ones after it; a tick more than `maxLatenessMs`
// late starts the schedule afresh instead of catching up.
constexpr qint64 nextIntervalDue(qint64 nowMs, qint64 dueMs, int intervalMs,
                                 qint64 maxLatenessMs = 1000)
{
    const qint64 lateness = nowMs - dueMs;
    return nowMs + intervalMs - (lateness > maxLatenessMs ? 0 : lateness);
}

}  // namespace brivel
