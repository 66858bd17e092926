#include "QtPrinters.h"
#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "app/PortMenu.h"
#include "app/LanguageSwitcher.h"
#include "app/TBrivel.h"
#include "app/WindowPages.h"
#include "link/ControllerLink.h"
#include "widgets/ui/TAb270Meter.h"
#include "widgets/ui/TArrowSettings.h"
#include "widgets/ui/TSectorSettings.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtGui/QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

#include <memory>

using namespace brivel;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.clock = &clock;
        platform.dialogs = &dialogs;
        platform.settings = &store;
        platform.urls = &urls;
    }

    TBrivel& open(int screenWidth = 1280)
    {
        WindowOptions options;
        options.screenWidth = screenWidth;
        window.reset();  // one window on the port at a time
        window = std::make_unique<TBrivel>(platform, port, options);
        return *window;
    }

    QStringList portMenuNames() const
    {
        QStringList names;
        for (QAction* action : window->findChild<QMenu*>(QStringLiteral("PortCOM"))->actions())
            names << action->objectName();
        return names;
    }

    QAction* action(const char* name) const
    {
        return window->findChild<QAction*>(QLatin1String(name));
    }

    void stored(const char* key, const char* value)
    {
        store.writeString(QLatin1String(key), QString::fromUtf8(value));
    }

    test::VirtualClock clock;
    test::ScriptedDialogs dialogs;
    test::MemorySettingsStore store;
    test::RecordingUrlOpener urls;
    test::TestSerialPort port;
    Platform platform;
    std::unique_ptr<TBrivel> window;
};

}  // namespace

TEST_F(MainWindowTest, ShowsTheWindowWithItsPagesMenusAndControls)
{
    TBrivel& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Brivel ver. 1.01"));
    EXPECT_EQ(w.pos(), QPoint(138, 59));

    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("tab_control"));
    ASSERT_NE(tabs, nullptr);
    QStringList captions, names;
    for (int i = 0; i < tabs->count(); ++i) {
        captions << tabs->tabText(i);
        names << tabs->widget(i)->objectName();
    }
    EXPECT_EQ(captions,
              QStringList({"Panel Petrol", "Panel Gaz", "Adaptacja", "Diagnostyka", "Mapa", "Error",
                           "Oscyloskop", "Przełącznik", "Help", "Info"}));
    EXPECT_EQ(names,
              QStringList({"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet4",
                           "TabSheet5", "TabSheet7", "TabSheet9", "TabSheet11", "TabSheet12"}));
    EXPECT_EQ(tabs->currentIndex(), 0);

    for (const char* name : {"Odczyt1", "Zapis1", "Reset1"}) {
        EXPECT_FALSE(action(name)->isVisible()) << name;
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(action("Exit1")->isEnabled());
    EXPECT_TRUE(action("PolskiPL")->isChecked());
    EXPECT_FALSE(action("Russian")->isEnabled());
    EXPECT_EQ(action("polacz")->text(), QStringLiteral("Połącz"));
    EXPECT_EQ(action("rozlacz1")->text(), QStringLiteral("Rozłącz"));
    EXPECT_EQ(action("Ceski")->text(), QStringLiteral("Ceski"));

    const char* controls[] = {
        "Panel1Gora",   "Panel5",          "GroupBox7",        "RPM_zegar",      "RPM_Edit",
        "P1_MAP_edit",  "P_MAP_edit",      "Skala_PB_time1",   "Skala_PB_time8", "Skala_LPG_time1",
        "Benzyna_8",    "Gaz_1",           "TempGaz",          "TempWoda",       "lambda_1",
        "lambda_2",     "BATERY_vpp",      "Cyl_0_led",        "Cyl_7_led",      "Error_Led",
        "StaticText1",  "StaticText2",     "StaticText3",      "Polacz_switch",  "StatusBar1",
        "Gaz_led_1g",   "Gaz_led_4g",      "rezerwa_led_gora", "paliwo_Switch",  "szybkosc",
        "ComComboBox1", "KVOS_Linl_label", "Label23",          "GNiemieckiDE",   "GCeski",
        "AbColBitBtn1", "Image1",          "Help_Memo"};
    for (const char* name : controls)
        EXPECT_NE(w.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;

    EXPECT_TRUE(w.findChild<QWidget*>(QStringLiteral("Error_Led"))->isHidden());
    EXPECT_TRUE(w.findChild<QWidget*>(QStringLiteral("Help_Memo"))->isHidden());
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("StaticText1"))->text(),
              QStringLiteral("offline"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("StatusBar1Panel0"))->text(),
              QStringLiteral(" BRIVEL ver."));
    // The help picture is decoded when its page is first shown.
    auto* picture = w.findChild<QLabel*>(QStringLiteral("Image1"));
    EXPECT_TRUE(picture->pixmap().isNull());
    w.show();
    w.pages().show(Page::Help);
    EXPECT_FALSE(picture->pixmap().isNull());
}

TEST_F(MainWindowTest, PortMenuOffersThePortsPresentInTextOrderBeforeConnectAndDisconnect)
{
    port.presentPorts = {"COM5", "COM31", "COM1"};
    open();
    EXPECT_EQ(portMenuNames(), QStringList({"COM1", "COM5", "InnyPort", "polacz", "rozlacz1"}));
    EXPECT_EQ(action("COM5")->text(), QStringLiteral("COM5"));
    EXPECT_FALSE(port.isOpen());
}

TEST_F(MainWindowTest, PortMenuFollowsAdaptersPluggedInAndPulledWhenItOpens)
{
    port.presentPorts = {"ttyS0"};
    open();
    auto* menu = window->findChild<QMenu*>(QStringLiteral("PortCOM"));
    port.presentPorts = {"ttyUSB0", "ttyS0", "COM2"};
    EXPECT_EQ(portMenuNames(), QStringList({"ttyS0", "InnyPort", "polacz", "rozlacz1"}));
    emit menu->aboutToShow();
    EXPECT_EQ(portMenuNames(),
              QStringList({"COM2", "ttyS0", "ttyUSB0", "InnyPort", "polacz", "rozlacz1"}));

    action("ttyUSB0")->trigger();
    ASSERT_TRUE(port.isOpen());
    emit menu->aboutToShow();
    EXPECT_TRUE(action("ttyUSB0")->isChecked());
    EXPECT_TRUE(dialogs.messages().isEmpty());

    // The open adapter is pulled.
    port.presentPorts = {"ttyS0"};
    emit menu->aboutToShow();
    EXPECT_EQ(portMenuNames(), QStringList({"ttyS0", "InnyPort", "polacz", "rozlacz1"}));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(window->link().linkState(), LinkState::Disconnected);
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral(
                  "Port ttyUSB0 został odłączony (No such device) - połączenie przerwane")});

    // A listing that fails leaves the menu as it was, without a box.
    port.failListing = true;
    emit menu->aboutToShow();
    EXPECT_EQ(portMenuNames(), QStringList({"ttyS0", "InnyPort", "polacz", "rozlacz1"}));
    EXPECT_EQ(dialogs.messages().size(), 1);
}

TEST_F(MainWindowTest, PortItemsSayWhatTheSystemKnowsOfEachPort)
{
    port.presentPorts = {"ttyS0", "ttyUSB0", "ttyUSB1", "ttyACM0"};
    port.presentDetails = {
        {QStringLiteral("ttyUSB0"), {QStringLiteral("FT232R_USB_UART"), QStringLiteral("FTDI")}},
        {QStringLiteral("ttyUSB1"),
         {QStringLiteral("CP2102 USB to UART Bridge Controller"), QStringLiteral("Silicon Labs")}},
        {QStringLiteral("ttyACM0"), {QString(), QStringLiteral("Arduino (www.arduino.cc)")}},
    };
    open();
    EXPECT_EQ(portMenuNames(), QStringList({"ttyACM0", "ttyS0", "ttyUSB0", "ttyUSB1", "InnyPort",
                                            "polacz", "rozlacz1"}));
    QStringList labels;
    for (QAction* item : window->portMenu().portItems())
        labels << item->text();
    EXPECT_EQ(labels,
              QStringList({"ttyACM0 — Arduino (www.arduino.cc)", "ttyS0",
                           "ttyUSB0 — FT232R USB UART (FTDI)",
                           "ttyUSB1 — CP2102 USB to UART Bridge Controller (Silicon Labs)"}));

    // An adapter plugged in while the program runs is labelled when the menu opens.
    port.presentPorts.append("ttyUSB2");
    port.presentDetails.insert(QStringLiteral("ttyUSB2"), {QStringLiteral("USB-Serial Controller"),
                                                           QStringLiteral("Prolific")});
    emit window->findChild<QMenu*>(QStringLiteral("PortCOM"))->aboutToShow();
    EXPECT_EQ(action("ttyUSB2")->text(),
              QStringLiteral("ttyUSB2 — USB-Serial Controller (Prolific)"));
}

TEST_F(MainWindowTest, ATypedDevicePathIsChosenLikeAListedPortAndKeptForTheNextStart)
{
    const QString path =
        QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    port.presentPorts = {"ttyS0"};
    open();
    action("AngielskiGB")->trigger();
    EXPECT_EQ(action("InnyPort")->text(), QStringLiteral("Other port…"));

    const QString before = port.portName();
    action("InnyPort")->trigger();  // cancelled
    EXPECT_EQ(port.portName(), before);
    EXPECT_FALSE(port.isOpen());
    dialogs.textAnswers = {path};
    action("InnyPort")->trigger();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].kind, test::ScriptedDialogs::Kind::Text);
    EXPECT_EQ(dialogs.shown()[1].text,
              QStringLiteral("Device path of the port (e.g. /dev/serial/by-id/…):"));
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portName(), path);
    EXPECT_EQ(port.settings().effectiveBaudRate(), 7200);
    ASSERT_NE(action(path.toUtf8().constData()), nullptr);
    EXPECT_TRUE(action(path.toUtf8().constData())->isChecked());
    EXPECT_FALSE(action("ttyS0")->isChecked());
    // The menu opening again keeps it.
    emit window->findChild<QMenu*>(QStringLiteral("PortCOM"))->aboutToShow();
    EXPECT_TRUE(action(path.toUtf8().constData())->isChecked());

    action("rozlacz1")->trigger();
    EXPECT_EQ(store.readString(QStringLiteral("ComPort1/Port")), path);

    open();
    EXPECT_EQ(portMenuNames(), QStringList({"ttyS0", path, "InnyPort", "polacz", "rozlacz1"}));
    EXPECT_EQ(port.portName(), path);
    EXPECT_TRUE(action(path.toUtf8().constData())->isChecked());
}

TEST_F(MainWindowTest, WithNoPortsTheStoredPortNameIsUsed)
{
    stored("ComPort1/Port", "ttyUSB3");
    open();
    EXPECT_EQ(portMenuNames(), QStringList({"InnyPort", "polacz", "rozlacz1"}));
    EXPECT_EQ(port.portName(), QStringLiteral("ttyUSB3"));
}

TEST_F(MainWindowTest, FirstRunStartsInPolishAndCreatesTheLanguageKey)
{
    port.presentPorts = {"ttyS0", "ttyUSB0"};
    open();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(window->languages().current(), QStringLiteral("PolskiPL"));
    EXPECT_TRUE(store.hasGroup(QStringLiteral("Lang")));
    auto* dial = window->findChild<TAb270Meter*>(QStringLiteral("RPM_zegar"));
    EXPECT_EQ(dial->sectorSettings()->offset(), 300);
    EXPECT_EQ(dial->arrowSettings()->shape(), 6);
    EXPECT_EQ(port.portName(), QString());  // applied as stored, even when empty
    EXPECT_EQ(port.settings().baudRate, QStringLiteral("9600"));
    for (QAction* item : window->portMenu().portItems())
        EXPECT_FALSE(item->isChecked());
}

TEST_F(MainWindowTest, ChoosingAPortSwitchesToTheCustomRateWhichTheDisconnectStores)
{
    port.presentPorts = {"ttyS0", "ttyUSB0"};
    open();
    action("ttyUSB0")->trigger();
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portName(), QStringLiteral("ttyUSB0"));
    EXPECT_EQ(port.settings().effectiveBaudRate(), 7200);
    EXPECT_TRUE(action("ttyUSB0")->isChecked());
    EXPECT_FALSE(action("ttyS0")->isChecked());

    action("rozlacz1")->trigger();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(store.readString(QStringLiteral("ComPort1/Port")), QStringLiteral("ttyUSB0"));
    EXPECT_EQ(store.readString(QStringLiteral("ComPort1/BaudRate")), QStringLiteral("Custom"));
    EXPECT_EQ(store.readInt(QStringLiteral("ComPort1/CustomBaudRate")), 7200);
    EXPECT_EQ(store.readString(QStringLiteral("Lang/CurLang")), QStringLiteral("PolskiPL"));
}

TEST_F(MainWindowTest, ChoosingAPortThatCannotOpenKeepsItCheckedAndTheReasonShown)
{
    port.presentPorts = {"ttyS0"};
    open();
    port.failNextOpen = true;
    action("ttyS0")->trigger();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.settings().baudRate, QStringLiteral("Custom"));
    EXPECT_TRUE(action("ttyS0")->isChecked());
    EXPECT_EQ(dialogs.messages(), QStringList({"Unable to open com port (win error code: 2)"}));
}

TEST_F(MainWindowTest, StoredSettingsAreRestoredWithTheirPortCheckedAndLanguageChosen)
{
    port.presentPorts = {"ttyS0", "ttyUSB0"};
    stored("ComPort1/Port", "ttyUSB0");
    stored("ComPort1/BaudRate", "custom");
    stored("ComPort1/CustomBaudRate", "7200");
    stored("Lang/CurLang", "Ceski");
    open();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(port.settings().baudRate, QStringLiteral("Custom"));
    EXPECT_EQ(port.settings().effectiveBaudRate(), 7200);
    EXPECT_TRUE(action("ttyUSB0")->isChecked());
    EXPECT_FALSE(action("ttyS0")->isChecked());
    EXPECT_EQ(window->languages().current(), QStringLiteral("Ceski"));
    EXPECT_TRUE(action("Ceski")->isChecked());
    EXPECT_FALSE(action("PolskiPL")->isChecked());
}

TEST_F(MainWindowTest, StoredRussianLeavesThePolishTextsAndTheCheckMarks)
{
    stored("Lang/CurLang", "Russian");
    open();
    EXPECT_TRUE(action("PolskiPL")->isChecked());
    EXPECT_FALSE(action("Russian")->isChecked());
    EXPECT_EQ(window->languages().current(), QStringLiteral("Russian"));
}

TEST_F(MainWindowTest, AFailedSettingsLoadSkipsTheLaterStartUpSteps)
{
    port.presentPorts = {"ttyS0"};
    stored("ComPort1/Port", "ttyS0");
    stored("ComPort1/BaudRate", "Custom");  // and no rate
    stored("Lang/CurLang", "AngielskiGB");
    open();
    EXPECT_EQ(dialogs.messages(), QStringList({"Failed to load settings"}));
    // The dial keeps its form settings: its band is not hidden.
    auto* dial = window->findChild<TAb270Meter*>(QStringLiteral("RPM_zegar"));
    EXPECT_EQ(dial->sectorSettings()->offset(), 0);
    EXPECT_FALSE(action("ttyS0")->isChecked());
    EXPECT_TRUE(action("PolskiPL")->isChecked());
    EXPECT_EQ(window->languages().current(), QStringLiteral("PolskiPL"));
}

TEST_F(MainWindowTest, AnUnlistablePortSetKeepsTheThirtyItemsAndLoadsNothing)
{
    port.failListing = true;
    stored("ComPort1/Port", "ttyS0");
    stored("Lang/CurLang", "NiemieckiDE");
    open();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith(QStringLiteral("Registry error")));
    const QList<QAction*> items = window->portMenu().portItems();
    ASSERT_EQ(items.size(), 30);
    EXPECT_EQ(items.first()->text(), QStringLiteral("1"));
    EXPECT_EQ(items.last()->objectName(), QStringLiteral("COM30"));
    EXPECT_EQ(port.portName(), QString());
    EXPECT_TRUE(action("PolskiPL")->isChecked());
}

TEST_F(MainWindowTest, OpensMaximisedOnScreensUpTo800PixelsWide)
{
    EXPECT_TRUE(open(800).windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(open(801).windowState() & Qt::WindowMaximized);
}

TEST_F(MainWindowTest, ClosingTheWindowClosesThePortAndStoresTheSessionOnce)
{
    port.presentPorts = {"ttyS0"};
    open();
    action("ttyS0")->trigger();
    action("AngielskiGB")->trigger();
    window->close();
    EXPECT_FALSE(port.isOpen());
    const int flushes = store.flushes;
    EXPECT_EQ(store.readString(QStringLiteral("Lang/CurLang")), QStringLiteral("AngielskiGB"));
    EXPECT_EQ(store.readString(QStringLiteral("ComPort1/Port")), QStringLiteral("ttyS0"));
    // Neither a second close nor the end of the window runs the sequence again.
    window->close();
    window.reset();
    EXPECT_EQ(store.flushes, flushes);
}

TEST_F(MainWindowTest, InfoLinksOpenTheirAddressesAndTurnBlueUnderTheMouse)
{
    open();
    auto* web = window->findChild<QLabel*>(QStringLiteral("KVOS_Linl_label"));
    auto* mail = window->findChild<QLabel*>(QStringLiteral("Label23"));
    auto* panel = window->findChild<QWidget*>(QStringLiteral("Panel1"));
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    ASSERT_EQ(urls.opened.size(), 2);
    EXPECT_TRUE(urls.opened[0].contains(QStringLiteral("kvos.example")));
    EXPECT_EQ(urls.opened[1], QStringLiteral("mailto:") + mail->text());

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(web, &move);
    EXPECT_EQ(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QApplication::sendEvent(panel, &move);
    EXPECT_EQ(web->palette().color(QPalette::WindowText),
              panel->palette().color(QPalette::WindowText));
}

TEST_F(MainWindowTest, FlagButtonsChooseTheLanguage)
{
    open();
    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("GNiemieckiDE")), Qt::LeftButton);
    EXPECT_TRUE(action("NiemieckiDE")->isChecked());
    EXPECT_EQ(window->languages().current(), QStringLiteral("NiemieckiDE"));
    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("GRussian")), Qt::LeftButton);
    EXPECT_EQ(window->languages().current(), QStringLiteral("NiemieckiDE"));
}
