#include "Bytes.h"
#include "ReplyFrames.h"
#include "QtPrinters.h"
#include "RecordingLink.h"
#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "link/ControllerLink.h"
#include "link/Frames.h"
#include "link/PortRouter.h"
#include "sim/DemoPort.h"
#include "sim/EmulatorPort.h"

#include <gtest/gtest.h>

using namespace brivel;
using namespace brivel::sim;
using namespace brivel::test;

namespace {

const QString Message11 = QStringLiteral("Time out - błąd w transmisji (Brak Strownika) ");

// The link against the emulated controller, both in virtual time.
class LinkOnEmulatorTest : public ::testing::Test {
protected:
    LinkOnEmulatorTest() { port.setPortName(DemoPortName); }

    ControllerEmulator& controller() { return port.emulator(); }

    VirtualClock clock;
    EmulatorPort port{clock};
    ScriptedDialogs dialogs;
    MessageTable messages;
    QStringList calls;
    ControllerLink link{port, clock, [](int) {}};
    RecordingLink events{link, calls, dialogs, messages};
};

TEST_F(LinkOnEmulatorTest, ConnectsThenPollsPacedByTheReplies)
{
    link.connectToController();
    clock.advance(2500);
    ASSERT_EQ(events.settingsImages.size(), 1);
    EXPECT_EQ(events.settingsImages[0].size(), 602);
    EXPECT_EQ(events.statusText, QStringLiteral(" BRIVEL ver. 3.07.07"));
    EXPECT_TRUE(events.connected);

    const int framesBefore = static_cast<int>(events.liveReplies.size());
    clock.advance(10000);
    const int polled = static_cast<int>(events.liveReplies.size()) - framesBefore;
    // One exchange is 240 ms of pause plus about 96 ms on the line.
    EXPECT_GE(polled, 10000 / 350);
    EXPECT_LE(polled, 10000 / 320);
    EXPECT_EQ(events.liveReplies.last().size(), 57);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(LinkOnEmulatorTest, QueuedSettingReachesTheControllerAndComesBackInTheNextRead)
{
    link.connectToController();
    clock.advance(2500);
    link.queueCommand(ControllerLink::RetriesForEditors, bytes({0x0F, 0x28}));
    clock.advance(1000);
    EXPECT_EQ(controller().settings().at(35), 0x28);
    EXPECT_FALSE(link.commandPending());

    int saves = 0;
    link.enterBusyState();
    link.queueCommand(ControllerLink::RetriesForEditors, bytes({0x66, 0x00}), QByteArray(),
                      QByteArray(), [&saves] { ++saves; });
    clock.advance(4000);
    ASSERT_EQ(events.settingsImages.size(), 2);
    EXPECT_EQ(static_cast<quint8>(events.settingsImages[1][35]), 0x28);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(events.busy);
    // The controller heard the setting, the reads and the polls, nothing else.
    for (const QByteArray& frame : controller().receivedFrames())
        EXPECT_TRUE(frame[1] == 0x0F || frame[1] == 0x66 || frame[1] == 0x55)
            << frame.toHex().toStdString();
}

struct FaultOutcome {
    const char* name;
    EmulatorFault fault;
    bool queueCommand;  // the fault shows only on a queued command
    QStringList messages;
    qint64 withinMs;
};

class LinkMeetsFault : public LinkOnEmulatorTest,
                       public ::testing::WithParamInterface<FaultOutcome> {};

TEST_P(LinkMeetsFault, EndsDisconnectedWithTheRightMessage)
{
    const FaultOutcome& c = GetParam();
    if (c.queueCommand) {
        link.connectToController();
        clock.advance(2500);
        ASSERT_EQ(link.linkState(), LinkState::Count) << "connects before the fault";
        controller().setFault(c.fault);
        link.queueCommand(ControllerLink::RetriesForEditors, bytes({0x1B, 0x01}));
    } else {
        controller().setFault(c.fault);
        link.connectToController();
    }
    const qint64 start = clock.nowMs();
    while (link.linkState() != LinkState::Disconnected && clock.nowMs() - start < 30000)
        clock.advance(10);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_LE(clock.nowMs() - start, c.withinMs);
    EXPECT_EQ(dialogs.messages(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Emulator, LinkMeetsFault,
    ::testing::Values(
        FaultOutcome{"Silence", EmulatorFault::Silence, false, {Message11}, 15010},
        // Each attempt times out 3 s after its unrecognised reply.
        FaultOutcome{"ConnectReplyInOnePiece",
                     EmulatorFault::ConnectReplyInOnePiece,
                     false,
                     {Message11},
                     20000},
        FaultOutcome{"WrongVersion", EmulatorFault::WrongVersion, false, {}, 1500},
        FaultOutcome{"BadLeadByte", EmulatorFault::BadLeadByte, false, {}, 1000},
        FaultOutcome{
            "ExtraBytesInTheHandshake", EmulatorFault::ExtraBytes, false, {Message11}, 20000},
        FaultOutcome{"CutOffHandshake", EmulatorFault::CutOffReply, false, {Message11}, 20000},
        FaultOutcome{"WrongEcho", EmulatorFault::WrongEcho, true, {"Time out - Error1"}, 2000},
        FaultOutcome{"MissingEcho", EmulatorFault::MissingEcho, true, {Message11}, 3300}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(LinkOnEmulatorTest, APulledAdapterEndsTheConnectionAtOnceAndConnectsAgainOncePluggedIn)
{
    link.connectToController();
    clock.advance(2500);
    ASSERT_TRUE(events.connected);
    clock.advance(130);
    port.unplug();
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral(
                  "Port Demo został odłączony (No such device) - połączenie przerwane")});
    EXPECT_TRUE(port.availablePorts().isEmpty());

    dialogs.clear();
    link.connectToController();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Unable to open com port (win error code: 2)")});
    port.plugIn();
    dialogs.clear();
    link.connectToController();
    clock.advance(2500);
    EXPECT_TRUE(events.connected);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST(DemoPort, TheRoutedPortReachesTheEmulatorUnderTheNameDemo)
{
    VirtualClock clock;
    auto port = makePortWithDemo(std::make_unique<TestSerialPort>(), clock);
    port->setPortName(DemoPortName);
    port->setBaudRate(QStringLiteral("Custom"));
    ScriptedDialogs dialogs;
    MemorySettingsStore store;
    MessageTable messages;
    QStringList calls;
    ControllerLink link(*port, clock, [](int) {});
    RecordingLink events{link, calls, dialogs, messages};
    link.connectToController();
    clock.advance(3000);
    EXPECT_TRUE(events.connected);
    EXPECT_EQ(events.settingsImages.size(), 1);
    EXPECT_EQ(events.portName, DemoPortName);
    link.disconnectFromController();
    port->storeSettings(store);
    EXPECT_EQ(store.values().value("ComPort1/Port").toString(), DemoPortName);
}

}  // namespace
