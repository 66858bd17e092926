#pragma once

#include "settings/SettingsDisplay.h"

#include <QtCore/QtGlobal>

#include <array>
#include <functional>
#include <vector>

namespace brivel {

// What the eight cylinder buttons `Cyl_0_led` … `Cyl_7_led` show: which
// cylinders run on gas (checked), which are fitted (enabled) and the colour
// of an unchecked button. The decoder sets it from the settings image, clicks
// toggle single cylinders, a disconnect greys every button; the fuel
// commands take their cylinder mask from here.
class CylinderButtonsModel {
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

    const Button& button(int k) const { return buttons_[static_cast<std::size_t>(k)]; }
    const std::array<Button, Count>& buttons() const { return buttons_; }

    // Bit i set for each checked button `Cyl_i_led`: the mask of the fuel
    // commands and of the adaptation.
    quint8 cylinderButtonMask() const;

    // The buttons a decoded settings image gives; what it leaves open stays.
    void show(const std::array<settings::SettingsDisplay::CylinderButton, Count>& decoded);
    // A click on button `k`: it toggles its own cylinder. False, and nothing
    // changes, for a button that is disabled or does not exist.
    bool toggle(int k);
    // The disconnect: every button grey and unchecked.
    void greyOut();

    // Told after every change. Not owned.
    void addListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

private:
    void notify();

    std::array<Button, Count> buttons_{};
    std::vector<std::function<void()>> listeners_;
};

}  // namespace brivel
