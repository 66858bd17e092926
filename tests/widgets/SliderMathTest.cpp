#include "widgets/SliderMath.h"

#include <gtest/gtest.h>

namespace brivel::slidermath {
namespace {

// The switch-over RPM slider: 300-6000 rpm in 60 steps of 95.
const Range kRpm{0, 60, 300, 6000};

TEST(SliderSnap, ProgramValuesLandOnTheNearestStep)
{
    const struct {
        float value;
        int digit;
        double shown;
    } cases[] = {
        {100.0f, 0, 300.0},     // below the range: clamped
        {1000.0f, 7, 965.0},    // round(700 * 60 / 5700) = 7
        {7000.0f, 60, 6000.0},  // above the range: clamped
        {347.5f, 0, 300.0},     // exactly half a step: to the even step
        {442.5f, 2, 490.0},     // one and a half steps: to the even step
        {395.0f, 1, 395.0},
    };
    for (const auto& c : cases) {
        const int d = digitForValue(kRpm, c.value);
        EXPECT_EQ(d, c.digit) << c.value;
        EXPECT_DOUBLE_EQ(valueForDigit(kRpm, d), c.shown) << c.value;
    }
}

TEST(SliderKeys, MoveByTheirStepsWithinTheRange)
{
    const struct {
        int from;
        Key key;
        int to;
    } cases[] = {
        {30, Key::PageUp, 50}, {30, Key::PageDown, 10}, {30, Key::End, 60},   {30, Key::Home, 0},
        {30, Key::Left, 27},   {30, Key::Down, 27},     {30, Key::Up, 33},    {30, Key::Right, 33},
        {55, Key::PageUp, 60}, {2, Key::Left, 0},       {59, Key::Right, 60}, {5, Key::PageDown, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(digitAfterKey(kRpm, c.from, c.key, 3, 20), c.to) << c.from << " " << int(c.key);
}

TEST(SliderDrag, PointerOffsetToStep)
{
    const struct {
        double offset;
        int digit;
    } cases[] = {{0, 0}, {100, 30}, {200, 60}, {-20, 0}, {250, 60}, {5, 2}, {15, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(digitAtTrackOffset(kRpm, c.offset, 200), c.digit) << c.offset;
    // The vertical slider of the working pressure starts at digit 40.
    EXPECT_EQ(digitAtTrackOffset(Range{40, 250, 0.4f, 2.5f}, 100, 210), 140);
}

TEST(SliderGripBand, ReachesFromPointTwoBeforeToPointFourAfterTheCentre)
{
    const struct {
        double offset;
        bool inside;
    } cases[] = {{94, true}, {93.9, false}, {100, true}, {112, true}, {112.1, false}};
    for (const auto& c : cases)
        EXPECT_EQ(inGripBand(100, c.offset, 30), c.inside) << c.offset;
}

}  // namespace
}  // namespace brivel::slidermath
