#include "BlockBuilder.h"
#include "Bytes.h"
#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "settings/EditorCommands.h"
#include "settings/ParameterBlockDecoder.h"
#include "settings/ThresholdText.h"

#include <gtest/gtest.h>

#include <functional>

using namespace brivel;
using namespace brivel::settings;
using namespace brivel::settings::editor;
using brivel::test::bytes;

namespace brivel::settings::editor {

void PrintTo(const QueuedCommand& c, std::ostream* os)
{
    *os << c.command.toHex(' ').toStdString() << " | " << c.firstFollowUp.toHex(' ').toStdString()
        << " | " << c.secondFollowUp.toHex(' ').toStdString() << " (retries " << c.retries << ')';
}

}  // namespace brivel::settings::editor

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Polish(QLocale::Polish, QLocale::Poland);

QueuedCommand queued(const QByteArray& command, const QByteArray& first = {},
                     const QByteArray& second = {})
{
    return {command, first, second, 5};
}

struct EditorCase {
    const char* name;
    std::function<std::optional<QueuedCommand>()> build;
    std::optional<QueuedCommand> expected;
};

class Editor : public ::testing::TestWithParam<EditorCase> {};

TEST_P(Editor, QueuesItsCommand)
{
    EXPECT_EQ(GetParam().build(), GetParam().expected);
}

using S = SwitchOverSlider;

INSTANTIATE_TEST_SUITE_P(
    Editors, Editor,
    ::testing::Values(
        EditorCase{"EightCylinders", [] { return cylinderCount(4).command; },
                   queued(bytes({0x1B, 0x05}))},
        EditorCase{"FourCylinders", [] { return cylinderCount(1).command; },
                   queued(bytes({0x1B, 0x01}))},
        EditorCase{"NoCylinderCount", [] { return cylinderCount(-1).command; },
                   queued(bytes({0x1B, 0xFF}))},
        EditorCase{"PulseSource", [] { return pulseSource(6); }, queued(bytes({0x0A, 0x06}))},
        EditorCase{"RpmSignalHigh", [] { return rpmSignalLevel(1); }, queued(bytes({0x17, 0x01}))},
        EditorCase{"Turbo", [] { return engineType(1); }, queued(bytes({0x21, 0x01}))},
        EditorCase{"TypedEngineType", [] { return engineType(-1); }, queued(bytes({0x21, 0xFF}))},
        EditorCase{"PositiveInjectors", [] { return positiveInjectors(true); },
                   queued(bytes({0x2D, 0x01}))},
        EditorCase{"NegativeInjectors", [] { return positiveInjectors(false); },
                   queued(bytes({0x2D, 0x00}))},
        EditorCase{"Dorn1Ohm", [] { return injectorType(0); },
                   queued(bytes({0x0E, 0x08}), bytes({0x24, 0x06}), bytes({0x30, 0x1E}))},
        EditorCase{"Dorn2Ohm", [] { return injectorType(1); },
                   queued(bytes({0x0E, 0x09}), bytes({0x24, 0x06}), bytes({0x30, 0x23}))},
        EditorCase{"Dorn3Ohm", [] { return injectorType(2); },
                   queued(bytes({0x0E, 0x03}), bytes({0x24, 0x09}), bytes({0x30, 0x2D}))},
        EditorCase{"Keihin", [] { return injectorType(5); },
                   queued(bytes({0x0E, 0x07}), bytes({0x24, 0x06}), bytes({0x30, 0x1E}))},
        EditorCase{"NoInjectorType", [] { return injectorType(-1); }, std::nullopt},
        EditorCase{"PressureSensor", [] { return pressureSensor(); },
                   queued(bytes({0x12, 0x04}), bytes({0x27, 0x04}))},
        EditorCase{"ReducerTempSensor", [] { return reducerTempSensor(); },
                   queued(bytes({0x13, 0x01}))},
        EditorCase{"GasTempSensor", [] { return gasTempSensor(); }, queued(bytes({0x18, 0x01}))},
        EditorCase{"WorkingPressure125", [] { return workingPressure(1.25f); },
                   queued(bytes({0x2B, 0x7D}))},
        EditorCase{"WorkingPressure040", [] { return workingPressure(0.40f); },
                   queued(bytes({0x2B, 0x28}))},
        EditorCase{"MinimumPressure255", [] { return minimumPressure(2.55f); },
                   queued(bytes({0x1E, 0xFF}))},
        EditorCase{"PetrolAskedForOnGas", [] { return fuelSwitch(true, 0x0B); },
                   queued(bytes({0x03, 0x02, 0x0B}))},
        EditorCase{"GasAskedForOnPetrol", [] { return fuelSwitch(false, 0x0B); },
                   queued(bytes({0x03, 0x03, 0x0B}))},
        EditorCase{"CylinderOnGas", [] { return cylinderButton(true, 0x0F); },
                   queued(bytes({0x03, 0x03, 0x0F}))},
        EditorCase{"CylinderOnPetrol", [] { return cylinderButton(false, 0x0F); }, std::nullopt},
        EditorCase{"GasTemp45", [] { return switchOver(S::Temp_LPG_changer, 45); },
                   queued(bytes({0x0F, 0x2D}))},
        EditorCase{"Rpm1535", [] { return switchOver(S::RPM_Prog_przel, 1535); },
                   queued(bytes({0x09, 0x0F}))},
        EditorCase{"Rpm300", [] { return switchOver(S::RPM_Prog_przel, 300); },
                   queued(bytes({0x09, 0x03}))},
        EditorCase{"Rpm1250TieToEven", [] { return switchOver(S::RPM_Prog_przel, 1250); },
                   queued(bytes({0x09, 0x0C}))},
        EditorCase{"Rpm3150TieToEven", [] { return switchOver(S::RPM_Prog_przel, 3150); },
                   queued(bytes({0x09, 0x20}))},
        EditorCase{"SwitchOverTime12", [] { return switchOver(S::T_przel_to_LPG, 12); },
                   queued(bytes({0x22, 0x18}))},
        EditorCase{"Sequence2550", [] { return switchOver(S::T_CYL_seqence, 2550); },
                   queued(bytes({0x23, 0xFF}))},
        EditorCase{"PressureError1450", [] { return switchOver(S::T_zwloki_changer, 1450); },
                   queued(bytes({0x1F, 0x91}))},
        EditorCase{"PressureError25TieToEven", [] { return switchOver(S::T_zwloki_changer, 25); },
                   queued(bytes({0x1F, 0x02}))},
        EditorCase{"MaxRpm12000", [] { return switchOver(S::RPM_Max_To_Petrol, 12000); },
                   queued(bytes({0x11, 0x78}))},
        EditorCase{"FirstMinimum", [] { return petrolAtFirstMinimum(true); },
                   queued(bytes({0x2E, 0x01}))},
        EditorCase{"LevelEditStarts", [] { return levelEditStart(); }, queued(bytes({0x31, 0x01}))},
        EditorCase{"FactoryReset", [] { return factoryReset(); }, queued(bytes({0x26}))},
        EditorCase{"ReadForSave", [] { return readForSave(); },
                   queued(bytes({0x66, 0x00}), {}, {})}),
    [](const auto& p) { return std::string(p.param.name); });

struct LevelCase {
    const char* name;
    std::array<const char*, 4> texts;
    const QLocale* locale;
    quint8 code;
    std::optional<QByteArray> command;
};

class LevelThresholds : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelThresholds, SendsAllFourAndTheSensorThenEndTheEdit)
{
    const LevelCase& c = GetParam();
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i)
        texts[i] = QString::fromUtf8(c.texts[i]);
    const auto q = levelThresholds(texts, c.code, *c.locale);
    if (!c.command) {
        EXPECT_FALSE(q.has_value());
        return;
    }
    ASSERT_TRUE(q.has_value());
    EXPECT_EQ(*q, queued(*c.command, bytes({0x31, 0x00})));
}

INSTANTIATE_TEST_SUITE_P(
    Editors, LevelThresholds,
    ::testing::Values(
        LevelCase{"FallingPresets",
                  {"2,80", "2,20", "1,50", "0,70"},
                  &Polish,
                  2,
                  bytes({0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02})},
        LevelCase{"RisingPresets",
                  {"0,70", "1,50", "2,20", "2,80"},
                  &Polish,
                  0,
                  bytes({0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x00})},
        LevelCase{"RisingPresetsUnderAPoint",
                  {"0.70", "1.50", "2.20", "2.80"},
                  &English,
                  0,
                  bytes({0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x00})},
        LevelCase{"CommaPresetsUnderAPoint",
                  {"0,70", "1,50", "2,20", "2,80"},
                  &English,
                  0,
                  bytes({0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x00})},
        LevelCase{"SliderTextInBox2",
                  {"0,71", "1,6", "2,20", "2,80"},
                  &Polish,
                  0,
                  bytes({0x0D, 0x24, 0x52, 0x70, 0x8F, 0x00})},
        LevelCase{"UnknownKindKept",
                  {"0,71", "1,49", "2,20", "2,80"},
                  &Polish,
                  1,
                  bytes({0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x01})},
        LevelCase{"BoxWithoutANumber", {"0,71", "", "2,20", "2,80"}, &Polish, 0, std::nullopt}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(LevelThresholdEdit, ChoosingASensorKindSendsItsPresetsInEveryLocale)
{
    // The presets are written as the locale writes numbers, so they parse
    // back under a decimal point as well as under a decimal comma.
    for (const QLocale* locale : {&Polish, &English}) {
        const auto falling = threshold::presetTexts(1, *locale);
        ASSERT_TRUE(falling.has_value());
        const auto q = levelThresholds(*falling, *levelSensorCode(1, std::nullopt), *locale);
        ASSERT_TRUE(q.has_value());
        EXPECT_EQ(q->command, bytes({0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02}));
        EXPECT_EQ(q->firstFollowUp, bytes({0x31, 0x00}));
    }
}

TEST(LevelThresholdEdit, SliderTextInBoxTwoIsSentAsItsByte)
{
    std::array<QString, 4> boxes = {"0,71", "1,49", "2,20", "2,80"};
    boxes[1] = threshold::sliderText(1.6f, Polish);
    EXPECT_EQ(boxes[1], QStringLiteral("1,6"));
    const auto q = levelThresholds(boxes, 0, Polish);
    ASSERT_TRUE(q.has_value());
    EXPECT_EQ(static_cast<quint8>(q->command[2]), 0x52);
}

TEST(EngineType, TurboMovesTheMapAxisTo252)
{
    EXPECT_EQ(mapAxisMaximumFor(1), 252);
    EXPECT_EQ(mapAxisMaximumFor(0), 126);
    EXPECT_EQ(mapAxisMaximumFor(-1), 126);
}

TEST(LevelSensorCode, ComesFromTheItemOrStaysAsTheControllerHasIt)
{
    EXPECT_EQ(levelSensorCode(0, 2), 0);
    EXPECT_EQ(levelSensorCode(1, 0), 2);
    EXPECT_EQ(levelSensorCode(-1, 1), 1);
    EXPECT_EQ(levelSensorCode(-1, std::nullopt), std::nullopt);
}

TEST(CylinderCount, PatchesTheImageAndTheDecoderShowsIt)
{
    struct Case {
        int item;
        int count;
        int mask;
        const char* enabled;  // 1 enabled, 0 disabled, for Cyl_3_led ... Cyl_7_led
    };
    for (const Case& c : {Case{4, 5, 0xFF, "11111"}, Case{1, 1, 0x0F, "10000"},
                          Case{0, 0, 0x07, "00000"}, Case{3, 3, 0x3F, "11100"}}) {
        ParameterBlock block(test::settingsBlock({{20, 0x01}, {22, 2}}));
        cylinderCount(c.item).applyTo(block);
        EXPECT_EQ(block.byte(Field::CylinderCount), c.count);
        EXPECT_EQ(block.byte(Field::ActiveGasCylinders), c.mask);
        const SettingsDisplay d = decodeParameterBlock(block, {}, English);
        std::string enabled;
        for (int i = 3; i < 8; ++i)
            enabled += d.cylinders[i].enabled == true ? '1' : '0';
        EXPECT_EQ(enabled, c.enabled) << c.item;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(d.cylinders[i].checked, ((c.mask >> i) & 1) != 0) << c.item << ' ' << i;
    }
}

TEST(CylinderCount, NoSelectionSendsFFAndLeavesTheMask)
{
    ParameterBlock block(test::settingsBlock({{20, 0x0B}, {22, 1}}));
    cylinderCount(-1).applyTo(block);
    EXPECT_EQ(block.byte(Field::CylinderCount), 0xFF);
    EXPECT_EQ(block.byte(Field::ActiveGasCylinders), 0x0B);
}

TEST(CylinderMask, BitIForButtonI)
{
    EXPECT_EQ(cylinderMask({true, true, false, true, false, false, false, false}), 0x0B);
    EXPECT_EQ(cylinderMask({false, false, false, false, false, false, false, true}), 0x80);
}

TEST(BlockWrite, SendsTheRegionThenReadsBack)
{
    QByteArray region(540, '\0');
    for (int i = 0; i < region.size(); ++i)
        region[i] = static_cast<char>(i);
    const QueuedCommand q = writeSettingsRegion(region);
    EXPECT_EQ(q.command.size(), 541);
    EXPECT_EQ(q.command.left(1), bytes({0x1A}));
    EXPECT_EQ(q.command.mid(1), region);
    EXPECT_EQ(q.firstFollowUp, bytes({0x66, 0x00}));

    test::RecordingCommandSender sender;
    q.queueOn(sender);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued[0].retries, 5);
    EXPECT_EQ(sender.queued[0].command, q.command);
    EXPECT_EQ(sender.queued[0].firstFollowUp, q.firstFollowUp);
}

}  // namespace
