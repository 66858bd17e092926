#pragma once

#include "settings/ui/SettingsPageServices.h"

#include <QtCore/QObject>

class QComboBox;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace brivel {

class TAbVSlider;

namespace settings {
struct SettingsDisplay;
}

// The "Panel Gaz" page: the gas injector type, the gas-side sensors and the
// two pressures the adaptation works with, each sent to the controller as
// soon as the fitter changes it; the fuel kind is shown only.
class PanelGazPage : public QObject {
    Q_OBJECT
public:
    PanelGazPage(QWidget* page, const SettingsPageServices& services);

    QComboBox* injectorType() const { return selTypWtrysku_; }
    QComboBox* pressureSensor() const { return p1MapChanger_; }
    QComboBox* reducerTempSensor() const { return tRedChanger_; }
    QComboBox* gasTempSensor() const { return tGazChanger_; }
    TAbVSlider* workingPressure() const { return pPracyChanger_; }
    TAbVSlider* minimumPressure() const { return pMinChanger_; }
    QGroupBox* fuelKind() const { return groupBox15_; }
    QRadioButton* lpg() const { return lpgRadioButton_; }
    QRadioButton* cng() const { return cngRadioButton_; }

    // What a decoded settings image shows here; every image of the settings
    // model comes here.
    void show(const settings::SettingsDisplay& decoded);

    // Handlers of the fitter's changes, with the value the fitter committed;
    // nothing the program sets on the controls calls them.
    void Sel_Typ_wtryskuChange(int item);
    void P1_MAP_changerChange();
    void T_RED_changerChange();
    void T_GAZ_changerChange();
    void P_pracy_changerValueChanged(float bar);
    void P_min_changerValueChanged(float bar);
    // The fuel kind is the controller's own: a click changes nothing.
    void LPG_CNG_RadioButtonClick() {}

private:
    SettingsPageServices services_;
    QComboBox* selTypWtrysku_ = nullptr;
    QComboBox* p1MapChanger_ = nullptr;
    QComboBox* tRedChanger_ = nullptr;
    QComboBox* tGazChanger_ = nullptr;
    TAbVSlider* pPracyChanger_ = nullptr;
    TAbVSlider* pMinChanger_ = nullptr;
    QGroupBox* groupBox15_ = nullptr;
    QRadioButton* lpgRadioButton_ = nullptr;
    QRadioButton* cngRadioButton_ = nullptr;
};

}  // namespace brivel
