#include "settings/ui/PrzelacznikPage.h"

#include "live/ui/LevelGauge.h"
#include "settings/ui/PanelParts.h"
#include "settings/SettingsModel.h"
#include "widgets/ui/FormParts.h"
#include "widgets/ui/TAbHSlider.h"
#include "widgets/ui/TAbLED.h"
#include "widgets/ui/TAbVSlider.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QFocusEvent>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>

#include <algorithm>
#include <iterator>

namespace brivel {

using namespace settings;

namespace {

constexpr int GroupWidth = 575;
constexpr int RowPitch = 40;
constexpr int LabelLeft = 12;
constexpr int LabelWidth = 134;
constexpr int SliderLeft = LabelLeft + LabelWidth;
constexpr int SliderWidth = 326;
constexpr int ValueRight = SliderLeft + SliderWidth + 70;
constexpr int GroupTop = 18;

struct SliderDefinition {
    const char* name;
    // Null where the caption table gives the label.
    const char* label;
    panel::SliderRange range;
    const char* format;
    const char* unit;
    int scaleSteps;
};

// In the order of SwitchOverSlider: four to gas, two back to petrol.
const SliderDefinition Sliders[PrzelacznikPage::SwitchOverSliders] = {
    {"Temp_LPG_changer", nullptr, {20, 90, 20, 90}, "#0.0", "°C", 7},
    {"RPM_Prog_przel", "RPM", {300, 6000, 0, 60}, "###0", "RPM", 6},
    {"T_przel_to_LPG", nullptr, {2, 60, 2, 60}, "#0.0", "s", 2},
    {"T_CYL_seqence", nullptr, {0, 2550, 0, 255}, "###0", "ms", 5},
    {"T_zwloki_changer", "Czas błędu ciśnienia", {0, 1450, 0, 1450}, "###0", "ms", 5},
    {"RPM_Max_To_Petrol", "Max. RPM", {0, 12000, 0, 120}, "####0", "RPM", 6},
};
constexpr int SlidersToGas = 4;

// The threshold slider: 0-5.00 V in steps of 0.01 V, moved with the up and
// down keys only.
const panel::SliderRange ThresholdRange{0.0f, 5.0f, 0, 500};
constexpr int ThresholdSliderWidth = 26;
constexpr int ThresholdSliderHeight = 100;
// Each box stands right of where the slider appears for it, its level LED
// below it.
constexpr int BoxOffset = ThresholdSliderWidth + 4;
constexpr int BoxTop = 40;
constexpr int LedTop = 90;
const QColor Marked(0, 128, 0);

// Focus that comes and goes with a popup or another window is no edit.
bool editFocus(const QEvent* event)
{
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

PrzelacznikPage::PrzelacznikPage(QWidget* page, const SettingsPageServices& services)
    : QObject(page),
      services_(services),
      thresholds_(services.thresholds),
      levelGauge_(new LevelGauge(page, services.flashTimer, services.live))
{
    panel::styleSettingsPage(page);
    buildSwitchOver(page);
    buildLevelSensor();
    connect(&thresholds_, &LevelThresholdEditor::stateChanged, this,
            &PrzelacznikPage::showThresholds);
    showThresholds(thresholds_.state());
    connect(&services.settings, &SettingsModel::displayChanged, this, &PrzelacznikPage::show);
}

void PrzelacznikPage::buildSwitchOver(QWidget* page)
{
    // Their design titles differ from the table's; they stay until a
    // language is chosen.
    QGroupBox* toGas = makeGroup(page, QStringLiteral("GroupBox13"),
                                 QStringLiteral("Parametry przełączania na Gaz"),
                                 QRect(6, 4, GroupWidth, GroupTop + SlidersToGas * RowPitch + 6));
    QGroupBox* toPetrol = makeGroup(
        page, QStringLiteral("GroupBox17"), QStringLiteral("Parametry przełączania na Petrol"),
        QRect(6, toGas->geometry().bottom() + 5, GroupWidth,
              GroupTop + (SwitchOverSliders - SlidersToGas) * RowPitch + 30));

    for (int i = 0; i < SwitchOverSliders; ++i) {
        const SliderDefinition& definition = Sliders[i];
        QGroupBox* group = i < SlidersToGas ? toGas : toPetrol;
        const int row = i < SlidersToGas ? i : i - SlidersToGas;
        const int y = GroupTop + row * RowPitch;
        const QString name = QLatin1String(definition.name);
        panel::makeCaption(group, name + QStringLiteral("_label"),
                           definition.label ? QString::fromUtf8(definition.label) : QString(),
                           QRect(LabelLeft, y + 10, LabelWidth - 4, 18));
        const panel::SliderRow slider = panel::makeSliderRow(
            services_.flashTimer, group, name, definition.range, QLatin1String(definition.format),
            QString::fromUtf8(definition.unit), QRect(SliderLeft, y, SliderWidth, RowPitch - 2),
            ValueRight);
        slider.slider->scaleSettings()->setSteps(definition.scaleSteps);
        sliders_[i] = slider.slider;
        indicators_[i] = slider.indicator;
        const auto which = static_cast<SwitchOverSlider>(i);
        connect(slider.slider, &TAbAnalogCControl::valueCommitted, this,
                [this, which](float value) { switchOverValueChanged(which, value); });
    }
    TAbHSlider* rpm = slider(SwitchOverSlider::RPM_Prog_przel);
    rpm->setChangeSmall(3);
    rpm->setChangeLarge(20);

    const int y = GroupTop + (SwitchOverSliders - SlidersToGas) * RowPitch + 4;
    checkByFirst_ = panel::makeCheckBox(toPetrol, QStringLiteral("Check_by_first"),
                                        QRect(SliderLeft, y, 20, 20));
    panel::makeCaption(toPetrol, QStringLiteral("Label24"),
                       QStringLiteral("Przełącz przy pierwszym P min"),
                       QRect(SliderLeft + 22, y + 1, SliderWidth, 18));
    connect(checkByFirst_, &QCheckBox::clicked, this, &PrzelacznikPage::Check_by_firstClick);
}

void PrzelacznikPage::buildLevelSensor()
{
    QWidget* group = levelGauge_->group();
    // The captions follow the language: the caption table fills them.
    panel::makeCaption(group, QStringLiteral("Label16"), QString(), QRect(12, 20, 130, 16));
    levelGauge_->tankVoltage()->setGeometry(12, 38, 64, 20);
    panel::makeCaption(group, QStringLiteral("Label17"), QString(), QRect(12, 66, 130, 16));
    rodzCzujLpg_ = panel::makeSelector(group, QStringLiteral("Rodz_czuj_LPG"),
                                       {QStringLiteral("0-90 Ohm"), QStringLiteral("90-0 Ohm")},
                                       QRect(12, 84, 112, 24));
    rodzCzujLpg_->installEventFilter(this);
    connect(rodzCzujLpg_, &QComboBox::activated, this, &PrzelacznikPage::Rodz_czuj_LPGChange);

    for (int i = 0; i < 4; ++i) {
        const int left = ThresholdSliderLeft[i] + BoxOffset;
        auto* box = new QLineEdit(group);
        box->setObjectName(QStringLiteral("Ch_U_LPG_%1").arg(i + 1));
        box->setReadOnly(true);
        box->setMaxLength(4);
        box->setAlignment(Qt::AlignRight);
        box->setGeometry(left, BoxTop, 40, 20);
        box->installEventFilter(this);
        boxes_[i] = box;
        levelGauge_->levelLeds()[i]->move(left, LedTop);
    }
    levelGauge_->reserveLed()->move(ThresholdSliderLeft[3] + BoxOffset + 70, LedTop);

    chULpgChanger_ =
        panel::makeVSlider(services_.flashTimer, group, QStringLiteral("Ch_U_LPG_changer"),
                           ThresholdRange, QStringLiteral("0.00"), QStringLiteral("V"),
                           QRect(ThresholdSliderLeft[0], ThresholdSliderTop, ThresholdSliderWidth,
                                 ThresholdSliderHeight));
    chULpgChanger_->setOptions(TAbVSlider::opBevelOuter);
    chULpgChanger_->setButtonSize(18);
    chULpgChanger_->setEnabledKeys(TAbAnalogCControl::_VK_UP | TAbAnalogCControl::_VK_DOWN);
    chULpgChanger_->setChangeLarge(500);
    chULpgChanger_->hide();
    chULpgChanger_->installEventFilter(this);
    connect(chULpgChanger_, &TAbAnalogCControl::valueChanged, this,
            &PrzelacznikPage::Ch_U_LPG_changerValueChange);
    // The committed value is already in the marked box: the slider moved it
    // there.
    connect(chULpgChanger_, &TAbAnalogCControl::valueCommitted, this,
            &PrzelacznikPage::Ch_U_LPG_X_Change);
}

TAbHSlider* PrzelacznikPage::slider(SwitchOverSlider which) const
{
    return sliders_[static_cast<std::size_t>(which)];
}

TAbValueInd* PrzelacznikPage::indicator(SwitchOverSlider which) const
{
    return indicators_[static_cast<std::size_t>(which)];
}

void PrzelacznikPage::show(const SettingsDisplay& d)
{
    panel::showChecked(checkByFirst_, d.Check_by_first);
    const std::optional<float> values[SwitchOverSliders] = {
        d.Temp_LPG_changer, d.RPM_Prog_przel,   d.T_przel_to_LPG,
        d.T_CYL_seqence,    d.T_zwloki_changer, d.RPM_Max_To_Petrol};
    for (int i = 0; i < SwitchOverSliders; ++i)
        if (values[i])
            sliders_[i]->setValue(*values[i]);
}

void PrzelacznikPage::showThresholds(const LevelThresholdEditor::State& state)
{
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = boxes_[i];
        box->setText(state.texts[i]);
        const bool marked = state.markedBox == i;
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, marked ? Marked : QPalette().color(QPalette::Base));
        palette.setColor(QPalette::Text,
                         marked ? QColor(Qt::white) : QPalette().color(QPalette::Text));
        box->setPalette(palette);
    }
    panel::showItem(rodzCzujLpg_, state.sensorItem);
    if (const auto marked = state.markedBox) {
        chULpgChanger_->move(ThresholdSliderLeft[*marked], ThresholdSliderTop);
        return;
    }
    // An edit that ends with the slider in hand hands the focus to the tank
    // voltage, never to whatever control comes next.
    if (chULpgChanger_->hasFocus())
        levelGauge_->tankVoltage()->setFocus(Qt::OtherFocusReason);
    chULpgChanger_->hide();
}

void PrzelacznikPage::switchOverValueChanged(SwitchOverSlider which, float value)
{
    editor::switchOver(which, value).queueOn(services_.sender);
}

void PrzelacznikPage::Check_by_firstClick(bool checked)
{
    editor::petrolAtFirstMinimum(checked).queueOn(services_.sender);
}

void PrzelacznikPage::Ch_U_LPG_X_Enter(QWidget* sender)
{
    chULpgChanger_->move(chULpgChanger_->x(), ThresholdSliderTop);
    if (sender == rodzCzujLpg_) {
        thresholds_.startSensorEdit();
        return;
    }
    const auto found = std::find(boxes_.begin(), boxes_.end(), sender);
    if (found == boxes_.end())
        return;
    const auto volts =
        thresholds_.startBoxEdit(static_cast<int>(std::distance(boxes_.begin(), found)));
    // Set with the box marked, the slider's value rewrites the box as the
    // slider shows it.
    if (volts)
        chULpgChanger_->setValue(*volts);
    chULpgChanger_->show();
    chULpgChanger_->setFocus(Qt::OtherFocusReason);
}

void PrzelacznikPage::Ch_U_LPG_changerValueChange(float volts)
{
    thresholds_.followSlider(volts);
}

void PrzelacznikPage::Ch_U_LPG_X_Change()
{
    thresholds_.commitThresholds();
}

void PrzelacznikPage::Rodz_czuj_LPGChange(int item)
{
    thresholds_.chooseSensorKind(item);
    levelGauge_->tankVoltage()->setFocus(Qt::OtherFocusReason);
}

void PrzelacznikPage::Ch_U_LPG_X_Exit()
{
    thresholds_.endEdit();
}

bool PrzelacznikPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn && editFocus(event) && widget != chULpgChanger_)
        Ch_U_LPG_X_Enter(widget);
    else if (event->type() == QEvent::FocusOut && editFocus(event) &&
             (widget == chULpgChanger_ || widget == rodzCzujLpg_))
        Ch_U_LPG_X_Exit();
    return QObject::eventFilter(watched, event);
}

}  // namespace brivel
