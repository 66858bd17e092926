#pragma once

#include "map/MapChartSeries.h"
#include "map/MapCurves.h"

#include <QtCore/QtGlobal>

#include <array>
#include <optional>

namespace brivel::map {

class InjectionMap;

// The points of the map chart's eight series, kept as data: the chart only
// shows them. Each operation returns the set of series whose points it
// changed, so that the chart replaces just those.
class MapChartModel {
public:
    // The learned curves are renewed only by frames whose sample index lies
    // in this window.
    static constexpr int FirstCurveIndex = 128;
    static constexpr int LastCurveIndex = 134;
    // The cross-hair's far points lie beyond the axes, so that it reaches
    // the right and top edges.
    static constexpr double CrossHairRightMs = 100;
    static constexpr double CrossHairTopKpa = 500;
    // Right axis maximum (kPa) for a standard and a turbo engine.
    static constexpr int RightAxisStandard = 126;
    static constexpr int RightAxisTurbo = 252;
    // Selector values that draw a curve.
    static constexpr quint8 PetrolCurveSelector = 1;
    static constexpr quint8 GasCurveSelector = 2;
    static constexpr quint8 BothCurvesSelector = 3;

    using SampleTable = MapCurves::SampleTable;

    MapChartModel();

    const PointList& series(MapSeries s) const { return series_[static_cast<int>(s)]; }
    // The cross-hair's centre (petrol ms, kPa), once a frame has placed it.
    std::optional<ChartPoint> operatingPoint() const { return operatingPoint_; }

    // Series 0 from the map: one point per entry, yellow inside a complete
    // selected range (pixel columns, 0 = not set), blue elsewhere.
    SeriesSet RedrawInjectionMap(const InjectionMap& map, int rangeStartX, int rangeEndX);

    // The two range markers, each a vertical line at its petrol time or
    // nothing.
    SeriesSet setRangeMarkers(std::optional<double> startMs, std::optional<double> endMs);

    // A decoded live frame: the cross-hair at petrol time `petrolMs` (cylinder
    // 1) and manifold pressure `manifoldKpa`, and, when the frame's sample
    // index lies in the curve window, both learned curves and raw samples
    // from the petrol (A) and gas (B) sample tables. Only the series whose
    // points differ from what they were are named.
    SeriesSet UpdateMapChart(quint8 mapSelector, double petrolMs, double manifoldKpa,
                             quint8 lastSampleIndex, const SampleTable& petrolSamples,
                             const SampleTable& gasSamples);

    static bool renewsCurves(int sampleIndex)
    {
        return sampleIndex >= FirstCurveIndex && sampleIndex <= LastCurveIndex;
    }
    static int rightAxisMaximum(bool turbo) { return turbo ? RightAxisTurbo : RightAxisStandard; }

private:
    PointList& list(MapSeries s) { return series_[static_cast<int>(s)]; }
    SeriesSet updateCrossHair(double petrolMs, double manifoldKpa);
    bool setMarker(MapSeries s, std::optional<double> ms);

    std::array<PointList, MapSeriesCount> series_;
    std::optional<ChartPoint> operatingPoint_;
    // The learned curves' points before the last renewal; swapped with the
    // new ones, so that a frame needs no allocation.
    std::array<PointList, MapSeriesCount> previous_;
    // Work tables of the curve procedure, kept so that a frame needs no
    // allocation.
    MapCurves::BinTable bins_{};
};

}  // namespace brivel::map
