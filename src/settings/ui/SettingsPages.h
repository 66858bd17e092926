#pragma once

#include "settings/ui/SettingsPageServices.h"

class QWidget;

namespace brivel {

class PanelGazPage;
class PanelPetrolPage;
class PrzelacznikPage;

// Builds the three settings pages on their sheets, each rendering the
// settings model it is given: the one way the window, and anything that
// wants the pages as the window has them, puts them together.
class SettingsPages {
public:
    SettingsPages(QWidget* panelPetrolSheet, QWidget* panelGazSheet, QWidget* przelacznikSheet,
                  const SettingsPageServices& services);
    SettingsPages(const SettingsPages&) = delete;
    SettingsPages& operator=(const SettingsPages&) = delete;

    PanelPetrolPage& panelPetrol() const { return *panelPetrol_; }
    PanelGazPage& panelGaz() const { return *panelGaz_; }
    PrzelacznikPage& przelacznik() const { return *przelacznik_; }

private:
    // Owned by their sheets.
    PanelPetrolPage* panelPetrol_;
    PanelGazPage* panelGaz_;
    PrzelacznikPage* przelacznik_;
};

}  // namespace brivel
