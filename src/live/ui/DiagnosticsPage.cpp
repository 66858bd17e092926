#include "live/ui/DiagnosticsPage.h"

#include "live/LiveModel.h"
#include "widgets/ui/TAbVBar.h"
#include "widgets/ui/TBarSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtWidgets/QLabel>

namespace brivel {

namespace {

TAbVBar* makeBar(TAbFlashTimer& flashTimer, QWidget* page, const QString& name, float from,
                 float to, const QString& barName, const QColor& color)
{
    auto* bar = new TAbVBar(flashTimer, page);
    bar->setObjectName(name);
    bar->signalSettings()->setValueRange(from, to);
    bar->signalSettings()->setValueFormat(QStringLiteral("##0.0"));
    bar->signalSettings()->setName2(barName);
    bar->barSettings()->setStyle(TBarSettings::bsLED_Bar);
    bar->barSettings()->setColor(color);
    return bar;
}

}  // namespace

DiagnosticsPage::DiagnosticsPage(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& model)
    : QObject(page)
{
    for (int k = 0; k < 8; ++k) {
        petrol_[k] = makeBar(flashTimer, page, QStringLiteral("Skala_PB_time%1A").arg(k + 1), 0, 30,
                             QStringLiteral("CYL %1").arg(k + 1), QColor(255, 0, 0));
        petrol_[k]->setGeometry(8 + k * 71, 6, 66, 288);
    }
    gas_ = makeBar(flashTimer, page, QStringLiteral("Skala_LPG_time1A"), 0.001f, 100,
                   QStringLiteral(" "), QColor(0, 255, 0));
    gas_->setGeometry(17, 330, 550, 130);

    auto* petrolCaption = new QLabel(QStringLiteral("Benzyna [ms]"), page);
    petrolCaption->setObjectName(QStringLiteral("Benzyna_1A"));
    petrolCaption->setGeometry(8, 296, 200, 16);
    // Filled by the caption table, which makes it the "Gaz" button's caption.
    auto* gasCaption = new QLabel(page);
    gasCaption->setObjectName(QStringLiteral("Gaz_1A"));
    gasCaption->setGeometry(17, 313, 200, 16);
    connect(&model, &LiveModel::changed, this, &DiagnosticsPage::showLive);
}

void DiagnosticsPage::showLive(const LiveSnapshot& s, LiveChanges changes)
{
    if (!(changes & FrameDecoded))
        return;
    gas_->setValue(s.gasTime);
    for (int k = 0; k < 8; ++k)
        petrol_[k]->setValue(s.petrolTimes[k]);
}

}  // namespace brivel
