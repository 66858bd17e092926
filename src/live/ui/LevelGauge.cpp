#include "live/ui/LevelGauge.h"

#include "live/LiveModel.h"
#include "widgets/ui/FormParts.h"

#include <QtWidgets/QLineEdit>

namespace brivel {

LevelGauge::LevelGauge(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& model) : QObject(page)
{
    // The group's caption follows the language: the caption table fills it.
    group_ = makeGroup(page, QStringLiteral("GroupBox18"), QString(), QRect(6, 330, 573, 130));
    voltage_ = new QLineEdit(QStringLiteral("0.00"), group_);
    voltage_->setObjectName(QStringLiteral("U_zbiornika"));
    voltage_->setReadOnly(true);
    voltage_->setAlignment(Qt::AlignRight);
    voltage_->setGeometry(12, 24, 60, 20);
    for (int quarter = 1; quarter <= 4; ++quarter) {
        TAbLED* led = makeLevelLed(flashTimer, group_, QStringLiteral("Gaz_led_%1p").arg(quarter),
                                   QStringLiteral("%1/4").arg(quarter));
        led->move(12 + (quarter - 1) * 60, 96);
        leds_.level[quarter - 1] = led;
    }
    leds_.reserve = makeReserveLed(flashTimer, group_, QStringLiteral("Rezerwa_led_panel"));
    leds_.reserve->move(252, 96);
    connect(&model, &LiveModel::changed, this, &LevelGauge::showLive);
}

void LevelGauge::showLive(const LiveSnapshot& s, LiveChanges changes)
{
    leds_.show(s, changes);
    if (changes & FrameDecoded)
        voltage_->setText(s.tankVoltageText);
}

}  // namespace brivel
