#include "QtPrinters.h"
#include "map/InjectionMap.h"
#include "map/MapShape.h"

#include <gtest/gtest.h>

using namespace brivel::map;

namespace {

// A settings image of the usual size whose map entry k holds `value(k)`.
QByteArray blockWithMap(const std::function<int(int)>& value, int size = 602)
{
    QByteArray block(size, '\x11');
    for (int k = 1; k <= InjectionMap::Entries && 65 + k < size; ++k)
        block[65 + k] = static_cast<char>(value(k));
    return block;
}

}  // namespace

TEST(InjectionMap, StartsEmptyWithItsEntryNumbers)
{
    const InjectionMap map;
    for (int k = 1; k <= InjectionMap::Entries; ++k) {
        EXPECT_EQ(map.entries()[k - 1].number, k);
        EXPECT_EQ(map.value(k), 0);
    }
}

TEST(InjectionMap, LoadsEntryKFromOffset65PlusK)
{
    InjectionMap map;
    ASSERT_TRUE(map.load(blockWithMap([](int k) { return k; })));
    EXPECT_EQ(map.value(1), 1);
    EXPECT_EQ(map.value(246), 246);
    EXPECT_EQ(map.value(0), 0);
    EXPECT_EQ(map.value(247), 0);
    // An unsigned byte: 0xFF is 255, not -1.
    ASSERT_TRUE(map.load(blockWithMap([](int) { return 0xFF; })));
    EXPECT_EQ(map.value(100), 255);
}

TEST(InjectionMap, AShortBlockLeavesTheWholeMapAsItWas)
{
    InjectionMap map;
    ASSERT_TRUE(map.load(blockWithMap([](int) { return 100; })));
    EXPECT_FALSE(map.load(blockWithMap([](int) { return 7; }, 311)));
    EXPECT_EQ(map.value(1), 100);
    EXPECT_EQ(map.value(246), 100);
    EXPECT_FALSE(map.load(QByteArray()));
    // Offset 311 is the last entry: 312 bytes are enough.
    EXPECT_TRUE(map.load(blockWithMap([](int) { return 7; }, 312)));
    EXPECT_EQ(map.value(246), 7);
}

TEST(InjectionMap, PetrolTimeOfAnEntry)
{
    EXPECT_DOUBLE_EQ(InjectionMap::petrolMs(1), 1.0);
    EXPECT_DOUBLE_EQ(InjectionMap::petrolMs(20), 2.9);
    EXPECT_DOUBLE_EQ(InjectionMap::petrolMs(246), 25.5);
}

TEST(InjectionMap, BytesAreTheEntriesInOrderAndNeverWrap)
{
    InjectionMap map;
    ASSERT_TRUE(map.load(blockWithMap([](int k) { return 100 + k % 50; })));
    const QByteArray bytes = map.bytes();
    ASSERT_EQ(bytes.size(), 246);
    for (int k = 1; k <= 246; ++k)
        EXPECT_EQ(static_cast<quint8>(bytes[k - 1]), 100 + k % 50) << k;
    map.setValue(3, 256);
    map.setValue(4, -1);
    EXPECT_EQ(static_cast<quint8>(map.bytes()[2]), 255);
    EXPECT_EQ(static_cast<quint8>(map.bytes()[3]), 0);
}

TEST(MapShape, RunsOfTheFixedShape)
{
    const std::pair<int, int> cases[] = {{1, 0},     {25, 0},    {26, 1},    {28, 0},   {29, 1},
                                         {33, 2},    {37, 3},    {38, 3},    {39, 1},   {49, 0},
                                         {51, -1},   {62, -4},   {95, -11},  {96, -12}, {101, -12},
                                         {141, -17}, {242, -25}, {243, -26}, {246, -26}};
    for (const auto& [k, offset] : cases)
        EXPECT_EQ(MapShape::offset(k), offset) << "entry " << k;
    EXPECT_EQ(MapShape::offset(0), 0);
    EXPECT_EQ(MapShape::offset(247), 0);
    // Never rising by more than one run at a time: the table has no gaps.
    for (int k = 2; k <= 246; ++k)
        EXPECT_LE(std::abs(MapShape::offset(k) - MapShape::offset(k - 1)), 2) << k;
}
