#pragma once

#include "settings/EditorCommands.h"
#include "settings/LevelThresholdEditor.h"
#include "settings/ui/SettingsPageServices.h"

#include <QtCore/QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace brivel {

class LevelGauge;
class TAbHSlider;
class TAbVSlider;
class TAbValueInd;

namespace settings {
struct SettingsDisplay;
}

// The "Przełącznik" page: when the controller goes from petrol to gas and
// back (six sliders and the first-minimum check box), and the tank-level
// sensor with its four threshold voltages, edited one at a time with a
// slider that appears beside the box. The level gauge at the bottom shows the
// live tank level.
class PrzelacznikPage : public QObject {
    Q_OBJECT
public:
    using SwitchOverSlider = settings::editor::SwitchOverSlider;
    static constexpr int SwitchOverSliders = 6;
    // Where the threshold slider stands while it edits box 1 … 4.
    static constexpr int ThresholdSliderTop = 26;
    static constexpr std::array<int, 4> ThresholdSliderLeft = {154, 242, 314, 394};

    PrzelacznikPage(QWidget* page, const SettingsPageServices& services);

    LevelGauge& levelGauge() const { return *levelGauge_; }
    TAbHSlider* slider(SwitchOverSlider which) const;
    TAbValueInd* indicator(SwitchOverSlider which) const;
    QCheckBox* petrolAtFirstMinimum() const { return checkByFirst_; }
    QComboBox* sensorKind() const { return rodzCzujLpg_; }
    QLineEdit* thresholdBox(int box) const { return boxes_[static_cast<std::size_t>(box)]; }
    TAbVSlider* thresholdSlider() const { return chULpgChanger_; }

    // What a decoded settings image shows here; every image of the settings
    // model comes here. The level sensor's controls show the threshold
    // editor, which follows the images itself.
    void show(const settings::SettingsDisplay& decoded);

    // Handlers of the fitter's changes, with the values the controls'
    // signals carry. Only the fitter's input sends a command: a value the
    // program sets on the threshold slider only rewrites the box it edits.
    void switchOverValueChanged(SwitchOverSlider which, float value);
    void Check_by_firstClick(bool checked);
    void Ch_U_LPG_X_Enter(QWidget* sender);
    void Ch_U_LPG_changerValueChange(float volts);
    void Ch_U_LPG_X_Change();
    void Rodz_czuj_LPGChange(int item);
    void Ch_U_LPG_X_Exit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSwitchOver(QWidget* page);
    void buildLevelSensor();
    void showThresholds(const LevelThresholdEditor::State& state);

    SettingsPageServices services_;
    LevelThresholdEditor& thresholds_;
    std::array<TAbHSlider*, SwitchOverSliders> sliders_{};
    std::array<TAbValueInd*, SwitchOverSliders> indicators_{};
    QCheckBox* checkByFirst_ = nullptr;
    LevelGauge* levelGauge_ = nullptr;
    QComboBox* rodzCzujLpg_ = nullptr;
    std::array<QLineEdit*, 4> boxes_{};
    TAbVSlider* chULpgChanger_ = nullptr;
};

}  // namespace brivel
