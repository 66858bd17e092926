#include "live/ui/LeftColumn.h"

#include "live/LiveModel.h"
#include "widgets/ui/FormParts.h"
#include "widgets/ui/TAb270Meter.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/ui/TArrowSettings.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/ui/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

namespace brivel {

namespace {

// The column has to hold five groups above the cylinder buttons.
constexpr int RowPitch = 16;
constexpr int ReadoutLabelWidth = 76;
constexpr int GroupWidth = 168;

TAbValueInd* makeReadout(TAbFlashTimer& flash, QWidget* parent, const QString& name,
                         const QString& format, const QString& unit)
{
    auto* readout = new TAbValueInd(flash, parent);
    readout->setObjectName(name);
    readout->setOptions(TAbValueInd::opUnit);
    QFont digits = readout->fontValue();
    digits.setPixelSize(11);
    readout->setFontValue(digits);
    readout->signalSettings()->setValueFormat(format);
    readout->signalSettings()->setValueUnit(unit);
    return readout;
}

}  // namespace

TAb270Meter* LeftColumn::makeRpmDial(TAbFlashTimer& flashTimer, QWidget* parent)
{
    auto* dial = new TAb270Meter(flashTimer, parent);
    dial->setObjectName(QStringLiteral("RPM_zegar"));
    dial->setGeometry(4, 11, 161, 138);
    dial->signalSettings()->setValueRange(0, 10);
    dial->signalSettings()->setValueUnit(QStringLiteral("x1000"));
    dial->signalSettings()->setValueFormat(QStringLiteral("##0"));
    dial->scaleSettings()->setSteps(10);
    dial->scaleSettings()->setSubSteps(5);
    dial->scaleSettings()->setValueFormat(QStringLiteral("##0"));
    QFont scaleFont(QStringLiteral("Arial"));
    scaleFont.setPixelSize(9);
    dial->scaleSettings()->setFont(scaleFont);
    dial->sectorSettings()->setSector(0, QColor(255, 255, 0), 0, 630);
    dial->sectorSettings()->setSector(1, QColor(255, 0, 0), 630, 700);
    dial->sectorSettings()->setSector(2, QColor(255, 255, 0), 700, 1000);
    dial->sectorSettings()->setWidthOffset(-8);
    dial->arrowSettings()->setColorPen(QColor(255, 0, 0));
    dial->arrowSettings()->setColorBrush(QColor(0, 0, 0));
    dial->setOptions(TAbRMeter::opSector | TAbRMeter::opUnit);
    return dial;
}

LeftColumn::LeftColumn(QWidget* panel, TAbFlashTimer& flashTimer, LiveModel& model)
    : QObject(panel), flashTimer_(flashTimer)
{
    QGroupBox* rpm = makeGroup(panel, QStringLiteral("GroupBox7"), QStringLiteral("RPM"),
                               QRect(4, 0, GroupWidth, 146));
    rpmDial_ = makeRpmDial(flashTimer, rpm);
    // The read-out sits in the gap the 270° scale leaves at the dial's foot.
    rpmReadout_ = makeReadout(flashTimer, rpm, QStringLiteral("RPM_Edit"), QStringLiteral("###0"),
                              QStringLiteral("obr/min"));
    rpmReadout_->move((GroupWidth - rpmReadout_->width()) / 2, 130);

    // Captions that follow the language are left empty here: the caption
    // table fills them. The three "Gaz" labels (Gaz_0 … Gaz_2) are the "Gaz"
    // button's caption of the map page.
    QGroupBox* pressure = makeGroup(panel, QStringLiteral("Cisnienie_GroupBox"), QString(),
                                    QRect(4, 146, GroupWidth, 48));
    gasPressure_ =
        addReadout(pressure, 0, QStringLiteral("Gaz_0"), QString(), QStringLiteral("P1_MAP_edit"),
                   QStringLiteral("#0.0"), QStringLiteral(" bar"));
    manifoldPressure_ =
        addReadout(pressure, 1, QStringLiteral("P_MAP_label"), QStringLiteral("MAP "),
                   QStringLiteral("P_MAP_edit"), QStringLiteral("##0.0"), QStringLiteral("kPa"));

    QGroupBox* times = makeGroup(panel, QStringLiteral("Czas_wtrysku_GroupBox"), QString(),
                                 QRect(4, 194, GroupWidth, 160));
    for (int k = 1; k <= 8; ++k)
        petrolTimes_[k - 1] = addReadout(times, k - 1, QStringLiteral("Benzyna_%1").arg(k),
                                         QStringLiteral("Benzyna %1").arg(k),
                                         QStringLiteral("Skala_PB_time%1").arg(k),
                                         QStringLiteral("##0.0"), QStringLiteral("ms"));
    gasTime_ =
        addReadout(times, 8, QStringLiteral("Gaz_1"), QString(), QStringLiteral("Skala_LPG_time1"),
                   QStringLiteral("##0.0"), QStringLiteral("ms"));

    QGroupBox* temperature =
        makeGroup(panel, QStringLiteral("GroupBox8"), QString(), QRect(4, 354, GroupWidth, 48));
    gasTemp_ = addReadout(temperature, 0, QStringLiteral("Gaz_2"), QString(),
                          QStringLiteral("TempGaz"), QStringLiteral("##0.0"), QStringLiteral("°C"));
    reducerTemp_ =
        addReadout(temperature, 1, QStringLiteral("TempWoda_label"), QStringLiteral("Red."),
                   QStringLiteral("TempWoda"), QStringLiteral("##0.0"), QStringLiteral("°C"));

    // Its design caption is not the table's text ("Napięcie  "), so it stays
    // until a language is chosen.
    QGroupBox* voltage = makeGroup(panel, QStringLiteral("GroupBox_Napiecie"),
                                   QStringLiteral("Napięcie"), QRect(4, 402, GroupWidth, 64));
    lambda1_ = addReadout(voltage, 0, QStringLiteral("lambda_1_label"), QStringLiteral("Lambda 1"),
                          QStringLiteral("lambda_1"), QStringLiteral("##0.0"), QStringLiteral("V"));
    lambda2_ = addReadout(voltage, 1, QStringLiteral("lambda_2_label"), QStringLiteral("Lambda 2"),
                          QStringLiteral("lambda_2"), QStringLiteral("##0.0"), QStringLiteral("V"));
    battery_ =
        addReadout(voltage, 2, QStringLiteral("BATERY_vpp_label"), QStringLiteral("Akumulator"),
                   QStringLiteral("BATERY_vpp"), QStringLiteral("##0.0"), QStringLiteral("V"));

    connect(&model, &LiveModel::changed, this, &LeftColumn::showLive);
}

TAbValueInd* LeftColumn::addReadout(QWidget* group, int row, const QString& labelName,
                                    const QString& caption, const QString& name,
                                    const QString& format, const QString& unit)
{
    const int y = 14 + row * RowPitch;
    makeLabel(group, labelName, caption, QRect(4, y + 1, ReadoutLabelWidth, 16));
    TAbValueInd* readout = makeReadout(flashTimer_, group, name, format, unit);
    // The read-out sizes itself to its format and unit; it stands right-aligned.
    readout->move(group->width() - 4 - readout->width(), y);
    return readout;
}

void LeftColumn::prepareDial()
{
    rpmDial_->sectorSettings()->setOffset(DialBandHidden);
    rpmDial_->arrowSettings()->setShape(6);
}

void LeftColumn::showLive(const LiveSnapshot& s, LiveChanges changes)
{
    if (!(changes & FrameDecoded))
        return;
    lambda1_->setValue(s.lambda1);
    lambda2_->setValue(s.lambda2);
    lambda1_->signalSettings()->setValueTo(s.lambda1Top);
    lambda2_->signalSettings()->setValueTo(s.lambda2Top);
    rpmDial_->setValue(s.rpmThousands);
    rpmDial_->sectorSettings()->setOffset(s.active ? DialBandShown : DialBandHidden);
    rpmReadout_->setValue(s.rpm);
    battery_->setValue(s.battery);
    reducerTemp_->setValue(s.reducerTemp);
    gasTemp_->setValue(s.gasTemp);
    manifoldPressure_->setValue(s.manifoldPressure);
    gasPressure_->setValue(s.gasPressure);
    gasTime_->setValue(s.gasTime);
    for (int k = 0; k < 8; ++k)
        petrolTimes_[k]->setValue(s.petrolTimes[k]);
}

}  // namespace brivel
