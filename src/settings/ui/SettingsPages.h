#pragma once

#include "settings/ui/SettingsPageServices.h"

#include <memory>

class QWidget;

namespace brivel {

class PanelGazPage;
class PanelPetrolPage;
class ParameterBlockView;
class PrzelacznikPage;

// Builds the three settings pages on their sheets and shows every settings
// image on them: the one way the window, and anything that wants the pages
// as the window has them, puts them together.
class SettingsPages {
public:
    SettingsPages(QWidget* panelPetrolSheet, QWidget* panelGazSheet, QWidget* przelacznikSheet,
                  const SettingsPageServices& services);
    ~SettingsPages();
    SettingsPages(const SettingsPages&) = delete;
    SettingsPages& operator=(const SettingsPages&) = delete;

    PanelPetrolPage& panelPetrol() const { return *panelPetrol_; }
    PanelGazPage& panelGaz() const { return *panelGaz_; }
    PrzelacznikPage& przelacznik() const { return *przelacznik_; }
    ParameterBlockView& view() const { return *view_; }

private:
    // Owned by their sheets.
    PanelPetrolPage* panelPetrol_;
    PanelGazPage* panelGaz_;
    PrzelacznikPage* przelacznik_;
    std::unique_ptr<ParameterBlockView> view_;
};

}  // namespace brivel
