#include "QtPrinters.h"
#include "ReplyFrames.h"
#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "app/LinkPresenter.h"
#include "app/ui/BottomBar.h"
#include "i18n/MessageTable.h"
#include "link/ControllerLink.h"
#include "link/Frames.h"
#include "live/LiveModel.h"
#include "platform/qt/SystemColors.h"
#include "widgets/TAbFlashTimer.h"
#include "widgets/ui/TAbDBColBitBtn.h"

#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>

using namespace brivel;
using namespace brivel::test;

namespace {

const QString Message11 = QStringLiteral("Time out - błąd w transmisji (Brak Strownika) ");
const QString VersionText = QStringLiteral(" BRIVEL ver. 3.07.07");
const QColor Grey(0x80, 0x80, 0x80);

// The presenter on the bottom bar of a bare window, following a link on a
// test port in virtual time.
class LinkPresenterTest : public ::testing::Test {
public:
    LinkPresenterTest()
    {
        port.setPortName(QStringLiteral("COM3"));
        port.setBaudRate(QStringLiteral("Custom"));
        window.resize(773, 531);
        window.show();
    }

    // The next tick of the exchange, whatever its interval.
    void tick() { clock.advance(link.countTimer().interval()); }

    // The controller hands the settings image over in two pieces.
    void answerHandshake()
    {
        const QByteArray line = controllerLine(settingsReply());
        port.feed(line.left(300));
        port.feed(line.mid(300));
    }

    void connectAndApply()
    {
        link.connectToController();
        answerHandshake();
        clock.advance(ControllerLink::LongTransferIntervalMs);
        ASSERT_EQ(link.linkState(), LinkState::Count);
        port.takeWritten();
    }

    // The fitter clicks the connect switch.
    void clickSwitch() { QTest::mouseClick(bar->connectSwitch(), Qt::LeftButton); }

    QLabel* lamp() const { return window.findChild<QLabel*>(QStringLiteral("StaticText1")); }
    bool busy() const
    {
        return !window.isEnabled() && panel->palette().color(QPalette::Window) == Grey;
    }
    bool free() const
    {
        return window.isEnabled() && panel->palette().color(QPalette::Window) == buttonFace();
    }
    int handshakesSent() { return commandFrames(port.takeWritten()).count(ConnectFrame()); }

    VirtualClock clock;
    TestSerialPort port;
    ScriptedDialogs dialogs;
    MemorySettingsStore store;
    MessageTable messages;
    TAbFlashTimer flashTimer{clock};
    LiveModel live{messages};
    QWidget window;
    QFrame* panel = new QFrame(&window);
    BottomBar* bar = new BottomBar(panel, flashTimer, live);
    ControllerLink link{port, clock, [](int) {}};
    LinkPresenter presenter{link, {bar, &window, panel}, port, dialogs, store, messages};
};

TEST_F(LinkPresenterTest, Connect_BusyUntilTheHandshakeIsAppliedThenVersionLampAndSwitch)
{
    EXPECT_EQ(bar->statusText(), InitialStatusText);
    EXPECT_EQ(lamp()->text(), QStringLiteral("offline"));
    link.connectToController();
    EXPECT_TRUE(busy());
    answerHandshake();
    EXPECT_EQ(bar->statusText(), VersionText) << "shown as soon as the reply is whole";
    EXPECT_TRUE(busy());
    EXPECT_FALSE(bar->connectSwitch()->isChecked());

    clock.advance(ControllerLink::LongTransferIntervalMs);
    EXPECT_TRUE(free());
    EXPECT_EQ(lamp()->text(), QStringLiteral("online"));
    EXPECT_EQ(lamp()->palette().color(QPalette::Window), BottomBar::OnlineColor);
    EXPECT_TRUE(bar->connectSwitch()->isChecked());
    EXPECT_EQ(bar->connectSwitch()->textOn(), QStringLiteral("COM3 - ON"));
    EXPECT_EQ(handshakesSent(), 1) << "showing the switch on connects nothing again";
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(LinkPresenterTest, Disconnect_ShowsOfflineStoresThePortSettingsThenTheRestOfTheSession)
{
    connectAndApply();
    QString portStoredFirst;
    QObject::connect(&presenter, &LinkPresenter::portSettingsStored, &presenter,
                     [&] { portStoredFirst = store.readString(QStringLiteral("ComPort1/Port")); });
    QSignalSpy stored(&presenter, &LinkPresenter::portSettingsStored);
    link.enterBusyState();
    link.disconnectFromController();

    EXPECT_EQ(stored.count(), 1);
    EXPECT_EQ(portStoredFirst, QStringLiteral("COM3"));
    EXPECT_EQ(store.readString(QStringLiteral("ComPort1/BaudRate")), QStringLiteral("Custom"));
    EXPECT_EQ(store.readInt(QStringLiteral("ComPort1/CustomBaudRate")), 7200);
    EXPECT_EQ(lamp()->text(), QStringLiteral("offline"));
    EXPECT_EQ(lamp()->palette().color(QPalette::Window), BottomBar::OfflineColor);
    EXPECT_FALSE(bar->connectSwitch()->isChecked());
    EXPECT_TRUE(free());
    EXPECT_EQ(handshakesSent(), 0) << "showing the switch off connects nothing";
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(LinkPresenterTest, Disconnect_AStoreThatFailsIsShownInsteadOfTheRestAndFreesTheWindow)
{
    link.connectToController();
    store.failWrites = true;
    QSignalSpy stored(&presenter, &LinkPresenter::portSettingsStored);
    // Five silent handshakes: the last time-out would say message 11.
    clock.advance(5 * ControllerLink::ReplyTimeoutMs);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Failed to store settings")});
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(stored.count(), 0);
    EXPECT_TRUE(free());
}

struct ReasonCase {
    const char* name;
    // Leads the connected link to its disconnect.
    std::function<void(LinkPresenterTest&)> cause;
    QString message;
};

class DisconnectMessage : public LinkPresenterTest,
                          public ::testing::WithParamInterface<ReasonCase> {};

TEST_P(DisconnectMessage, IsShownOnceTheLinkHasSettledWithTheWindowFree)
{
    connectAndApply();
    LinkState stateWhileShown = LinkState::Count;
    bool freeWhileShown = false;
    QString lampWhileShown;
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) {
        stateWhileShown = link.linkState();
        freeWhileShown = free();
        lampWhileShown = lamp()->text();
    };
    link.enterBusyState();
    GetParam().cause(*this);
    ASSERT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(dialogs.messages(), QStringList{GetParam().message});
    EXPECT_EQ(stateWhileShown, LinkState::Disconnected);
    EXPECT_TRUE(freeWhileShown);
    EXPECT_EQ(lampWhileShown, QStringLiteral("offline"));
}

INSTANTIATE_TEST_SUITE_P(
    LinkPresenter, DisconnectMessage,
    ::testing::Values(
        ReasonCase{"ReplyTimeOut",
                   [](LinkPresenterTest& test) {
                       test.tick();
                       test.clock.advance(ControllerLink::ReplyTimeoutMs);
                   },
                   Message11},
        ReasonCase{"RetriesSpent",
                   [](LinkPresenterTest& test) {
                       test.link.queueCommand(2, QByteArray("\x1B\x01", 2));
                       test.tick();
                       test.port.feed(controllerLine(liveReply(0x55)));
                   },
                   QStringLiteral("Time out - Error1")},
        ReasonCase{
            "PortGone",
            [](LinkPresenterTest& test) {
                test.port.fail({PortFault::Kind::DeviceGone, 19, QStringLiteral("No such device")});
            },
            QStringLiteral("Port COM3 został odłączony (No such device) - połączenie "
                           "przerwane")},
        ReasonCase{"WriteRefused",
                   [](LinkPresenterTest& test) {
                       test.port.failNextWrite = true;
                       test.tick();
                   },
                   QStringLiteral("WriteFile function failed (win error code: 9)")}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(LinkPresenterTest, Messages_ABoxThatDispatchesAConnectLeavesTheNewHandshakeAlone)
{
    connectAndApply();
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) { link.connectToController(); };
    link.queueCommand(2, QByteArray("\x1B\x01", 2));
    clock.advance(240);
    port.takeWritten();
    port.feed(controllerLine(liveReply(0x55)));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Time out - Error1")});
    EXPECT_EQ(link.linkState(), LinkState::W_s_0);
    EXPECT_TRUE(link.replyTimer().isActive());
    EXPECT_EQ(handshakesSent(), 1);
    EXPECT_TRUE(busy());
}

TEST_F(LinkPresenterTest, Messages_AnErrorOfThePortUsesTheErrorBoxAndChangesNothing)
{
    port.failNextOpen = true;
    link.connectToController();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Unable to open com port (win error code: 2)"));
    EXPECT_TRUE(free());
    EXPECT_EQ(lamp()->text(), QStringLiteral("offline"));
}

TEST_F(LinkPresenterTest, Messages_InitErrorWaitsForThePieceToBeKept)
{
    connectAndApply();
    clock.advance(240);
    port.takeWritten();
    QByteArray kept;
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) { kept = link.receiveBuffer(); };
    const QByteArray piece = QByteArray::fromHex("000039550102");
    port.feed(controllerLine(piece));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Init Error")});
    EXPECT_EQ(kept, piece);
}

TEST_F(LinkPresenterTest, Messages_FollowTheLanguage)
{
    MessageTable english;
    english.setLanguage(MessageTable::English);
    ControllerLink other{port, clock, [](int) {}};
    LinkPresenter shown{other, {bar, &window, panel}, port, dialogs, store, english};
    other.connectToController();
    port.fail({PortFault::Kind::DeviceGone, 5, QStringLiteral("Input/output error")});
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Port COM3 was disconnected (Input/output error) - "
                                         "connection lost")});
}

// ---- The connect switch ----

struct SwitchCase {
    const char* name;
    QString portName;
    bool connectedBefore;
    int clicks;
    bool connects;
    bool disconnects;
    bool shownOn;
};

class ConnectSwitch : public LinkPresenterTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(ConnectSwitch, TheFittersClickConnectsOrDisconnectsOnlyWithAPortName)
{
    const SwitchCase& c = GetParam();
    port.setPortName(c.portName);
    if (c.connectedBefore)
        connectAndApply();
    QSignalSpy disconnected(&link, &ControllerLink::disconnected);
    for (int i = 0; i < c.clicks; ++i)
        clickSwitch();
    EXPECT_EQ(bar->connectSwitch()->isChecked(), c.shownOn) << "the switch toggles";
    EXPECT_EQ(handshakesSent(), c.connects ? 1 : 0);
    if (c.connects) {
        EXPECT_EQ(bar->connectSwitch()->textOn(), QStringLiteral("COM x"));
        EXPECT_EQ(link.linkState(), LinkState::W_s_0);
    }
    EXPECT_EQ(disconnected.count(), c.disconnects ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    LinkPresenter, ConnectSwitch,
    ::testing::Values(SwitchCase{"OnWithPort", "COM3", false, 1, true, false, true},
                      SwitchCase{"OnWithoutPort", "", false, 1, false, false, true},
                      SwitchCase{"OffWithPort", "COM3", true, 1, false, true, false},
                      SwitchCase{"OffWithoutPort", "", false, 2, false, false, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(LinkPresenterTest, ConnectSwitch_ThePresentersOwnChangesNeverConnectOrDisconnectAgain)
{
    QSignalSpy connecting(&link, &ControllerLink::connecting);
    QSignalSpy disconnected(&link, &ControllerLink::disconnected);
    clickSwitch();
    answerHandshake();
    clock.advance(ControllerLink::LongTransferIntervalMs);
    EXPECT_TRUE(bar->connectSwitch()->isChecked());
    EXPECT_EQ(bar->connectSwitch()->textOn(), QStringLiteral("COM3 - ON"));
    clock.advance(240);
    EXPECT_EQ(commandCodes(commandFrames(port.takeWritten())), (QList<int>{0x66, 0x55}));

    // "Rozłącz" from the menu shows the switch off.
    link.disconnectFromController();
    EXPECT_FALSE(bar->connectSwitch()->isChecked());
    EXPECT_EQ(connecting.count(), 1);
    EXPECT_EQ(disconnected.count(), 1);
    EXPECT_TRUE(port.takeWritten().isEmpty());
}

}  // namespace
