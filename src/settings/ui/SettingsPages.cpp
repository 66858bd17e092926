#include "settings/ui/SettingsPages.h"

#include "settings/ui/PanelGazPage.h"
#include "settings/ui/PanelPetrolPage.h"
#include "settings/ui/PrzelacznikPage.h"

namespace brivel {

SettingsPages::SettingsPages(QWidget* panelPetrolSheet, QWidget* panelGazSheet,
                             QWidget* przelacznikSheet, const SettingsPageServices& services)
    : panelPetrol_(new PanelPetrolPage(panelPetrolSheet, services)),
      panelGaz_(new PanelGazPage(panelGazSheet, services)),
      przelacznik_(new PrzelacznikPage(przelacznikSheet, services))
{
}

}  // namespace brivel
