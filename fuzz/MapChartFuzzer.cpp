// The map chart's per-frame path: arbitrary sequences of live frames (map
// selector, operating point, sample index, sample tables that change cell
// by cell or wholesale), map redraws and range markers, with the series
// checked after every step.
#include "FuzzCheck.h"

#include "map/InjectionMap.h"
#include "map/MapChartModel.h"
#include "map/MapCorrection.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QtCore/QByteArray>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace brivel::map;

namespace {

using Table = MapChartModel::SampleTable;

constexpr int MaxEvents = 12;

constexpr MapSeries CurveSeries[] = {MapSeries::GasCurve, MapSeries::PetrolCurve,
                                     MapSeries::GasPoints, MapSeries::PetrolPoints};

bool sortedByX(const PointList& points)
{
    return std::is_sorted(points.begin(), points.end(),
                          [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
}

// A value as the live decoder hands it over: two frame bytes scaled, or now
// and then any finite number.
double liveValue(FuzzedDataProvider& in, double lowScale, double highScale)
{
    if (in.ConsumeBool())
        return in.ConsumeFloatingPoint<double>();
    const int low = in.ConsumeIntegral<quint8>();
    const int high = in.ConsumeIntegral<quint8>();
    return low * lowScale + high * highScale;
}

void fill(FuzzedDataProvider& in, Table& table)
{
    const std::vector<quint8> bytes = in.ConsumeBytes<quint8>(table.size());
    std::copy(bytes.begin(), bytes.end(), table.begin());
}

void checkCurves(const PointList& curve, const PointList& points, const Table& table,
                 bool drawCurve, bool drawPoints, ChartColour colour)
{
    FUZZ_CHECK(drawCurve || curve.empty());
    FUZZ_CHECK(curve.size() <= MapCurves::Cells);
    FUZZ_CHECK(sortedByX(curve));
    for (const ChartPoint& p : curve) {
        FUZZ_CHECK(p.x >= 0 && p.x <= 25.5 && p.y >= 0 && p.y <= 255);
        FUZZ_CHECK(p.colour == colour);
    }
    // At most one raw point per filled cell, its time against its pressure
    // (a cell whose number is that of a rejected bin draws none).
    FUZZ_CHECK(drawPoints || points.empty());
    FUZZ_CHECK(sortedByX(points));
    std::array<bool, MapCurves::Cells> drawn{};
    for (const ChartPoint& p : points) {
        const int cell = static_cast<int>(p.y);
        FUZZ_CHECK(cell == p.y && cell >= 0 && cell < MapCurves::Cells);
        FUZZ_CHECK(table[cell] != 0 && p.x == table[cell] / 10.0);
        FUZZ_CHECK(!drawn[cell]);
        drawn[cell] = true;
        FUZZ_CHECK(p.colour == colour);
    }
}

void frame(FuzzedDataProvider& in, MapChartModel& chart, const Table& petrol, const Table& gas)
{
    const auto selector = in.ConsumeIntegral<quint8>();
    const double petrolMs = liveValue(in, 0.1, 25.6);
    const double manifoldKpa = liveValue(in, 1, 256);
    const auto index = in.ConsumeIntegral<quint8>();

    const bool renews = MapChartModel::renewsCurves(index);
    std::array<PointList, 4> before;
    for (int i = 0; i < 4; ++i)
        before[i] = chart.series(CurveSeries[i]);
    const SeriesSet changed =
        chart.UpdateMapChart(selector, petrolMs, manifoldKpa, index, petrol, gas);

    const PointList& crossHair = chart.series(MapSeries::CrossHair);
    FUZZ_CHECK(crossHair.size() == 4);
    FUZZ_CHECK(sortedByX(crossHair));
    // The chart replaces exactly the learned series named as changed.
    for (int i = 0; i < 4; ++i) {
        const bool same = chart.series(CurveSeries[i]) == before[i];
        FUZZ_CHECK(((changed & seriesBit(CurveSeries[i])) != 0) == !same);
        if (!renews)
            FUZZ_CHECK(same);
    }
    if (!renews)
        return;
    const bool points = selector != MapChartModel::BothCurvesSelector;
    const bool both = selector == MapChartModel::BothCurvesSelector;
    checkCurves(chart.series(MapSeries::GasCurve), chart.series(MapSeries::GasPoints), gas,
                both || selector == MapChartModel::GasCurveSelector, points, colours::Green);
    checkCurves(chart.series(MapSeries::PetrolCurve), chart.series(MapSeries::PetrolPoints), petrol,
                both || selector == MapChartModel::PetrolCurveSelector, points, colours::Red);
}

void redraw(FuzzedDataProvider& in, MapChartModel& chart)
{
    QByteArray block(InjectionMap::BlockEnd, '\0');
    const std::string values = in.ConsumeBytesAsString(InjectionMap::Entries);
    std::copy(values.begin(), values.end(), block.begin() + InjectionMap::BlockOffset);
    InjectionMap map;
    FUZZ_CHECK(map.load(block));
    const int startX = in.ConsumeIntegral<int>();
    const int endX = in.ConsumeIntegral<int>();
    FUZZ_CHECK(chart.RedrawInjectionMap(map, startX, endX) == seriesBit(MapSeries::Map));

    const PointList& points = chart.series(MapSeries::Map);
    FUZZ_CHECK(points.size() == InjectionMap::Entries);
    FUZZ_CHECK(sortedByX(points));
    const int first = MapCorrection::entryAt(startX);
    const int last = MapCorrection::entryAt(endX);
    for (int k = 1; k <= InjectionMap::Entries; ++k) {
        const ChartPoint& p = points[k - 1];
        FUZZ_CHECK(p.x == InjectionMap::petrolMs(k) && p.y == map.value(k) / 100.0);
        const bool selected = endX != 0 && first <= k && k <= last;
        FUZZ_CHECK(p.colour == (selected ? colours::Yellow : colours::Blue));
    }
}

void markers(FuzzedDataProvider& in, MapChartModel& chart)
{
    std::optional<double> start;
    std::optional<double> end;
    if (in.ConsumeBool())
        start = MapCorrection::petrolMsAt(in.ConsumeIntegral<int>());
    if (in.ConsumeBool())
        end = MapCorrection::petrolMsAt(in.ConsumeIntegral<int>());
    chart.setRangeMarkers(start, end);
    FUZZ_CHECK(chart.series(MapSeries::RangeStart).size() == (start ? 2u : 0u));
    FUZZ_CHECK(chart.series(MapSeries::RangeEnd).size() == (end ? 2u : 0u));
    // Setting the same markers again changes nothing.
    FUZZ_CHECK(chart.setRangeMarkers(start, end) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    MapChartModel chart;
    Table petrol{};
    Table gas{};
    // A bounded number of events keeps each run short.
    for (int event = 0; event < MaxEvents && in.remaining_bytes() > 0; ++event) {
        switch (in.ConsumeIntegralInRange(0, 5)) {
            case 0:
            case 1:
                frame(in, chart, petrol, gas);
                break;
            case 2: {
                // A frame's sample block: a few cells of either table.
                Table& table = in.ConsumeBool() ? petrol : gas;
                table[in.ConsumeIntegral<quint8>()] = in.ConsumeIntegral<quint8>();
                break;
            }
            case 3:
                fill(in, in.ConsumeBool() ? petrol : gas);
                break;
            case 4:
                redraw(in, chart);
                break;
            default:
                markers(in, chart);
                break;
        }
    }
    return 0;
}
