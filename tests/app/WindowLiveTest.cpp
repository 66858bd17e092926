#include "ReplyFrames.h"
#include "WindowFixture.h"
#include "app/WindowPages.h"
#include "app/ui/BottomBar.h"
#include "live/ui/FaultMemo.h"
#include "live/ui/FaultPage.h"
#include "live/LiveModel.h"
#include "widgets/ui/TAbLED.h"
#include "widgets/ui/TAbToggleSwitch.h"
#include "widgets/ui/TAbVBar.h"
#include "widgets/ui/TAbValueInd.h"

#include <QtWidgets/QLineEdit>

using namespace brivel;

namespace {

class WindowLiveTest : public test::WindowFixture {
protected:
    void SetUp() override { open(port); }

    test::TestSerialPort port;
};

}  // namespace

// The decoding itself is the live model's; here a frame goes through the
// window's model and reaches the window's controls.
TEST_F(WindowLiveTest, AFrameReachesTheWindowsControls)
{
    window->liveModel().DecodeLiveFrame(
        test::liveFrame({{4, 1}, {5, 1}, {21, 30}, {6, 45}, {30, 255}, {31, 1}, {34, 0xFB}}));
    EXPECT_FLOAT_EQ(control<TAbValueInd>("RPM_Edit")->value(), 3000);
    EXPECT_FLOAT_EQ(control<TAbValueInd>("Skala_PB_time1")->value(), 4.5f);
    EXPECT_FLOAT_EQ(control<TAbVBar>("Skala_PB_time1A")->value(), 4.5f);
    EXPECT_EQ(control<QLineEdit>("U_zbiornika")->text(), QStringLiteral("5.00"));
    EXPECT_TRUE(control<TAbLED>("Gaz_led_1g")->isChecked());
    EXPECT_TRUE(control<TAbLED>("Gaz_led_1p")->isChecked());
    EXPECT_FALSE(control<TAbLED>("Gaz_led_2g")->isChecked());
    auto* fuel = control<TAbToggleSwitch>("paliwo_Switch");
    EXPECT_TRUE(fuel->isChecked());
    EXPECT_EQ(fuel->colorOn(), QColor(0, 255, 0));
    // In the Polish chosen at start.
    EXPECT_EQ(window->pages().faults().actualErrors()->text(), QStringLiteral("1 - Błąd zasilania\r\n"));
    EXPECT_FALSE(control<QWidget>("Error_Led")->isHidden());
}
