#include "settings/ui/PanelGazPage.h"

#include "settings/EditorCommands.h"
#include "settings/InjectorTypes.h"
#include "settings/ui/PanelParts.h"
#include "settings/SettingsModel.h"
#include "widgets/ui/FormParts.h"
#include "widgets/ui/TAbVSlider.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QRadioButton>

namespace brivel {

using namespace settings;

namespace {

constexpr int LeftWidth = 284;
constexpr int RightLeft = 6 + LeftWidth + 6;
constexpr int RightWidth = 579 - RightLeft;
constexpr int SensorRowPitch = 34;

// Both pressures read in bar with two decimals; the minimum pressure has
// five steps more at the top of its range.
const panel::SliderRange WorkingPressureRange{0.40f, 2.50f, 40, 250};
const panel::SliderRange MinimumPressureRange{0.40f, 2.50f, 40, 255};

}  // namespace

PanelGazPage::PanelGazPage(QWidget* page, const SettingsPageServices& services)
    : QObject(page), services_(services)
{
    panel::styleSettingsPage(page);
    // Captions and group titles are left empty here: the caption table fills
    // them.
    QGroupBox* injector =
        makeGroup(page, QStringLiteral("GroupBox12"), QString(), QRect(6, 6, LeftWidth, 72));
    QFrame* tile = panel::makeTile(injector, QString(), QRect(8, 20, LeftWidth - 16, 44));
    QStringList injectors;
    for (const InjectorType& type : InjectorTypes)
        injectors.append(QString::fromLatin1(type.text));
    selTypWtrysku_ = panel::makeSelector(tile, QStringLiteral("Sel_Typ_wtrysku"), injectors,
                                         QRect(8, 9, LeftWidth - 32, 26));

    // The controller knows one sensor of each kind: the selectors show it and
    // are not for changing.
    QGroupBox* sensors = makeGroup(page, QStringLiteral("GroupBox19"), QString(),
                                   QRect(6, 84, LeftWidth, 20 + 3 * SensorRowPitch + 8));
    tile = panel::makeTile(sensors, QString(), QRect(8, 20, LeftWidth - 16, 3 * SensorRowPitch));
    const struct {
        const char* label;
        const char* name;
        const char* item;
        QComboBox** selector;
    } rows[] = {
        {"Label20", "P1_MAP_changer", "KVOS 01", &p1MapChanger_},
        {"Label21", "T_RED_changer", "2,2", &tRedChanger_},
        {"Label22", "T_GAZ_changer", "2,2", &tGazChanger_},
    };
    for (int i = 0; i < 3; ++i) {
        const int y = 5 + i * SensorRowPitch;
        panel::makeCaption(tile, QLatin1String(rows[i].label), QString(), QRect(8, y + 3, 140, 18));
        QComboBox* selector =
            panel::makeSelector(tile, QLatin1String(rows[i].name), {QLatin1String(rows[i].item)},
                                QRect(152, y, 108, 24));
        selector->setEnabled(false);
        *rows[i].selector = selector;
    }

    groupBox15_ = makeGroup(page, QStringLiteral("GroupBox15"), QString(),
                            QRect(6, 84 + sensors->height() + 6, LeftWidth, 52));
    lpgRadioButton_ = new QRadioButton(QStringLiteral("LPG"), groupBox15_);
    lpgRadioButton_->setObjectName(QStringLiteral("LPG_RadioButton"));
    lpgRadioButton_->setGeometry(12, 22, 80, 20);
    cngRadioButton_ = new QRadioButton(QStringLiteral("CNG"), groupBox15_);
    cngRadioButton_->setObjectName(QStringLiteral("CNG_RadioButton"));
    cngRadioButton_->setGeometry(120, 22, 80, 20);
    // The fuel kind is shown only where the controller is set up for it.
    groupBox15_->setEnabled(false);
    groupBox15_->hide();

    QGroupBox* pressures = makeGroup(page, QStringLiteral("GroupBox14"), QString(),
                                     QRect(RightLeft, 6, RightWidth, 454));
    const int sliderWidth = (RightWidth - 3 * 12) / 2;
    pPracyChanger_ = panel::makeVSlider(
        services.flashTimer, pressures, QStringLiteral("P_pracy_changer"), WorkingPressureRange,
        QStringLiteral("#0.00"), QStringLiteral("bar"), QRect(12, 22, sliderWidth, 420));
    pMinChanger_ =
        panel::makeVSlider(services.flashTimer, pressures, QStringLiteral("P_min_changer"),
                           MinimumPressureRange, QStringLiteral("#0.00"), QStringLiteral("bar"),
                           QRect(24 + sliderWidth, 22, sliderWidth, 420));
    pMinChanger_->signalSettings()->setName1(QStringLiteral("P. min"));
    // Labels every 0.3 bar from 0.4 to 2.5.
    for (TAbVSlider* slider : {pPracyChanger_, pMinChanger_})
        slider->scaleSettings()->setSteps(7);

    connect(selTypWtrysku_, &QComboBox::activated, this, &PanelGazPage::Sel_Typ_wtryskuChange);
    connect(p1MapChanger_, &QComboBox::activated, this, &PanelGazPage::P1_MAP_changerChange);
    connect(tRedChanger_, &QComboBox::activated, this, &PanelGazPage::T_RED_changerChange);
    connect(tGazChanger_, &QComboBox::activated, this, &PanelGazPage::T_GAZ_changerChange);
    connect(pPracyChanger_, &TAbAnalogCControl::valueCommitted, this,
            &PanelGazPage::P_pracy_changerValueChanged);
    connect(pMinChanger_, &TAbAnalogCControl::valueCommitted, this,
            &PanelGazPage::P_min_changerValueChanged);
    connect(lpgRadioButton_, &QRadioButton::clicked, this, &PanelGazPage::LPG_CNG_RadioButtonClick);
    connect(cngRadioButton_, &QRadioButton::clicked, this, &PanelGazPage::LPG_CNG_RadioButtonClick);

    connect(&services.settings, &SettingsModel::displayChanged, this, &PanelGazPage::show);
}

void PanelGazPage::show(const SettingsDisplay& d)
{
    panel::showItem(selTypWtrysku_, d.Sel_Typ_wtrysku);
    if (d.fuelIsCng) {
        lpgRadioButton_->setChecked(!*d.fuelIsCng);
        cngRadioButton_->setChecked(*d.fuelIsCng);
    }
    if (d.P_pracy_changer)
        pPracyChanger_->setValue(*d.P_pracy_changer);
    if (d.P_min_changer)
        pMinChanger_->setValue(*d.P_min_changer);
    panel::showItem(p1MapChanger_, d.P1_MAP_changer);
    panel::showItem(tRedChanger_, d.T_RED_changer);
    panel::showItem(tGazChanger_, d.T_GAZ_changer);
}

void PanelGazPage::Sel_Typ_wtryskuChange(int item)
{
    if (const auto command = editor::injectorType(item))
        command->queueOn(services_.sender);
}

void PanelGazPage::P1_MAP_changerChange()
{
    editor::pressureSensor().queueOn(services_.sender);
}

void PanelGazPage::T_RED_changerChange()
{
    editor::reducerTempSensor().queueOn(services_.sender);
}

void PanelGazPage::T_GAZ_changerChange()
{
    editor::gasTempSensor().queueOn(services_.sender);
}

void PanelGazPage::P_pracy_changerValueChanged(float bar)
{
    editor::workingPressure(bar).queueOn(services_.sender);
}

void PanelGazPage::P_min_changerValueChanged(float bar)
{
    editor::minimumPressure(bar).queueOn(services_.sender);
}

}  // namespace brivel
