// Where two injection maps differ and by how much, as `kvs diff` says it.

#include "MapChange.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <utility>

using namespace brivel::kvs;

namespace {

struct MapCase {
    const char* name;
    std::vector<std::pair<int, int>> changes;  // entry (from 1), new value; all others 100
    std::vector<EntryRange> ranges;
    const char* rangesText;
    int entry;
    double percent;
};

class MapChangeCase : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapChangeCase, GivesTheRangesAndTheLargestChange)
{
    Map a;
    a.fill(100);
    a[40] = 50;  // entry 41: a small multiplier, where a step weighs more
    a[60] = 30;  // entry 61: a step of 11 is a repeating fraction of it
    a[200] = 0;  // entry 201: no gas at all
    Map b = a;
    for (const auto& [entry, value] : GetParam().changes)
        b[entry - 1] = static_cast<quint8>(value);
    const MapChange change = compareMaps(a, b);
    EXPECT_EQ(change.ranges, GetParam().ranges);
    EXPECT_EQ(rangesText(change.ranges), QString::fromUtf8(GetParam().rangesText));
    EXPECT_EQ(change.entry, GetParam().entry);
    EXPECT_DOUBLE_EQ(change.percent, GetParam().percent);
    if (change.entry > 0) {
        EXPECT_EQ(change.a, a[change.entry - 1]);
        EXPECT_EQ(change.b, b[change.entry - 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Maps, MapChangeCase,
    ::testing::Values(
        MapCase{"Equal", {}, {}, "", 0, 0},
        MapCase{
            "FirstAndLastEntry", {{1, 103}, {246, 90}}, {{1, 1}, {246, 246}}, "1, 246", 246, -10.0},
        MapCase{"NeighboursMakeOneRange",
                {{12, 101}, {13, 114}, {14, 101}, {20, 99}},
                {{12, 14}, {20, 20}},
                "12–14, 20",
                13,
                14.0},
        MapCase{"LargestInPercentNotInHundredths",
                {{30, 120}, {41, 65}},
                {{30, 30}, {41, 41}},
                "30, 41",
                41,
                30.0},
        MapCase{"FirstOfEqualChanges", {{5, 110}, {6, 90}}, {{5, 6}}, "5–6", 5, 10.0},
        MapCase{"RoundedToATenth", {{60, 101}, {61, 41}}, {{60, 61}}, "60–61", 61, 36.7},
        MapCase{"FromNoGasCountsFromOneHundredth",
                {{201, 2}, {30, 200}},
                {{30, 30}, {201, 201}},
                "30, 201",
                201,
                200.0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(MapChange, ATenthOfAPercentIsKept)
{
    Map a;
    a.fill(255);
    Map b = a;
    b[9] = 254;
    EXPECT_DOUBLE_EQ(compareMaps(a, b).percent, -0.4);
}

}  // namespace
