#pragma once

#include "map/MapChartSeries.h"

#include <ostream>

namespace brivel::map {

inline void PrintTo(const ChartPoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << " rgb " << int(p.colour.red) << "," << int(p.colour.green)
        << "," << int(p.colour.blue) << ")";
}

}  // namespace brivel::map
