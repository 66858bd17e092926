#include "ReplyFrames.h"
#include "map/AdaptationRecord.h"
#include "map/RecordStatistics.h"

#include <gtest/gtest.h>

using namespace brivel::map;

namespace {

struct StatsCase {
    const char* name;
    std::vector<int> samples;  // from index 0 on; the rest 0
    int before;                // bytes 256-258 before the computation
    int average;
    int minimum;
    int maximum;
};

class RowStatistics : public ::testing::TestWithParam<StatsCase> {};

}  // namespace

TEST_P(RowStatistics, AverageMinimumAndMaximumOfTheSamplesThatAreNotZero)
{
    const StatsCase& c = GetParam();
    RecordRow row{};
    for (std::size_t i = 0; i < c.samples.size(); ++i)
        row[i] = static_cast<quint8>(c.samples[i]);
    row[256] = row[257] = row[258] = static_cast<quint8>(c.before);
    RecordStatistics::computeRow(row);
    EXPECT_EQ(row[256], c.average);
    EXPECT_EQ(row[257], c.minimum);
    EXPECT_EQ(row[258], c.maximum);
}

INSTANTIATE_TEST_SUITE_P(
    RecordStatistics, RowStatistics,
    ::testing::Values(StatsCase{"ZerosAreMissing", {0, 30, 0, 40, 0}, 9, 35, 30, 40},
                      StatsCase{"OneAndAHalfToTwo", {1, 2}, 0, 2, 1, 2},
                      StatsCase{"TwoAndAHalfToTwo", {2, 3}, 0, 2, 2, 3},
                      StatsCase{"NoSampleKeepsAll", {}, 77, 77, 77, 77},
                      // 255 is never below the starting minimum of 255.
                      StatsCase{"All255KeepsTheMinimum", {255, 255}, 7, 255, 7, 255},
                      StatsCase{"FullRow", std::vector<int>(256, 12), 0, 12, 12, 12}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AdaptationRecord, RecordsTheRawBytesOfEachRowAtTheSampleIndex)
{
    AdaptationRecord record;
    record.record(brivel::test::liveFrame(
        {{36, 7}, {24, 1}, {26, 2}, {6, 3}, {28, 4}, {33, 5}, {32, 6}, {22, 7}, {55, 8}, {21, 9}}));
    for (int r = 0; r < AdaptationRecord::Rows; ++r)
        EXPECT_EQ(record.row(r)[7], r + 1) << r;
    record.clear();
    EXPECT_EQ(record.row(8)[7], 0);
}
