#include "BlockBuilder.h"
#include "QtPrinters.h"
#include "i18n/MessageTable.h"
#include "settings/ParameterBlockDecoder.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace brivel;
using namespace brivel::settings;
using brivel::test::settingsBlock;
using Colour = SettingsDisplay::OffColour;

namespace {

constexpr int None = SettingsDisplay::NoSelection;

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Polish(QLocale::Polish, QLocale::Poland);

SettingsDisplay decode(const QByteArray& block, const QLocale& locale = English)
{
    static const MessageTable table;
    return decodeParameterBlock(
        block, [](msg::Row row) { return table.text(row); }, locale);
}

// Enabled state and off-colour of the eight cylinder buttons, as one string:
// "R" red, "G" grey, "-" unchanged colour; lower case when disabled, "?"
// after a button whose enabled state is left alone.
std::string buttons(const SettingsDisplay& d)
{
    std::string out;
    for (const auto& b : d.cylinders) {
        char c = b.offColour == Colour::Red ? 'R' : b.offColour == Colour::Grey ? 'G' : '-';
        if (b.enabled == false)
            c = static_cast<char>(std::tolower(c));
        out += c;
        if (!b.enabled)
            out += '?';
    }
    return out;
}

std::string checkedButtons(const SettingsDisplay& d)
{
    std::string out;
    for (const auto& b : d.cylinders)
        out += !b.checked ? '?' : *b.checked ? '1' : '0';
    return out;
}

struct CylinderCase {
    const char* name;
    int countByte;
    int item;
    const char* buttons;
};

class CylinderButtons : public ::testing::TestWithParam<CylinderCase> {};

TEST_P(CylinderButtons, FollowTheCylinderCount)
{
    const CylinderCase& c = GetParam();
    const SettingsDisplay d = decode(settingsBlock({{22, c.countByte}, {20, 0x05}}));
    EXPECT_EQ(d.Sel_cyl, c.item);
    EXPECT_EQ(buttons(d), c.buttons);
    EXPECT_EQ(checkedButtons(d), "10100000");
}

INSTANTIATE_TEST_SUITE_P(
    Decoder, CylinderButtons,
    ::testing::Values(CylinderCase{"Three", 0, 0, "R?R?R?ggggg"},
                      CylinderCase{"Four", 1, 1, "R?R?R?Rgggg"},
                      CylinderCase{"Five", 2, 2, "R?R?R?RRggg"},
                      CylinderCase{"Six", 3, 3, "R?R?R?RRRgg"},
                      // 4 and 6 on mean nothing: the first three keep their colour.
                      CylinderCase{"FourIsNoChoice", 4, None, "-?-?-?GGGGG"},
                      CylinderCase{"EightFromFive", 5, 4, "R?R?R?RRRRR"},
                      CylinderCase{"SixAndUpAreNoChoice", 6, None, "-?-?-?GGGGG"},
                      CylinderCase{"FF", 0xFF, None, "-?-?-?GGGGG"}),
    [](const auto& p) { return std::string(p.param.name); });

struct DecoderCase {
    const char* name;
    std::vector<std::pair<int, int>> bytes;
    std::function<void(const SettingsDisplay&)> check;
};

class Decoder : public ::testing::TestWithParam<DecoderCase> {};

TEST_P(Decoder, ShowsTheImage)
{
    QByteArray block = settingsBlock();
    for (const auto& [offset, value] : GetParam().bytes)
        block[offset] = static_cast<char>(value);
    GetParam().check(decode(block));
}

INSTANTIATE_TEST_SUITE_P(
    Decoder, Decoder,
    ::testing::Values(
        DecoderCase{"EngineFlags8A",
                    {{34, 0x8A}},
                    [](const SettingsDisplay& d) {
                        EXPECT_EQ(d.Sel_RPM_signal, 1);   // "High 12V"
                        EXPECT_EQ(d.Sel_Typ_silnika, 1);  // "Turbo"
                        EXPECT_EQ(d.mapAxisMaximum, 252);
                        EXPECT_EQ(d.Check_Injector_plus, true);
                    }},
        DecoderCase{"EngineFlagsClear",
                    {{34, 0x75}},
                    [](const SettingsDisplay& d) {
                        EXPECT_EQ(d.Sel_RPM_signal, 0);
                        EXPECT_EQ(d.Sel_Typ_silnika, 0);
                        EXPECT_EQ(d.mapAxisMaximum, 126);
                        EXPECT_EQ(d.Check_Injector_plus, false);
                    }},
        DecoderCase{
            "PulseSource", {{21, 6}}, [](const SettingsDisplay& d) { EXPECT_EQ(d.Sel_Impuls, 6); }},
        DecoderCase{"PulseSourceOutOfItems",
                    {{21, 7}},
                    [](const SettingsDisplay& d) { EXPECT_EQ(d.Sel_Impuls, None); }},
        DecoderCase{"SwitchOverFlags",
                    {{558, 0x03}},
                    [](const SettingsDisplay& d) {
                        EXPECT_EQ(d.Check_by_first, true);
                        EXPECT_EQ(d.fuelIsCng, true);
                    }},
        DecoderCase{"LpgAndNotFirst",
                    {{558, 0xFC}},
                    [](const SettingsDisplay& d) {
                        EXPECT_EQ(d.Check_by_first, false);
                        EXPECT_EQ(d.fuelIsCng, false);
                    }},
        DecoderCase{
            "Sliders",
            {{36, 125}, {40, 40}, {24, 120}, {41, 145}, {35, 45}, {23, 15}, {42, 24}, {43, 255}},
            [](const SettingsDisplay& d) {
                EXPECT_EQ(d.P_pracy_changer, 1.25f);
                EXPECT_EQ(d.P_min_changer, 0.4f);
                EXPECT_EQ(d.RPM_Max_To_Petrol, 12000.0f);
                EXPECT_EQ(d.T_zwloki_changer, 1450.0f);
                EXPECT_EQ(d.Temp_LPG_changer, 45.0f);
                EXPECT_EQ(d.RPM_Prog_przel, 1500.0f);
                EXPECT_EQ(d.T_przel_to_LPG, 12.0f);
                EXPECT_EQ(d.T_CYL_seqence, 2550.0f);
            }},
        DecoderCase{"SlidersOutOfRangeAreHandedOverAsTheyAre",
                    {{36, 0}, {42, 255}},
                    [](const SettingsDisplay& d) {
                        EXPECT_EQ(d.P_pracy_changer, 0.0f);
                        EXPECT_EQ(d.T_przel_to_LPG, 127.5f);
                    }},
        DecoderCase{"KnownSensors",
                    {{33, 4}, {30, 1}, {31, 1}, {29, 2}},
                    [](const SettingsDisplay& d) {
                        EXPECT_EQ(d.P1_MAP_changer, 0);
                        EXPECT_EQ(d.T_RED_changer, 0);
                        EXPECT_EQ(d.T_GAZ_changer, 0);
                        EXPECT_EQ(d.Rodz_czuj_LPG, 1);
                    }},
        DecoderCase{"UnknownSensors",
                    {{33, 3}, {30, 2}, {31, 0}, {29, 1}},
                    [](const SettingsDisplay& d) {
                        EXPECT_EQ(d.P1_MAP_changer, None);
                        EXPECT_EQ(d.T_RED_changer, None);
                        EXPECT_EQ(d.T_GAZ_changer, None);
                        EXPECT_EQ(d.Rodz_czuj_LPG, None);
                    }},
        DecoderCase{"RisingLevelSensor",
                    {{29, 0}},
                    [](const SettingsDisplay& d) { EXPECT_EQ(d.Rodz_czuj_LPG, 0); }},
        DecoderCase{"MapEntriesInOrder",
                    {{66, 100}, {67, 101}, {311, 255}},
                    [](const SettingsDisplay& d) {
                        ASSERT_TRUE(d.injectionMap.has_value());
                        EXPECT_EQ((*d.injectionMap)[0], 100);
                        EXPECT_EQ((*d.injectionMap)[1], 101);
                        EXPECT_EQ((*d.injectionMap)[245], 255);
                    }},
        DecoderCase{"StoredFaults",
                    {{561, 0x2A}},
                    [](const SettingsDisplay& d) {
                        EXPECT_EQ(d.Register_errors_memo, QStringLiteral("42\r\n"));
                    }}),
    [](const auto& p) { return std::string(p.param.name); });

struct InjectorCase {
    int code;
    int item;
};

class InjectorCodes : public ::testing::TestWithParam<InjectorCase> {};

TEST_P(InjectorCodes, SelectTheirItem)
{
    EXPECT_EQ(decode(settingsBlock({{45, GetParam().code}})).Sel_Typ_wtrysku, GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(Decoder, InjectorCodes,
                         ::testing::Values(InjectorCase{8, 0}, InjectorCase{9, 1},
                                           InjectorCase{3, 2}, InjectorCase{1, 3},
                                           InjectorCase{6, 4}, InjectorCase{7, 5},
                                           InjectorCase{2, None}, InjectorCase{0, None},
                                           InjectorCase{0xFF, None}));

TEST(DecoderThresholds, FollowTheLocalesDecimalSeparator)
{
    const QByteArray block = settingsBlock({{25, 0x24}, {26, 0x4C}, {27, 0x70}, {28, 0x8F}});
    const SettingsDisplay polish = decode(block, Polish);
    const SettingsDisplay english = decode(block, English);
    const char* comma[] = {"0,71", "1,49", "2,20", "2,80"};
    const char* point[] = {"0.71", "1.49", "2.20", "2.80"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(polish.Ch_U_LPG[i], QString::fromLatin1(comma[i])) << i;
        EXPECT_EQ(english.Ch_U_LPG[i], QString::fromLatin1(point[i])) << i;
    }
}

TEST(DecoderShortImage, LeavesTheControlsOfMissingFieldsAlone)
{
    // Ends with the check byte at offset 35: the engine flags are the last
    // field it holds.
    const SettingsDisplay d = decode(settingsBlock({{22, 5}, {34, 0x08}, {20, 0xFF}}, 36));
    EXPECT_EQ(d.Sel_cyl, 4);
    EXPECT_EQ(buttons(d), "R?R?R?RRRRR");
    EXPECT_EQ(d.Sel_Typ_silnika, 1);
    EXPECT_EQ(d.mapAxisMaximum, 252);
    EXPECT_FALSE(d.Temp_LPG_changer.has_value());  // offset 35 is the check byte
    EXPECT_FALSE(d.P_pracy_changer.has_value());
    EXPECT_FALSE(d.Sel_Typ_wtrysku.has_value());
    EXPECT_FALSE(d.Check_by_first.has_value());
    EXPECT_FALSE(d.fuelIsCng.has_value());
    EXPECT_FALSE(d.injectionMap.has_value());
    EXPECT_TRUE(d.Ch_U_LPG[3].has_value());
    EXPECT_TRUE(d.Register_errors_memo.isEmpty());
}

TEST(DecoderShortImage, WithoutTheCylinderCountTheButtonsKeepTheirLook)
{
    const SettingsDisplay d = decode(settingsBlock({{20, 0x81}}, 22));
    EXPECT_FALSE(d.Sel_cyl.has_value());
    EXPECT_EQ(buttons(d), "-?-?-?-?-?-?-?-?");
    EXPECT_EQ(checkedButtons(d), "10000001");

    const SettingsDisplay empty = decode(QByteArray());
    EXPECT_EQ(buttons(empty), "-?-?-?-?-?-?-?-?");
    EXPECT_EQ(checkedButtons(empty), "????????");
    EXPECT_FALSE(empty.Sel_Impuls.has_value());
    EXPECT_FALSE(empty.Ch_U_LPG[0].has_value());
    EXPECT_TRUE(empty.Register_errors_memo.isEmpty());
}

}  // namespace
