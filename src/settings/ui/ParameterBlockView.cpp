#include "settings/ui/ParameterBlockView.h"

#include "i18n/MessageTable.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/ui/PanelGazPage.h"
#include "settings/ui/PanelPetrolPage.h"
#include "settings/ParameterBlockDecoder.h"
#include "settings/ui/PrzelacznikPage.h"
#include "settings/SettingsModel.h"

#include <QtCore/QLocale>

namespace brivel {

using namespace settings;

ParameterBlockView::ParameterBlockView(SettingsModel& settings, CylinderButtonsModel& cylinders,
                                       PanelPetrolPage& panelPetrol, PanelGazPage& panelGaz,
                                       PrzelacznikPage& przelacznik, const MessageTable& messages,
                                       std::function<void(int)> setMapAxisMaximum)
    : settings_(settings),
      cylinders_(cylinders),
      panelPetrol_(panelPetrol),
      panelGaz_(panelGaz),
      przelacznik_(przelacznik),
      messages_(messages),
      setMapAxisMaximum_(std::move(setMapAxisMaximum))
{
}

void ParameterBlockView::settingsChanged(const SettingsModel& model)
{
    if (model.revision() == shownRevision_)
        return;
    shownRevision_ = model.revision();
    DecodeParameterBlock();
}

void ParameterBlockView::DecodeParameterBlock()
{
    const ParameterBlock block(settings_.parameterBlock());
    // Decimal texts follow the system's separator; fault texts the language
    // chosen now.
    const SettingsDisplay d = decodeParameterBlock(
        block, [this](msg::Row row) { return messages_.text(row); }, QLocale());
    cylinders_.show(d.cylinders);
    panelPetrol_.show(d);
    if (d.mapAxisMaximum && setMapAxisMaximum_)
        setMapAxisMaximum_(*d.mapAxisMaximum);
    panelGaz_.show(d);
    przelacznik_.show(d, block.byte(Field::LevelSensorKind));
    settings_.setStoredFaultText(d.Register_errors_memo);
}

}  // namespace brivel
