#include "platform/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace brivel {
namespace {

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    const struct {
        double in;
        double out;
    } cases[] = {{0.5, 0.0},   {1.5, 2.0},   {2.5, 2.0},    {3.5, 4.0},    {-0.5, 0.0},
                 {-1.5, -2.0}, {-2.5, -2.0}, {2.4999, 2.0}, {2.5001, 3.0}, {7.368, 7.0}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(RoundToInt, ClampsAndMapsNotANumberToZero)
{
    EXPECT_EQ(roundToInt(1e30), std::numeric_limits<int>::max());
    EXPECT_EQ(roundToInt(-1e30), std::numeric_limits<int>::min());
    EXPECT_EQ(roundToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace brivel
