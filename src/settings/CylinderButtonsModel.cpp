#include "settings/CylinderButtonsModel.h"

namespace brivel {

quint8 CylinderButtonsModel::cylinderButtonMask() const
{
    quint8 mask = 0;
    for (int k = 0; k < Count; ++k)
        if (buttons_[static_cast<std::size_t>(k)].checked)
            mask |= static_cast<quint8>(1u << k);
    return mask;
}

void CylinderButtonsModel::show(
    const std::array<settings::SettingsDisplay::CylinderButton, Count>& decoded)
{
    using Decoded = settings::SettingsDisplay::OffColour;
    for (std::size_t k = 0; k < decoded.size(); ++k) {
        Button& button = buttons_[k];
        const settings::SettingsDisplay::CylinderButton& d = decoded[k];
        if (d.enabled)
            button.enabled = *d.enabled;
        if (d.offColour != Decoded::Unchanged)
            button.offColour = d.offColour == Decoded::Red ? OffColour::Red : OffColour::Grey;
        if (d.checked)
            button.checked = *d.checked;
    }
    notify();
}

bool CylinderButtonsModel::toggle(int k)
{
    if (k < 0 || k >= Count || !buttons_[static_cast<std::size_t>(k)].enabled)
        return false;
    Button& button = buttons_[static_cast<std::size_t>(k)];
    button.checked = !button.checked;
    notify();
    return true;
}

void CylinderButtonsModel::greyOut()
{
    for (Button& button : buttons_) {
        button.offColour = OffColour::Grey;
        button.checked = false;
    }
    notify();
}

void CylinderButtonsModel::notify()
{
    for (const auto& listener : listeners_)
        listener();
}

}  // namespace brivel
