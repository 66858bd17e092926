#include "MapPrinters.h"
#include "QtPrinters.h"
#include "map/InjectionMap.h"
#include "map/MapChartModel.h"

#include <gtest/gtest.h>

using namespace brivel::map;

namespace {

using Table = MapChartModel::SampleTable;

InjectionMap flatMap(int value)
{
    QByteArray block(602, '\0');
    for (int k = 1; k <= InjectionMap::Entries; ++k)
        block[65 + k] = static_cast<char>(value);
    InjectionMap map;
    map.load(block);
    return map;
}

// Petrol samples at 30/32/34 kPa and gas samples at 40/42/44 kPa, each a
// single bin: every series has something to show when it is drawn.
struct Samples {
    Table petrol{};
    Table gas{};
    Samples()
    {
        for (int kpa : {30, 32, 34})
            petrol[kpa] = 25;
        for (int kpa : {40, 42, 44})
            gas[kpa] = 27;
    }
};

bool shows(const MapChartModel& chart, MapSeries s)
{
    return !chart.series(s).empty();
}

}  // namespace

TEST(MapChartRedraw, AFlatMapOf100IsABlueLineAt1From1To25Point5)
{
    MapChartModel chart;
    EXPECT_EQ(chart.RedrawInjectionMap(flatMap(100), 0, 0), seriesBit(MapSeries::Map));
    const PointList& points = chart.series(MapSeries::Map);
    ASSERT_EQ(points.size(), 246u);
    EXPECT_DOUBLE_EQ(points.front().x, 1.0);
    EXPECT_DOUBLE_EQ(points.back().x, 25.5);
    EXPECT_DOUBLE_EQ(points[19].x, 2.9);
    for (const ChartPoint& p : points) {
        EXPECT_DOUBLE_EQ(p.y, 1.0);
        EXPECT_EQ(p.colour, colours::Blue);
    }
}

TEST(MapChartRedraw, Byte255DrawsAbove2Point52)
{
    MapChartModel chart;
    chart.RedrawInjectionMap(flatMap(255), 0, 0);
    EXPECT_DOUBLE_EQ(chart.series(MapSeries::Map)[100].y, 2.55);
}

TEST(MapChartRedraw, ACompleteRangeIsYellowAndAStartAloneIsNot)
{
    MapChartModel chart;
    // Columns 37 and 57 are entries 20 and 30.
    chart.RedrawInjectionMap(flatMap(100), 37, 57);
    const PointList& points = chart.series(MapSeries::Map);
    for (int k = 1; k <= 246; ++k)
        EXPECT_EQ(points[k - 1].colour, k >= 20 && k <= 30 ? colours::Yellow : colours::Blue) << k;
    chart.RedrawInjectionMap(flatMap(100), 37, 0);
    for (const ChartPoint& p : chart.series(MapSeries::Map))
        EXPECT_EQ(p.colour, colours::Blue);
}

TEST(MapChartMarkers, AMarkerIsAYellowVerticalLineOverTheLeftAxis)
{
    MapChartModel chart;
    EXPECT_EQ(chart.setRangeMarkers(2.5, std::nullopt), seriesBit(MapSeries::RangeStart));
    EXPECT_EQ(chart.series(MapSeries::RangeStart),
              (PointList{{2.5, 0.0, colours::Yellow}, {2.5, 3.0, colours::Yellow}}));
    EXPECT_TRUE(chart.series(MapSeries::RangeEnd).empty());
    // Unchanged markers change nothing.
    EXPECT_EQ(chart.setRangeMarkers(2.5, std::nullopt), 0);
    EXPECT_EQ(chart.setRangeMarkers(std::nullopt, std::nullopt), seriesBit(MapSeries::RangeStart));
    EXPECT_TRUE(chart.series(MapSeries::RangeStart).empty());
}

TEST(MapChartCrossHair, FourRedPointsUpToTheTopAndOnToTheRightEdge)
{
    MapChartModel chart;
    const Samples s;
    EXPECT_FALSE(chart.operatingPoint());
    EXPECT_EQ(chart.UpdateMapChart(0, 3.2, 35.0, 10, s.petrol, s.gas),
              seriesBit(MapSeries::CrossHair));
    EXPECT_EQ(chart.operatingPoint(), (ChartPoint{3.2, 35.0, colours::Red}));
    EXPECT_EQ(chart.series(MapSeries::CrossHair), (PointList{{3.2, 35.0, colours::Red},
                                                             {3.2, 500.0, colours::Red},
                                                             {3.2, 35.0, colours::Red},
                                                             {100.0, 35.0, colours::Red}}));
    // The same operating point again leaves the series alone.
    EXPECT_EQ(chart.UpdateMapChart(0, 3.2, 35.0, 11, s.petrol, s.gas), 0);
    // The blank frame of a disconnect puts it at 0 ms and 0 kPa.
    chart.UpdateMapChart(0, 0.0, 0.0, 0, s.petrol, s.gas);
    EXPECT_EQ(chart.series(MapSeries::CrossHair).front(), (ChartPoint{0.0, 0.0, colours::Red}));
}

struct IndexCase {
    int index;
    bool renews;
};

class SampleIndexWindow : public ::testing::TestWithParam<IndexCase> {};

TEST_P(SampleIndexWindow, OnlyIndices128To134RenewTheCurves)
{
    MapChartModel chart;
    const Samples s;
    const SeriesSet changed = chart.UpdateMapChart(3, 3.0, 30.0, GetParam().index, s.petrol, s.gas);
    const SeriesSet curves = seriesBit(MapSeries::GasCurve) | seriesBit(MapSeries::PetrolCurve);
    EXPECT_EQ((changed & curves) == curves, GetParam().renews);
    // Selector 3 draws no raw points: those series stay empty, unnamed.
    EXPECT_EQ(changed & (seriesBit(MapSeries::GasPoints) | seriesBit(MapSeries::PetrolPoints)), 0);
    EXPECT_EQ(shows(chart, MapSeries::GasCurve), GetParam().renews);
    EXPECT_EQ(shows(chart, MapSeries::PetrolCurve), GetParam().renews);
}

INSTANTIATE_TEST_SUITE_P(MapChart, SampleIndexWindow,
                         ::testing::Values(IndexCase{0, false}, IndexCase{127, false},
                                           IndexCase{128, true}, IndexCase{131, true},
                                           IndexCase{134, true}, IndexCase{135, false},
                                           IndexCase{255, false}));

TEST(MapChartCurves, OutsideTheWindowTheCurvesKeepWhatTheyShow)
{
    MapChartModel chart;
    const Samples s;
    chart.UpdateMapChart(3, 3.0, 30.0, 130, s.petrol, s.gas);
    const PointList gasCurve = chart.series(MapSeries::GasCurve);
    ASSERT_FALSE(gasCurve.empty());
    // New samples and another selector, but an index outside the window.
    chart.UpdateMapChart(0, 3.0, 30.0, 135, Table{}, Table{});
    EXPECT_EQ(chart.series(MapSeries::GasCurve), gasCurve);
    EXPECT_TRUE(chart.series(MapSeries::GasPoints).empty());
    // In the window again, empty tables empty every learned series.
    chart.UpdateMapChart(0, 3.0, 30.0, 128, Table{}, Table{});
    EXPECT_TRUE(chart.series(MapSeries::GasCurve).empty());
    EXPECT_TRUE(chart.series(MapSeries::PetrolPoints).empty());
}

TEST(MapChartCurves, ARenewalNamesOnlyTheSeriesWhosePointsChanged)
{
    MapChartModel chart;
    Samples s;
    const SeriesSet all = seriesBit(MapSeries::GasCurve) | seriesBit(MapSeries::PetrolCurve) |
                          seriesBit(MapSeries::GasPoints) | seriesBit(MapSeries::PetrolPoints);
    EXPECT_EQ(chart.UpdateMapChart(1, 3.0, 30.0, 128, s.petrol, s.gas),
              all - seriesBit(MapSeries::GasCurve) + seriesBit(MapSeries::CrossHair));
    // The same tables in the next frame of the window: nothing to redraw.
    EXPECT_EQ(chart.UpdateMapChart(1, 3.0, 30.0, 129, s.petrol, s.gas), 0);
    // One more gas sample: the gas points change, the petrol side does not.
    s.gas[46] = 28;
    EXPECT_EQ(chart.UpdateMapChart(1, 3.0, 30.0, 130, s.petrol, s.gas),
              seriesBit(MapSeries::GasPoints));
    // Both curves asked for: the gas curve appears, the points go.
    EXPECT_EQ(chart.UpdateMapChart(3, 3.0, 30.0, 131, s.petrol, s.gas),
              seriesBit(MapSeries::GasCurve) | seriesBit(MapSeries::GasPoints) |
                  seriesBit(MapSeries::PetrolPoints));
}

struct SelectorCase {
    int selector;
    bool gasCurve;
    bool petrolCurve;
    bool points;
};

class Selector : public ::testing::TestWithParam<SelectorCase> {};

TEST_P(Selector, ChoosesTheCurvesAndTheRawPoints)
{
    const SelectorCase& c = GetParam();
    MapChartModel chart;
    const Samples s;
    chart.UpdateMapChart(static_cast<quint8>(c.selector), 3.0, 30.0, 128, s.petrol, s.gas);
    EXPECT_EQ(shows(chart, MapSeries::GasCurve), c.gasCurve);
    EXPECT_EQ(shows(chart, MapSeries::PetrolCurve), c.petrolCurve);
    EXPECT_EQ(shows(chart, MapSeries::GasPoints), c.points);
    EXPECT_EQ(shows(chart, MapSeries::PetrolPoints), c.points);
}

INSTANTIATE_TEST_SUITE_P(MapChart, Selector,
                         ::testing::Values(SelectorCase{0, false, false, true},
                                           SelectorCase{1, false, true, true},
                                           SelectorCase{2, true, false, true},
                                           SelectorCase{3, true, true, false},
                                           SelectorCase{4, false, false, true}));

TEST(MapChartCurves, GasIsGreenAndPetrolIsRedEachFromItsOwnTable)
{
    MapChartModel chart;
    const Samples s;
    chart.UpdateMapChart(1, 3.0, 30.0, 128, s.petrol, s.gas);
    EXPECT_EQ(chart.series(MapSeries::PetrolCurve), (PointList{{2.5, 32.0, colours::Red}}));
    EXPECT_EQ(chart.series(MapSeries::GasPoints), (PointList{{2.7, 40.0, colours::Green},
                                                             {2.7, 42.0, colours::Green},
                                                             {2.7, 44.0, colours::Green}}));
    chart.UpdateMapChart(2, 3.0, 30.0, 129, s.petrol, s.gas);
    EXPECT_EQ(chart.series(MapSeries::GasCurve), (PointList{{2.7, 42.0, colours::Green}}));
    EXPECT_EQ(chart.series(MapSeries::PetrolPoints).front().colour, colours::Red);
}

TEST(MapChart, RightAxisFollowsTheEngineType)
{
    EXPECT_EQ(MapChartModel::rightAxisMaximum(false), 126);
    EXPECT_EQ(MapChartModel::rightAxisMaximum(true), 252);
}
