#include "widgets/TrendMath.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>

namespace brivel::trendmath {

TimeBase timeBase(int plotWidth, int timeScaleMinutes)
{
    TimeBase tb;
    tb.step = timeScaleMinutes == 1 ? 2 : 1;
    const int s = tb.step;
    tb.divisionWidth = std::max(1, roundToInt(double(plotWidth) / (10.0 * s) - 0.49)) * s;
    tb.periodMs =
        std::max(1, roundToInt(double(s) * timeScaleMinutes * 60000.0 / (10.0 * tb.divisionWidth)));
    tb.secondsPerDivision = roundToInt(double(tb.divisionWidth) * tb.periodMs / 1000.0 / s);
    return tb;
}

QString divisionLabel(int secondsPerDivision)
{
    const int h = secondsPerDivision / 3600;
    const int min = secondsPerDivision % 3600 / 60;
    const int sec = secondsPerDivision % 60;
    QString text;
    if (h)
        text += QString::number(h) + QLatin1String("h");
    if (min)
        text += QString::number(min) + QLatin1String("min");
    if (sec || text.isEmpty())
        text += QString::number(sec) + QLatin1String("s");
    return text + QLatin1String("/div");
}

int traceY(int plotHeight, double value, double valueFrom, double valueTo)
{
    const double span = valueTo - valueFrom;
    double ratio = span == 0.0 || std::isnan(value) ? 0.0 : (value - valueFrom) / span;
    // Far outside the range only the side matters; keep the arithmetic finite.
    ratio = std::clamp(ratio, -2.0, 3.0);
    const int y = plotHeight - roundToInt((plotHeight - 1) * ratio) - 1;
    return std::clamp(y, -1, plotHeight);
}

}  // namespace brivel::trendmath
