#include "QtPrinters.h"
#include "ReplyFrames.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "live/ui/DiagnosticsPage.h"
#include "live/ui/LeftColumn.h"
#include "live/ui/LevelGauge.h"
#include "live/LiveModel.h"
#include "live/ui/OscilloscopePage.h"
#include "widgets/ui/TAb270Meter.h"
#include "widgets/TAbFlashTimer.h"
#include "widgets/ui/TAbLED.h"
#include "widgets/ui/TAbMiniTrend.h"
#include "widgets/ui/TAbVBar.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/ui/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <gtest/gtest.h>

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

using namespace brivel;

namespace {

// The live views on one model, as the window has them.
class LiveViewsTest : public ::testing::Test {
protected:
    void decode(std::initializer_list<std::pair<int, int>> bytes)
    {
        QByteArray f = test::liveFrame({{4, 1}});
        for (const auto& [offset, value] : bytes)
            f[offset] = static_cast<char>(value);
        model.DecodeLiveFrame(f);
    }

    test::VirtualClock clock;
    TAbFlashTimer flash{clock};
    MessageTable messages;
    LiveModel model{messages};
    QWidget window;
    LeftColumn column{&window, flash, model};
    DiagnosticsPage diagnostics{&window, flash, model};
    LevelGauge gauge{&window, flash, model};
    OscilloscopePage oscilloscope{&window, flash, model};
};

}  // namespace

TEST_F(LiveViewsTest, AFrameReachesTheReadoutsDialBarsAndGauge)
{
    decode({{21, 255}, {6, 45}, {18, 0}, {19, 20}, {22, 62}, {31, 3}, {30, 255}});
    EXPECT_FLOAT_EQ(column.rpmReadout()->value(), 25500);
    EXPECT_FLOAT_EQ(column.rpmDial()->value(), 25.5f);
    EXPECT_EQ(column.rpmDial()->sectorSettings()->offset(), LeftColumn::DialBandShown);
    EXPECT_FLOAT_EQ(column.petrolTimes()[0]->value(), 4.5f);
    EXPECT_FLOAT_EQ(diagnostics.petrolBars()[0]->value(), 4.5f);
    EXPECT_FLOAT_EQ(column.gasTime()->value(), 5.12f);
    EXPECT_FLOAT_EQ(diagnostics.gasBar()->value(), 5.12f);
    EXPECT_FLOAT_EQ(column.lambda1()->signalSettings()->valueTo(), 5);
    EXPECT_EQ(gauge.tankVoltage()->text(), QStringLiteral("5.00"));
    EXPECT_TRUE(gauge.levelLeds()[2]->isChecked());
    EXPECT_FALSE(gauge.levelLeds()[3]->isChecked());

    decode({{4, 0}, {22, 100}});
    EXPECT_FLOAT_EQ(column.lambda1()->value(), 0);
    EXPECT_EQ(column.rpmDial()->sectorSettings()->offset(), LeftColumn::DialBandHidden);
}

TEST_F(LiveViewsTest, TheReserveFlashesFromTheConnectAndGoesDarkAtTheDisconnect)
{
    model.linkConnected();
    EXPECT_TRUE(gauge.reserveLed()->isFlashing());
    decode({{31, 0}});
    EXPECT_TRUE(gauge.reserveLed()->isChecked());
    model.linkDisconnected();
    EXPECT_FALSE(gauge.reserveLed()->isFlashing());
    EXPECT_FALSE(gauge.reserveLed()->isChecked());
}

TEST_F(LiveViewsTest, ChosenOscilloscopeModeReceivesItsPairOfValues)
{
    TAbMiniTrend* trend = oscilloscope.trend();
    decode({{25, 0}, {26, 100}, {24, 120}});
    EXPECT_NEAR(trend->valueCh1(), 0, 1e-3);  // no mode chosen: nothing pushed

    oscilloscope.OSC_MAP_P1Click();
    EXPECT_EQ(trend->signalSettingsCh1()->name1(), QStringLiteral("MAP"));
    EXPECT_EQ(trend->signalSettingsCh1()->valueUnit(), QStringLiteral("[kPa] "));
    EXPECT_FLOAT_EQ(trend->signalSettingsCh1()->valueTo(), 250);
    EXPECT_FLOAT_EQ(trend->signalSettingsCh2()->valueTo(), 4);
    decode({{25, 0}, {26, 100}, {24, 120}});
    EXPECT_FLOAT_EQ(trend->valueCh1(), 100);
    EXPECT_FLOAT_EQ(trend->valueCh2(), 1.2f);

    // The lambda channel copies the probe's range top when the mode is chosen.
    oscilloscope.RPM_LAMBDA1Click();
    EXPECT_FLOAT_EQ(trend->signalSettingsCh2()->valueTo(), 100);
    decode({{21, 9}, {22, 70}});
    EXPECT_FLOAT_EQ(trend->valueCh1(), 0.9f);
    EXPECT_FLOAT_EQ(trend->signalSettingsCh2()->valueTo(), 100);
    oscilloscope.TEMP_LPG_REDClick();
    oscilloscope.RPM_LAMBDA1Click();
    EXPECT_FLOAT_EQ(trend->signalSettingsCh2()->valueTo(), 5);

    // A connect unchecks it: nothing is pushed until a mode is chosen again.
    oscilloscope.linkConnecting();
    EXPECT_FALSE(oscilloscope.modeButton(live::OscilloscopeMode::RpmLambda1)->isChecked());
    const float before = trend->valueCh1();
    decode({{21, 30}});
    EXPECT_FLOAT_EQ(trend->valueCh1(), before);
}
