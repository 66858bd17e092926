#pragma once

#include "settings/SettingsDisplay.h"

#include <QtCore/QObject>
#include <QtCore/QtGlobal>

#include <array>

namespace brivel {

class SettingsModel;

// What the eight cylinder buttons `Cyl_0_led` … `Cyl_7_led` show: which
// cylinders run on gas (checked), which are fitted (enabled) and the colour
// of an unchecked button. Each settings image sets it, clicks toggle single
// cylinders, a disconnect greys every button; the fuel commands take their
// cylinder mask from here.
class CylinderButtonsModel : public QObject {
    Q_OBJECT
public:
    static constexpr int Count = 8;
    // An unchecked button of a fitted cylinder is red; grey otherwise, also
    // for cylinders whose fitting is not known.
    enum class OffColour { Grey, Red };

    struct Button {
        bool enabled = true;
        OffColour offColour = OffColour::Grey;
        bool checked = false;
    };
    using Buttons = std::array<Button, Count>;

    // Follows every image of `settings`, which must outlive the model.
    explicit CylinderButtonsModel(const SettingsModel& settings, QObject* parent = nullptr);

    const Button& button(int k) const { return buttons_[static_cast<std::size_t>(k)]; }
    const Buttons& buttons() const { return buttons_; }

    // Bit i set for each checked button `Cyl_i_led`: the mask of the fuel
    // commands and of the adaptation.
    quint8 cylinderButtonMask() const;

    // The buttons a decoded settings image gives; what it leaves open stays.
    void show(const settings::SettingsDisplay& decoded);
    // A click on button `k`: it toggles its own cylinder. False, and nothing
    // changes, for a button that is disabled or does not exist.
    bool toggle(int k);
    // The disconnect: every button grey and unchecked.
    void greyOut();

signals:
    // After every change.
    void buttonsChanged(const brivel::CylinderButtonsModel::Buttons& buttons);

private:
    Buttons buttons_{};
};

}  // namespace brivel
