#include "settings/LevelThresholdEditor.h"

#include "settings/EditorCommands.h"
#include "settings/SettingsDisplay.h"
#include "settings/SettingsModel.h"
#include "settings/ThresholdText.h"

namespace brivel {

using namespace settings;

LevelThresholdEditor::LevelThresholdEditor(CommandSender& sender, const SettingsModel& settings,
                                           const QLocale& locale, QObject* parent)
    : QObject(parent), sender_(sender), locale_(locale)
{
    state_.texts.fill(threshold::voltageText(0.0, locale_));
    state_.sensorItem = SettingsDisplay::NoSelection;
    connect(&settings, &SettingsModel::displayChanged, this, &LevelThresholdEditor::show);
}

void LevelThresholdEditor::show(const SettingsDisplay& decoded)
{
    if (decoded.Rodz_czuj_LPG)
        state_.sensorItem = *decoded.Rodz_czuj_LPG;
    for (int i = 0; i < Boxes; ++i)
        if (decoded.Ch_U_LPG[i])
            state_.texts[i] = *decoded.Ch_U_LPG[i];
    if (decoded.levelSensorCode)
        storedKind_ = decoded.levelSensorCode;
    notify();
}

std::optional<float> LevelThresholdEditor::startBoxEdit(int box)
{
    if (box < 0 || box >= Boxes)
        return std::nullopt;
    state_.markedBox = box;
    notify();
    editor::levelEditStart().queueOn(sender_);
    const auto volts = threshold::parse(state_.texts[box], locale_);
    if (!volts)
        return std::nullopt;
    return static_cast<float>(*volts);
}

void LevelThresholdEditor::startSensorEdit()
{
    editor::levelEditStart().queueOn(sender_);
}

void LevelThresholdEditor::followSlider(float volts)
{
    if (!state_.markedBox)
        return;
    state_.texts[*state_.markedBox] = threshold::sliderText(volts, locale_);
    notify();
}

void LevelThresholdEditor::commitThresholds()
{
    sendThresholds();
    endEdit();
}

void LevelThresholdEditor::chooseSensorKind(int item)
{
    state_.sensorItem = item;
    if (const auto presets = threshold::presetTexts(item, locale_))
        state_.texts = *presets;
    notify();
    commitThresholds();
}

void LevelThresholdEditor::endEdit()
{
    if (!state_.markedBox)
        return;
    state_.markedBox.reset();
    notify();
}

void LevelThresholdEditor::sendThresholds()
{
    // Without a sensor kind to send, or with a box that holds no number,
    // there is no command that says what the fitter sees.
    const auto code = editor::levelSensorCode(state_.sensorItem, storedKind_);
    if (!code)
        return;
    if (const auto command = editor::levelThresholds(state_.texts, *code, locale_))
        command->queueOn(sender_);
}

void LevelThresholdEditor::notify()
{
    emit stateChanged(state_);
}

}  // namespace brivel
