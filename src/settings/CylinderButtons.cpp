#include "settings/CylinderButtons.h"

#include "widgets/FormParts.h"
#include "widgets/TAbColBitBtn.h"

namespace brivel {

namespace {

const QColor Grey(0x80, 0x80, 0x80);

}  // namespace

CylinderButtons::CylinderButtons(QWidget* panel, TAbFlashTimer& flashTimer) : QObject(panel)
{
    // Its design caption differs from the table's ("Aktywne inj. Gaz"); it
    // stays until a language is chosen.
    group_ = makeGroup(panel, QStringLiteral("aaa"), QStringLiteral("Aktywne gazowe"),
                       QRect(4, 466, 168, 43));
    for (int k = 0; k < Count; ++k) {
        auto* button = new TAbColBitBtn(flashTimer, group_);
        button->setObjectName(QStringLiteral("Cyl_%1_led").arg(k));
        button->setMode(TAbBinGControl::mIndicator);
        button->setColorOn(QColor(0, 255, 0));
        button->setColorOff(Grey);
        button->setTextOn(QString::number(k + 1));
        button->setGeometry(6 + k * 20, 12, 17, 30);
        buttons_[k] = button;
    }
}

void CylinderButtons::greyOut()
{
    for (TAbColBitBtn* button : buttons_) {
        button->setColorOff(Grey);
        button->setChecked(false);
    }
}

}  // namespace brivel
