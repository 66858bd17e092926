#pragma once

#include "settings/SettingsObserver.h"

#include <functional>

namespace brivel {

class CylinderButtonsModel;
class MessageTable;
class PanelGazPage;
class PanelPetrolPage;
class PrzelacznikPage;
class SettingsModel;

// `DecodeParameterBlock` on the window: every new settings image, received
// or edited, is shown on the three settings pages, the cylinder buttons, the
// map chart's right axis and the stored-fault list. Showing it never sends
// a command.
class ParameterBlockView final : public SettingsObserver {
public:
    ParameterBlockView(SettingsModel& settings, CylinderButtonsModel& cylinders,
                       PanelPetrolPage& panelPetrol, PanelGazPage& panelGaz,
                       PrzelacznikPage& przelacznik, const MessageTable& messages,
                       std::function<void(int)> setMapAxisMaximum);

    void DecodeParameterBlock();

    // SettingsObserver: a new image is shown once; the fault list it sets
    // is told back to every observer.
    void settingsChanged(const SettingsModel& model) override;

private:
    SettingsModel& settings_;
    CylinderButtonsModel& cylinders_;
    PanelPetrolPage& panelPetrol_;
    PanelGazPage& panelGaz_;
    PrzelacznikPage& przelacznik_;
    const MessageTable& messages_;
    std::function<void(int)> setMapAxisMaximum_;
    int shownRevision_ = 0;
};

}  // namespace brivel
