#include "TestOutput.h"
#include "WindowFixture.h"
#include "app/PortMenu.h"
#include "app/WindowPages.h"
#include "app/ui/BottomBar.h"
#include "link/ControllerLink.h"
#include "link/PortRouter.h"
#include "live/ui/FaultMemo.h"
#include "live/ui/FaultPage.h"
#include "settings/SettingsModel.h"
#include "live/ui/OscilloscopePage.h"
#include "sim/CurrentFault.h"
#include "sim/DemoPort.h"
#include "sim/EmulatorPort.h"
#include "sim/LiveState.h"
#include "widgets/ui/TAbDBColBitBtn.h"
#include "widgets/ui/TAbLED.h"
#include "widgets/ui/TAbValueInd.h"

#include <QtGui/QAction>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTabWidget>

using namespace brivel;

namespace {

// The window with the emulated controller offered as "Demo", all on virtual time.
class DemoControllerTest : public test::WindowFixture {
protected:
    DemoControllerTest()
    {
        auto device = std::make_unique<test::TestSerialPort>();
        device->presentPorts = {"ttyS0"};
        auto demo = std::make_unique<sim::EmulatorPort>(clock);
        emulator = &demo->emulator();
        router =
            std::make_unique<PortRouter>(std::move(device), std::move(demo), sim::DemoPortName);
        WindowOptions options;
        options.demoPortName = sim::DemoPortName;
        open(*router, options);
    }

    void connectDemo()
    {
        control<QAction>("Demo")->trigger();
        clock.advance(3000);
    }

    std::unique_ptr<PortRouter> router;
    sim::ControllerEmulator* emulator = nullptr;
};

}  // namespace

TEST_F(DemoControllerTest, DemoStaysLastWhenThePortsChangeAndIsNeverTakenForAPulledAdapter)
{
    auto& device = static_cast<test::TestSerialPort&>(router->device());
    connectDemo();
    ASSERT_TRUE(router->isOpen());
    auto* menu = control<QMenu>("PortCOM");
    device.presentPorts = {"ttyUSB0", "ttyS0"};
    emit menu->aboutToShow();
    device.presentPorts = {};
    emit menu->aboutToShow();
    device.presentPorts = {"ttyACM0"};
    emit menu->aboutToShow();
    QStringList names;
    for (QAction* item : window->portMenu().portItems())
        names << item->objectName();
    EXPECT_EQ(names, QStringList({"ttyACM0", "Demo"}));
    EXPECT_TRUE(control<QAction>("Demo")->isChecked());
    EXPECT_TRUE(router->isOpen());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DemoControllerTest, DemoIsOfferedAfterThePortsAndConnects)
{
    QStringList names;
    for (QAction* item : window->portMenu().portItems())
        names << item->objectName();
    EXPECT_EQ(names, QStringList({"ttyS0", "Demo"}));

    control<QAction>("Demo")->trigger();
    // Busy while the settings come in: the window refuses input and greys.
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(control<QWidget>("Panel1Gora")->palette().color(QPalette::Window),
              QColor(0x80, 0x80, 0x80));
    clock.advance(3000);

    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window->bottomBar().statusText(), QStringLiteral(" BRIVEL ver. 3.07.07"));
    auto* online = control<QLabel>("StaticText1");
    EXPECT_EQ(online->text(), QStringLiteral("online"));
    EXPECT_EQ(online->palette().color(QPalette::Window), QColor(0, 128, 0));
    auto* connectSwitch = control<TAbDBColBitBtn>("Polacz_switch");
    EXPECT_TRUE(connectSwitch->isChecked());
    EXPECT_EQ(connectSwitch->textOn(), QStringLiteral("Demo - ON"));
    EXPECT_TRUE(control<QAction>("Zapis1")->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_NE(control<QWidget>("Panel1Gora")->palette().color(QPalette::Window),
              QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(window->settingsModel().parameterBlock().size(), 602);
    // Polling: the live read-outs show the running engine.
    EXPECT_GT(control<TAbValueInd>("RPM_Edit")->value(), 0);
    EXPECT_GT(control<TAbValueInd>("BATERY_vpp")->value(), 10);
}

TEST_F(DemoControllerTest, AFaultOfTheControllerShowsTheBannerAndTheFaultLines)
{
    connectDemo();
    auto* banner = control<QWidget>("Error_Led");
    EXPECT_TRUE(banner->isHidden());

    emulator->live().setCurrentFault(sim::CurrentFault::GasPressureLow);
    emulator->live().setInjectorFault(2);
    emulator->live().setCurrentFault(sim::CurrentFault::Settings);
    clock.advance(1000);

    FaultMemo* memo = window->pages().faults().actualErrors();
    EXPECT_EQ(memo->text(), QStringLiteral("1 - Cisnienie gazu za niskie\r\n"
                                           "2 - Błąd wtryskiwacza :  2\r\n"
                                           "3 - Złe ustawienia\r\n"));
    EXPECT_FALSE(banner->isHidden());
    QTest::mouseClick(banner, Qt::LeftButton);
    EXPECT_EQ(control<QTabWidget>("tab_control")->currentWidget()->objectName(),
              QStringLiteral("TabSheet5"));

    emulator->live().currentFaults() = {};
    emulator->live().setInjectorFault(2, false);
    clock.advance(1000);
    EXPECT_TRUE(memo->text().isEmpty());
    EXPECT_TRUE(banner->isHidden());
}

TEST_F(DemoControllerTest, ResetOnTheErrorPageSendsTheClearCommand)
{
    emulator->settings().setFaultMemory(QByteArray(1, '\x08'));
    connectDemo();
    FaultPage& page = window->pages().faults();
    EXPECT_FALSE(page.registeredErrors()->text().isEmpty());
    QTest::mouseClick(page.resetButton(), Qt::LeftButton);
    EXPECT_TRUE(page.registeredErrors()->text().isEmpty());
    clock.advance(1000);
    bool cleared = false;
    for (const QByteArray& frame : emulator->receivedFrames())
        cleared = cleared || frame.startsWith(QByteArray("\xAA\x10\x00", 3));
    EXPECT_TRUE(cleared);
    EXPECT_FALSE(window->link().commandPending());
}

TEST_F(DemoControllerTest, DisconnectBlanksTheIndicatorsAndKeepsTheFaultList)
{
    connectDemo();
    emulator->live().setCurrentFault(sim::CurrentFault::Settings);
    clock.advance(1000);
    FaultMemo* memo = window->pages().faults().actualErrors();
    ASSERT_EQ(memo->text(), QStringLiteral("1 - Złe ustawienia\r\n"));
    control<QAction>("rozlacz1")->trigger();
    EXPECT_EQ(memo->text(), QStringLiteral("1 - Złe ustawienia\r\n"));
    EXPECT_TRUE(control<QWidget>("Error_Led")->isHidden());
    EXPECT_FLOAT_EQ(control<TAbValueInd>("RPM_Edit")->value(), 0);
    EXPECT_FLOAT_EQ(control<TAbValueInd>("BATERY_vpp")->value(), 0.7f);
    EXPECT_EQ(control<QLabel>("StaticText1")->text(), QStringLiteral("offline"));
    EXPECT_FALSE(control<TAbDBColBitBtn>("Polacz_switch")->isChecked());
    EXPECT_EQ(store.readString(QStringLiteral("ComPort1/Port")), QStringLiteral("Demo"));
}

TEST_F(DemoControllerTest, EveryConnectUnchecksTheLambdaOscilloscopeModes)
{
    OscilloscopePage& page = window->pages().oscilloscope();
    page.RPM_LAMBDA2Click();
    connectDemo();
    EXPECT_FALSE(page.modeButton(live::OscilloscopeMode::RpmLambda2)->isChecked());
    page.OSC_MAP_P1Click();
    control<QAction>("rozlacz1")->trigger();
    control<QAction>("polacz")->trigger();
    clock.advance(3000);
    EXPECT_TRUE(page.modeButton(live::OscilloscopeMode::MapP1)->isChecked());
}

TEST_F(DemoControllerTest, ClosingWhilePollingStopsTheLinkAndDisconnectsOnce)
{
    connectDemo();
    int before = store.flushes;
    control<QAction>("rozlacz1")->trigger();
    const int flushesPerDisconnect = store.flushes - before;
    ASSERT_GT(flushesPerDisconnect, 0);

    control<QAction>("polacz")->trigger();
    clock.advance(3000);
    ASSERT_EQ(control<QLabel>("StaticText1")->text(), QStringLiteral("online"));
    before = store.flushes;
    window->close();
    EXPECT_EQ(store.flushes - before, flushesPerDisconnect);
    EXPECT_FALSE(router->isOpen());
    EXPECT_FALSE(window->link().countTimer().isActive());
    EXPECT_FALSE(window->link().replyTimer().isActive());
    EXPECT_FALSE(control<TAbLED>("rezerwa_led_gora")->isFlashing());
    clock.advance(10000);
    EXPECT_EQ(store.flushes - before, flushesPerDisconnect);
}

TEST_F(DemoControllerTest, ChoosingTheOpenPortAgainReopensItAndShakesHandsAgain)
{
    connectDemo();
    auto handshakes = [this] {
        int count = 0;
        for (const QByteArray& frame : emulator->receivedFrames())
            count += frame.startsWith(QByteArray("\xAA\x66\x01", 3)) ? 1 : 0;
        return count;
    };
    EXPECT_EQ(handshakes(), 1);
    control<QAction>("Demo")->trigger();
    clock.advance(3000);
    EXPECT_EQ(handshakes(), 2);
    EXPECT_EQ(control<QLabel>("StaticText1")->text(), QStringLiteral("online"));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DemoControllerTest, ScreenshotWhileConnected)
{
    window->show();
    window->pages().oscilloscope().OSC_PETROL_LPGClick();
    connectDemo();
    clock.advance(30000);
    const QString out = test::testOutputDir(QStringLiteral("screens"));
    auto* tabs = control<QTabWidget>("tab_control");
    for (const char* page : {"TabSheet6", "TabSheet7"}) {
        tabs->setCurrentWidget(control<QWidget>(page));
        EXPECT_TRUE(
            window->grab().save(out + QStringLiteral("/demo-%1.png").arg(QLatin1String(page))));
    }
}
