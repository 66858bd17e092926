#include "widgets/SignalMath.h"

#include <cmath>
#include <limits>

namespace brivel::signalmath {

double roundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

int roundToInt(double x)
{
    if (std::isnan(x))
        return 0;
    const double r = roundHalfEven(x);
    if (r >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(r);
}

int valueToDigit(const Range& range, double value)
{
    const double span = range.valueSpan();
    if (span == 0.0 || std::isnan(value))
        return range.digitalFrom;
    return roundToInt((value - double(range.valueFrom)) * range.digitalSpan() / span +
                      range.digitalFrom);
}

double digitToValue(const Range& range, int digit)
{
    const int d = range.digitalSpan();
    if (d == 0)
        return range.valueFrom;
    return (double(digit) - range.digitalFrom) * range.valueSpan() / d + double(range.valueFrom);
}

int digitToPermille(const Range& range, int digit)
{
    const int d = range.digitalSpan();
    if (d == 0)
        return 0;
    return roundToInt(1000.0 / d * (double(digit) - range.digitalFrom));
}

Overflow overflowOf(int permille)
{
    if (permille < 0)
        return Overflow::Below;
    if (permille > 1000)
        return Overflow::Above;
    return Overflow::None;
}

int drawnPermille(int permille)
{
    return permille < 0 ? 0 : (permille > 1000 ? 1000 : permille);
}

SectorFlags sectorsContaining(int permille, const std::array<SectorBounds, 3>& sectors)
{
    SectorFlags flags{};
    for (std::size_t i = 0; i < sectors.size(); ++i)
        flags[i] = sectors[i].from <= permille && permille <= sectors[i].to;
    return flags;
}

int lastSectorContaining(int permille, const std::array<SectorBounds, 3>& sectors)
{
    const SectorFlags flags = sectorsContaining(permille, sectors);
    for (int i = 2; i >= 0; --i) {
        if (flags[std::size_t(i)])
            return i;
    }
    return -1;
}

}  // namespace brivel::signalmath
