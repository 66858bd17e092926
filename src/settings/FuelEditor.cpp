#include "settings/FuelEditor.h"

#include "settings/CylinderButtonsModel.h"
#include "settings/EditorCommands.h"

namespace brivel {

using namespace settings;

FuelEditor::FuelEditor(CommandSender& sender, CylinderButtonsModel& cylinders,
                       std::function<bool()> portOpen, std::function<bool()> gasSelected)
    : sender_(sender),
      cylinders_(cylinders),
      portOpen_(std::move(portOpen)),
      gasSelected_(std::move(gasSelected))
{
}

void FuelEditor::paliwo_SwitchClick(Sender sender)
{
    const quint8 mask = cylinders_.cylinderButtonMask();
    switch (sender) {
        case Sender::None:
            // Only a cylinder button on gas calls without a sender.
            if (const auto command = editor::cylinderButton(true, mask))
                command->queueOn(sender_);
            break;
        case Sender::Switch:
            editor::fuelSwitch(gasSelected_(), mask).queueOn(sender_);
            break;
    }
}

void FuelEditor::Cyl_x_ledClick(int k)
{
    if (!portOpen_() || !cylinders_.toggle(k))
        return;
    // On petrol the new mask waits for the next click on the fuel switch.
    if (gasSelected_())
        paliwo_SwitchClick(Sender::None);
}

}  // namespace brivel
