#include "KitTest.h"

#include "widgets/ui/TAbMiniTrend.h"
#include "widgets/TSignalSettings.h"

namespace brivel::test {
namespace {

class MiniTrend : public KitTest {
protected:
    // 'Oscyloskop' as the window configures it.
    TAbMiniTrend* oscilloscope()
    {
        auto* t = new TAbMiniTrend(flashTimer, &parent);
        t->setGeometry(0, 10, 585, 327);
        t->setOptions(TAbMiniTrend::opBevelOuter | TAbMiniTrend::opScaleCh1 |
                      TAbMiniTrend::opScaleCh2 | TAbMiniTrend::opSignDescCh1 |
                      TAbMiniTrend::opSignDescCh2 | TAbMiniTrend::opGrid);
        t->setTimeScale(1);
        for (TSignalSettings* s : {t->signalSettingsCh1(), t->signalSettingsCh2()}) {
            s->setValueTo(50);
            s->setDigitalTo(50);
            s->setValueFormat(QStringLiteral("##0"));
            s->setName1(QStringLiteral(" "));
            s->setName2(QStringLiteral(" "));
            s->setValueUnit(QStringLiteral(" "));
        }
        t->setDigitCh1(0);
        t->setDigitCh2(0);
        return t;
    }

    // Lets the trend take one sample.
    void sample(TAbMiniTrend* t) { clock.advance(t->timeBase().periodMs); }

    static QRgb lime() { return qRgb(0, 255, 0); }
    static QRgb yellow() { return qRgb(255, 255, 0); }
};

TEST_F(MiniTrend, OscilloscopeTimeBaseIsFiftyPixelsAndSixSecondsPerDivision)
{
    TAbMiniTrend* t = oscilloscope();
    showParent();
    EXPECT_GE(t->plotRect().width(), 495);
    EXPECT_LE(t->plotRect().width(), 520);
    EXPECT_EQ(t->timeBase().step, 2);
    EXPECT_EQ(t->timeBase().divisionWidth, 50);
    EXPECT_EQ(t->timeBase().periodMs, 240);
    EXPECT_EQ(t->timeLabel(), QStringLiteral("6s/div"));
}

TEST_F(MiniTrend, RunsFromCreationEvenWhenNotShown)
{
    TAbMiniTrend* t = oscilloscope();
    ASSERT_FALSE(t->isVisible());
    t->setValueCh1(25);
    clock.advance(1000);
    // Hidden, it wakes nobody: its samples are taken when the plot is looked at.
    EXPECT_EQ(clock.activeTimers(), 0);
    EXPECT_EQ(t->plot().size(), t->plotRect().size());
    EXPECT_EQ(t->plot().pixel(t->plot().width() - 1, t->traceRow(0)), lime());
}

// A trend hidden for a while, then shown, shows what it would show had it
// been sampling all along on the screen: the values each sample found, the
// grid where it would be.
TEST_F(MiniTrend, HiddenForAWhileShowsWhatItWouldHaveDrawn)
{
    QWidget other;
    TAbMiniTrend* hidden = oscilloscope();
    auto* shown = new TAbMiniTrend(flashTimer, &other);
    shown->setGeometry(hidden->geometry());
    shown->setOptions(hidden->options());
    shown->setTimeScale(1);
    for (int ch = 0; ch < 2; ++ch) {
        TSignalSettings* from = ch ? hidden->signalSettingsCh2() : hidden->signalSettingsCh1();
        TSignalSettings* to = ch ? shown->signalSettingsCh2() : shown->signalSettingsCh1();
        to->setValueTo(from->valueTo());
        to->setDigitalTo(from->digitalTo());
        to->setValueFormat(from->valueFormat());
        to->setName1(from->name1());
        to->setName2(from->name2());
        to->setValueUnit(from->valueUnit());
    }
    other.show();
    // Values changing between samples (which fall due at 200 + 240 k ms),
    // a long quiet spell, then more changes.
    clock.advance(100);
    for (int step = 0; step < 40; ++step) {
        for (TAbMiniTrend* t : {hidden, shown}) {
            t->setValueCh1(float(step % 7) * 5);
            t->setValueCh2(float(step % 3) * 10);
        }
        clock.advance(step == 20 ? 240000 : 240);
    }
    showParent();
    EXPECT_EQ(hidden->plot(), shown->plot());
    EXPECT_EQ(hidden->traceRow(0), shown->traceRow(0));
}

TEST_F(MiniTrend, FirstSampleAfterAtMostTwoHundredMilliseconds)
{
    TAbMiniTrend* t = oscilloscope();
    showParent();
    t->setValueCh1(50);
    clock.advance(199);
    EXPECT_EQ(t->traceRow(0), t->plot().height() - 1);  // still at the bottom
    clock.advance(16);
    EXPECT_EQ(t->traceRow(0), 0);
}

TEST_F(MiniTrend, SettingAValueOnlyStoresIt)
{
    TAbMiniTrend* t = oscilloscope();
    t->setFlow(false);
    showParent();
    PaintCounter paints(t);
    t->setValueCh1(20);
    t->setValueCh2(30);
    processEvents();
    EXPECT_EQ(paints.count(), 0);
    EXPECT_EQ(t->digitCh1(), 20);
    EXPECT_EQ(t->valueCh2(), 30.0f);
}

TEST_F(MiniTrend, EachSampleShiftsThePlotAndDrawsBothTraces)
{
    TAbMiniTrend* t = oscilloscope();
    showParent();
    // OSC_MAP_P1: MAP 100 kPa of 250 and P1 1.2 bar of 4.
    t->signalSettingsCh1()->setValueTo(250);
    t->signalSettingsCh2()->setValueTo(4);
    sample(t);
    t->setValueCh1(100);
    t->setValueCh2(1.2f);
    PaintCounter paints(t);
    sample(t);
    processEvents();
    EXPECT_EQ(paints.count(), 1);
    const QImage& plot = t->plot();
    const int h = plot.height();
    const int right = plot.width() - 1;
    EXPECT_EQ(t->traceRow(0), h - qRound((h - 1) * 0.4) - 1);
    EXPECT_EQ(t->traceRow(1), h - qRound((h - 1) * 0.3) - 1);
    EXPECT_EQ(plot.pixel(right, t->traceRow(0)), lime());
    EXPECT_EQ(plot.pixel(right, t->traceRow(1)), yellow());
    // The vertical stroke of that sample has moved left by one step.
    sample(t);
    EXPECT_EQ(plot.pixel(right - 2, (t->traceRow(0) + t->traceRow(1)) / 2), lime());
}

TEST_F(MiniTrend, ValueAboveTheRangeIsNotVisible)
{
    TAbMiniTrend* t = oscilloscope();
    t->signalSettingsCh1()->setValueTo(8);  // RPM 9 with a range top of 8
    showParent();
    t->setValueCh1(9);
    sample(t);
    sample(t);
    EXPECT_LT(t->traceRow(0), 0);
    const QImage& plot = t->plot();
    for (int y = 0; y < plot.height(); ++y)
        EXPECT_NE(plot.pixel(plot.width() - 1, y), lime()) << y;
}

TEST_F(MiniTrend, ScaleOfTheSameWidthKeepsTheTraceAWiderOneClearsIt)
{
    TAbMiniTrend* t = oscilloscope();
    t->signalSettingsCh1()->setValueTo(40);
    showParent();
    t->setValueCh1(20);
    for (int i = 0; i < 5; ++i)
        sample(t);
    const int row = t->traceRow(0);
    const int x = t->plot().width() - 4;
    ASSERT_EQ(t->plot().pixel(x, row), lime());

    t->signalSettingsCh1()->setValueTo(50);  // "40" to "50": same width
    EXPECT_EQ(t->plot().pixel(x, row), lime());

    const int width = t->plotRect().width();
    t->signalSettingsCh1()->setValueTo(250);  // "50" to "250": wider
    EXPECT_LT(t->plotRect().width(), width);
    EXPECT_NE(t->plot().pixel(t->plot().width() - 4, row), lime());
    EXPECT_EQ(t->traceRow(0), t->plot().height() - 1);
}

TEST_F(MiniTrend, FlowOffStopsTheTimeBase)
{
    TAbMiniTrend* t = oscilloscope();
    t->setFlow(false);
    EXPECT_EQ(flashTimer.registeredCount(), 0);
    t->setValueCh1(40);
    clock.advance(2000);
    EXPECT_EQ(t->traceRow(0), t->plot().height() - 1);
    t->setFlow(true);
    clock.advance(216);  // at most 200 ms, on the 16 ms grid
    EXPECT_NE(t->traceRow(0), t->plot().height() - 1);
}

TEST_F(MiniTrend, TimeScaleOfZeroOrLessIsIgnored)
{
    TAbMiniTrend* t = oscilloscope();
    t->setTimeScale(0);
    t->setTimeScale(-2);
    EXPECT_EQ(t->timeScale(), 1);
    t->setTimeScale(5);
    EXPECT_EQ(t->timeBase().step, 1);
}

TEST_F(MiniTrend, NeverSmallerThanOneHundredFiftyPixels)
{
    auto* t = new TAbMiniTrend(flashTimer, &parent);
    t->resize(50, 50);
    EXPECT_EQ(t->size(), QSize(150, 150));
}

}  // namespace
}  // namespace brivel::test
