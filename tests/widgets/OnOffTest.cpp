#include "KitTest.h"

#include "widgets/ui/TAbColBitBtn.h"
#include "widgets/ui/TAbDBLED.h"
#include "widgets/ui/TAbLED.h"
#include "widgets/ui/TAbToggleSwitch.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>

namespace brivel::test {
namespace {

class OnOff : public KitTest {
protected:
    TAbLED* led(FlashFrequency frequency = ff1Hz)
    {
        auto* w = new TAbLED(flashTimer, &parent);
        w->setFrequency(frequency);
        return w;
    }
};

TEST_F(OnOff, FlashingLedsBlinkInStepAndStopAtOnceWhenUnchecked)
{
    TAbLED* a = led(ff4Hz);
    TAbLED* b = led(ff4Hz);
    a->setFlashing(true);
    b->setFlashing(true);
    a->setChecked(true);
    clock.advance(300);
    b->setChecked(true);  // joins in the phase of a
    for (int i = 0; i < 20; ++i) {
        clock.advance(37);
        EXPECT_EQ(a->showsOnLook(), b->showsOnLook()) << clock.nowMs();
        EXPECT_EQ(a->showsOnLook(), flashTimer.phase(ff4Hz));
    }
    a->setChecked(false);
    EXPECT_FALSE(a->showsOnLook());
    EXPECT_EQ(flashTimer.registeredCount(), 1);
    clock.advance(200);
    a->setChecked(true);  // resumes in step with b at once
    EXPECT_EQ(a->showsOnLook(), b->showsOnLook());
    EXPECT_EQ(flashTimer.registeredCount(), 2);
}

TEST_F(OnOff, FlashLooksAlternateEveryHalfPeriod)
{
    TAbLED* w = led(ff4Hz);
    w->setFlashing(true);
    w->setChecked(true);
    std::vector<qint64> changes;
    bool look = w->showsOnLook();
    for (int t = 0; t < 1024; t += 16) {
        clock.advance(16);
        if (w->showsOnLook() != look) {
            look = w->showsOnLook();
            changes.push_back(clock.nowMs());
        }
    }
    ASSERT_GE(changes.size(), 6u);
    for (std::size_t i = 1; i < changes.size(); ++i)
        EXPECT_EQ(changes[i] - changes[i - 1], 128);
}

TEST_F(OnOff, FlashingButUncheckedStaysDarkAndUnregistered)
{
    TAbLED* w = led();
    w->setFlashing(true);
    clock.advance(2000);
    EXPECT_FALSE(w->showsOnLook());
    EXPECT_EQ(flashTimer.registeredCount(), 0);
    w->setFlashing(false);
    w->setChecked(true);
    EXPECT_TRUE(w->showsOnLook());
    EXPECT_EQ(flashTimer.registeredCount(), 0);
}

TEST_F(OnOff, StatusChangedFollowsEveryRealChangeOfCheckedOrFlashing)
{
    TAbLED* w = led();
    QSignalSpy status(w, &TAbBinGControl::statusChanged);
    w->setChecked(true);
    w->setChecked(true);
    w->setFlashing(true);
    w->setFlashing(true);
    w->setFlashing(false);
    w->setChecked(false);
    // Each carries the checked state after it.
    QList<bool> checked;
    for (const QList<QVariant>& told : status)
        checked.append(told.at(0).toBool());
    EXPECT_EQ(checked, (QList<bool>{true, true, true, false}));
}

TEST_F(OnOff, LedRepaintsOnlyForARealChange)
{
    TAbLED* w = led();
    w->setCaption(QStringLiteral("1/4"));
    showParent();
    PaintCounter paints(w);
    w->setChecked(true);
    processEvents();
    w->setChecked(true);
    processEvents();
    EXPECT_EQ(paints.count(), 1);
    EXPECT_TRUE(w->ledRect().contains(paints.painted().boundingRect()));
}

TEST_F(OnOff, StatusWordMirrorsTheCheckedBit)
{
    TAbLED* w = led();
    w->setStatusBit(3);
    w->setStatusInt(0x0F0);
    EXPECT_FALSE(w->isChecked());
    QSignalSpy words(w, &TAbBinGControl::statusIntChanged);
    w->setStatusInt(0x0F8);
    EXPECT_TRUE(w->isChecked());
    w->setChecked(false);  // clears only its bit
    EXPECT_EQ(w->statusInt(), 0x0F0u);
    w->setMode(TAbBinGControl::mRadioButton);
    w->setChecked(true);  // a radio button's word is its bit alone
    EXPECT_EQ(w->statusInt(), 0x008u);
    ASSERT_EQ(words.count(), 3);
    EXPECT_EQ(words.at(2).at(0).value<quint32>(), 0x008u);
}

TEST_F(OnOff, GroupMembersShareTheirStatusWord)
{
    TAbLED* a = led();
    TAbLED* b = led();
    TAbLED* other = led();
    a->setGroupIndex(1);
    b->setGroupIndex(1);
    other->setGroupIndex(2);
    b->setStatusBit(1);
    a->setStatusInt(0x3);
    EXPECT_EQ(b->statusInt(), 0x3u);
    EXPECT_TRUE(b->isChecked());
    EXPECT_EQ(other->statusInt(), 0u);
    a->setChecked(false);  // a change through Checked is shared as well
    EXPECT_EQ(b->statusInt(), a->statusInt());
    b->setStatusInt(0x0);
    EXPECT_EQ(a->statusInt(), 0u);
}

TEST_F(OnOff, RadioButtonsOfAGroupUncheckEachOther)
{
    std::vector<TAbColBitBtn*> buttons;
    for (int i = 0; i < 3; ++i) {
        auto* w = new TAbColBitBtn(flashTimer, &parent);
        w->setGeometry(i * 30, 0, 25, 25);
        w->setMode(TAbBinGControl::mRadioButton);
        w->setGroupIndex(7);
        w->setStatusBit(i);
        buttons.push_back(w);
    }
    showParent();
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_EQ(buttons[0]->isChecked(), false);
    EXPECT_EQ(buttons[1]->isChecked(), true);
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    EXPECT_FALSE(buttons[1]->isChecked());
    EXPECT_TRUE(buttons[2]->isChecked());
    for (TAbColBitBtn* w : buttons)
        EXPECT_EQ(w->statusInt(), 0x4u);
}

struct ModeCase {
    const char* name;
    TAbBinGControl::Mode mode;
    bool initially;
    bool afterPress;
    bool afterRelease;
    // Each change the user's press and release made, in order.
    QList<bool> byUser;
};

class MouseModes : public OnOff, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(MouseModes, PressAndReleaseWithTheClickInEveryMode)
{
    const ModeCase& c = GetParam();
    auto* w = new TAbColBitBtn(flashTimer, &parent);
    w->setGeometry(0, 0, 17, 34);
    w->setMode(c.mode);
    w->setChecked(c.initially);
    showParent();
    QSignalSpy clicks(w, &TAbBinGControl::clicked);
    QSignalSpy byUser(w, &TAbBinGControl::checkedByUser);
    QTest::mousePress(w, Qt::LeftButton);
    EXPECT_EQ(w->isChecked(), c.afterPress);
    QTest::mouseRelease(w, Qt::LeftButton);
    EXPECT_EQ(w->isChecked(), c.afterRelease);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(w, Qt::RightButton);
    EXPECT_EQ(w->isChecked(), c.afterRelease);
    EXPECT_EQ(clicks.count(), 1);
    // The program's changes never look like the user's.
    w->setChecked(!w->isChecked());
    w->setStatusInt(w->statusInt() ^ 1u);
    QList<bool> changes;
    for (const QList<QVariant>& told : byUser)
        changes.append(told.at(0).toBool());
    EXPECT_EQ(changes, c.byUser);
}

std::string modeCaseName(const ::testing::TestParamInfo<ModeCase>& param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MouseModes,
    ::testing::Values(
        ModeCase{"Button", TAbBinGControl::mButton, false, true, false, {true, false}},
        ModeCase{"SwitchOn", TAbBinGControl::mSwitch, false, true, true, {true}},
        ModeCase{"SwitchOff", TAbBinGControl::mSwitch, true, false, false, {false}},
        ModeCase{"Radio", TAbBinGControl::mRadioButton, false, true, true, {true}},
        ModeCase{"RadioAlreadyOn", TAbBinGControl::mRadioButton, true, true, true, {}},
        // The cylinder buttons and the fuel switch: a click without a change
        // of state.
        ModeCase{"IndicatorOff", TAbBinGControl::mIndicator, false, false, false, {}},
        ModeCase{"IndicatorOn", TAbBinGControl::mIndicator, true, true, true, {}}),
    modeCaseName);

TEST_F(OnOff, TheUsersSwitchIsReportedAlsoWhenAListenerSetsItBack)
{
    // A connect switch whose connection fails at once is shown off again
    // while the press is still being handled.
    auto* w = new TAbColBitBtn(flashTimer, &parent);
    w->setGeometry(0, 0, 104, 20);
    w->setMode(TAbBinGControl::mSwitch);
    showParent();
    QObject::connect(w, &TAbBinGControl::statusChanged, w, [w](bool checked) {
        if (checked)
            w->setChecked(false);
    });
    QSignalSpy byUser(w, &TAbBinGControl::checkedByUser);
    QTest::mouseClick(w, Qt::LeftButton);
    EXPECT_FALSE(w->isChecked());
    ASSERT_EQ(byUser.count(), 1);
    EXPECT_TRUE(byUser.at(0).at(0).toBool());
}

TEST_F(OnOff, ReleaseOutsideIsNoClick)
{
    auto* w = new TAbToggleSwitch(flashTimer, &parent);
    w->setGeometry(0, 0, 105, 20);
    showParent();
    QSignalSpy clicks(w, &TAbBinGControl::clicked);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(OnOff, ColouredButtonLooks)
{
    auto* w = new TAbColBitBtn(flashTimer, &parent);
    w->setColorOn(QColor(0, 255, 0));
    w->setColorOff(QColor(255, 0, 0));
    w->setColorDisabled(QColor(128, 128, 128));
    w->setTextOn(QStringLiteral("* * *"));
    EXPECT_EQ(w->currentText(), QStringLiteral("* * *"));  // TextOff falls back to TextOn
    w->setTextOff(QString::fromUtf8("Połącz"));
    EXPECT_EQ(w->currentText(), QString::fromUtf8("Połącz"));
    EXPECT_EQ(w->currentFaceColor(), QColor(255, 0, 0));
    EXPECT_FALSE(w->drawnPressed());
    w->setChecked(true);
    EXPECT_EQ(w->currentText(), QStringLiteral("* * *"));
    EXPECT_EQ(w->currentFaceColor(), QColor(0, 255, 0));
    EXPECT_TRUE(w->drawnPressed());
    // Only the parts named in FlashOptions blink.
    w->setFlashOptions(TAbColBitBtn::foBtnCol);
    w->setFlashing(true);
    for (int i = 0; i < 64 && !w->inFlashOffPhase(); ++i)
        clock.advance(16);
    ASSERT_TRUE(w->inFlashOffPhase());
    EXPECT_EQ(w->currentFaceColor(), QColor(255, 0, 0));
    EXPECT_EQ(w->currentText(), QStringLiteral("* * *"));
    w->setEnabled(false);
    EXPECT_EQ(w->currentFaceColor(), QColor(128, 128, 128));
}

TEST_F(OnOff, ToggleKnobCoversTheFirstHalfWhileChecked)
{
    auto* w = new TAbToggleSwitch(flashTimer, &parent);
    w->setGeometry(0, 0, 105, 20);
    w->setChecked(true);
    EXPECT_LT(w->knobRect().center().x(), w->textRect().center().x());
    w->setChecked(false);
    EXPECT_GT(w->knobRect().center().x(), w->textRect().center().x());
    w->setSwapGraphic(true);
    EXPECT_LT(w->knobRect().center().x(), w->textRect().center().x());
    w->setOrientation(TAbToggleSwitch::boVertical);
    w->resize(20, 60);
    EXPECT_LT(w->knobRect().center().y(), w->textRect().center().y());
}

TEST_F(OnOff, DataBoundVariantsBehaveAsTheirBases)
{
    auto* w = new TAbDBLED(flashTimer, &parent);
    w->setFlashing(true);
    w->setChecked(true);
    EXPECT_EQ(flashTimer.registeredCount(), 1);
    EXPECT_NE(qobject_cast<TAbLED*>(w), nullptr);
}

}  // namespace
}  // namespace brivel::test
