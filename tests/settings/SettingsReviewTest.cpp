#include "BlockBuilder.h"
#include "QtPrinters.h"
#include "i18n/MessageTable.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsReview.h"

#include <gtest/gtest.h>

#include <vector>
#include <utility>

using namespace brivel;
using namespace brivel::settings;
using namespace brivel::settings::review;

namespace {

using Bytes = std::vector<std::pair<int, int>>;

// A settings image whose map is flat at 100, with the given bytes on top.
QByteArray image(Bytes bytes)
{
    QByteArray b = test::settingsBlock();
    for (int k = 0; k < MapEntries; ++k)
        b[offsetOf(Field::InjectionMap) + k] = 100;
    for (const auto& [offset, value] : bytes)
        b[offset] = static_cast<char>(value);
    return b;
}

Difference field(Field f, int count = 1)
{
    return {f, count};
}

Difference other(int count)
{
    return {std::nullopt, count};
}

struct Pair {
    const char* name;
    Bytes controller;
    Bytes file;
    std::vector<Difference> expected;
    bool warning;
};

class Differences : public ::testing::TestWithParam<Pair> {};

TEST_P(Differences, AreExactlyTheFieldsTheBlockWriteWouldChange)
{
    const Pair& p = GetParam();
    const ParameterBlock controller(image(p.controller));
    const ParameterBlock file(image(p.file));
    const std::vector<Difference> found = differences(controller, file);
    EXPECT_EQ(found, p.expected);
    EXPECT_EQ(warrantsWarning(found), p.warning);
}

INSTANTIATE_TEST_SUITE_P(
    BlockPairs, Differences,
    ::testing::Values(
        Pair{"Identical", {{22, 1}, {35, 40}}, {{22, 1}, {35, 40}}, {}, false},
        Pair{"CylinderCount", {{22, 1}}, {{22, 5}}, {field(Field::CylinderCount)}, true},
        Pair{"EngineFlagsOneByteThreeFields",
             {{34, 0x00}},
             {{34, 0x8A}},
             {field(Field::RpmSignalHigh), field(Field::Turbo), field(Field::PositiveInjectors)},
             true},
        Pair{"AnUndescribedBitOfAFlagByte", {{34, 0x08}}, {{34, 0x09}}, {other(1)}, false},
        Pair{"SwitchOverValuesAndPressures",
             {{23, 15}, {24, 60}, {36, 120}, {40, 90}, {41, 20}, {42, 10}, {43, 3}},
             {{23, 16}, {24, 61}, {36, 125}, {40, 95}, {41, 25}, {42, 12}, {43, 4}},
             {field(Field::SwitchOverRpm), field(Field::MaxRpmOnGas), field(Field::WorkingPressure),
              field(Field::MinimumPressure), field(Field::PressureErrorTime),
              field(Field::SwitchOverTime), field(Field::CylinderSequenceDelay)},
             false},
        Pair{"SensorsThresholdsAndInjectors",
             {{25, 36}, {26, 76}, {29, 0}, {30, 1}, {31, 1}, {33, 4}, {45, 8}},
             {{25, 37}, {26, 77}, {29, 2}, {30, 0}, {31, 0}, {33, 0}, {45, 3}},
             {field(Field::LevelThreshold1), field(Field::LevelThreshold2),
              field(Field::LevelSensorKind), field(Field::ReducerTempSensor),
              field(Field::GasTempSensor), field(Field::PressureSensor),
              field(Field::GasInjectorType)},
             false},
        Pair{"TheMapIsOneRowCountingItsPoints",
             {{21, 0}},
             {{66, 101}, {67, 102}, {311, 90}, {21, 1}},
             {field(Field::RpmPulseSource), field(Field::InjectionMap, 3)},
             false},
        Pair{"SwitchOverFlagsAndTheBytesAroundThem",
             {{558, 0x00}, {559, 1}},
             {{558, 0x03}, {559, 2}, {560, 9}, {32, 4}},
             {field(Field::PetrolAtFirstMinimum), field(Field::FuelIsCng), other(3)},
             false},
        // Nothing outside offsets 21-560 is written, so nothing there is listed.
        Pair{"OutsideTheRegion",
             {{4, 3}, {20, 0x0F}, {561, 0x03}},
             {{4, 2}, {20, 0xFF}, {561, 0xFF}},
             {},
             false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SettingsReview, AControllerImageWithoutTheRegionListsEveryFieldAndSendsTheFile)
{
    const ParameterBlock controller;
    const ParameterBlock file(image({{22, 1}}));
    const std::vector<Difference> found = differences(controller, file);
    ASSERT_EQ(found.size(), reviewedFields().size() + 1);
    EXPECT_EQ(found.front(), field(Field::RpmPulseSource));
    EXPECT_EQ(found[found.size() - 2], field(Field::FuelIsCng));
    EXPECT_TRUE(found.back().isOtherData());
    // Nothing of the controller is known to keep: its fields come from the file.
    EXPECT_EQ(blockWritePayload(controller, file, {}), *file.settingsRegion());
}

struct Keep {
    const char* name;
    std::vector<Difference> kept;
    Bytes expected;  // offsets of the payload that differ from the controller's region
};

class Payload : public ::testing::TestWithParam<Keep> {};

// The controller and the file differ in the cylinder count, the engine flags
// (RPM level and turbo set in the controller; positive injectors and an
// undescribed bit in the file), one map entry and an undescribed byte.
TEST_P(Payload, TakesTheKeptFieldsFromTheFileAndTheRestFromTheController)
{
    const QByteArray c = image({{22, 1}, {34, 0x0A}, {100, 95}, {50, 1}});
    const QByteArray f = image({{22, 5}, {34, 0x81}, {100, 130}, {50, 2}});
    QByteArray expected = c.mid(SettingsRegionFirst, SettingsRegionSize);
    for (const auto& [offset, value] : GetParam().expected)
        expected[offset - SettingsRegionFirst] = static_cast<char>(value);
    EXPECT_EQ(blockWritePayload(ParameterBlock(c), ParameterBlock(f), GetParam().kept), expected);
}

INSTANTIATE_TEST_SUITE_P(
    KeptFields, Payload,
    ::testing::Values(
        Keep{"Nothing", {}, {}}, Keep{"CylindersOnly", {field(Field::CylinderCount)}, {{22, 5}}},
        // The other bits of the flag byte stay the controller's.
        Keep{"TurboOff", {field(Field::Turbo)}, {{34, 0x02}}},
        Keep{"PositiveInjectorsOnly", {field(Field::PositiveInjectors)}, {{34, 0x8A}}},
        Keep{"OtherDataTakesTheUndescribedBitsAndBytes", {other(2)}, {{34, 0x0B}, {50, 2}}},
        Keep{"MapOnly", {field(Field::InjectionMap, 1)}, {{100, 130}}},
        Keep{"Everything",
             {field(Field::CylinderCount), field(Field::RpmSignalHigh), field(Field::Turbo),
              field(Field::PositiveInjectors), field(Field::InjectionMap, 1), other(2)},
             {{22, 5}, {34, 0x81}, {100, 130}, {50, 2}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SettingsReview, LinesSpeakTheFittersWordsInTheChosenLanguage)
{
    const MessageTable table;
    const QByteArray c = image({{22, 0}, {35, 40}, {26, 36}, {34, 0x00}, {66, 90}});
    const QByteArray f = image({{22, 1}, {35, 45}, {26, 76}, {34, 0x08}, {66, 95}, {67, 140}});
    const QLocale polish(QLocale::Polish);
    const Content pl = content(
        ParameterBlock(c), ParameterBlock(f),
        [&](msg::Row row) { return table.text(row, MessageTable::Polish); }, polish);
    ASSERT_EQ(pl.lines.size(), 5u);
    auto shown = [](const Line& l) {
        return QStringList{l.name, l.controller, l.file, l.detail}.join(QLatin1Char('|'));
    };
    EXPECT_EQ(shown(pl.lines[0]), QStringLiteral("Ilość cylindrów|3 cyl.|4 cyl.|"));
    EXPECT_EQ(shown(pl.lines[1]), QStringLiteral("Czujnik poziomu, próg 2|0,71 V|1,49 V|"));
    EXPECT_EQ(shown(pl.lines[2]), QStringLiteral("Typ silnika|Standard|Turbo|"));
    EXPECT_EQ(shown(pl.lines[3]), QStringLiteral("Temperatura|40 °C|45 °C|"));
    EXPECT_EQ(shown(pl.lines[4]),
              QStringLiteral("Mapa|0,90 – 1,00|0,95 – 1,40|2 z 246 punktów różni się"));
    EXPECT_EQ(pl.title, QStringLiteral("Ustawienia z pliku"));
    EXPECT_EQ(pl.send, QStringLiteral("Wyślij"));
    EXPECT_FALSE(pl.warning.isEmpty());
    ASSERT_TRUE(pl.mapBefore && pl.mapAfter);
    EXPECT_EQ((*pl.mapAfter)[1], 140);

    const Content en = content(
        ParameterBlock(c), ParameterBlock(f),
        [&](msg::Row row) { return table.text(row, MessageTable::English); }, QLocale::c());
    EXPECT_EQ(shown(en.lines[1]), QStringLiteral("Level sensor, threshold 2|0.71 V|1.49 V|"));
    EXPECT_EQ(en.lines[4].detail, QStringLiteral("2 of 246 points differ"));
    EXPECT_EQ(en.columns[1], QStringLiteral("Controller"));
}

TEST(SettingsReview, AFilesImageIsTheImageItWasSavedFrom)
{
    const QByteArray saved = image({{22, 5}, {300, 77}, {561, 3}});
    const auto contents = datafile::decode(datafile::encode(saved, 41));
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->image(), saved);
}

}  // namespace
