#pragma once

#include "settings/ui/SettingsPageServices.h"

#include <QtCore/QObject>

class QCheckBox;
class QComboBox;
class QWidget;

namespace brivel {

namespace settings {
struct SettingsDisplay;
}

// The "Panel Petrol" page: the engine's cylinder count, the source and level
// of the engine-speed signal, the engine type and positive-switched petrol
// injectors, each sent to the controller as soon as the fitter changes it.
// The page also holds the hidden controls of the serial port: the rate
// selector `szybkosc` and the port list `ComComboBox1`.
class PanelPetrolPage : public QObject {
    Q_OBJECT
public:
    PanelPetrolPage(QWidget* page, const SettingsPageServices& services);

    QComboBox* cylinderCount() const { return selCyl_; }
    QComboBox* pulseSource() const { return selImpuls_; }
    QComboBox* rpmSignal() const { return selRpmSignal_; }
    QComboBox* engineType() const { return selTypSilnika_; }
    QCheckBox* positiveInjectors() const { return checkInjectorPlus_; }

    // What a decoded settings image shows here; every image of the settings
    // model comes here.
    void show(const settings::SettingsDisplay& decoded);
    // The ports present, as each listing finds them.
    void showPorts(const QStringList& present);

    // Handlers of the fitter's changes; nothing the program sets on the
    // controls calls them.
    void Sel_cylChange(int item);
    void Sel_ImpulsChange(int item);
    void Sel_RPM_signalChange(int item);
    void Sel_Typ_silnikaChange(int item);
    void Check_Injector_plusClick(bool checked);

private:
    SettingsPageServices services_;
    QComboBox* comComboBox1_ = nullptr;
    QComboBox* selCyl_ = nullptr;
    QComboBox* selImpuls_ = nullptr;
    QComboBox* selRpmSignal_ = nullptr;
    QComboBox* selTypSilnika_ = nullptr;
    QCheckBox* checkInjectorPlus_ = nullptr;
};

}  // namespace brivel
