#include "BlockBuilder.h"
#include "QtPrinters.h"
#include "settings/ParameterBlock.h"

#include <gtest/gtest.h>

#include <limits>

using namespace brivel::settings;
using brivel::test::settingsBlock;

namespace {

TEST(ParameterBlock, ReadsFieldsAndFlagsOfAWholeImage)
{
    const ParameterBlock block(settingsBlock({{22, 5}, {34, 0x8A}, {558, 0x02}, {66, 140}}));
    EXPECT_EQ(block.byte(Field::CylinderCount), 5);
    EXPECT_EQ(block.flag(Field::RpmSignalHigh), true);
    EXPECT_EQ(block.flag(Field::Turbo), true);
    EXPECT_EQ(block.flag(Field::PositiveInjectors), true);
    EXPECT_EQ(block.flag(Field::FuelIsCng), true);
    EXPECT_EQ(block.flag(Field::PetrolAtFirstMinimum), false);
    EXPECT_EQ(block.checkByte(), 0x5A);
    ASSERT_TRUE(block.injectionMap().has_value());
    EXPECT_EQ((*block.injectionMap())[0], 140);
    ASSERT_TRUE(block.settingsRegion().has_value());
    EXPECT_EQ(block.settingsRegion()->size(), 540);
    EXPECT_EQ(block.settingsRegion()->at(1), 5);  // offset 22
}

TEST(ParameterBlock, FieldsPastTheEndOfAShortImageAreAbsent)
{
    // The image ends inside the map: the fields before it are there, the map
    // and everything behind it are not.
    const ParameterBlock block(settingsBlock({{45, 9}}, 200));
    EXPECT_EQ(block.byte(Field::GasInjectorType), 9);
    EXPECT_FALSE(block.injectionMap().has_value());
    EXPECT_FALSE(block.settingsRegion().has_value());
    EXPECT_FALSE(block.flag(Field::PetrolAtFirstMinimum).has_value());
    EXPECT_EQ(block.faultEntry(0), EmptyFault);
    EXPECT_FALSE(block.byteAt(199).has_value());  // the check byte
    EXPECT_TRUE(block.byteAt(198).has_value());
}

TEST(ParameterBlock, NoArgumentsReachOutsideTheImage)
{
    const ParameterBlock block(settingsBlock());
    constexpr int big = std::numeric_limits<int>::max();
    EXPECT_FALSE(block.holds(big, 2));
    EXPECT_FALSE(block.holds(1, big));
    EXPECT_FALSE(block.holds(-1, 2));
    EXPECT_FALSE(block.holds(0, -1));
    EXPECT_TRUE(block.holds(0, BlockSize - 1));
    EXPECT_FALSE(block.holds(0, BlockSize));
    EXPECT_FALSE(block.holds(1, BlockSize - 1));
    EXPECT_EQ(block.faultEntry(-1), EmptyFault);
    EXPECT_EQ(block.faultEntry(FaultEntries), EmptyFault);  // the check byte is no entry
    EXPECT_FALSE(ParameterBlock().checkByte().has_value());
}

TEST(ParameterBlock, PatchWritesOnlyInsideTheImage)
{
    ParameterBlock block(settingsBlock({}, 22));
    EXPECT_TRUE(block.patch(20, 0xFF));
    EXPECT_FALSE(block.patch(21, 5));  // the check byte
    EXPECT_FALSE(block.patch(22, 5));
    EXPECT_EQ(block.size(), 22);
    EXPECT_EQ(block.checkByte(), 0x5A);
    EXPECT_EQ(block.byte(Field::ActiveGasCylinders), 0xFF);
}

}  // namespace
