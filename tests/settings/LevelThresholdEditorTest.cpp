#include "BlockBuilder.h"
#include "Bytes.h"
#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "i18n/MessageTable.h"
#include "settings/LevelThresholdEditor.h"
#include "settings/ParameterBlock.h"
#include "settings/ParameterBlockDecoder.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>

using namespace brivel;
using namespace brivel::settings;
using brivel::test::bytes;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Polish(QLocale::Polish, QLocale::Poland);

constexpr int Thresholds = 25;
constexpr int SensorKind = 29;

class LevelThresholds : public ::testing::Test {
protected:
    explicit LevelThresholds(const QLocale& locale = Polish) : editor(sender, settings, locale)
    {
        show(test::settingsBlock({{Thresholds, 0x24},
                                  {Thresholds + 1, 0x4C},
                                  {Thresholds + 2, 0x70},
                                  {Thresholds + 3, 0x8F},
                                  {SensorKind, 0}}),
             locale);
        told.clear();
    }

    // An image decoded in the editor's own locale.
    void show(const QByteArray& image, const QLocale& locale)
    {
        editor.show(decodeParameterBlock(
            image, [this](msg::Row row) { return messages.text(row); }, locale));
    }

    QStringList texts() const { return {editor.texts().begin(), editor.texts().end()}; }

    test::RecordingCommandSender sender;
    MessageTable messages;
    SettingsModel settings{messages};
    LevelThresholdEditor editor;
    QSignalSpy told{&editor, &LevelThresholdEditor::stateChanged};
};

TEST_F(LevelThresholds, AnEditStartsAtTheBoxAndEndsWithEveryThresholdAndTheSensor)
{
    EXPECT_EQ(texts(), QStringList({"0,71", "1,49", "2,20", "2,80"}));
    const auto volts = editor.startBoxEdit(1);
    ASSERT_TRUE(volts);
    EXPECT_FLOAT_EQ(*volts, 1.49f);
    EXPECT_EQ(editor.markedBox(), 1);
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x31, 0x01})});

    // The slider moves: the marked box alone follows it.
    editor.followSlider(1.6f);
    EXPECT_EQ(texts(), QStringList({"0,71", "1,6", "2,20", "2,80"}));
    EXPECT_EQ(sender.queued.size(), 1);

    editor.commitThresholds();
    ASSERT_EQ(sender.queued.size(), 2);
    EXPECT_EQ(sender.queued[1].command, bytes({0x0D, 0x24, 0x52, 0x70, 0x8F, 0x00}));
    EXPECT_EQ(sender.queued[1].firstFollowUp, bytes({0x31, 0x00}));
    EXPECT_EQ(sender.queued[1].retries, 5);
    EXPECT_FALSE(editor.markedBox());
    ASSERT_GT(told.count(), 0);
    const auto last = told.last().at(0).value<LevelThresholdEditor::State>();
    EXPECT_FALSE(last.markedBox);
    EXPECT_EQ(last.texts[1], QStringLiteral("1,6"));
}

TEST_F(LevelThresholds, FocusOnTheSensorSelectorAloneOnlyStartsTheEdit)
{
    editor.startSensorEdit();
    EXPECT_FALSE(editor.markedBox());
    editor.endEdit();
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x31, 0x01})});
}

TEST_F(LevelThresholds, LeavingTheSliderEndsTheEditWithoutSending)
{
    editor.startBoxEdit(3);
    editor.followSlider(4.0f);
    editor.endEdit();
    EXPECT_FALSE(editor.markedBox());
    EXPECT_EQ(texts(), QStringList({"0,71", "1,49", "2,20", "4"}));
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x31, 0x01})});
    // Outside an edit the slider rewrites no box.
    editor.followSlider(1.0f);
    EXPECT_EQ(texts()[3], QStringLiteral("4"));
}

struct PresetCase {
    const char* name;
    QLocale locale;
    int item;
    QStringList texts;
    QByteArray command;
};

class SensorPresets : public LevelThresholds, public ::testing::WithParamInterface<PresetCase> {
protected:
    SensorPresets() : LevelThresholds(GetParam().locale) {}
};

// The presets are written in the locale's own way, so they are sent as
// they read under a decimal point as under a comma.
TEST_P(SensorPresets, FillTheBoxesAndAreSentAtOnce)
{
    editor.startSensorEdit();
    editor.chooseSensorKind(GetParam().item);
    EXPECT_EQ(texts(), GetParam().texts);
    EXPECT_EQ(editor.sensorItem(), GetParam().item);
    ASSERT_EQ(sender.queued.size(), 2);
    EXPECT_EQ(sender.queued[1].command, GetParam().command);
    EXPECT_EQ(sender.queued[1].firstFollowUp, bytes({0x31, 0x00}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SensorPresets,
                         ::testing::Values(PresetCase{"FallingPolish",
                                                      Polish,
                                                      1,
                                                      {"2,80", "2,20", "1,50", "0,70"},
                                                      bytes({0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02})},
                                           PresetCase{"RisingPolish",
                                                      Polish,
                                                      0,
                                                      {"0,70", "1,50", "2,20", "2,80"},
                                                      bytes({0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x00})},
                                           PresetCase{"FallingEnglish",
                                                      English,
                                                      1,
                                                      {"2.80", "2.20", "1.50", "0.70"},
                                                      bytes({0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02})}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(LevelThresholds, WithoutASelectedKindTheControllersOwnIsSent)
{
    show(test::settingsBlock({{Thresholds, 0x24},
                              {Thresholds + 1, 0x4C},
                              {Thresholds + 2, 0x70},
                              {Thresholds + 3, 0x8F},
                              {SensorKind, 5}}),
         Polish);
    EXPECT_EQ(editor.sensorItem(), -1);
    editor.startBoxEdit(0);
    editor.commitThresholds();
    ASSERT_EQ(sender.queued.size(), 2);
    EXPECT_EQ(sender.queued[1].command, bytes({0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x05}));
}

TEST(LevelThresholdsBeforeAnyImage, SendNothingWithoutAKindToSend)
{
    test::RecordingCommandSender sender;
    MessageTable messages;
    SettingsModel settings{messages};
    LevelThresholdEditor editor(sender, settings, English);
    EXPECT_EQ(editor.texts()[0], QStringLiteral("0.00"));
    editor.startBoxEdit(0);
    editor.commitThresholds();
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x31, 0x01})});
}

TEST(LevelThresholdsOfTheSettingsModel, FollowEachImageOnceWithItsSensorCode)
{
    // The program's own locale, in which the settings model writes the texts.
    test::RecordingCommandSender sender;
    MessageTable messages;
    SettingsModel settings{messages};
    LevelThresholdEditor editor(sender, settings, QLocale());
    QSignalSpy told(&editor, &LevelThresholdEditor::stateChanged);
    settings.setParameterBlock(test::settingsBlock({{Thresholds, 0x24},
                                                    {Thresholds + 1, 0x4C},
                                                    {Thresholds + 2, 0x70},
                                                    {Thresholds + 3, 0x8F},
                                                    {SensorKind, 5}}));
    EXPECT_EQ(told.count(), 1);
    EXPECT_EQ(editor.texts()[3], QLocale().toString(2.80, 'f', 2));
    EXPECT_EQ(editor.sensorItem(), -1);
    settings.clearStoredFaultText();
    EXPECT_EQ(told.count(), 1);

    editor.startBoxEdit(0);
    editor.commitThresholds();
    ASSERT_EQ(sender.queued.size(), 2);
    EXPECT_EQ(sender.queued[1].command, bytes({0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x05}));
}

}  // namespace
