#include "KitTest.h"

#include "widgets/ui/TAbHSlider.h"
#include "widgets/ui/TAbVSlider.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/TSignalSettings.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>

namespace brivel::test {
namespace {

using K = TAbAnalogCControl;

class Slider : public KitTest {
protected:
    // The switch-over RPM slider: 300-6000 rpm in 60 steps.
    TAbHSlider* rpmSlider()
    {
        auto* s = new TAbHSlider(flashTimer, &parent);
        s->setGeometry(10, 10, 260, 70);
        s->signalSettings()->setValueRange(300, 6000);
        s->signalSettings()->setDigitalTo(60);
        s->signalSettings()->setValueFormat(QStringLiteral("###0"));
        return s;
    }
    // The working-pressure slider: 0.40-2.50 bar, digits 40-250.
    TAbVSlider* pressureSlider()
    {
        auto* s = new TAbVSlider(flashTimer, &parent);
        s->setGeometry(300, 10, 90, 220);
        s->signalSettings()->setValueRange(0.4f, 2.5f);
        s->signalSettings()->setDigitalFrom(40);
        s->signalSettings()->setDigitalTo(250);
        s->signalSettings()->setValueFormat(QStringLiteral("#0.00"));
        return s;
    }
};

TEST_F(Slider, ProgramValuesSnapToTheNearestStep)
{
    TAbHSlider* s = rpmSlider();
    QSignalSpy changes(s, &K::valueChanged);
    s->setValue(100);
    EXPECT_EQ(s->value(), 300.0f);
    EXPECT_EQ(s->digit(), 0);
    EXPECT_EQ(s->valueText(), QStringLiteral("300"));
    s->setValue(1000);
    EXPECT_EQ(s->value(), 965.0f);
    EXPECT_EQ(s->digit(), 7);
    EXPECT_EQ(s->valueText(), QStringLiteral("965"));
    s->setValue(980);  // the same step: nothing changes
    EXPECT_EQ(s->value(), 965.0f);
    ASSERT_EQ(changes.count(), 1);  // 100 landed on the step it already had
    EXPECT_EQ(changes.at(0).at(0).toFloat(), 965.0f);
}

TEST_F(Slider, RangeChangeKeepsTheStepInsideTheNewRange)
{
    TAbVSlider* s = pressureSlider();
    EXPECT_EQ(s->digit(), 40);
    EXPECT_FLOAT_EQ(s->value(), 0.4f);
    s->setValue(2.0f);
    s->signalSettings()->setDigitalTo(150);
    EXPECT_EQ(s->digit(), 150);
    EXPECT_FALSE(s->value() > s->signalSettings()->valueTo());
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    K::EnabledKeys enabled;
    bool keyboard;
    int expected;  // from step 30
};

class SliderKeys : public Slider, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SliderKeys, OnlyEnabledKeysAct)
{
    const KeyCase& c = GetParam();
    TAbHSlider* s = rpmSlider();
    s->setChangeSmall(3);
    s->setChangeLarge(20);
    s->setEnabledKeys(c.enabled);
    s->setEnableKeyboard(c.keyboard);
    s->setDigit(30);
    showParent();
    s->setFocus();
    QTest::keyClick(s, c.key);
    EXPECT_EQ(s->digit(), c.expected);
}

std::string keyCaseName(const ::testing::TestParamInfo<KeyCase>& param)
{
    return param.param.name;
}

const K::EnabledKeys kAll(0xFF);

INSTANTIATE_TEST_SUITE_P(
    Table, SliderKeys,
    ::testing::Values(
        KeyCase{"PageUp", Qt::Key_PageUp, kAll, true, 50},
        KeyCase{"PageDown", Qt::Key_PageDown, kAll, true, 10},
        KeyCase{"End", Qt::Key_End, kAll, true, 60}, KeyCase{"Home", Qt::Key_Home, kAll, true, 0},
        KeyCase{"Left", Qt::Key_Left, kAll, true, 27},
        KeyCase{"Right", Qt::Key_Right, kAll, true, 33},
        KeyCase{"EndNotEnabled", Qt::Key_End, kAll & ~K::EnabledKeys(K::_VK_END), true, 30},
        KeyCase{"OnlyUpDownLeavesLeft", Qt::Key_Left, K::_VK_UP | K::_VK_DOWN, true, 30},
        KeyCase{"OnlyUpDownTakesUp", Qt::Key_Up, K::_VK_UP | K::_VK_DOWN, true, 33},
        KeyCase{"KeyboardOff", Qt::Key_Home, kAll, false, 30}),
    keyCaseName);

TEST_F(Slider, KeyReleaseReportsTheFinishedChangeOnce)
{
    TAbHSlider* s = rpmSlider();
    showParent();
    s->setFocus();
    QSignalSpy finished(s, &K::valueCommitted);
    QTest::keyPress(s, Qt::Key_Right);
    QTest::keyPress(s, Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(s->hasUnreportedChange());
    QTest::keyRelease(s, Qt::Key_Right);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toFloat(), 490.0f);  // two steps of 95 above 300
    QTest::keyClick(s, Qt::Key_Shift);                  // nothing new to report
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(Slider, ProgramSetValueIsReportedByTheNextRelease)
{
    // The level-gauge editor sets the slider and relies on the next release
    // committing it, even without a move.
    TAbVSlider* s = pressureSlider();
    showParent();
    QSignalSpy finished(s, &K::valueCommitted);
    s->setValue(1.25f);
    EXPECT_EQ(finished.count(), 0);
    QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FLOAT_EQ(finished.at(0).at(0).toFloat(), 1.25f);
    QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(finished.count(), 1);
    s->setValue(1.5f);
    s->setFocus();
    QTest::keyRelease(s, Qt::Key_Tab);
    ASSERT_EQ(finished.count(), 2);
    EXPECT_FLOAT_EQ(finished.at(1).at(0).toFloat(), 1.5f);
}

TEST_F(Slider, TheCommitCarriesTheValueTheUserLeftNotTheOneTheProgramSet)
{
    // The program sets a value, the user moves on from it: what is committed
    // is where the user let go, taken from the signal, never read back.
    TAbHSlider* s = rpmSlider();
    showParent();
    s->setFocus();
    QSignalSpy changes(s, &K::valueChanged);
    QSignalSpy finished(s, &K::valueCommitted);
    s->setValue(1535);
    QTest::keyPress(s, Qt::Key_Left);
    QTest::keyRelease(s, Qt::Key_Left);
    s->setValue(6000);  // set again by the program after the commit
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toFloat(), 1440.0f);
    QList<float> values;
    for (const QList<QVariant>& change : changes)
        values.append(change.at(0).toFloat());
    EXPECT_EQ(values, (QList<float>{1535.0f, 1440.0f, 6000.0f}));
}

TEST_F(Slider, DragFollowsThePointerAndReportsOnRelease)
{
    TAbHSlider* s = rpmSlider();
    showParent();
    QSignalSpy changes(s, &K::valueChanged);
    QSignalSpy finished(s, &K::valueCommitted);
    const QPoint from = s->gripCentreFor(0);
    const QPoint middle = s->gripCentreFor(30);
    QTest::mousePress(s, Qt::LeftButton, {}, from);
    EXPECT_TRUE(s->hasFocus());
    QTest::mouseMove(s, middle);
    EXPECT_EQ(s->digit(), 30);
    // Overshooting the end and letting go outside still finishes the change.
    QTest::mouseMove(s, QPoint(s->width() + 50, from.y()));
    EXPECT_EQ(s->digit(), 60);
    QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(s->width() + 50, from.y()));
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toFloat(), 6000.0f);
    EXPECT_GE(changes.count(), 2);
    EXPECT_FALSE(s->hasUnreportedChange());
}

TEST_F(Slider, VerticalSliderHasItsFirstStepAtTheBottom)
{
    TAbVSlider* s = pressureSlider();
    showParent();
    EXPECT_GT(s->gripCentreFor(40).y(), s->gripCentreFor(250).y());
    QTest::mouseClick(s, Qt::LeftButton, {}, s->gripCentreFor(145));
    EXPECT_EQ(s->digit(), 145);
    EXPECT_FLOAT_EQ(s->value(), 1.45f);
}

TEST_F(Slider, WithoutMouseJumpOnlyTheGripBandCatches)
{
    TAbHSlider* s = rpmSlider();
    s->setEnableMouseJump(false);
    s->setDigit(30);
    showParent();
    const QPoint centre = s->gripCentreFor(30);
    QTest::mouseClick(s, Qt::LeftButton, {}, s->gripCentreFor(50));
    EXPECT_EQ(s->digit(), 30);
    QTest::mousePress(s, Qt::LeftButton, {}, centre + QPoint(s->buttonSize() * 3 / 10, 0));
    QTest::mouseMove(s, s->gripCentreFor(40));
    QTest::mouseRelease(s, Qt::LeftButton, {}, s->gripCentreFor(40));
    EXPECT_EQ(s->digit(), 40);
}

TEST_F(Slider, WheelNotchMovesASmallStepAndCommits)
{
    TAbHSlider* s = rpmSlider();
    s->setChangeSmall(3);
    showParent();
    QSignalSpy finished(s, &K::valueCommitted);
    const QPoint at = s->rect().center();
    QWheelEvent away(at, s->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(s, &away);
    EXPECT_EQ(s->digit(), 3);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toFloat(), 585.0f);
    QWheelEvent half(at, s->mapToGlobal(at), QPoint(), QPoint(0, -60), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(s, &half);
    EXPECT_EQ(s->digit(), 3);  // half a notch: not yet
    QCoreApplication::sendEvent(s, &half);
    EXPECT_EQ(s->digit(), 0);
}

TEST_F(Slider, LinkedReadOutTakesOverSettingsAndFollows)
{
    TAbHSlider* s = rpmSlider();
    s->signalSettings()->setValueUnit(QStringLiteral("RPM"));
    auto* readOut = new TAbValueInd(flashTimer, &parent);
    s->setValue(1000);
    s->setValueIndicator(readOut);
    EXPECT_EQ(readOut->signalSettings()->valueUnit(), QStringLiteral("RPM"));
    EXPECT_EQ(readOut->signalSettings()->valueFormat(), QStringLiteral("###0"));
    EXPECT_EQ(readOut->valueText(), QStringLiteral("965"));
    s->setDigit(10);
    EXPECT_EQ(readOut->value(), 1250.0f);
    s->signalSettings()->setValueFormat(QStringLiteral("####0"));
    EXPECT_EQ(readOut->signalSettings()->valueFormat(), QStringLiteral("####0"));
    delete readOut;  // the slider must not follow a dead read-out
    s->setDigit(11);
}

TEST_F(Slider, GripColourFollowsFocusAndEnabledState)
{
    TAbHSlider* s = rpmSlider();
    auto* other = new TAbHSlider(flashTimer, &parent);
    other->move(10, 100);
    showParent();
    parent.activateWindow();
    s->setFocus();
    processEvents();
    ASSERT_TRUE(s->hasFocus());
    EXPECT_EQ(s->gripColor(), QColor(0, 255, 0));
    other->setFocus();
    processEvents();
    EXPECT_EQ(s->gripColor(), QColor(0, 128, 0));
    s->setEnabled(false);
    EXPECT_EQ(s->gripColor(), s->palette().color(QPalette::Dark));
}

TEST_F(Slider, MovingTheGripRepaintsOnlyAroundIt)
{
    TAbVSlider* s = pressureSlider();
    showParent();
    PaintCounter paints(s);
    s->setDigit(41);
    processEvents();
    EXPECT_EQ(paints.count(), 1);
    const QRect painted = paints.painted().boundingRect();
    EXPECT_LT(painted.height(), s->height());
    EXPECT_TRUE(paints.painted().intersects(s->valueRect()));
}

}  // namespace
}  // namespace brivel::test
