#include "KitTest.h"

#include "widgets/ui/TAb270Meter.h"
#include "widgets/ui/TAbVBar.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/ui/TBarSettings.h"
#include "widgets/ui/TMinMax.h"
#include "widgets/ui/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtTest/QSignalSpy>

#include <functional>

namespace brivel::test {
namespace {

using Overflow = signalmath::Overflow;

class AnalogDisplay : public KitTest {
protected:
    TAbValueInd* readOut(const char* format = "##0.0", const char* unit = "ms")
    {
        auto* w = new TAbValueInd(flashTimer, &parent);
        w->signalSettings()->setValueFormat(QString::fromUtf8(format));
        w->signalSettings()->setValueUnit(QString::fromUtf8(unit));
        w->setOptions(TAbValueInd::opUnit);
        return w;
    }
};

TEST_F(AnalogDisplay, SameValueTwiceRepaintsOnce)
{
    TAbValueInd* w = readOut();
    showParent();
    PaintCounter paints(w);
    QSignalSpy changes(w, &TAbValueInd::valueChanged);
    w->setValue(12.3f);
    processEvents();
    w->setValue(12.3f);
    processEvents();
    EXPECT_EQ(paints.count(), 1);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toFloat(), 12.3f);
}

TEST_F(AnalogDisplay, ReadOutRepaintsOnlyItsValueBoxAndOnlyForNewText)
{
    TAbValueInd* w = readOut();
    showParent();
    PaintCounter paints(w);
    w->setValue(12.31f);
    processEvents();
    EXPECT_EQ(paints.count(), 1);
    EXPECT_TRUE(w->valueRect().contains(paints.painted().boundingRect()));
    EXPECT_NE(paints.painted().boundingRect(), w->rect());
    paints.reset();
    w->setValue(12.34f);  // still "12.3"
    processEvents();
    EXPECT_EQ(paints.count(), 0);
}

TEST_F(AnalogDisplay, DialRepaintsOnlyAroundThePointer)
{
    auto* dial = new TAb270Meter(flashTimer, &parent);
    dial->signalSettings()->setValueTo(10);
    showParent();
    PaintCounter paints(dial);
    dial->setValue(0.5f);
    processEvents();
    EXPECT_EQ(paints.count(), 1);
    const QRect painted = paints.painted().boundingRect();
    EXPECT_LT(painted.width() * painted.height(), dial->width() * dial->height() / 2);
}

// The same overflow rules for every analog display kind.
struct OverflowCase {
    const char* name;
    float value;
    int drawn;
    Overflow overflow;
    const char* text;
};

class Overflowing : public AnalogDisplay,
                    public ::testing::WithParamInterface<std::tuple<int, OverflowCase>> {};

TEST_P(Overflowing, StickToTheEndsAndStillShowTheDigits)
{
    const auto& [kind, c] = GetParam();
    TAbAnalogGControl* w = nullptr;
    switch (kind) {
        case 0:
            w = new TAbValueInd(flashTimer, &parent);
            break;
        case 1:
            w = new TAb270Meter(flashTimer, &parent);
            break;
        default:
            w = new TAbVBar(flashTimer, &parent);
            break;
    }
    QSignalSpy overflows(w, &TAbAnalogGControl::overflowChange);
    w->setValue(c.value);
    EXPECT_EQ(w->drawnPosition(), c.drawn);
    EXPECT_EQ(w->overflow(), c.overflow);
    EXPECT_EQ(w->valueText(), QString::fromUtf8(c.text));
    EXPECT_EQ(overflows.count(), c.overflow == Overflow::None ? 0 : 1);
}

std::string overflowCaseName(const ::testing::TestParamInfo<std::tuple<int, OverflowCase>>& param)
{
    static const char* const kKinds[] = {"ReadOut", "Dial", "Bar"};
    return std::string(kKinds[std::get<0>(param.param)]) + std::get<1>(param.param).name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Overflowing,
    ::testing::Combine(::testing::Values(0, 1, 2),
                       ::testing::Values(OverflowCase{"Below", -5.0f, 0, Overflow::Below, "-5.0"},
                                         OverflowCase{"Inside", 42.0f, 420, Overflow::None, "42.0"},
                                         OverflowCase{"Above", 150.0f, 1000, Overflow::Above,
                                                      "150.0"})),
    overflowCaseName);

TEST_F(AnalogDisplay, OverflowIsReportedOnEnteringAndLeaving)
{
    TAbValueInd* w = readOut();
    QSignalSpy overflows(w, &TAbAnalogGControl::overflowChange);
    w->setValue(150);
    w->setValue(160);
    w->setValue(50);
    w->setValue(-1);
    EXPECT_EQ(overflows.count(), 3);
}

TEST_F(AnalogDisplay, ReadOutUsesTheLocalesDecimalSeparator)
{
    TAbValueInd* w = readOut();
    {
        ScopedLocale polish(QLocale(QLocale::Polish, QLocale::Poland));
        w->setValue(12.97f);
        EXPECT_EQ(w->valueText(), QStringLiteral("13,0"));
    }
    w->signalSettings()->setValueFormat(QStringLiteral("#0.00"));  // reformats in English
    EXPECT_EQ(w->valueText(), QStringLiteral("12.97"));
}

TEST_F(AnalogDisplay, ValueBoxWidthFollowsThePictureNotTheValue)
{
    TAbValueInd* w = readOut("###0", "obr/min");
    const QSize size = w->size();
    w->setValue(25500);
    EXPECT_EQ(w->size(), size);
    w->signalSettings()->setValueFormat(QStringLiteral("#####0"));
    EXPECT_GT(w->width(), size.width());
}

TEST_F(AnalogDisplay, SectorsFollowThePosition)
{
    auto* dial = new TAb270Meter(flashTimer, &parent);
    dial->signalSettings()->setValueTo(10);
    dial->sectorSettings()->setSector(0, QColor(255, 255, 0), 0, 630);
    dial->sectorSettings()->setSector(1, QColor(255, 0, 0), 630, 700);
    dial->sectorSettings()->setSector(2, QColor(255, 255, 0), 700, 1000);
    QSignalSpy sectors(dial, &TAbAnalogGControl::sectorChange);
    dial->setValue(6.5f);
    EXPECT_FALSE(dial->inSector(0));
    EXPECT_TRUE(dial->inSector(1));
    EXPECT_EQ(dial->sectorColor(), QColor(255, 0, 0));
    ASSERT_EQ(sectors.count(), 2);  // left sector 1, entered sector 2
    dial->setValue(12);             // in no sector: the colour stays
    EXPECT_EQ(dial->sectorColor(), QColor(255, 0, 0));
}

TEST_F(AnalogDisplay, DialPointerSweepsTwoHundredSeventyDegreesFromTheLowerLeft)
{
    auto* dial = new TAb270Meter(flashTimer, &parent);
    dial->signalSettings()->setValueTo(10);
    const struct {
        float value;
        double angle;
    } cases[] = {{0, 225}, {5, 360}, {10, 495}, {25.5f, 495}, {-3, 225}};
    for (const auto& c : cases) {
        dial->setValue(c.value);
        EXPECT_DOUBLE_EQ(dial->pointerAngle(), c.angle) << c.value;
    }
}

TEST_F(AnalogDisplay, LargeSectorOffsetHidesTheBand)
{
    auto* dial = new TAb270Meter(flashTimer, &parent);
    dial->resize(161, 138);
    dial->sectorSettings()->setWidthOffset(-8);
    showParent();
    const QRectF outer = dial->sectorOuterRect();
    ASSERT_FALSE(outer.isNull());
    // The ring is a tenth of the dial width plus WidthOffset wide.
    EXPECT_NEAR(outer.width() - dial->sectorInnerRect().width(), 2 * (16.1 - 8), 1e-9);
    dial->sectorSettings()->setOffset(300);
    EXPECT_TRUE(dial->sectorOuterRect().isNull());
}

TEST_F(AnalogDisplay, MinMaxRecordsValuesWithClockTimes)
{
    TAbValueInd* w = readOut();
    QSignalSpy moved(w, &TAbAnalogGControl::minMaxChange);
    clock.advance(100);
    w->setValue(5);
    clock.advance(100);
    w->setValue(2);
    clock.advance(100);
    w->setValue(3);
    EXPECT_EQ(w->minMax()->min(), 2.0f);
    EXPECT_EQ(w->minMax()->minTimeMs(), 200);
    EXPECT_EQ(w->minMax()->max(), 5.0f);
    EXPECT_EQ(w->minMax()->maxTimeMs(), 100);
    EXPECT_EQ(moved.count(), 2);
}

TEST_F(AnalogDisplay, LimitsFlagValuesBeyondThem)
{
    TAbValueInd* w = readOut();
    w->setLimitUpper(80);
    w->setLimitLower(20);
    QSignalSpy limits(w, &TAbAnalogGControl::limitChange);
    w->setValue(85);
    EXPECT_TRUE(w->upperLimitExceeded());
    w->setValue(15);
    EXPECT_TRUE(w->lowerLimitExceeded());
    EXPECT_FALSE(w->upperLimitExceeded());
    w->setValue(50);
    EXPECT_EQ(limits.count(), 3);
}

TEST_F(AnalogDisplay, LedBarLightsSegmentsUpToThePosition)
{
    auto* bar = new TAbVBar(flashTimer, &parent);
    bar->resize(66, 300);
    bar->signalSettings()->setValueTo(30);
    bar->barSettings()->setStyle(TBarSettings::bsLED_Bar);
    showParent();
    const int n = bar->segmentCount();
    ASSERT_GT(n, 10);
    bar->setValue(15);
    EXPECT_EQ(bar->litSegments(), n / 2);
    bar->setValue(40);
    EXPECT_EQ(bar->litSegments(), n);
    bar->setValue(0);
    EXPECT_EQ(bar->litSegments(), 0);
}

}  // namespace
}  // namespace brivel::test
