#include "MapPrinters.h"
#include "map/MapCurves.h"

#include <gtest/gtest.h>

using namespace brivel::map;

namespace {

using Table = MapCurves::SampleTable;

struct Cell {
    int kpa;
    int tenths;
};

Table table(std::initializer_list<Cell> cells)
{
    Table t{};
    for (const Cell& c : cells)
        t[c.kpa] = static_cast<quint8>(c.tenths);
    return t;
}

struct Drawn {
    PointList curve;
    PointList points;
};

Drawn run(const Table& t, bool drawCurve = true, bool drawPoints = true)
{
    MapCurves::BinTable bins{};
    MapCurves::buildBinTable(t, bins);
    Drawn d;
    MapCurves::runPasses(t, bins, {d.curve, d.points, colours::Green, drawCurve, drawPoints});
    return d;
}

PointList green(std::initializer_list<std::pair<double, double>> xy)
{
    PointList out;
    for (const auto& [x, y] : xy)
        out.push_back({x, y, colours::Green});
    return out;
}

}  // namespace

TEST(MapCurvesBins, EachValueCollectsUpToFourPositionsAndZeroCollectsNone)
{
    MapCurves::BinTable bins{};
    MapCurves::buildBinTable(table({{10, 40}, {20, 40}, {30, 40}, {40, 40}, {50, 40}, {60, 41}}),
                             bins);
    EXPECT_EQ(bins[40].positions, (std::array<quint8, 4>{10, 20, 30, 40}));
    EXPECT_EQ(bins[41].positions, (std::array<quint8, 4>{60, 0, 0, 0}));
    // Every other cell holds 0: no sample, however many there are.
    EXPECT_EQ(bins[0].positions, (std::array<quint8, 4>{0, 0, 0, 0}));
    for (const auto& bin : bins)
        EXPECT_EQ(bin.average, 0);
}

TEST(MapCurvesBins, CellZeroNeverCountsAndTheTableIsRebuiltFromScratch)
{
    MapCurves::BinTable bins{};
    MapCurves::buildBinTable(table({{0, 40}, {1, 40}}), bins);
    EXPECT_EQ(bins[40].positions, (std::array<quint8, 4>{1, 0, 0, 0}));
    MapCurves::buildBinTable(table({{7, 41}}), bins);
    EXPECT_EQ(MapCurves::occupiedSlots(bins[40]), 0);
    EXPECT_EQ(MapCurves::occupiedSlots(bins[41]), 1);
}

TEST(MapCurves, AnEmptyTableDrawsNothing)
{
    const Drawn d = run(Table{});
    EXPECT_TRUE(d.curve.empty());
    EXPECT_TRUE(d.points.empty());
}

TEST(MapCurves, OneValueGivesTheSingleCurvePointCarriedOverFromPassTwo)
{
    // Three pressures with the same petrol time: one bin, average 32 kPa.
    const Table t = table({{30, 25}, {32, 25}, {34, 25}});
    const Drawn d = run(t);
    EXPECT_EQ(d.curve, green({{2.5, 32}}));
    EXPECT_EQ(d.points, green({{2.5, 30}, {2.5, 32}, {2.5, 34}}));

    const Drawn noCurve = run(t, false, true);
    EXPECT_TRUE(noCurve.curve.empty());
    EXPECT_EQ(noCurve.points.size(), 3u);
    EXPECT_TRUE(run(t, true, false).points.empty());
}

TEST(MapCurves, ABinWhoseAveragePressureIsFiveOrLessDrawsNoCurve)
{
    const Drawn d = run(table({{4, 25}, {6, 25}}));
    EXPECT_TRUE(d.curve.empty());
    EXPECT_EQ(d.points.size(), 2u);
}

TEST(MapCurves, FiveCellsOfOneValueAverageOnlyTheFirstFour)
{
    const Drawn d = run(table({{10, 40}, {20, 40}, {30, 40}, {40, 40}, {50, 40}}));
    EXPECT_EQ(d.curve, green({{4.0, 25}}));
    // The raw points come from the table itself: all five.
    EXPECT_EQ(d.points, green({{4.0, 10}, {4.0, 20}, {4.0, 30}, {4.0, 40}, {4.0, 50}}));
}

struct FilterCase {
    const char* name;
    int bin;  // a bin after bin 30, which holds 50 kPa
    int kpa;
    bool accepted;
};

class FilterRule : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterRule, ABinMayFallBelowTheLastAcceptedOnlyByDistance)
{
    // Next to the last accepted bin a bin must rise by more than 3.4; five
    // bins on it must not fall; farther on it may fall 0.85 per extra bin.
    const FilterCase& c = GetParam();
    const Drawn d = run(table({{50, 30}, {c.kpa, c.bin}}));
    if (c.accepted)
        EXPECT_EQ(d.curve, green({{3.0, 50}, {c.bin / 10.0, double(c.kpa)}}));
    else
        EXPECT_EQ(d.curve, green({{3.0, 50}}));
    EXPECT_EQ(d.points.size(), 2u) << "neither cell shares its number with a rejected bin";
}

INSTANTIATE_TEST_SUITE_P(MapCurves, FilterRule,
                         ::testing::Values(FilterCase{"NextBinThreeAbove", 31, 53, false},
                                           FilterCase{"NextBinFourAbove", 31, 54, true},
                                           FilterCase{"FiveOnOneAbove", 35, 51, true},
                                           FilterCase{"FiveOnOneBelow", 35, 49, false},
                                           FilterCase{"SevenOnOneBelow", 37, 49, true},
                                           FilterCase{"SevenOnTwoBelow", 37, 48, false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(MapCurves, ARejectedBinTakesTheRawPointOfTheCellWithItsNumber)
{
    // Bin 30 holds 31 and 50 kPa (average 40); bin 31 at 43 kPa is only 3
    // above it and is rejected in every pass, and with it the raw point of
    // cell 31. At 44 kPa it is kept.
    const Drawn rejected = run(table({{31, 30}, {50, 30}, {43, 31}}));
    EXPECT_EQ(rejected.curve, green({{3.0, 40}}));
    EXPECT_EQ(rejected.points, green({{3.0, 50}, {3.1, 43}}));

    const Drawn kept = run(table({{31, 30}, {50, 30}, {44, 31}}));
    EXPECT_EQ(kept.curve, green({{3.0, 40}, {3.1, 44}}));
    EXPECT_EQ(kept.points, green({{3.0, 31}, {3.0, 50}, {3.1, 44}}));
}

TEST(MapCurves, EveryPassPullsTheMiddleOfThreeTowardsItsNeighboursLine)
{
    // 30, 60 and 70 kPa at 2.0, 2.5 and 3.0 ms: the line through the outer
    // two passes 50 kPa at 2.5 ms. Each pass averages the middle bin with
    // that point: 55, 52 (ties to even), 51.
    const Drawn d = run(table({{30, 20}, {60, 25}, {70, 30}}));
    EXPECT_EQ(d.curve, green({{2.0, 30}, {2.5, 51}, {3.0, 70}}));
    EXPECT_EQ(d.points, green({{2.0, 30}, {2.5, 60}, {3.0, 70}}));
}
