#include "live/LiveDecoder.h"

#include "i18n/MessageTable.h"
#include "live/FaultMemo.h"
#include "live/OscilloscopeModes.h"
#include "platform/SystemColors.h"
#include "widgets/TAb270Meter.h"
#include "widgets/TAbLED.h"
#include "widgets/TAbMiniTrend.h"
#include "widgets/TAbToggleSwitch.h"
#include "widgets/TAbVBar.h"
#include "widgets/TAbValueInd.h"
#include "widgets/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

namespace brivel {

namespace {

void latchLambdaRange(TAbValueInd* lambda)
{
    if (lambda->value() > live::LambdaLatchVolts)
        lambda->signalSettings()->setValueTo(LiveDecoder::LatchedLambdaTop);
}

}  // namespace

LiveDecoder::LiveDecoder(const LiveIndicators& indicators, const MessageTable& messages)
    : ui_(indicators), messages_(messages)
{
}

void LiveDecoder::DecodeLiveFrame(const QByteArray& frame)
{
    switch (live::classify(frame)) {
        case live::FrameUse::Ignore:
            return;
        case live::FrameUse::Truncated:
            // A reply cut short would have to be read past its end; what it
            // holds is not a frame, so the indicators keep the last good one.
            return;
        case live::FrameUse::Decode:
            break;
    }
    const live::LiveReadings r = live::readLiveFrame(frame);
    showReadings(r);
    showLevel(r.tankLevel);
    ui_.tankVoltage->setText(live::tankVoltageText(r.tankVoltageByte, QLocale()));
    pushOscilloscope();
    showFaults(r);

    mapSamples_.store(frame);
    if (mapChartUpdate_)
        mapChartUpdate_(r.mapSelector);
    if (adaptationRunning_ && adaptationRunning_())
        adaptationRecord_.record(frame);
}

void LiveDecoder::showReadings(const live::LiveReadings& r)
{
    ui_.lambda1->setValue(r.lambda1);
    ui_.lambda2->setValue(r.lambda2);
    latchLambdaRange(ui_.lambda1);
    latchLambdaRange(ui_.lambda2);

    ui_.rpmDial->setValue(r.rpmThousands);
    ui_.rpmReadout->setValue(r.rpm);
    ui_.battery->setValue(r.battery);
    ui_.reducerTemp->setValue(r.reducerTemp);
    ui_.gasTemp->setValue(r.gasTemp);
    ui_.manifoldPressure->setValue(r.manifoldPressure);
    ui_.gasPressure->setValue(r.gasPressure);

    if (r.active) {
        ui_.fuelSwitch->setColorOff(QColor(255, 0, 0));
        ui_.fuelSwitch->setColorOn(QColor(0, 255, 0));
        ui_.rpmDial->sectorSettings()->setOffset(DialBandShown);
    } else {
        ui_.fuelSwitch->setColorOff(buttonFace());
        ui_.fuelSwitch->setColorOn(buttonFace());
        ui_.rpmDial->sectorSettings()->setOffset(DialBandHidden);
        // After the latch: the range still learns from the probes' real values.
        ui_.lambda1->setValue(0);
        ui_.lambda2->setValue(0);
    }
    ui_.fuelSwitch->setChecked(r.gasSelected);

    ui_.gasTime->setValue(r.gasTime);
    ui_.gasBar->setValue(r.gasTime);
    for (int k = 0; k < 8; ++k) {
        ui_.petrolTimes[k]->setValue(r.petrolTimes[k]);
        ui_.petrolBars[k]->setValue(ui_.petrolTimes[k]->value());
    }
}

void LiveDecoder::showLevel(int tankLevel)
{
    ui_.reserveTop->setChecked(tankLevel == 0);
    ui_.reservePanel->setChecked(tankLevel == 0);
    for (int quarter = 1; quarter <= 4; ++quarter) {
        // A full tank is exactly 4; anything above lights the first three only.
        const bool lit = quarter == 4 ? tankLevel == 4 : tankLevel >= quarter;
        ui_.levelTop[quarter - 1]->setChecked(lit);
        ui_.levelPanel[quarter - 1]->setChecked(lit);
    }
}

void LiveDecoder::pushOscilloscope()
{
    auto valueOf = [this](live::LiveSource source) -> float {
        switch (source) {
            case live::LiveSource::PetrolTime1:
                return ui_.petrolTimes[0]->value();
            case live::LiveSource::GasTime:
                return ui_.gasTime->value();
            case live::LiveSource::ManifoldPressure:
                return ui_.manifoldPressure->value();
            case live::LiveSource::GasPressure:
                return ui_.gasPressure->value();
            case live::LiveSource::GasTemp:
                return ui_.gasTemp->value();
            case live::LiveSource::ReducerTemp:
                return ui_.reducerTemp->value();
            case live::LiveSource::RpmThousands:
                return ui_.rpmDial->value();
            case live::LiveSource::Lambda1:
                return ui_.lambda1->value();
            case live::LiveSource::Lambda2:
                return ui_.lambda2->value();
        }
        return 0;
    };
    const auto& modes = live::oscilloscopeModes();
    for (size_t i = 0; i < modes.size(); ++i) {
        if (!ui_.oscilloscopeModes[i]->isChecked())
            continue;
        ui_.oscilloscope->setValueCh1(valueOf(modes[i].ch1.source));
        ui_.oscilloscope->setValueCh2(valueOf(modes[i].ch2.source));
        return;
    }
}

void LiveDecoder::showFaults(const live::LiveReadings& r)
{
    const QString text = live::currentFaultText(r.faultFlags1, r.injectorFaults, r.faultFlags2,
                                                [this](int row) { return messages_.message(row); });
    ui_.actualErrors->setText(text);
    ui_.errorLed->setVisible(!text.isEmpty());

    // The banner blinks between two reds, one step per frame, shown or not.
    QPalette palette = ui_.errorLed->palette();
    const bool red = palette.color(QPalette::Window) == BannerRed;
    palette.setColor(QPalette::Window, red ? BannerLightRed : BannerRed);
    ui_.errorLed->setPalette(palette);
}

}  // namespace brivel
