#include "settings/LevelThresholdEditor.h"

#include "settings/EditorCommands.h"
#include "settings/SettingsDisplay.h"
#include "settings/ThresholdText.h"

namespace brivel {

using namespace settings;

LevelThresholdEditor::LevelThresholdEditor(CommandSender& sender, const QLocale& locale)
    : sender_(sender), locale_(locale), sensorItem_(SettingsDisplay::NoSelection)
{
    texts_.fill(threshold::voltageText(0.0, locale_));
}

void LevelThresholdEditor::show(const SettingsDisplay& decoded, std::optional<quint8> storedKind)
{
    if (decoded.Rodz_czuj_LPG)
        sensorItem_ = *decoded.Rodz_czuj_LPG;
    for (int i = 0; i < Boxes; ++i)
        if (decoded.Ch_U_LPG[i])
            texts_[i] = *decoded.Ch_U_LPG[i];
    if (storedKind)
        storedKind_ = storedKind;
    notify();
}

std::optional<float> LevelThresholdEditor::Ch_U_LPG_X_Enter(int box)
{
    if (box < 0 || box >= Boxes)
        return std::nullopt;
    marked_ = box;
    notify();
    editor::levelEditStart().queueOn(sender_);
    const auto volts = threshold::parse(texts_[box], locale_);
    if (!volts)
        return std::nullopt;
    return static_cast<float>(*volts);
}

void LevelThresholdEditor::enterSensorSelector()
{
    editor::levelEditStart().queueOn(sender_);
}

void LevelThresholdEditor::Ch_U_LPG_changerValueChange(float value)
{
    if (!marked_)
        return;
    texts_[*marked_] = threshold::sliderText(value, locale_);
    notify();
}

void LevelThresholdEditor::Ch_U_LPG_X_Change()
{
    sendThresholds();
    Ch_U_LPG_X_Exit();
}

void LevelThresholdEditor::Ch_U_LPG_X_Change(int sensorItem)
{
    sensorItem_ = sensorItem;
    if (const auto presets = threshold::presetTexts(sensorItem, locale_))
        texts_ = *presets;
    notify();
    Ch_U_LPG_X_Change();
}

void LevelThresholdEditor::Ch_U_LPG_X_Exit()
{
    if (!marked_)
        return;
    marked_.reset();
    notify();
}

void LevelThresholdEditor::sendThresholds()
{
    // Without a sensor kind to send, or with a box that holds no number,
    // there is no command that says what the fitter sees.
    const auto code = editor::levelSensorCode(sensorItem_, storedKind_);
    if (!code)
        return;
    if (const auto command = editor::levelThresholds(texts_, *code, locale_))
        command->queueOn(sender_);
}

void LevelThresholdEditor::notify()
{
    for (const auto& listener : listeners_)
        listener();
}

}  // namespace brivel
