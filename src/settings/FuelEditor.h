#pragma once

#include <functional>

namespace brivel {

class CommandSender;
class CylinderButtonsModel;

// The fuel commands: the fuel switch asks the controller for the other fuel
// and a cylinder button changes the cylinders on gas, each with the mask of
// the checked cylinder buttons. The adaptation sends its own fuel commands:
// its procedure knows whether 0x25 goes first.
class FuelEditor {
public:
    // Who calls `paliwo_SwitchClick`.
    enum class Sender {
        Switch,  // a click on `paliwo_Switch`
        None,    // `Cyl_x_ledClick` on gas
    };

    // `portOpen` says whether the serial port is open; `gasSelected` whether
    // the controller last reported running on gas (what the switch shows).
    FuelEditor(CommandSender& sender, CylinderButtonsModel& cylinders,
               std::function<bool()> portOpen, std::function<bool()> gasSelected);

    void paliwo_SwitchClick(Sender sender);
    // A click on `Cyl_<k>_led`, while the port is open: the button toggles
    // and, on gas, the controller gets the new cylinders at once.
    void Cyl_x_ledClick(int k);

private:
    CommandSender& sender_;
    CylinderButtonsModel& cylinders_;
    std::function<bool()> portOpen_;
    std::function<bool()> gasSelected_;
};

}  // namespace brivel
