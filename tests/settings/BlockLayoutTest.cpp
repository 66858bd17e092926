#include "settings/BlockLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace brivel::settings;

namespace {

// The offsets the program leaves to the controller, and the check byte.
std::set<int> uninterpreted()
{
    std::set<int> out{32, 44, 559, 560, BlockSize - 1};
    for (int o = 7; o <= 19; ++o)
        out.insert(o);
    for (int o = 37; o <= 39; ++o)
        out.insert(o);
    for (int o = 46; o <= 65; ++o)
        out.insert(o);
    for (int o = 312; o <= 557; ++o)
        out.insert(o);
    return out;
}

TEST(BlockLayout, FieldsCoverEveryInterpretedOffsetOnceAndNothingElse)
{
    std::map<int, quint8> bitsTaken;  // offset → the bits some field already reads
    for (const BlockField& f : BlockFields) {
        EXPECT_GT(f.width, 0) << f.name;
        EXPECT_LE(f.end(), BlockSize - 1) << f.name;
        for (int o = f.offset; o < f.end(); ++o) {
            EXPECT_EQ(bitsTaken[o] & f.mask, 0) << f.name << " overlaps at offset " << o;
            bitsTaken[o] |= f.mask;
        }
    }
    const std::set<int> gaps = uninterpreted();
    for (int o = 0; o < BlockSize; ++o)
        EXPECT_NE(bitsTaken.count(o) == 1, gaps.count(o) == 1) << "offset " << o;
}

TEST(BlockLayout, EveryFieldSaysWhatItIsAndNumbersTheirUnit)
{
    std::set<std::string> names;
    for (const BlockField& f : BlockFields) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        EXPECT_STRNE(f.description, "") << f.name;
        if (f.encoding == Encoding::Flag) {
            EXPECT_EQ(f.mask & (f.mask - 1), 0) << f.name << " is one bit";
        } else {
            EXPECT_EQ(f.mask, 0xFF) << f.name;
        }
        if (f.encoding == Encoding::Code || f.encoding == Encoding::Flag) {
            EXPECT_STRNE(f.values, "") << f.name;
        }
    }
}

TEST(BlockLayout, NumbersAreShownInTheFittersUnits)
{
    EXPECT_DOUBLE_EQ(blockField(Field::SwitchOverRpm).shown(15), 1500);
    EXPECT_STREQ(blockField(Field::SwitchOverRpm).unit, "rpm");
    EXPECT_NEAR(blockField(Field::LevelThreshold1).shown(255), 5.0, 1e-12);
    EXPECT_DOUBLE_EQ(blockField(Field::WorkingPressure).shown(125), 1.25);
    EXPECT_DOUBLE_EQ(blockField(Field::SwitchOverTime).shown(24), 12);
    EXPECT_DOUBLE_EQ(blockField(Field::PressureErrorTime).shown(145), 1450);
    EXPECT_EQ(offsetOf(Field::InjectionMap), 66);
    EXPECT_EQ(blockField(Field::InjectionMap).end(), 312);
    EXPECT_EQ(SettingsRegionSize, 540);
}

}  // namespace
