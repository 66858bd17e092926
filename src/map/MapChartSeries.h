#pragma once

#include <QtCore/QtGlobal>

#include <vector>

namespace brivel::map {

// The eight series of the map chart, in the chart's order.
enum class MapSeries : int {
    Map = 0,           // "Mnożnik": the injection map, left axis
    RangeStart = 1,    // "Obszar_od": start marker of the selected range, left axis
    RangeEnd = 2,      // "Obszar_do": end marker, left axis
    CrossHair = 3,     // "Wskaznik": the operating point, right axis
    GasCurve = 4,      // "Wykres_Gaz": smoothed curve of the gas samples, right axis
    PetrolCurve = 5,   // "Wykres_Petrol": smoothed curve of the petrol samples, right axis
    GasPoints = 6,     // "Punkty": raw gas samples, right axis
    PetrolPoints = 7,  // "Punkty": raw petrol samples, right axis
};
constexpr int MapSeriesCount = 8;

// A set of series, one bit per series index: what an operation changed.
using SeriesSet = quint8;
constexpr SeriesSet seriesBit(MapSeries s)
{
    return static_cast<SeriesSet>(1u << static_cast<int>(s));
}

struct ChartColour {
    quint8 red;
    quint8 green;
    quint8 blue;
    friend bool operator==(ChartColour a, ChartColour b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(ChartColour a, ChartColour b) { return !(a == b); }
};

// The colours every point is added with.
namespace colours {
constexpr ChartColour Blue{0, 0, 255};
constexpr ChartColour Yellow{255, 255, 0};
constexpr ChartColour Red{255, 0, 0};
constexpr ChartColour Green{0, 128, 0};
}  // namespace colours

struct ChartPoint {
    double x;
    double y;
    ChartColour colour;
    friend bool operator==(const ChartPoint& a, const ChartPoint& b)
    {
        return a.x == b.x && a.y == b.y && a.colour == b.colour;
    }
};

// The points of one series, ascending in x; points of equal x keep the
// order they were added in.
using PointList = std::vector<ChartPoint>;

}  // namespace brivel::map
