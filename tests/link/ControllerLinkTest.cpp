#include "Bytes.h"
#include "ReplyFrames.h"
#include "QtPrinters.h"
#include "RecordingLink.h"
#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "link/Commands.h"
#include "link/ControllerLink.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

using namespace brivel;
using namespace brivel::test;

namespace {

const QString Message11 = QStringLiteral("Time out - błąd w transmisji (Brak Strownika) ");
constexpr int LongTick = ControllerLink::CountIntervalMs | ControllerLink::LongTransferBit;

class ControllerLinkTest : public ::testing::Test {
protected:
    ControllerLinkTest()
    {
        port.setPortName(QStringLiteral("COM3"));
        port.setBaudRate(QStringLiteral("Custom"));
        port.setCustomBaudRate(7200);
        link.addListener(events);
    }

    // The controller hands a reply over in pieces, cut at the given offsets.
    void answer(const QByteArray& reply, std::initializer_list<int> cuts = {})
    {
        const QByteArray line = controllerLine(reply);
        qsizetype from = 0;
        for (int cut : cuts) {
            port.feed(line.mid(from, cut - from));
            from = cut;
        }
        port.feed(line.mid(from));
    }

    QList<QByteArray> sent() { return commandFrames(port.takeWritten()); }

    // Connects, answers the handshake in two pieces and lets the tick apply
    // it; the first poll goes out 240 ms later.
    void connectAndApply()
    {
        link.polaczClick();
        answer(settingsReply(), {300});
        clock.advance(LongTick);
        ASSERT_EQ(link.linkState(), LinkState::Count);
        port.takeWritten();
        calls.clear();
    }

    // Ticks until a poll goes out, answering every command with a live
    // frame that echoes `echo` (its own code when 0); returns the codes sent.
    QList<int> runUntilPoll(int echo = 0)
    {
        QList<int> codes;
        for (int tick = 0; tick < 30; ++tick) {
            clock.advance(link.countTimer().interval());
            for (const QByteArray& frame : sent()) {
                const int code = static_cast<quint8>(frame[1]);
                codes << code;
                if (code == command::Poll)
                    return codes;
                answer(liveReply(static_cast<quint8>(echo ? echo : code)), {10});
            }
            if (link.linkState() == LinkState::Disconnected)
                break;
        }
        return codes;
    }

    VirtualClock clock;
    TestSerialPort port;
    ScriptedDialogs dialogs;
    MemorySettingsStore store;
    MessageTable messages;
    QStringList calls;
    RecordingStatusView status{calls};
    RecordingLinkListener events{calls};
    int pauses = 0;
    ControllerLink link{port, clock, dialogs, store, messages, status, [this](int) { ++pauses; }};
};

// ---- Handshake ----

TEST_F(ControllerLinkTest, Connect_SilentControllerGetsFiveAttemptsThenMessage11)
{
    link.polaczClick();
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(status.busy);
    EXPECT_TRUE(link.isBusy());
    EXPECT_EQ(link.countTimer().interval(), 1264);
    EXPECT_EQ(countCalls(calls, QStringLiteral("linkConnecting")), 1);
    EXPECT_EQ(sent(), QList<QByteArray>{ConnectFrame()});

    for (int attempt = 1; attempt < 5; ++attempt) {
        clock.advance(3000);
        EXPECT_EQ(sent(), QList<QByteArray>{ConnectFrame()}) << attempt;
        EXPECT_EQ(link.connectAttempts(), 5 - attempt);
        EXPECT_EQ(link.linkState(), LinkState::W_s_0);
        EXPECT_TRUE(status.busy);
    }
    EXPECT_EQ(port.clearErrorCalls, 4);
    EXPECT_TRUE(dialogs.messages().isEmpty());

    clock.advance(2999);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    clock.advance(1);
    EXPECT_EQ(clock.nowMs(), 15000);
    EXPECT_EQ(dialogs.messages(), QStringList{Message11});
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(status.busy);
    EXPECT_FALSE(status.online);
    EXPECT_EQ(clock.activeTimers(), 0);
}

TEST_F(ControllerLinkTest, Connect_TwoPieceReplyIsAppliedAtThe1264msTickAndPolled240msLater)
{
    link.polaczClick();
    port.takeWritten();
    const QByteArray reply = settingsReply();
    clock.advance(100);
    answer(reply.left(300));
    EXPECT_EQ(link.linkState(), LinkState::W_s_count);
    clock.advance(100);
    port.feed(controllerLine(reply.mid(300)));
    EXPECT_EQ(link.linkState(), LinkState::T_C_start);
    EXPECT_EQ(status.text, QStringLiteral(" BRIVEL ver. 3.07.07"));

    clock.advance(1263);
    EXPECT_TRUE(events.settingsImages.isEmpty());
    clock.advance(1);
    ASSERT_EQ(events.settingsImages, QList<QByteArray>{reply});
    EXPECT_EQ(link.linkState(), LinkState::Count);
    EXPECT_TRUE(link.receiveBuffer().isEmpty());
    EXPECT_TRUE(status.online);
    EXPECT_TRUE(events.connected);
    EXPECT_TRUE(status.switchOn);
    EXPECT_EQ(status.switchOnText, QStringLiteral("COM3 - ON"));
    EXPECT_TRUE(events.connected);
    EXPECT_FALSE(status.busy);
    EXPECT_FALSE(link.isBusy());
    EXPECT_TRUE(sent().isEmpty());

    clock.advance(239);
    EXPECT_TRUE(sent().isEmpty());
    clock.advance(1);
    EXPECT_EQ(sent(), QList<QByteArray>{PollFrame()});
    EXPECT_EQ(link.linkState(), LinkState::Read_count);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ControllerLinkTest, Connect_ReplyInOnePieceIsNotRecognisedAndTheTimeOutRetries)
{
    link.polaczClick();
    port.takeWritten();
    answer(settingsReply());
    EXPECT_EQ(link.linkState(), LinkState::W_s_count);
    clock.advance(2999);
    EXPECT_TRUE(events.settingsImages.isEmpty());
    EXPECT_TRUE(sent().isEmpty());
    clock.advance(1);
    EXPECT_EQ(sent(), QList<QByteArray>{ConnectFrame()});
    EXPECT_EQ(link.connectAttempts(), 4);
    EXPECT_EQ(link.linkState(), LinkState::W_s_0);
    EXPECT_TRUE(events.settingsImages.isEmpty());
}

TEST_F(ControllerLinkTest, Connect_FirstPieceWithoutLeadRetriesAtOnceAndGivesUpSilently)
{
    link.polaczClick();
    port.takeWritten();
    for (int attempt = 1; attempt < 5; ++attempt) {
        answer(bytes({0x00, 0x02, 0x5A}));
        EXPECT_EQ(sent(), QList<QByteArray>{ConnectFrame()});
        EXPECT_EQ(link.connectAttempts(), 5 - attempt);
    }
    answer(bytes({0x00, 0x02, 0x5A}));
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

struct VersionCase {
    const char* name;
    QByteArray reply;
    bool accepted;
};

class ConnectVersion : public ControllerLinkTest,
                       public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ConnectVersion, OnlyVersion377IsAccepted)
{
    link.polaczClick();
    const QByteArray& reply = GetParam().reply;
    answer(reply, {static_cast<int>(reply.size() / 2)});
    clock.advance(LongTick);
    if (GetParam().accepted) {
        EXPECT_EQ(link.linkState(), LinkState::Count);
        EXPECT_EQ(events.settingsImages.size(), 1);
        EXPECT_EQ(status.text, QStringLiteral(" BRIVEL ver. 3.07.07"));
        EXPECT_TRUE(link.versionShown());
    } else {
        EXPECT_EQ(link.linkState(), LinkState::Disconnected);
        EXPECT_TRUE(events.settingsImages.isEmpty());
        EXPECT_TRUE(status.text.isEmpty());
        EXPECT_FALSE(link.versionShown());
        EXPECT_EQ(events.sessionsStored, 1);
        EXPECT_FALSE(port.isOpen());
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    ControllerLink, ConnectVersion,
    ::testing::Values(VersionCase{"V377", settingsReply(0x66, 3, 7, 7), true},
                      VersionCase{"V376", settingsReply(0x66, 3, 7, 6), false},
                      VersionCase{"V477", settingsReply(0x66, 4, 7, 7), false},
                      VersionCase{"V3_7_0x17", settingsReply(0x66, 3, 7, 0x17), false},
                      VersionCase{"EchoIsNotChecked", settingsReply(0x0C, 3, 7, 7), true},
                      VersionCase{"TooShortForAVersion", replyFrame(0x66, 6), false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(ControllerLinkTest, Connect_AfterTheFirstAcceptedHandshakeTheVersionIsNotCheckedAgain)
{
    connectAndApply();
    link.rozlacz1Click();
    link.polaczClick();
    answer(settingsReply(0x66, 3, 7, 6), {100});
    clock.advance(LongTick);
    EXPECT_EQ(link.linkState(), LinkState::Count);
    EXPECT_EQ(status.text, QStringLiteral(" BRIVEL ver. 3.07.07"));
}

TEST_F(ControllerLinkTest, Connect_PortThatCannotBeOpenedShowsTheOpenErrorAndChangesNothing)
{
    port.failNextOpen = true;
    link.polaczClick();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Unable to open com port (win error code: 2)")});
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_FALSE(status.busy);
    EXPECT_TRUE(port.writes.isEmpty());
    EXPECT_EQ(clock.activeTimers(), 0);
}

TEST_F(ControllerLinkTest, Connect_RunsTheLineAt7200EvenWhenAStandardRateWasStored)
{
    port.setBaudRate(QStringLiteral("9600"));
    link.polaczClick();
    EXPECT_TRUE(port.settings().isCustomRate());
    EXPECT_EQ(port.settings().effectiveBaudRate(), 7200);
}

// ---- Polling ----

TEST_F(ControllerLinkTest, Polling_NextPollComes240msAfterEachCompleteReply)
{
    connectAndApply();
    clock.advance(240);
    ASSERT_EQ(sent(), QList<QByteArray>{PollFrame()});
    for (int cycle = 0; cycle < 3; ++cycle) {
        const QByteArray reply = replyFrame(0x55, 57, static_cast<quint8>(cycle + 1));
        const int lag = 30 + 25 * cycle;
        clock.advance(lag);
        answer(reply.left(20));
        EXPECT_EQ(link.linkState(), LinkState::Read_count_1);
        clock.advance(50);
        answer(reply.mid(20));
        EXPECT_EQ(link.linkState(), LinkState::Count);
        clock.advance(239);
        EXPECT_TRUE(sent().isEmpty()) << cycle;
        clock.advance(1);
        EXPECT_EQ(sent(), QList<QByteArray>{PollFrame()}) << cycle;
        EXPECT_EQ(events.liveReplies.last(), reply);
    }
    EXPECT_EQ(events.liveReplies.size(),
              4);  // the empty buffer after the handshake, then three replies
    EXPECT_TRUE(events.liveReplies.first().isEmpty());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ControllerLinkTest, Polling_SilentControllerDisconnectsAfterThreeSeconds)
{
    connectAndApply();
    clock.advance(240);
    sent();
    clock.advance(2999);
    EXPECT_EQ(link.linkState(), LinkState::Read_count);
    clock.advance(1);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(dialogs.messages(), QStringList{Message11});
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(ControllerLinkTest, Polling_ReplyWithExtraBytesNeverCompletesAndTimesOut)
{
    connectAndApply();
    clock.advance(240);
    sent();
    const QByteArray reply = liveReply() + bytes({0x01, 0x02, 0x03});
    answer(reply.left(30));
    clock.advance(100);
    answer(reply.mid(30));
    EXPECT_EQ(link.linkState(), LinkState::Read_count_1);
    clock.advance(2999);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(sent().isEmpty());
    clock.advance(1);
    EXPECT_EQ(dialogs.messages(), QStringList{Message11});
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_FALSE(events.liveReplies.contains(reply));
}

TEST_F(ControllerLinkTest, Polling_FirstPieceWithoutLeadShowsInitErrorOnceThePieceIsKept)
{
    connectAndApply();
    clock.advance(240);
    sent();
    const QByteArray first = bytes({0x00, 0x00, 0x39, 0x55, 0x01});
    const QByteArray second = bytes({0x02, 0x03});
    // The box dispatches receive events while it is open.
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) { answer(second); };
    answer(first);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Init Error")});
    EXPECT_EQ(link.receiveBuffer(), first + second);
    EXPECT_EQ(link.linkState(), LinkState::Read_count_1);
}

TEST_F(ControllerLinkTest, Polling_ReceiveBufferStopsGrowingPastAnyLength)
{
    connectAndApply();
    clock.advance(240);
    answer(bytes({0xAA, 0xFF, 0xFF, 0x55}));
    answer(QByteArray(70000, '\x01'));
    EXPECT_EQ(link.receiveBuffer().size(), 65536);
    EXPECT_EQ(link.linkState(), LinkState::Read_count_1);
}

TEST_F(ControllerLinkTest, Polling_AReceiveEventWithNothingToReadLeavesTheTimeOutRunning)
{
    connectAndApply();
    clock.advance(240);
    link.ComPort1RxChar(5);
    EXPECT_TRUE(link.replyTimer().isActive());
    EXPECT_EQ(link.linkState(), LinkState::Read_count);
}

// ---- Queued commands ----

TEST_F(ControllerLinkTest, Queue_CommandIsAcknowledgedAndItsFollowUpsGoOutInOrder)
{
    connectAndApply();
    link.setCommandRetries(ControllerLink::RetriesForEditors);
    link.QueueCommand(bytes({0x0E, 0x03}), bytes({0x24, 0x09}), bytes({0x30, 0x2D}));
    EXPECT_EQ(link.commandQueue()[0], FrameCommand(bytes({0x0E, 0x03})));
    EXPECT_EQ(link.commandQueue()[1], bytes({0x24, 0x09}));
    EXPECT_EQ(link.commandQueue()[2], bytes({0x30, 0x2D}));
    EXPECT_EQ(link.currentCode(), 0x0E);
    EXPECT_EQ(link.commandRetries(), 4);

    clock.advance(240);
    EXPECT_EQ(sent(), QList<QByteArray>{FrameCommand(bytes({0x0E, 0x03}))});
    const QByteArray reply = liveReply(0x0E);
    answer(reply, {10});
    EXPECT_FALSE(link.commandPending());
    EXPECT_EQ(link.commandRetries(), 0);

    // The tick decodes the acknowledged reply and promotes the next follow-up
    // without sending anything.
    clock.advance(240);
    EXPECT_EQ(events.liveReplies.last(), reply);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(link.commandQueue()[0], FrameCommand(bytes({0x24, 0x09})));
    EXPECT_EQ(link.commandQueue()[1], bytes({0x30, 0x2D}));
    EXPECT_TRUE(link.commandQueue()[2].isEmpty());
    EXPECT_EQ(link.commandRetries(), 6);

    clock.advance(240);
    EXPECT_EQ(sent(), QList<QByteArray>{FrameCommand(bytes({0x24, 0x09}))});
    answer(liveReply(0x24), {10});
    EXPECT_EQ(runUntilPoll(), (QList<int>{0x30, 0x55}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ControllerLinkTest, Queue_WrongEchoRepeatsTheCommandUntilTimeOutError1)
{
    connectAndApply();
    LinkState stateWhileShown = LinkState::Count;
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) { stateWhileShown = link.linkState(); };
    link.setCommandRetries(ControllerLink::RetriesForEditors);
    link.QueueCommand(bytes({0x1B, 0x01}));
    EXPECT_EQ(runUntilPoll(0x55), (QList<int>{0x1B, 0x1B, 0x1B, 0x1B}));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Time out - Error1")});
    EXPECT_EQ(stateWhileShown, LinkState::Disconnected);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(link.commandRetries(), 0);
    EXPECT_FALSE(link.commandPending());
}

TEST_F(ControllerLinkTest, Queue_TheTimeOutBoxDispatchingAConnectLeavesTheNewHandshakeAlone)
{
    connectAndApply();
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) { link.polaczClick(); };
    link.setCommandRetries(2);
    link.QueueCommand(bytes({0x1B, 0x01}));
    clock.advance(240);
    sent();
    answer(liveReply(0x55));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Time out - Error1")});
    EXPECT_EQ(link.linkState(), LinkState::W_s_0);
    EXPECT_FALSE(link.countTimer().isActive());
    EXPECT_EQ(sent(), QList<QByteArray>{ConnectFrame()});
}

TEST_F(ControllerLinkTest, Queue_WithoutABudgetSetTheUsualBudgetBoundsTheRepeats)
{
    connectAndApply();
    link.QueueCommand(bytes({0x1B, 0x01}));
    EXPECT_EQ(runUntilPoll(0x55), (QList<int>{0x1B, 0x1B, 0x1B, 0x1B}));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Time out - Error1")});
}

TEST_F(ControllerLinkTest, Queue_ASecondCommandBeforeTheTickReplacesTheFirst)
{
    connectAndApply();
    link.setCommandRetries(5);
    link.QueueCommand(bytes({0x0F, 0x28}));
    link.setCommandRetries(5);
    link.QueueCommand(bytes({0x09, 0x0F}));
    EXPECT_EQ(runUntilPoll(), (QList<int>{0x09, 0x55}));
}

TEST_F(ControllerLinkTest, Queue_ReplyTooShortToCarryAnEchoCountsAsNoEcho)
{
    connectAndApply();
    link.setCommandRetries(5);
    link.QueueCommand(bytes({0x0F, 0x28}));
    clock.advance(240);
    sent();
    answer(bytes({0xAA, 0x00, 0x03}));
    EXPECT_TRUE(link.commandPending());
    EXPECT_EQ(link.commandRetries(), 3);
    EXPECT_EQ(link.linkState(), LinkState::Count);
}

TEST_F(ControllerLinkTest, Queue_CommandWhilePortClosedFailsToWriteAndGoesOutAfterTheNextHandshake)
{
    link.setCommandRetries(5);
    link.QueueCommand(bytes({0x1B, 0x01}));
    clock.advance(240);
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("WriteFile function failed (win error code: 9)")});
    EXPECT_EQ(link.linkState(), LinkState::Read_count);
    EXPECT_TRUE(link.commandPending());
    EXPECT_EQ(clock.activeTimers(), 0);

    link.polaczClick();
    answer(settingsReply(), {300});
    clock.advance(LongTick);
    port.takeWritten();
    EXPECT_EQ(runUntilPoll(), (QList<int>{0x1B, 0x55}));
}

// ---- Settings reads and the save marker ----

struct SettingsReadCase {
    const char* name;
    QByteArray command;
    QByteArray secondFollowUp;
    int filesWritten;
};

class SettingsRead : public ControllerLinkTest,
                     public ::testing::WithParamInterface<SettingsReadCase> {};

TEST_P(SettingsRead, ReplyIsDecodedAsSettingsAtTheLongTickAndEndsTheBusyState)
{
    connectAndApply();
    const SettingsReadCase& c = GetParam();
    bool bufferEmptyWhileWriting = false;
    events.onSaveRequested = [&] { bufferEmptyWhileWriting = link.receiveBuffer().isEmpty(); };
    link.setCommandRetries(5);
    link.enterBusyState();
    link.QueueCommand(c.command, QByteArray(), c.secondFollowUp);
    clock.advance(LongTick);
    ASSERT_EQ(sent(), QList<QByteArray>{FrameCommand(c.command)});
    const QByteArray reply = settingsReply(static_cast<quint8>(c.command[0]));
    answer(reply, {200, 400});
    clock.advance(LongTick - 1);
    EXPECT_EQ(events.settingsImages.size(), 1);
    EXPECT_TRUE(status.busy);
    clock.advance(1);
    ASSERT_EQ(events.settingsImages.size(), 2);
    EXPECT_EQ(events.settingsImages.last(), reply);
    EXPECT_FALSE(status.busy);
    EXPECT_FALSE(link.isBusy());
    EXPECT_EQ(events.saves, c.filesWritten);
    EXPECT_TRUE(c.filesWritten == 0 || bufferEmptyWhileWriting);
    EXPECT_EQ(link.currentCode(), -1);
    EXPECT_TRUE(link.commandQueue()[2].isEmpty());
    EXPECT_EQ(runUntilPoll(), QList<int>{0x55});
    EXPECT_FALSE(events.liveReplies.contains(reply));
}

INSTANTIATE_TEST_SUITE_P(
    ControllerLink, SettingsRead,
    ::testing::Values(SettingsReadCase{"SaveToFile", bytes({0x66, 0x00}),
                                       ControllerLink::SaveMarker, 1},
                      SettingsReadCase{"PlainRead", bytes({0x66, 0x00}), QByteArray(), 0},
                      SettingsReadCase{"FactoryReset", bytes({0x26}), QByteArray(), 0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(ControllerLinkTest, SaveMarker_WithAnEarlierFollowUpWaitingIsSavedAndNeverSent)
{
    connectAndApply();
    link.setCommandRetries(5);
    link.QueueCommand(bytes({0x0E, 0x03}), bytes({0x24, 0x09}), bytes({0x30, 0x2D}));
    clock.advance(240);
    sent();
    answer(liveReply(0x0E));
    // The user saves before the follow-ups have gone out.
    link.setCommandRetries(5);
    link.enterBusyState();
    link.QueueCommand(bytes({0x66, 0x00}), QByteArray(), ControllerLink::SaveMarker);
    clock.advance(LongTick);
    ASSERT_EQ(sent(), QList<QByteArray>{FrameCommand(bytes({0x66, 0x00}))});
    answer(settingsReply(0x66), {300});
    clock.advance(LongTick);
    EXPECT_EQ(events.saves, 1);
    EXPECT_EQ(link.commandQueue()[1], bytes({0x24, 0x09}));
    const QList<int> codes = runUntilPoll();
    EXPECT_EQ(codes, (QList<int>{0x24, 0x55}));
    EXPECT_FALSE(codes.contains('Z'));
}

TEST_F(ControllerLinkTest, SaveMarker_WhoseReadWasReplacedIsDroppedAndNeverSent)
{
    connectAndApply();
    link.setCommandRetries(5);
    link.QueueCommand(bytes({0x66, 0x00}), QByteArray(), ControllerLink::SaveMarker);
    link.setCommandRetries(5);
    link.QueueCommand(bytes({0x0E, 0x03}), bytes({0x24, 0x09}));
    const QList<int> codes = runUntilPoll();
    EXPECT_EQ(codes, (QList<int>{0x0E, 0x24, 0x55}));
    EXPECT_EQ(events.saves, 0);
    EXPECT_FALSE(link.commandPending());
    EXPECT_TRUE(link.commandQueue()[1].isEmpty());
    EXPECT_TRUE(link.commandQueue()[2].isEmpty());
}

TEST_F(ControllerLinkTest, SaveMarker_AsACommandIsRefused)
{
    connectAndApply();
    link.setCommandRetries(5);
    link.QueueCommand(ControllerLink::SaveMarker);
    EXPECT_FALSE(link.commandPending());
    EXPECT_EQ(runUntilPoll(), QList<int>{0x55});
}

// ---- Disconnect and the connect switch ----

TEST_F(ControllerLinkTest, Disconnect_TellsTheListenersThenStoresThePortSettingsThenTheSession)
{
    connectAndApply();
    link.rozlacz1Click();

    EXPECT_EQ(calls, QStringList({"showConnectSwitch(false)", "linkDisconnected",
                                  "setOnline(false)", "portSettingsStored", "setBusy(false)"}));
    EXPECT_FALSE(status.online);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(store.values().value("ComPort1/Port").toString(), QStringLiteral("COM3"));
    EXPECT_EQ(store.values().value("ComPort1/BaudRate").toString(), QStringLiteral("Custom"));
    EXPECT_EQ(store.values().value("ComPort1/CustomBaudRate").toInt(), 7200);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(link.currentCode(), -1);
    EXPECT_TRUE(link.receiveBuffer().isEmpty());
    EXPECT_EQ(clock.activeTimers(), 0);
}

TEST_F(ControllerLinkTest, Disconnect_ShutdownStopsTheLinkAndStoresOnce)
{
    connectAndApply();
    link.shutdown();
    EXPECT_EQ(events.sessionsStored, 1);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(clock.activeTimers(), 0);
}

TEST_F(ControllerLinkTest, Disconnect_StoreFailureIsShownAndSkipsTheRest)
{
    connectAndApply();
    store.failWrites = true;
    link.rozlacz1Click();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Failed to store settings")});
    EXPECT_EQ(events.sessionsStored, 0);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
}

struct SwitchCase {
    const char* name;
    QString portName;
    ControllerLink::SwitchChange change;
    bool connects;
};

class ConnectSwitch : public ControllerLinkTest,
                      public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(ConnectSwitch, UserTogglesConnectOnlyWithAPortName)
{
    port.setPortName(GetParam().portName);
    link.Polacz_switchStatusChanged(GetParam().change);
    if (GetParam().connects) {
        EXPECT_EQ(status.switchOnText, QStringLiteral("COM x"));
        EXPECT_EQ(sent(), QList<QByteArray>{ConnectFrame()});
        EXPECT_EQ(link.linkState(), LinkState::W_s_0);
    } else {
        EXPECT_TRUE(calls.isEmpty());
        EXPECT_TRUE(port.writes.isEmpty());
        EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ControllerLink, ConnectSwitch,
    ::testing::Values(
        SwitchCase{"OnWithPort", "COM3", ControllerLink::SwitchChange::SwitchedOnByUser, true},
        SwitchCase{"OnWithoutPort", "", ControllerLink::SwitchChange::SwitchedOnByUser, false},
        SwitchCase{"OffWithoutPort", "", ControllerLink::SwitchChange::SwitchedOffByUser, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(ControllerLinkTest, ConnectSwitch_TheLinksOwnChangesNeverConnectOrDisconnectAgain)
{
    status.onShowConnectSwitch = [&](bool on) {
        link.Polacz_switchStatusChanged(on ? ControllerLink::SwitchChange::SwitchedOnByUser
                                           : ControllerLink::SwitchChange::SwitchedOffByUser);
    };
    connectAndApply();
    EXPECT_TRUE(status.switchOn);
    EXPECT_EQ(runUntilPoll(), QList<int>{0x55});
    link.Polacz_switchStatusChanged(ControllerLink::SwitchChange::SwitchedOffByUser);
    EXPECT_FALSE(status.switchOn);
    EXPECT_EQ(events.sessionsStored, 1);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_TRUE(port.takeWritten().isEmpty());
}

// ---- The port fails under the link ----

struct PortFaultCase {
    const char* name;
    PortFault fault;
    QString message;
};

class PortFaultWhile : public ControllerLinkTest,
                       public ::testing::WithParamInterface<std::tuple<PortFaultCase, bool>> {};

TEST_P(PortFaultWhile, DisconnectsAtOnceAndNamesThePortAndTheReason)
{
    const auto& [c, polling] = GetParam();
    if (polling) {
        connectAndApply();
        clock.advance(240);
        answer(liveReply().left(20));
        ASSERT_EQ(link.linkState(), LinkState::Read_count_1);
    } else {
        link.polaczClick();
        ASSERT_TRUE(status.busy);
    }
    port.takeWritten();
    LinkState stateWhileShown = LinkState::Count;
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) { stateWhileShown = link.linkState(); };
    port.fail(c.fault);

    EXPECT_EQ(dialogs.messages(), QStringList{c.message});
    EXPECT_EQ(stateWhileShown, LinkState::Disconnected);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(status.busy);
    EXPECT_FALSE(status.online);
    EXPECT_EQ(events.sessionsStored, 1);
    EXPECT_EQ(clock.activeTimers(), 0);
    // Nothing is retried on a port that is gone.
    clock.advance(20000);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(dialogs.messages().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    ControllerLink, PortFaultWhile,
    ::testing::Combine(
        ::testing::Values(
            PortFaultCase{"Unplugged",
                          {PortFault::Kind::DeviceGone, 19, QStringLiteral("No such device")},
                          QStringLiteral("Port COM3 został odłączony (No such device) - "
                                         "połączenie przerwane")},
            PortFaultCase{"ReadRefused",
                          {PortFault::Kind::ReadFailed, 5, QStringLiteral("Input/output error")},
                          QStringLiteral("Błąd portu COM3 (Input/output error) - połączenie "
                                         "przerwane")},
            PortFaultCase{"AccessTaken",
                          {PortFault::Kind::AccessDenied, 13, QString()},
                          QStringLiteral("Błąd portu COM3 (error 13) - połączenie przerwane")},
            PortFaultCase{"WriteRefused",
                          {PortFault::Kind::WriteFailed, 5, QStringLiteral("Input/output error")},
                          QStringLiteral("WriteFile function failed (win error code: 5)")}),
        ::testing::Bool()),
    [](const auto& p) {
        return std::string(std::get<0>(p.param).name) +
               (std::get<1>(p.param) ? "_Polling" : "_Connecting");
    });

TEST_F(ControllerLinkTest, PortFault_OfAPortTheLinkNoLongerUsesChangesNothing)
{
    connectAndApply();
    link.rozlacz1Click();
    calls.clear();
    port.fail({PortFault::Kind::DeviceGone, 19, QStringLiteral("No such device")});
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(ControllerLinkTest, PortFault_TheMessageFollowsTheLanguage)
{
    MessageTable english;
    english.setLanguage(MessageTable::English);
    ControllerLink other{port, clock, dialogs, store, english, status, [](int) {}};
    other.polaczClick();
    port.fail({PortFault::Kind::DeviceGone, 5, QStringLiteral("Input/output error")});
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral(
                  "Port COM3 was disconnected (Input/output error) - connection lost")});
}

TEST_F(ControllerLinkTest, WriteRefusedOnAnOpenPort_EndsTheConnectionWithTheWriteError)
{
    connectAndApply();
    port.failNextWrite = true;
    clock.advance(240);
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("WriteFile function failed (win error code: 9)")});
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(clock.activeTimers(), 0);
}

// ---- A reply that has begun ends within its deadline ----

TEST(ControllerLinkDeadline, GrowsWithTheAnnouncedLengthUpToAFewSeconds)
{
    struct Case {
        std::optional<int> length;
        int ms;
    };
    // A whole reply time-out, plus twice the line's time for the reply.
    for (const Case& c : {Case{std::nullopt, 5000}, Case{0, 5000}, Case{1, 3004}, Case{57, 3160},
                          Case{602, 4674}, Case{720, 5000}, Case{0xFFFF, 5000}})
        EXPECT_EQ(ControllerLink::ReplyDeadlineMs(c.length), c.ms) << c.length.value_or(-1);
}

// A line that hands over a byte now and then, never quite letting the reply
// time-out run out.
class TricklingLine : public ControllerLinkTest,
                      public ::testing::WithParamInterface<std::pair<const char*, QByteArray>> {
protected:
    // Answers every command the worst way: the first byte of `line` just
    // before the reply time-out, then one byte every `gapMs`, until the link
    // lets go or `limitMs` pass. Returns the time from `start` to the first
    // message box.
    qint64 trickle(const QByteArray& line, int gapMs, qint64 limitMs)
    {
        const qint64 start = clock.nowMs();
        qint64 shownAt = -1;
        dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) {
            if (shownAt < 0)
                shownAt = clock.nowMs();
        };
        qsizetype at = 0;
        while (clock.nowMs() - start < limitMs) {
            if (!port.takeWritten().isEmpty()) {
                at = 0;
                clock.advance(ControllerLink::ReplyTimeoutMs - 1);
            }
            const LinkState state = link.linkState();
            if (state != LinkState::W_s_0 && state != LinkState::W_s_count &&
                state != LinkState::Read_count && state != LinkState::Read_count_1)
                break;
            port.feed(line.mid(at % line.size(), 1));
            ++at;
            clock.advance(gapMs);
        }
        return shownAt < 0 ? limitMs : shownAt - start;
    }
};

TEST_P(TricklingLine, WhilePolling_TheReplyEndsLikeATimeOut)
{
    connectAndApply();
    clock.advance(240);
    const qint64 took = trickle(GetParam().second, 2900, 60000);
    EXPECT_LE(took, ControllerLink::ReplyTimeoutMs + ControllerLink::MaxReplyMs);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(dialogs.messages().filter(Message11).size(), 1);
    EXPECT_EQ(clock.activeTimers(), 0);
}

// From "Połącz" to a window that takes input again: at most five attempts,
// each waiting ReplyTimeoutMs for its first piece and MaxReplyMs for the rest.
TEST_P(TricklingLine, WhileConnecting_TheWindowIsFreeAgainWithinTheBound)
{
    constexpr qint64 Bound = ControllerLink::ConnectAttemptsPerConnect *
                             (ControllerLink::ReplyTimeoutMs + ControllerLink::MaxReplyMs);
    link.polaczClick();
    const qint64 took = trickle(GetParam().second, 2900, 2 * Bound);
    EXPECT_LT(took, Bound);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_FALSE(status.busy);
    EXPECT_EQ(dialogs.messages().filter(Message11).size(), 1);
    EXPECT_EQ(clock.activeTimers(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    ControllerLink, TricklingLine,
    ::testing::Values(
        // A reply that announces its true length but never ends.
        std::make_pair("TrueLength", controllerLine(liveReply()) + controllerLine(liveReply())),
        // A length far beyond any reply: the cap holds.
        std::make_pair("HugeLength", controllerLine(bytes({0xAA, 0xFF, 0xF0, 0x55, 0x01}))),
        // A lead byte, then nothing that could ever form a length.
        std::make_pair("LeadThenNoise", controllerLine(bytes({0xAA})) + bytes({0x13}))),
    [](const auto& p) { return std::string(p.param.first); });

TEST_F(ControllerLinkTest, Deadline_ASlowButSteadyReplyStillCompletes)
{
    connectAndApply();
    clock.advance(240);
    sent();
    // 57 bytes at 7200 bit/s take 80 ms; twice as slow still arrives in time.
    const QByteArray line = controllerLine(liveReply());
    for (int i = 0; i < line.size(); ++i) {
        port.feed(line.mid(i, 1));
        clock.advance(3);
    }
    EXPECT_EQ(link.linkState(), LinkState::Count);
    EXPECT_FALSE(link.replyDeadline().isActive());
    EXPECT_EQ(runUntilPoll(), QList<int>{0x55});
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ControllerLinkTest, SendEncoded_LongCommandsPauseAfterEachFullPiece)
{
    connectAndApply();
    link.setCommandRetries(5);
    link.QueueCommand(QByteArray(1, '\x1A') + QByteArray(540, '\x00'));
    const qsizetype before = port.writes.size();
    clock.advance(240);
    EXPECT_EQ(port.writes.size() - before, 7);
    EXPECT_EQ(pauses, 6);
}

}  // namespace

// ---- The link as the features' command sender ----

TEST(ControllerLinkSender, QueuesWithTheGivenBudgetAndSlowsPollingWithoutTheBusyWindow)
{
    VirtualClock clock;
    TestSerialPort port;
    ScriptedDialogs dialogs;
    MemorySettingsStore store;
    MessageTable messages;
    QStringList calls;
    RecordingStatusView status{calls};
    ControllerLink link{port, clock, dialogs, store, messages, status, [](int) {}};
    CommandSender& sender = link;

    sender.queueCommand(CommandSender::RetriesForMapSteps, command::make(0x10, {0x00}),
                        command::make(0x66, {0x00}));
    EXPECT_TRUE(sender.commandPending());
    EXPECT_EQ(link.commandRetries(), CommandSender::RetriesForMapSteps - 1);
    EXPECT_EQ(link.commandQueue()[1], command::make(0x66, {0x00}));

    sender.setSlowPolling(true);
    EXPECT_EQ(link.countTimer().interval(), LongTick);
    EXPECT_TRUE(link.isBusy());
    EXPECT_FALSE(status.busy);
    EXPECT_TRUE(calls.isEmpty());
    sender.setSlowPolling(false);
    EXPECT_EQ(link.countTimer().interval(), ControllerLink::CountIntervalMs);
}
