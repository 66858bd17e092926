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

#include <QtTest/QSignalSpy>

#include <optional>
#include <tuple>
#include <vector>

using namespace brivel;
using namespace brivel::test;

namespace {

const QString Message11 = QStringLiteral("Time out - błąd w transmisji (Brak Strownika) ");
constexpr int LongTick = ControllerLink::LongTransferIntervalMs;

class ControllerLinkTest : public ::testing::Test {
protected:
    ControllerLinkTest()
    {
        port.setPortName(QStringLiteral("COM3"));
        port.setBaudRate(QStringLiteral("Custom"));
        port.setCustomBaudRate(7200);
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
        link.connectToController();
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
    MessageTable messages;
    QStringList calls;
    int pauses = 0;
    ControllerLink link{port, clock, [this](int) { ++pauses; }};
    // Shows the boxes the window would, once the link has settled.
    RecordingLink events{link, calls, dialogs, messages};
};

// ---- Handshake ----

TEST_F(ControllerLinkTest, Connect_SilentControllerGetsFiveAttemptsThenMessage11)
{
    link.connectToController();
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(events.busy);
    EXPECT_TRUE(link.isBusy());
    EXPECT_EQ(link.countTimer().interval(), 1264);
    EXPECT_EQ(countCalls(calls, QStringLiteral("connecting")), 1);
    EXPECT_EQ(sent(), QList<QByteArray>{ConnectFrame()});

    for (int attempt = 1; attempt < 5; ++attempt) {
        clock.advance(3000);
        EXPECT_EQ(sent(), QList<QByteArray>{ConnectFrame()}) << attempt;
        EXPECT_EQ(link.connectAttempts(), 5 - attempt);
        EXPECT_EQ(link.linkState(), LinkState::W_s_0);
        EXPECT_TRUE(events.busy);
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
    EXPECT_FALSE(events.busy);
    EXPECT_FALSE(events.connected);
    EXPECT_EQ(clock.activeTimers(), 0);
    ASSERT_EQ(events.disconnects.size(), 1u) << "the last attempt says why, once";
    EXPECT_EQ(events.disconnects[0].kind, DisconnectReason::Kind::ReplyTimedOut);
}

TEST_F(ControllerLinkTest, Connect_TwoPieceReplyIsAppliedAtThe1264msTickAndPolled240msLater)
{
    link.connectToController();
    port.takeWritten();
    const QByteArray reply = settingsReply();
    clock.advance(100);
    answer(reply.left(300));
    EXPECT_EQ(link.linkState(), LinkState::W_s_count);
    clock.advance(100);
    port.feed(controllerLine(reply.mid(300)));
    EXPECT_EQ(link.linkState(), LinkState::T_C_start);
    EXPECT_EQ(events.statusText, QStringLiteral(" BRIVEL ver. 3.07.07"));

    clock.advance(1263);
    EXPECT_TRUE(events.settingsImages.isEmpty());
    clock.advance(1);
    ASSERT_EQ(events.settingsImages, QList<QByteArray>{reply});
    EXPECT_EQ(link.linkState(), LinkState::Count);
    EXPECT_TRUE(link.receiveBuffer().isEmpty());
    EXPECT_TRUE(events.connected);
    EXPECT_EQ(events.portName, QStringLiteral("COM3"));
    EXPECT_FALSE(events.busy);
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
    link.connectToController();
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
    link.connectToController();
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
    ASSERT_EQ(events.disconnects.size(), 1u);
    EXPECT_EQ(events.disconnects[0].kind, DisconnectReason::Kind::NoHandshake);
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
    link.connectToController();
    const QByteArray& reply = GetParam().reply;
    answer(reply, {static_cast<int>(reply.size() / 2)});
    clock.advance(LongTick);
    if (GetParam().accepted) {
        EXPECT_EQ(link.linkState(), LinkState::Count);
        EXPECT_EQ(events.settingsImages.size(), 1);
        EXPECT_EQ(events.statusText, QStringLiteral(" BRIVEL ver. 3.07.07"));
        EXPECT_TRUE(link.versionShown());
    } else {
        EXPECT_EQ(link.linkState(), LinkState::Disconnected);
        EXPECT_TRUE(events.settingsImages.isEmpty());
        EXPECT_TRUE(events.statusText.isEmpty());
        EXPECT_FALSE(link.versionShown());
        ASSERT_EQ(events.disconnects.size(), 1u);
        EXPECT_EQ(events.disconnects[0].kind, DisconnectReason::Kind::VersionRefused);
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
    link.disconnectFromController();
    link.connectToController();
    answer(settingsReply(0x66, 3, 7, 6), {100});
    clock.advance(LongTick);
    EXPECT_EQ(link.linkState(), LinkState::Count);
    EXPECT_EQ(events.statusText, QStringLiteral(" BRIVEL ver. 3.07.07"));
}

// A recording played back stands in for a controller only while it plays:
// its handshake shows the version the first time, like a controller's, but
// leaves the run's check to the first real controller.
struct RecordingCase {
    const char* name;
    std::vector<bool> recordingAtEachConnect;
    std::vector<bool> versionShownAtEach;
    bool reconnectWithoutDisconnect;
};

class VersionOfARecording : public ControllerLinkTest,
                            public ::testing::WithParamInterface<RecordingCase> {};

TEST_P(VersionOfARecording, IsShownWhileItPlaysAndNeverCountsForTheRun)
{
    const RecordingCase& c = GetParam();
    for (std::size_t i = 0; i < c.recordingAtEachConnect.size(); ++i) {
        port.recording = c.recordingAtEachConnect[i];
        events.statusText.clear();
        link.connectToController();
        answer(settingsReply(), {300});
        clock.advance(LongTick);
        ASSERT_EQ(link.linkState(), LinkState::Count) << i;
        EXPECT_EQ(!events.statusText.isEmpty(), c.versionShownAtEach[i]) << i;
        EXPECT_TRUE(link.versionShown()) << i;
        if (!c.reconnectWithoutDisconnect)
            link.disconnectFromController();
    }
}

INSTANTIATE_TEST_SUITE_P(
    ControllerLink, VersionOfARecording,
    ::testing::Values(
        RecordingCase{"RecordingThenController", {true, false}, {true, true}, false},
        RecordingCase{"ControllerThenRecording", {false, true, false}, {true, false, false}, false},
        RecordingCase{"RecordingReconnectedWhilePlaying", {true, true}, {true, false}, true},
        RecordingCase{"RecordingThenAnotherRecording", {true, true}, {true, true}, false},
        // Connecting to another port ends the recording without a disconnect.
        RecordingCase{
            "RecordingThenControllerWithoutDisconnect", {true, false}, {true, true}, true}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(ControllerLinkTest, Connect_ReportsInTheOrderTheWindowShowsThem)
{
    link.connectToController();
    answer(settingsReply(), {300});
    clock.advance(LongTick);
    EXPECT_EQ(calls,
              QStringList({"connecting", "busy(true)", "versionAccepted( BRIVEL ver. 3.07.07)",
                           "settingsImageReceived(602)", "connected(COM3)", "busy(false)"}));
}

TEST_F(ControllerLinkTest, Connect_PortThatCannotBeOpenedShowsTheOpenErrorAndChangesNothing)
{
    port.failNextOpen = true;
    link.connectToController();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Unable to open com port (win error code: 2)")});
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_FALSE(events.busy);
    EXPECT_TRUE(port.writes.isEmpty());
    EXPECT_EQ(clock.activeTimers(), 0);
}

TEST_F(ControllerLinkTest, Connect_RunsTheLineAt7200EvenWhenAStandardRateWasStored)
{
    port.setBaudRate(QStringLiteral("9600"));
    link.connectToController();
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
    link.bytesReady(5);
    EXPECT_TRUE(link.replyTimer().isActive());
    EXPECT_EQ(link.linkState(), LinkState::Read_count);
}

// ---- Queued commands ----

TEST_F(ControllerLinkTest, Queue_CommandIsAcknowledgedAndItsFollowUpsGoOutInOrder)
{
    connectAndApply();
    link.queueCommand(ControllerLink::RetriesForEditors, bytes({0x0E, 0x03}), bytes({0x24, 0x09}),
                      bytes({0x30, 0x2D}));
    EXPECT_EQ(link.commandQueue().pendingFrame(), FrameCommand(bytes({0x0E, 0x03})));
    EXPECT_EQ(link.commandQueue().followUp(1), bytes({0x24, 0x09}));
    EXPECT_EQ(link.commandQueue().followUp(2), bytes({0x30, 0x2D}));
    EXPECT_EQ(link.commandQueue().currentCode(), 0x0E);
    EXPECT_EQ(link.commandQueue().retriesLeft(), 4);

    clock.advance(240);
    EXPECT_EQ(sent(), QList<QByteArray>{FrameCommand(bytes({0x0E, 0x03}))});
    const QByteArray reply = liveReply(0x0E);
    answer(reply, {10});
    EXPECT_FALSE(link.commandPending());
    EXPECT_EQ(link.commandQueue().retriesLeft(), 0);

    // The tick decodes the acknowledged reply and promotes the next follow-up
    // without sending anything.
    clock.advance(240);
    EXPECT_EQ(events.liveReplies.last(), reply);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(link.commandQueue().pendingFrame(), FrameCommand(bytes({0x24, 0x09})));
    EXPECT_EQ(link.commandQueue().followUp(1), bytes({0x30, 0x2D}));
    EXPECT_TRUE(link.commandQueue().followUp(2).isEmpty());
    EXPECT_EQ(link.commandQueue().retriesLeft(), 6);

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
    link.queueCommand(ControllerLink::RetriesForEditors, bytes({0x1B, 0x01}));
    EXPECT_EQ(runUntilPoll(0x55), (QList<int>{0x1B, 0x1B, 0x1B, 0x1B}));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Time out - Error1")});
    EXPECT_EQ(stateWhileShown, LinkState::Disconnected);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(link.commandQueue().retriesLeft(), 0);
    EXPECT_FALSE(link.commandPending());
}

TEST_F(ControllerLinkTest, Queue_TheTimeOutBoxDispatchingAConnectLeavesTheNewHandshakeAlone)
{
    connectAndApply();
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) { link.connectToController(); };
    link.queueCommand(2, bytes({0x1B, 0x01}));
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
    link.queueCommand(0, bytes({0x1B, 0x01}));
    EXPECT_EQ(runUntilPoll(0x55), (QList<int>{0x1B, 0x1B, 0x1B, 0x1B}));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Time out - Error1")});
}

TEST_F(ControllerLinkTest, Queue_ASecondCommandBeforeTheTickReplacesTheFirst)
{
    connectAndApply();
    link.queueCommand(5, bytes({0x0F, 0x28}));
    link.queueCommand(5, bytes({0x09, 0x0F}));
    EXPECT_EQ(runUntilPoll(), (QList<int>{0x09, 0x55}));
}

TEST_F(ControllerLinkTest, Queue_ReplyTooShortToCarryAnEchoCountsAsNoEcho)
{
    connectAndApply();
    link.queueCommand(5, bytes({0x0F, 0x28}));
    clock.advance(240);
    sent();
    answer(bytes({0xAA, 0x00, 0x03}));
    EXPECT_TRUE(link.commandPending());
    EXPECT_EQ(link.commandQueue().retriesLeft(), 3);
    EXPECT_EQ(link.linkState(), LinkState::Count);
}

TEST_F(ControllerLinkTest, Queue_CommandWhilePortClosedFailsToWriteAndGoesOutAfterTheNextHandshake)
{
    link.queueCommand(5, bytes({0x1B, 0x01}));
    clock.advance(240);
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("WriteFile function failed (win error code: 9)")});
    EXPECT_EQ(link.linkState(), LinkState::Read_count);
    EXPECT_TRUE(link.commandPending());
    EXPECT_EQ(clock.activeTimers(), 0);

    link.connectToController();
    answer(settingsReply(), {300});
    clock.advance(LongTick);
    port.takeWritten();
    EXPECT_EQ(runUntilPoll(), (QList<int>{0x1B, 0x55}));
}

// ---- Settings reads and their completions ----

struct SettingsReadCase {
    const char* name;
    QByteArray command;
    bool withCompletion;
};

class SettingsRead : public ControllerLinkTest,
                     public ::testing::WithParamInterface<SettingsReadCase> {};

TEST_P(SettingsRead, ReplyIsDecodedAsSettingsAtTheLongTickAndEndsTheBusyState)
{
    connectAndApply();
    const SettingsReadCase& c = GetParam();
    int completions = 0;
    bool bufferEmptyWhileCompleting = false;
    bool busyWhileCompleting = true;
    CommandSender::Completion done;
    if (c.withCompletion) {
        done = [&] {
            ++completions;
            bufferEmptyWhileCompleting = link.receiveBuffer().isEmpty();
            busyWhileCompleting = events.busy;
        };
    }
    link.enterBusyState();
    link.queueCommand(5, c.command, QByteArray(), QByteArray(), done);
    clock.advance(LongTick);
    ASSERT_EQ(sent(), QList<QByteArray>{FrameCommand(c.command)});
    const QByteArray reply = settingsReply(static_cast<quint8>(c.command[0]));
    answer(reply, {200, 400});
    clock.advance(LongTick - 1);
    EXPECT_EQ(events.settingsImages.size(), 1);
    EXPECT_TRUE(events.busy);
    EXPECT_EQ(completions, 0);
    clock.advance(1);
    ASSERT_EQ(events.settingsImages.size(), 2);
    EXPECT_EQ(events.settingsImages.last(), reply);
    EXPECT_FALSE(events.busy);
    EXPECT_FALSE(link.isBusy());
    EXPECT_EQ(completions, c.withCompletion ? 1 : 0);
    if (c.withCompletion) {
        // Its boxes keep ticks coming: none of them may take the image for
        // a live frame, and the window takes input again.
        EXPECT_TRUE(bufferEmptyWhileCompleting);
        EXPECT_FALSE(busyWhileCompleting);
    }
    EXPECT_EQ(link.commandQueue().currentCode(), -1);
    EXPECT_FALSE(link.commandQueue().holdsCompletion());
    EXPECT_EQ(runUntilPoll(), QList<int>{0x55});
    EXPECT_FALSE(events.liveReplies.contains(reply));
    EXPECT_EQ(completions, c.withCompletion ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    ControllerLink, SettingsRead,
    ::testing::Values(SettingsReadCase{"SaveToFile", bytes({0x66, 0x00}), true},
                      SettingsReadCase{"PlainRead", bytes({0x66, 0x00}), false},
                      SettingsReadCase{"FactoryReset", bytes({0x26}), false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(ControllerLinkTest, Completion_WithAnEarlierFollowUpWaitingRunsAndIsNeverSent)
{
    connectAndApply();
    link.queueCommand(5, bytes({0x0E, 0x03}), bytes({0x24, 0x09}), bytes({0x30, 0x2D}));
    clock.advance(240);
    sent();
    answer(liveReply(0x0E));
    // The user saves before the follow-ups have gone out.
    int saves = 0;
    link.enterBusyState();
    link.queueCommand(5, bytes({0x66, 0x00}), QByteArray(), QByteArray(), [&saves] { ++saves; });
    clock.advance(LongTick);
    ASSERT_EQ(sent(), QList<QByteArray>{FrameCommand(bytes({0x66, 0x00}))});
    answer(settingsReply(0x66), {300});
    clock.advance(LongTick);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(link.commandQueue().followUp(1), bytes({0x24, 0x09}));
    // The read took the second follow-up's place, as it always has.
    EXPECT_EQ(runUntilPoll(), (QList<int>{0x24, 0x55}));
}

TEST_F(ControllerLinkTest, Completion_WhoseReadWasReplacedIsDroppedUnrun)
{
    connectAndApply();
    int saves = 0;
    link.queueCommand(5, bytes({0x66, 0x00}), QByteArray(), QByteArray(), [&saves] { ++saves; });
    link.queueCommand(5, bytes({0x0E, 0x03}), bytes({0x24, 0x09}));
    const QList<int> codes = runUntilPoll();
    EXPECT_EQ(codes, (QList<int>{0x0E, 0x24, 0x55}));
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(link.commandPending());
    EXPECT_FALSE(link.commandQueue().holdsCompletion());
    EXPECT_TRUE(link.commandQueue().followUp(1).isEmpty());
    EXPECT_TRUE(link.commandQueue().followUp(2).isEmpty());
}

TEST_F(ControllerLinkTest, Completion_IsDroppedUnrunByADisconnect)
{
    connectAndApply();
    int saves = 0;
    link.queueCommand(5, bytes({0x66, 0x00}), QByteArray(), QByteArray(), [&saves] { ++saves; });
    link.disconnectFromController();
    connectAndApply();
    link.queueCommand(5, bytes({0x66, 0x00}));
    clock.advance(240);
    ASSERT_EQ(sent(), QList<QByteArray>{FrameCommand(bytes({0x66, 0x00}))});
    answer(settingsReply(0x66), {300});
    clock.advance(240);
    EXPECT_EQ(events.settingsImages.size(), 3);
    EXPECT_EQ(saves, 0);
}

TEST_F(ControllerLinkTest, Queue_ACommandWithoutACodeByteQueuesNothing)
{
    connectAndApply();
    link.queueCommand(5, QByteArray());
    EXPECT_FALSE(link.commandPending());
    EXPECT_EQ(runUntilPoll(), QList<int>{0x55});
}

// ---- Disconnect ----

TEST_F(ControllerLinkTest, Disconnect_LetsGoOfThePortAndSaysWhy)
{
    connectAndApply();
    link.disconnectFromController();

    EXPECT_EQ(calls, QStringList{"disconnected(User)"});
    EXPECT_FALSE(events.connected);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_EQ(link.commandQueue().currentCode(), -1);
    EXPECT_TRUE(link.receiveBuffer().isEmpty());
    EXPECT_EQ(clock.activeTimers(), 0);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ControllerLinkTest, Disconnect_ShutdownStopsTheLinkAndLetsGoOnce)
{
    connectAndApply();
    link.shutdown();
    ASSERT_EQ(events.disconnects.size(), 1u);
    EXPECT_EQ(events.disconnects[0].kind, DisconnectReason::Kind::Shutdown);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(clock.activeTimers(), 0);
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
        link.connectToController();
        ASSERT_TRUE(events.busy);
    }
    port.takeWritten();
    LinkState stateWhileShown = LinkState::Count;
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) { stateWhileShown = link.linkState(); };
    port.fail(c.fault);

    EXPECT_EQ(dialogs.messages(), QStringList{c.message});
    EXPECT_EQ(stateWhileShown, LinkState::Disconnected);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(events.busy);
    EXPECT_FALSE(events.connected);
    ASSERT_EQ(events.disconnects.size(), 1u);
    EXPECT_EQ(events.disconnects[0].kind, DisconnectReason::Kind::PortFailed);
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
    link.disconnectFromController();
    calls.clear();
    port.fail({PortFault::Kind::DeviceGone, 19, QStringLiteral("No such device")});
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(ControllerLinkTest, PortFault_TheMessageFollowsTheLanguage)
{
    MessageTable english;
    english.setLanguage(MessageTable::English);
    ControllerLink other{port, clock, [](int) {}};
    RecordingLink otherEvents{other, calls, dialogs, english};
    other.connectToController();
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
    link.connectToController();
    const qint64 took = trickle(GetParam().second, 2900, 2 * Bound);
    EXPECT_LT(took, Bound);
    EXPECT_EQ(link.linkState(), LinkState::Disconnected);
    EXPECT_FALSE(events.busy);
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
    link.queueCommand(5, QByteArray(1, '\x1A') + QByteArray(540, '\x00'));
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
    QStringList calls;
    ControllerLink link{port, clock, [](int) {}};
    RecordingLink events{link, calls};
    CommandSender& sender = link;

    sender.queueCommand(CommandSender::RetriesForMapSteps, command::make(0x10, {0x00}),
                        command::make(0x66, {0x00}));
    EXPECT_TRUE(sender.commandPending());
    EXPECT_EQ(link.commandQueue().retriesLeft(), CommandSender::RetriesForMapSteps - 1);
    EXPECT_EQ(link.commandQueue().followUp(1), command::make(0x66, {0x00}));

    sender.setSlowPolling(true);
    EXPECT_EQ(link.countTimer().interval(), LongTick);
    EXPECT_TRUE(link.isBusy());
    EXPECT_FALSE(events.busy);
    EXPECT_TRUE(calls.isEmpty());
    sender.setSlowPolling(false);
    EXPECT_EQ(link.countTimer().interval(), ControllerLink::CountIntervalMs);
    EXPECT_FALSE(link.isBusy());

    sender.enterBusyState();
    EXPECT_EQ(link.countTimer().interval(), LongTick);
    EXPECT_TRUE(link.isBusy());
    EXPECT_EQ(calls, QStringList{"busy(true)"});
}

// ---- Settling ----

TEST_F(ControllerLinkTest, Settled_OnceAfterEachEventWithWhatItReportedFinal)
{
    QSignalSpy settled(&link, &ControllerLink::settled);
    LinkState stateAtSettle = LinkState::Count;
    QObject::connect(&link, &ControllerLink::settled, &link,
                     [&] { stateAtSettle = link.linkState(); });
    // A receiver that calls the link back from inside a report does not
    // settle it early: the outer event is still being handled.
    int settledInside = -1;
    QObject::connect(&link, &ControllerLink::disconnected, &link, [&] {
        link.queueCommand(5, QByteArray());
        settledInside = static_cast<int>(settled.count());
    });
    connectAndApply();
    // The connect, two pieces and the tick that applies them.
    EXPECT_EQ(settled.count(), 4);
    settled.clear();

    link.queueCommand(2, bytes({0x1B, 0x01}));
    EXPECT_EQ(settled.count(), 1);
    clock.advance(240);
    EXPECT_EQ(settled.count(), 2);
    answer(liveReply(0x55));
    EXPECT_EQ(settled.count(), 3);
    EXPECT_EQ(settledInside, 2);
    EXPECT_EQ(stateAtSettle, LinkState::Disconnected);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Time out - Error1")});
}

// ---- What the fitter is told of a disconnect ----

TEST(DisconnectMessage, NamesWhatWentWrongAndNothingForWhatWasMeant)
{
    using Kind = DisconnectReason::Kind;
    const MessageTable messages;
    const PortFault gone{PortFault::Kind::DeviceGone, 19, QStringLiteral("No such device")};
    struct Case {
        DisconnectReason reason;
        QString message;
    };
    const Case cases[] = {
        {Kind::User, QString()},
        {Kind::Shutdown, QString()},
        {Kind::VersionRefused, QString()},
        {Kind::NoHandshake, QString()},
        {Kind::ReplyTimedOut, Message11},
        {Kind::RetriesSpent, QStringLiteral("Time out - Error1")},
        {DisconnectReason::portFailed(gone, QStringLiteral("COM7")),
         QStringLiteral("Port COM7 został odłączony (No such device) - połączenie przerwane")},
        {DisconnectReason::writeRefused(QStringLiteral("WriteFile function failed (win error "
                                                       "code: 5)")),
         QStringLiteral("WriteFile function failed (win error code: 5)")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(disconnectMessage(c.reason, messages), c.message)
            << kindName(c.reason.kind).toStdString();
}
