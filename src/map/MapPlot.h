#pragma once

namespace brivel::map {

// The map chart's plot area, in pixels of the chart. The selection area
// (PaintBox1) lies exactly over it, so that a pixel column of the one is the
// same petrol time on the other: the chart draws its axes' span across
// these columns, and the correction reads the fitter's clicks in them.
struct MapPlot {
    static constexpr int Left = 44;
    static constexpr int Top = 16;
    // W of the correction's column rules.
    static constexpr int Width = 501;
    static constexpr int Height = 293;
};

}  // namespace brivel::map
