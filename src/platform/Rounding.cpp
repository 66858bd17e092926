#include "platform/Rounding.h"

#include <cmath>
#include <limits>

namespace brivel {

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

}  // namespace brivel
