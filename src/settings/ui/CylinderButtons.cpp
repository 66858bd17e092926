#include "settings/ui/CylinderButtons.h"

#include "widgets/ui/FormParts.h"
#include "widgets/ui/TAbColBitBtn.h"

namespace brivel {

namespace {

const QColor Grey(0x80, 0x80, 0x80);
const QColor Red(255, 0, 0);

}  // namespace

CylinderButtons::CylinderButtons(QWidget* panel, TAbFlashTimer& flashTimer,
                                 const CylinderButtonsModel& model)
    : QObject(panel)
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
        button->setTextOn(QString::number(k + 1));
        // Below the group's title, whose descenders they would hide.
        button->setGeometry(6 + k * 20, 16, 17, 26);
        connect(button, &TAbBinGControl::clicked, this, [this, k] { emit buttonClicked(k); });
        buttons_[k] = button;
    }
    connect(&model, &CylinderButtonsModel::buttonsChanged, this, &CylinderButtons::render);
    render(model.buttons());
}

void CylinderButtons::render(const CylinderButtonsModel::Buttons& buttons)
{
    for (int k = 0; k < Count; ++k) {
        const CylinderButtonsModel::Button& state = buttons[k];
        TAbColBitBtn* button = buttons_[k];
        button->setColorOff(state.offColour == CylinderButtonsModel::OffColour::Red ? Red : Grey);
        button->setChecked(state.checked);
        button->setEnabled(state.enabled);
    }
}

}  // namespace brivel
