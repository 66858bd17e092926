#include "widgets/SignalMath.h"

#include "platform/Rounding.h"

#include <cmath>

namespace brivel::signalmath {

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
