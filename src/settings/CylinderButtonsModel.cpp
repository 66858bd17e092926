#include "settings/CylinderButtonsModel.h"

#include "settings/SettingsModel.h"

namespace brivel {

CylinderButtonsModel::CylinderButtonsModel(const SettingsModel& settings, QObject* parent)
    : QObject(parent)
{
    connect(&settings, &SettingsModel::displayChanged, this, &CylinderButtonsModel::show);
}

quint8 CylinderButtonsModel::cylinderButtonMask() const
{
    quint8 mask = 0;
    for (int k = 0; k < Count; ++k)
        if (buttons_[static_cast<std::size_t>(k)].checked)
            mask |= static_cast<quint8>(1u << k);
    return mask;
}

void CylinderButtonsModel::show(const settings::SettingsDisplay& decoded)
{
    using Decoded = settings::SettingsDisplay::OffColour;
    for (std::size_t k = 0; k < buttons_.size(); ++k) {
        Button& button = buttons_[k];
        const settings::SettingsDisplay::CylinderButton& d = decoded.cylinders[k];
        if (d.enabled)
            button.enabled = *d.enabled;
        if (d.offColour != Decoded::Unchanged)
            button.offColour = d.offColour == Decoded::Red ? OffColour::Red : OffColour::Grey;
        if (d.checked)
            button.checked = *d.checked;
    }
    emit buttonsChanged(buttons_);
}

bool CylinderButtonsModel::toggle(int k)
{
    if (k < 0 || k >= Count || !buttons_[static_cast<std::size_t>(k)].enabled)
        return false;
    Button& button = buttons_[static_cast<std::size_t>(k)];
    button.checked = !button.checked;
    emit buttonsChanged(buttons_);
    return true;
}

void CylinderButtonsModel::greyOut()
{
    for (Button& button : buttons_) {
        button.offColour = OffColour::Grey;
        button.checked = false;
    }
    emit buttonsChanged(buttons_);
}

}  // namespace brivel
