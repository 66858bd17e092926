#pragma once

#include <QtCore/QString>

// Time base and trace geometry of the trend widget.
namespace brivel::trendmath {

// The first sample after a (re)start comes after at most this long.
constexpr int kFirstPeriodLimitMs = 200;

struct TimeBase {
    int step = 1;           // pixels the plot moves per tick
    int divisionWidth = 1;  // pixels per time division
    int periodMs = 1;       // time between ticks
    int secondsPerDivision = 0;
};

// For a plot `plotWidth` pixels wide showing `timeScaleMinutes` across its ten
// divisions. A plot too narrow for ten divisions still gets one step per
// division rather than a zero width.
TimeBase timeBase(int plotWidth, int timeScaleMinutes);

// "6s/div", "1min30s/div", "1h/div": the non-zero parts in that order.
QString divisionLabel(int secondsPerDivision);

// Row of a value in a plot `plotHeight` rows high: the range bottom on the
// last row, the range top on row 0. Values outside the range give rows just
// outside the plot (-1 or plotHeight), so they are clipped away.
int traceY(int plotHeight, double value, double valueFrom, double valueTo);

}  // namespace brivel::trendmath
