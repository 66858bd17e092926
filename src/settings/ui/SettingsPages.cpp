#include "settings/ui/SettingsPages.h"

#include "settings/ui/PanelGazPage.h"
#include "settings/ui/PanelPetrolPage.h"
#include "settings/ui/ParameterBlockView.h"
#include "settings/ui/PrzelacznikPage.h"
#include "settings/SettingsModel.h"

namespace brivel {

SettingsPages::SettingsPages(QWidget* panelPetrolSheet, QWidget* panelGazSheet,
                             QWidget* przelacznikSheet, const SettingsPageServices& services)
    : panelPetrol_(new PanelPetrolPage(panelPetrolSheet, services)),
      panelGaz_(new PanelGazPage(panelGazSheet, services)),
      przelacznik_(new PrzelacznikPage(przelacznikSheet, services)),
      view_(std::make_unique<ParameterBlockView>(services.settings, services.cylinders,
                                                 *panelPetrol_, *panelGaz_, *przelacznik_,
                                                 services.messages, services.setMapAxisMaximum))
{
    services.settings.addObserver(*view_);
}

SettingsPages::~SettingsPages() = default;

}  // namespace brivel
