#pragma once

#include "map/MapChartSeries.h"

#include <QtCore/QtGlobal>

#include <array>

namespace brivel::map {

// The learned curves of the map chart. A sample table holds, for each
// manifold pressure in kPa (the cell's position), the petrol injection time
// in tenths of a millisecond the controller saw there, 0 for none. Turned
// round, each injection time (a bin) collects up to four pressures; the
// curve runs through the average pressure of each bin, with bins that fall
// implausibly far below their predecessor left out and every middle bin
// of three pulled towards the line through its neighbours, four passes over.
class MapCurves {
public:
    static constexpr int Cells = 256;
    static constexpr int Slots = 4;
    static constexpr int Passes = 4;
    // Only bins whose average pressure is above this draw and smooth.
    static constexpr int LowestDrawnAverage = 5;
    // How far a bin may fall below the last accepted one per bin of distance
    // beyond the fifth.
    static constexpr double FallPerBin = 0.85;
    static constexpr int FreeDistance = 5;

    using SampleTable = std::array<quint8, Cells>;

    // Four positions (0 = empty slot) and their average.
    struct Bin {
        std::array<quint8, Slots> positions;
        quint8 average;
    };
    using BinTable = std::array<Bin, Cells>;

    // What the procedure draws into, and when.
    struct Target {
        PointList& curve;
        PointList& points;
        ChartColour colour;
        bool drawCurve;
        bool drawPoints;
    };

    // Rebuilds the bin table of `table` from scratch.
    static void buildBinTable(const SampleTable& table, BinTable& bins);

    // The four passes over a freshly built bin table; appends the curve
    // points and the raw points to the target lists and sorts each by x.
    static void runPasses(const SampleTable& table, BinTable& bins, const Target& target);

    static int occupiedSlots(const Bin& bin);
};

}  // namespace brivel::map
