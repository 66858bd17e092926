#pragma once

#include <functional>

namespace brivel {

class CommandSender;
class CylinderButtonsModel;

// The fuel commands: the fuel switch asks the controller for the other fuel,
// a cylinder button changes the cylinders on gas, and the adaptation's START
// puts the engine on petrol. Each takes the mask of the checked cylinder
// buttons.
class FuelEditor {
public:
    // Who calls `paliwo_SwitchClick`.
    enum class Sender {
        Switch,           // a click on `paliwo_Switch`
        None,             // `Cyl_x_ledClick` on gas
        AdaptationStart,  // the adaptation's "START"
    };

    // `portOpen` says whether the serial port is open; `gasSelected` whether
    // the controller last reported running on gas (what the switch shows).
    FuelEditor(CommandSender& sender, CylinderButtonsModel& cylinders,
               std::function<bool()> portOpen, std::function<bool()> gasSelected);

    // Whether the adaptation is in its first step, asked by a START click.
    void setAdaptationFirstStep(std::function<bool()> firstStep)
    {
        adaptationFirstStep_ = std::move(firstStep);
    }

    void paliwo_SwitchClick(Sender sender);
    // A click on `Cyl_<k>_led`, while the port is open: the button toggles
    // and, on gas, the controller gets the new cylinders at once.
    void Cyl_x_ledClick(int k);

private:
    CommandSender& sender_;
    CylinderButtonsModel& cylinders_;
    std::function<bool()> portOpen_;
    std::function<bool()> gasSelected_;
    std::function<bool()> adaptationFirstStep_;
};

}  // namespace brivel
