#include "widgets/SignalMath.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brivel::signalmath {
namespace {

struct ValueCase {
    const char* name;
    Range range;
    float value;
    int digit;
    int permille;
    int drawn;
    Overflow overflow;
};

class ValueToPosition : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueToPosition, DigitPositionAndOverflow)
{
    const ValueCase& c = GetParam();
    const int digit = valueToDigit(c.range, c.value);
    EXPECT_EQ(digit, c.digit);
    const int p = digitToPermille(c.range, digit);
    EXPECT_EQ(p, c.permille);
    EXPECT_EQ(drawnPermille(p), c.drawn);
    EXPECT_EQ(overflowOf(p), c.overflow);
}

std::string valueCaseName(const ::testing::TestParamInfo<ValueCase>& param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueToPosition,
    ::testing::Values(
        ValueCase{"Midscale", {0, 1000, 0, 100}, 50.0f, 500, 500, 500, Overflow::None},
        ValueCase{"DigitTieDown", {0, 10, 0, 10}, 2.5f, 2, 200, 200, Overflow::None},
        ValueCase{"DigitTieUp", {0, 10, 0, 10}, 3.5f, 4, 400, 400, Overflow::None},
        ValueCase{"ScaledTieDown", {0, 1000, 0, 100}, 0.25f, 2, 2, 2, Overflow::None},
        ValueCase{"ScaledTieUp", {0, 1000, 0, 100}, 0.75f, 8, 8, 8, Overflow::None},
        ValueCase{"PermilleTieDown", {0, 400, 0, 400}, 1.0f, 1, 2, 2, Overflow::None},
        ValueCase{"PermilleTieUp", {0, 400, 0, 400}, 3.0f, 3, 8, 8, Overflow::None},
        ValueCase{"SwitchOverRpm", {0, 60, 300, 6000}, 1000.0f, 7, 117, 117, Overflow::None},
        ValueCase{"OffsetRanges", {20, 90, 20, 90}, 45.0f, 45, 357, 357, Overflow::None},
        ValueCase{"BelowRange", {0, 1000, 0, 100}, -5.0f, -50, -50, 0, Overflow::Below},
        ValueCase{"AboveRange", {0, 1000, 0, 100}, 150.0f, 1500, 1500, 1000, Overflow::Above},
        ValueCase{"DialBeyondItsEnd", {0, 1000, 0, 10}, 25.5f, 2550, 2550, 1000, Overflow::Above},
        ValueCase{"NoDigitalSpan", {5, 5, 0, 100}, 50.0f, 5, 0, 0, Overflow::None},
        ValueCase{"NoValueSpan", {0, 1000, 7, 7}, 50.0f, 0, 0, 0, Overflow::None}),
    valueCaseName);

TEST(DigitToValue, StepsOfTheSwitchOverRpmSlider)
{
    const Range range{0, 60, 300, 6000};
    EXPECT_DOUBLE_EQ(digitToValue(range, 0), 300.0);
    EXPECT_DOUBLE_EQ(digitToValue(range, 7), 965.0);
    EXPECT_DOUBLE_EQ(digitToValue(range, 60), 6000.0);
    EXPECT_DOUBLE_EQ(digitToValue(Range{3, 3, 1, 2}, 9), 1.0);
}

struct SectorCase {
    int permille;
    SectorFlags flags;
    int last;
};

TEST(Sectors, DefaultBoundsIncludeBothEnds)
{
    const std::array<SectorBounds, 3> sectors{{{0, 333}, {334, 666}, {667, 1000}}};
    const SectorCase cases[] = {
        {-1, {false, false, false}, -1}, {0, {true, false, false}, 0},
        {333, {true, false, false}, 0},  {334, {false, true, false}, 1},
        {666, {false, true, false}, 1},  {667, {false, false, true}, 2},
        {1000, {false, false, true}, 2}, {1001, {false, false, false}, -1},
    };
    for (const SectorCase& c : cases) {
        EXPECT_EQ(sectorsContaining(c.permille, sectors), c.flags) << c.permille;
        EXPECT_EQ(lastSectorContaining(c.permille, sectors), c.last) << c.permille;
    }
}

TEST(Sectors, SharedBoundBelongsToTheLaterSectorsColour)
{
    // The RPM dial: yellow 0-630, red 630-700, yellow 700-1000.
    const std::array<SectorBounds, 3> rpm{{{0, 630}, {630, 700}, {700, 1000}}};
    EXPECT_EQ(sectorsContaining(630, rpm), (SectorFlags{true, true, false}));
    EXPECT_EQ(lastSectorContaining(630, rpm), 1);
    EXPECT_EQ(lastSectorContaining(700, rpm), 2);
    EXPECT_EQ(lastSectorContaining(650, rpm), 1);
}

}  // namespace
}  // namespace brivel::signalmath
