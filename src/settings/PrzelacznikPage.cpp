#include "settings/PrzelacznikPage.h"

#include "live/LevelGauge.h"

#include <QtWidgets/QWidget>

namespace brivel {

PrzelacznikPage::PrzelacznikPage(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& live)
    : QObject(page), levelGauge_(new LevelGauge(page, flashTimer, live))
{
}

}  // namespace brivel
