#include "KitTest.h"

#include "widgets/ui/TAbSpinButton.h"
#include "widgets/ui/TAbTimerSpeedBtn.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>

namespace brivel::test {
namespace {

class SpinButton : public KitTest {
protected:
    SpinButton()
    {
        spin = new TAbSpinButton(flashTimer, &parent);
        spin->setGeometry(8, 5, 25, 60);
        showParent();
    }

    TAbSpinButton* spin;
};

TEST_F(SpinButton, ShortClickFiresOnce)
{
    QSignalSpy up(spin, &TAbSpinButton::upClick);
    QSignalSpy down(spin, &TAbSpinButton::downClick);
    QTest::mousePress(spin->upButton(), Qt::LeftButton);
    clock.advance(200);
    QTest::mouseRelease(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(down.count(), 0);
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(down.count(), 1);
}

TEST_F(SpinButton, HeldForASecondRepeatsAboutSixTimesPlusOnceAtRelease)
{
    QSignalSpy up(spin, &TAbSpinButton::upClick);
    QTest::mousePress(spin->upButton(), Qt::LeftButton);
    clock.advance(499);
    EXPECT_EQ(up.count(), 0);  // nothing before the start delay
    clock.advance(1010 - 499);
    // Repeats near 500, 600 ... 1000 ms on the 16 ms grid of the flash timer.
    EXPECT_GE(up.count(), 5);
    EXPECT_LE(up.count(), 6);
    const int held = up.count();
    QTest::mouseRelease(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(up.count(), held + 1);
    clock.advance(1000);
    EXPECT_EQ(up.count(), held + 1);
}

TEST_F(SpinButton, RegisteredWithTheFlashTimerOnlyWhileHeld)
{
    EXPECT_EQ(flashTimer.registeredCount(), 0);
    QTest::mousePress(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(flashTimer.registeredCount(), 1);
    QTest::mouseRelease(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(flashTimer.registeredCount(), 0);
    EXPECT_FALSE(flashTimer.isRunning());
}

TEST_F(SpinButton, IntervalBelowFiftyIsIgnored)
{
    spin->setInterval(30);
    EXPECT_EQ(spin->interval(), 100);
    spin->setInterval(200);
    EXPECT_EQ(spin->interval(), 200);
    QSignalSpy up(spin, &TAbSpinButton::upClick);
    QTest::mousePress(spin->upButton(), Qt::LeftButton);
    clock.advance(1010);
    EXPECT_EQ(up.count(), 3);  // near 600, 800 and 1000 ms
    QTest::mouseRelease(spin->upButton(), Qt::LeftButton);
}

TEST_F(SpinButton, ArrowKeysClickTheHalvesWithTheFocus)
{
    QSignalSpy up(spin, &TAbSpinButton::upClick);
    QSignalSpy down(spin, &TAbSpinButton::downClick);
    QTest::mousePress(spin->upButton(), Qt::LeftButton);  // a tab stop takes the focus
    QTest::mouseRelease(spin->upButton(), Qt::LeftButton);
    ASSERT_TRUE(spin->hasFocus());
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(up.count(), 2);
    EXPECT_EQ(down.count(), 2);
}

TEST_F(SpinButton, FocusControlTakesTheFocusOnAPress)
{
    auto* edit = new QLineEdit(&parent);
    edit->move(50, 5);
    edit->show();
    spin->setFocusControl(edit);
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(SpinButton, HidingAHeldButtonStopsTheRepeat)
{
    QSignalSpy up(spin, &TAbSpinButton::upClick);
    QTest::mousePress(spin->upButton(), Qt::LeftButton);
    spin->hide();
    clock.advance(2000);
    EXPECT_EQ(up.count(), 0);
    EXPECT_EQ(flashTimer.registeredCount(), 0);
}

}  // namespace
}  // namespace brivel::test
