#include "map/MapChartModel.h"

#include "map/InjectionMap.h"
#include "map/MapCorrection.h"

namespace brivel::map {

namespace {

constexpr std::size_t CrossHairPoints = 4;
constexpr std::size_t MarkerPoints = 2;

}  // namespace

MapChartModel::MapChartModel()
{
    list(MapSeries::Map).reserve(InjectionMap::Entries);
    list(MapSeries::RangeStart).reserve(MarkerPoints);
    list(MapSeries::RangeEnd).reserve(MarkerPoints);
    list(MapSeries::CrossHair).reserve(CrossHairPoints);
    // At most one curve point per accepted bin and one raw point per cell.
    for (MapSeries s : {MapSeries::GasCurve, MapSeries::PetrolCurve, MapSeries::GasPoints,
                        MapSeries::PetrolPoints}) {
        list(s).reserve(MapCurves::Cells);
        previous_[static_cast<int>(s)].reserve(MapCurves::Cells);
    }
}

SeriesSet MapChartModel::RedrawInjectionMap(const InjectionMap& map, int rangeStartX, int rangeEndX)
{
    PointList& points = list(MapSeries::Map);
    points.clear();
    const int a = MapCorrection::entryAt(rangeStartX);
    const int b = MapCorrection::entryAt(rangeEndX);
    for (const InjectionMap::Entry& e : map.entries()) {
        const bool selected = rangeEndX != 0 && a <= e.number && e.number <= b;
        points.push_back({InjectionMap::petrolMs(e.number), e.value / 100.0,
                          selected ? colours::Yellow : colours::Blue});
    }
    return seriesBit(MapSeries::Map);
}

bool MapChartModel::setMarker(MapSeries s, std::optional<double> ms)
{
    PointList& points = list(s);
    if (ms) {
        const ChartPoint bottom{*ms, MapCorrection::MarkerBottom, colours::Yellow};
        const ChartPoint top{*ms, MapCorrection::MarkerTop, colours::Yellow};
        if (points.size() == MarkerPoints && points[0] == bottom && points[1] == top)
            return false;
        points.assign({bottom, top});
        return true;
    }
    if (points.empty())
        return false;
    points.clear();
    return true;
}

SeriesSet MapChartModel::setRangeMarkers(std::optional<double> startMs, std::optional<double> endMs)
{
    SeriesSet changed = 0;
    if (setMarker(MapSeries::RangeStart, startMs))
        changed |= seriesBit(MapSeries::RangeStart);
    if (setMarker(MapSeries::RangeEnd, endMs))
        changed |= seriesBit(MapSeries::RangeEnd);
    return changed;
}

SeriesSet MapChartModel::updateCrossHair(double petrolMs, double manifoldKpa)
{
    // Added as (t, p), (100, p), (t, 500), (t, p); ordered by x that is a
    // line up to the top edge, back down and on to the right edge.
    const ChartPoint here{petrolMs, manifoldKpa, colours::Red};
    const ChartPoint right{CrossHairRightMs, manifoldKpa, colours::Red};
    const ChartPoint top{petrolMs, CrossHairTopKpa, colours::Red};
    operatingPoint_ = here;
    PointList& points = list(MapSeries::CrossHair);
    const bool leftOfRightPoint = petrolMs < CrossHairRightMs;
    const std::array<ChartPoint, CrossHairPoints> wanted =
        leftOfRightPoint ? std::array<ChartPoint, CrossHairPoints>{here, top, here, right}
                         : std::array<ChartPoint, CrossHairPoints>{right, here, top, here};
    if (points.size() == CrossHairPoints &&
        std::equal(points.begin(), points.end(), wanted.begin()))
        return 0;
    points.assign(wanted.begin(), wanted.end());
    return seriesBit(MapSeries::CrossHair);
}

SeriesSet MapChartModel::UpdateMapChart(quint8 mapSelector, double petrolMs, double manifoldKpa,
                                        quint8 lastSampleIndex, const SampleTable& petrolSamples,
                                        const SampleTable& gasSamples)
{
    SeriesSet changed = updateCrossHair(petrolMs, manifoldKpa);
    if (!renewsCurves(lastSampleIndex))
        return changed;

    const bool points = mapSelector != BothCurvesSelector;
    const bool gasCurve = mapSelector == GasCurveSelector || mapSelector == BothCurvesSelector;
    const bool petrolCurve =
        mapSelector == PetrolCurveSelector || mapSelector == BothCurvesSelector;

    // What the curves showed before, to tell which of them the frame changed.
    constexpr MapSeries Renewed[] = {MapSeries::GasCurve, MapSeries::PetrolCurve,
                                     MapSeries::GasPoints, MapSeries::PetrolPoints};
    for (MapSeries s : Renewed) {
        previous_[static_cast<int>(s)].swap(list(s));
        list(s).clear();
    }

    MapCurves::buildBinTable(gasSamples, bins_);
    MapCurves::runPasses(
        gasSamples, bins_,
        {list(MapSeries::GasCurve), list(MapSeries::GasPoints), colours::Green, gasCurve, points});

    MapCurves::buildBinTable(petrolSamples, bins_);
    MapCurves::runPasses(petrolSamples, bins_,
                         {list(MapSeries::PetrolCurve), list(MapSeries::PetrolPoints), colours::Red,
                          petrolCurve, points});

    for (MapSeries s : Renewed)
        if (list(s) != previous_[static_cast<int>(s)])
            changed |= seriesBit(s);
    return changed;
}

}  // namespace brivel::map
