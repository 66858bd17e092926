#include "widgets/TrendMath.h"

#include <gtest/gtest.h>

namespace brivel::trendmath {
namespace {

struct TimeBaseCase {
    int plotWidth;
    int timeScale;
    int step;
    int division;
    int period;
    const char* label;
};

class TrendTimeBase : public ::testing::TestWithParam<TimeBaseCase> {};

TEST_P(TrendTimeBase, DivisionPeriodAndLabel)
{
    const TimeBaseCase& c = GetParam();
    const TimeBase tb = timeBase(c.plotWidth, c.timeScale);
    EXPECT_EQ(tb.step, c.step);
    EXPECT_EQ(tb.divisionWidth, c.division);
    EXPECT_EQ(tb.periodMs, c.period);
    EXPECT_EQ(divisionLabel(tb.secondsPerDivision), QString::fromLatin1(c.label));
}

INSTANTIATE_TEST_SUITE_P(Table, TrendTimeBase,
                         ::testing::Values(
                             // The oscilloscope: one minute across a plot of about 500 pixels.
                             TimeBaseCase{509, 1, 2, 50, 240, "6s/div"},
                             TimeBaseCase{500, 1, 2, 50, 240, "6s/div"},
                             TimeBaseCase{490, 1, 2, 48, 250, "6s/div"},
                             // The default five minutes.
                             TimeBaseCase{500, 5, 1, 50, 600, "30s/div"},
                             TimeBaseCase{300, 60, 1, 30, 12000, "6min/div"},
                             TimeBaseCase{600, 600, 1, 60, 60000, "1h/div"},
                             // Too narrow for ten divisions: one step each, never zero.
                             TimeBaseCase{3, 1, 2, 2, 6000, "6s/div"}));

TEST(TrendLabel, NonZeroPartsInOrder)
{
    EXPECT_EQ(divisionLabel(6), QStringLiteral("6s/div"));
    EXPECT_EQ(divisionLabel(90), QStringLiteral("1min30s/div"));
    EXPECT_EQ(divisionLabel(3600), QStringLiteral("1h/div"));
    EXPECT_EQ(divisionLabel(3725), QStringLiteral("1h2min5s/div"));
    EXPECT_EQ(divisionLabel(0), QStringLiteral("0s/div"));
}

TEST(TrendTrace, RowsOfValues)
{
    const int h = 301;
    const struct {
        double value;
        double from;
        double to;
        int row;
    } cases[] = {
        {0, 0, 50, 300},     // range bottom on the last row
        {50, 0, 50, 0},      // range top on the first
        {100, 0, 250, 180},  // MAP 100 kPa: 40 % of the height
        {1.2, 0, 4, 210},    // P1 1.2 bar: 30 %
        {9, 0, 8, -1},       // above the top: outside, clipped
        {-3, 0, 8, 301},     // below the bottom: outside
        {1e30, 0, 8, -1},    // far outside stays just outside
        {5, 5, 5, 300},      // no span: the bottom
    };
    for (const auto& c : cases)
        EXPECT_EQ(traceY(h, c.value, c.from, c.to), c.row) << c.value;
}

}  // namespace
}  // namespace brivel::trendmath
