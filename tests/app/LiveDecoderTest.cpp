#include "ReplyFrames.h"
#include "WindowFixture.h"
#include "live/FaultMemo.h"
#include "live/LiveDecoder.h"
#include "live/OscilloscopePage.h"
#include "widgets/TAb270Meter.h"
#include "widgets/TAbLED.h"
#include "widgets/TAbMiniTrend.h"
#include "widgets/TAbToggleSwitch.h"
#include "widgets/TAbVBar.h"
#include "widgets/TAbValueInd.h"
#include "widgets/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

using namespace brivel;

namespace {

// A live frame from an active controller.
QByteArray frame(std::initializer_list<std::pair<int, int>> bytes = {})
{
    QByteArray f = test::liveFrame({{4, 1}});
    for (const auto& [offset, value] : bytes)
        f[offset] = char(value);
    return f;
}

class LiveDecoderTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        open(port);
        ui = &window->liveIndicators();
    }
    void decode(const QByteArray& f) { window->liveDecoder().DecodeLiveFrame(f); }
    QStringList faultLines() const
    {
        QStringList lines = ui->actualErrors->text().split(QStringLiteral("\r\n"));
        lines.removeAll(QString());
        return lines;
    }
    QList<bool> levelLeds() const
    {
        QList<bool> lit;
        for (TAbLED* led : ui->levelTop)
            lit << led->isChecked();
        lit << ui->reserveTop->isChecked();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(ui->levelPanel[i]->isChecked(), ui->levelTop[i]->isChecked());
        EXPECT_EQ(ui->reservePanel->isChecked(), ui->reserveTop->isChecked());
        return lit;
    }

    test::TestSerialPort port;
    const LiveIndicators* ui = nullptr;
};

}  // namespace

TEST_F(LiveDecoderTest, RepliesTooShortForAFrameChangeNothing)
{
    decode(frame({{21, 8}, {29, 200}}));
    for (int size : {0, 1, 5, 6, 40, 56}) {
        QByteArray shortReply = frame({{21, 30}, {29, 0}, {34, 0}}).left(size);
        decode(shortReply);
        EXPECT_FLOAT_EQ(ui->rpmReadout->value(), 800) << size;
        EXPECT_FLOAT_EQ(ui->battery->value(), 12.97f) << size;
        EXPECT_TRUE(ui->errorLed->isHidden()) << size;
    }
}

TEST_F(LiveDecoderTest, ShowsTheReadingsOnTheReadoutsDialAndBars)
{
    decode(frame({{21, 255},
                  {29, 255},
                  {32, 0x80},
                  {33, 0xFF},
                  {25, 0},
                  {26, 100},
                  {23, 0},
                  {24, 120},
                  {6, 45},
                  {7, 0},
                  {53, 0},
                  {54, 1},
                  {18, 0},
                  {19, 20},
                  {20, 0}}));
    EXPECT_FLOAT_EQ(ui->rpmReadout->value(), 25500);
    EXPECT_FLOAT_EQ(ui->rpmDial->value(), 25.5f);
    EXPECT_FLOAT_EQ(ui->battery->value(), 16.34f);
    EXPECT_EQ(ui->battery->valueText(), QStringLiteral("16.3"));
    EXPECT_FLOAT_EQ(ui->reducerTemp->value(), -128);
    EXPECT_FLOAT_EQ(ui->gasTemp->value(), -1);
    EXPECT_FLOAT_EQ(ui->manifoldPressure->value(), 100);
    EXPECT_FLOAT_EQ(ui->gasPressure->value(), 1.2f);
    EXPECT_FLOAT_EQ(ui->petrolTimes[0]->value(), 4.5f);
    EXPECT_FLOAT_EQ(ui->petrolBars[0]->value(), 4.5f);
    EXPECT_FLOAT_EQ(ui->petrolTimes[7]->value(), 25.6f);
    EXPECT_FLOAT_EQ(ui->petrolBars[7]->value(), 25.6f);
    EXPECT_FLOAT_EQ(ui->gasTime->value(), 5.12f);
    EXPECT_FLOAT_EQ(ui->gasBar->value(), 5.12f);

    decode(frame({{29, 0}}));
    EXPECT_FLOAT_EQ(ui->battery->value(), 0.7f);
}

TEST_F(LiveDecoderTest, LambdaRangeLatchesAt62AndNeverGoesBack)
{
    decode(frame({{22, 61}, {55, 0}}));
    EXPECT_FLOAT_EQ(ui->lambda1->signalSettings()->valueTo(), 100);
    decode(frame({{22, 62}}));
    EXPECT_FLOAT_EQ(ui->lambda1->signalSettings()->valueTo(), 5);
    EXPECT_FLOAT_EQ(ui->lambda2->signalSettings()->valueTo(), 100);
    decode(frame({{22, 0}}));
    EXPECT_FLOAT_EQ(ui->lambda1->signalSettings()->valueTo(), 5);
}

TEST_F(LiveDecoderTest, AnInactiveControllerZeroesLambdaAfterTheLatchAndGreysTheSwitch)
{
    decode(frame({{4, 1}, {55, 100}}));
    EXPECT_EQ(ui->fuelSwitch->colorOn(), QColor(0, 255, 0));
    EXPECT_EQ(ui->fuelSwitch->colorOff(), QColor(255, 0, 0));
    EXPECT_EQ(ui->rpmDial->sectorSettings()->offset(), 0);

    decode(frame({{4, 0}, {5, 1}, {22, 100}}));
    EXPECT_FLOAT_EQ(ui->lambda1->value(), 0);
    EXPECT_FLOAT_EQ(ui->lambda2->value(), 0);
    EXPECT_FLOAT_EQ(ui->lambda1->signalSettings()->valueTo(), 5);
    EXPECT_EQ(ui->rpmDial->sectorSettings()->offset(), 300);
    EXPECT_EQ(ui->fuelSwitch->colorOn(), ui->fuelSwitch->colorOff());
    EXPECT_NE(ui->fuelSwitch->colorOn(), QColor(0, 255, 0));
    EXPECT_TRUE(ui->fuelSwitch->isChecked());
}

TEST_F(LiveDecoderTest, LevelLedsFollowTheTankLevel)
{
    const std::pair<int, QList<bool>> cases[] = {
        {0, {false, false, false, false, true}},
        {2, {true, true, false, false, false}},
        {4, {true, true, true, true, false}},
        {5, {true, true, true, false, false}},  // a full tank is exactly 4
    };
    for (const auto& [level, lit] : cases) {
        decode(frame({{31, level}}));
        EXPECT_EQ(levelLeds(), lit) << level;
    }
}

TEST_F(LiveDecoderTest, TankVoltageUsesTheLocaleSeparator)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    decode(frame({{30, 255}}));
    EXPECT_EQ(ui->tankVoltage->text(), QStringLiteral("5,00"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    decode(frame({{30, 0}}));
    EXPECT_EQ(ui->tankVoltage->text(), QStringLiteral("0.00"));
    QLocale::setDefault(before);
}

TEST_F(LiveDecoderTest, FaultListShowsTheBannerWhichBlinksEveryFrame)
{
    decode(frame({{34, 0xF7}, {35, 0xFA}}));
    EXPECT_EQ(faultLines(),
              QStringList({"1 - Cisnienie gazu za wysokie", "2 - Błąd wtryskiwacza :  1 3"}));
    EXPECT_FALSE(ui->errorLed->isHidden());
    const QColor first = ui->errorLed->palette().color(QPalette::Window);
    decode(frame({{34, 0xF7}, {35, 0xFA}}));
    const QColor second = ui->errorLed->palette().color(QPalette::Window);
    EXPECT_NE(first, second);
    EXPECT_TRUE(first == LiveDecoder::BannerRed || first == LiveDecoder::BannerLightRed);

    decode(frame());
    EXPECT_TRUE(ui->actualErrors->text().isEmpty());
    EXPECT_TRUE(ui->errorLed->isHidden());
    EXPECT_EQ(ui->errorLed->palette().color(QPalette::Window), first);  // still toggling

    decode(frame({{34, 0x03}}));
    EXPECT_EQ(faultLines().size(), 6);
}

TEST_F(LiveDecoderTest, ChosenOscilloscopeModeReceivesItsPairOfValues)
{
    OscilloscopePage& page = window->oscilloscopePage();
    TAbMiniTrend* trend = page.trend();
    decode(frame({{25, 0}, {26, 100}, {24, 120}}));
    EXPECT_NEAR(trend->valueCh1(), 0, 1e-3);  // no mode chosen: nothing pushed

    page.OSC_MAP_P1Click();
    EXPECT_EQ(trend->signalSettingsCh1()->name1(), QStringLiteral("MAP"));
    EXPECT_EQ(trend->signalSettingsCh1()->valueUnit(), QStringLiteral("[kPa] "));
    EXPECT_FLOAT_EQ(trend->signalSettingsCh1()->valueTo(), 250);
    EXPECT_FLOAT_EQ(trend->signalSettingsCh2()->valueTo(), 4);
    decode(frame({{25, 0}, {26, 100}, {24, 120}}));
    EXPECT_FLOAT_EQ(trend->valueCh1(), 100);
    EXPECT_FLOAT_EQ(trend->valueCh2(), 1.2f);

    // The lambda channel copies the probe's range top when the mode is chosen.
    page.RPM_LAMBDA1Click();
    EXPECT_FLOAT_EQ(trend->signalSettingsCh2()->valueTo(), 100);
    decode(frame({{21, 9}, {22, 70}}));
    EXPECT_FLOAT_EQ(trend->valueCh1(), 0.9f);
    EXPECT_FLOAT_EQ(trend->signalSettingsCh2()->valueTo(), 100);
    page.TEMP_LPG_REDClick();
    page.RPM_LAMBDA1Click();
    EXPECT_FLOAT_EQ(trend->signalSettingsCh2()->valueTo(), 5);

    page.clearLambdaModes();
    EXPECT_FALSE(page.modeButton(live::OscilloscopeMode::RpmLambda1)->isChecked());
    const float before = trend->valueCh1();
    decode(frame({{21, 30}}));
    EXPECT_FLOAT_EQ(trend->valueCh1(), before);
}
