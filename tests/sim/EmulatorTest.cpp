#include "Bytes.h"
#include "ReplyFrames.h"
#include "QtPrinters.h"
#include "VirtualClock.h"
#include "link/Commands.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "sim/ControllerEmulator.h"
#include "sim/ReplyFrame.h"
#include "sim/SettingsImage.h"
#include "settings/EditorCommands.h"
#include "settings/SettingsFile.h"
#include "settings/StoredFaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using namespace brivel;
using brivel::test::bytes;
using namespace brivel::sim;
using brivel::test::VirtualClock;

namespace {

quint8 at(const QByteArray& frame, int offset)
{
    return static_cast<quint8>(frame[offset]);
}

int lengthField(const QByteArray& reply)
{
    return at(reply, 1) * 256 + at(reply, 2);
}

const QByteArray Handshake = bytes({0x66, 0x01});
const QByteArray Poll = bytes({0x55, 0x01});

class EmulatorTest : public ::testing::Test {
protected:
    EmulatorTest()
    {
        emulator.setSink([this](const QByteArray& piece) {
            pieces << piece;
            arrivals << clock.nowMs();
        });
    }

    void send(const QByteArray& command) { emulator.receive(WireForm(FrameCommand(command))); }

    // Lets the line run and returns everything that came back, decoded.
    QByteArray runLine(qint64 ms = 1500)
    {
        clock.advance(ms);
        QByteArray all;
        for (const QByteArray& piece : pieces)
            all += piece;
        pieces.clear();
        arrivals.clear();
        return DecodeLine(all);
    }

    QByteArray exchange(const QByteArray& command)
    {
        send(command);
        return runLine();
    }

    VirtualClock clock;
    ControllerEmulator emulator{clock};
    QList<QByteArray> pieces;
    QList<qint64> arrivals;
};

// ---- Replies ----

TEST_F(EmulatorTest, Handshake_IsAnsweredWithTheWholeSettingsImage)
{
    const QByteArray reply = exchange(Handshake);
    ASSERT_EQ(reply.size(), 602);
    EXPECT_EQ(at(reply, 0), 0xAA);
    EXPECT_EQ(lengthField(reply), 602);
    EXPECT_EQ(at(reply, 3), 0x66);
    EXPECT_EQ(VersionText(reply), QStringLiteral("3.7.7"));
    EXPECT_EQ(at(reply, 601), replyCheckByte(reply));
    for (int i = 561; i <= 600; ++i)
        EXPECT_EQ(at(reply, i), 0xFF) << "fault memory entry " << i;
    for (int k = 66; k <= 311; ++k) {
        EXPECT_GE(at(reply, k), 100) << k;
        EXPECT_LE(at(reply, k), 160) << k;
    }
    EXPECT_EQ(at(reply, 22), 1);  // 4 cylinders
    EXPECT_EQ(at(reply, 20), 0x0F);
    EXPECT_EQ(at(reply, 45), 8);
    EXPECT_EQ(at(reply, 33), 4);
    EXPECT_EQ(at(reply, 36), 100);
}

TEST_F(EmulatorTest, Poll_IsAnsweredWithAnIdleLiveFrame)
{
    const QByteArray reply = exchange(Poll);
    ASSERT_EQ(reply.size(), 57);
    EXPECT_EQ(lengthField(reply), 57);
    EXPECT_EQ(at(reply, 3), 0x55);
    EXPECT_EQ(at(reply, 56), replyCheckByte(reply));
    EXPECT_EQ(at(reply, 4) & 1, 1);               // active
    EXPECT_EQ(at(reply, 5) & 1, 0);               // on petrol
    EXPECT_NEAR(at(reply, 6) * 0.1, 3.0, 0.5);    // petrol time of cylinder 1
    EXPECT_EQ(at(reply, 14) + at(reply, 15), 0);  // cylinder 5 not fitted
    EXPECT_GE(at(reply, 21), 7);                  // idling about 800 rpm
    EXPECT_LE(at(reply, 21), 9);
    const double battery = at(reply, 29) * 23.0 / 375 + 0.7;
    EXPECT_GT(battery, 12.0);
    EXPECT_LT(battery, 15.0);
    EXPECT_LE(at(reply, 31), 4);
    EXPECT_NEAR(static_cast<qint8>(at(reply, 32)), 20, 2);  // just started, still cold
    EXPECT_EQ(at(reply, 34), 0xFF);
    EXPECT_EQ(at(reply, 35), 0xFF);
    EXPECT_EQ(at(reply, 48), 0xFF);
}

TEST_F(EmulatorTest, Poll_SampleIndexMovesOnWithEveryFrame)
{
    const QByteArray first = exchange(Poll);
    const QByteArray second = exchange(Poll);
    EXPECT_EQ(at(second, 36), at(first, 36) + 1);
}

class EveryCommand : public EmulatorTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryCommand, IsAnsweredWithItsOwnCodeAtOffset3)
{
    const quint8 code = static_cast<quint8>(GetParam());
    const auto size = command::payloadSize(code);
    ASSERT_TRUE(size.has_value());
    const QByteArray reply =
        exchange(QByteArray(1, static_cast<char>(code)) + QByteArray(*size, '\0'));
    ASSERT_GT(reply.size(), 4);
    EXPECT_EQ(at(reply, 3), code);
    EXPECT_EQ(lengthField(reply), reply.size());
    const bool settings = code == command::ReadSettings || code == command::FactoryReset;
    EXPECT_EQ(reply.size(), settings ? 602 : 57);
}

INSTANTIATE_TEST_SUITE_P(Emulator, EveryCommand,
                         ::testing::Values(0x66, 0x55, 0x26, 0x1A, 0x1B, 0x0A, 0x17, 0x21, 0x2D,
                                           0x0E, 0x24, 0x30, 0x12, 0x27, 0x13, 0x18, 0x2B, 0x1E,
                                           0x03, 0x25, 0x2E, 0x1F, 0x11, 0x0F, 0x09, 0x22, 0x23,
                                           0x0D, 0x31, 0x10, 0x2A, 0x0B, 0x20, 0x19, 0x02, 0x06,
                                           0x05),
                         [](const auto& p) { return "Code" + std::to_string(p.param); });

// ---- Settings commands ----

struct SettingCase {
    const char* name;
    QByteArray command;
    int offset;
    int value;
};

class SettingCommand : public EmulatorTest, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(SettingCommand, ChangesTheImageThatTheNextReadReturns)
{
    exchange(GetParam().command);
    const QByteArray image = exchange(bytes({0x66, 0x00}));
    ASSERT_EQ(image.size(), 602);
    EXPECT_EQ(at(image, GetParam().offset), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Emulator, SettingCommand,
    ::testing::Values(
        SettingCase{"Cylinders", bytes({0x1B, 0x05}), 22, 5},
        SettingCase{"PulseSource", bytes({0x0A, 0x03}), 21, 3},
        SettingCase{"RpmSignalHigh", bytes({0x17, 0x01}), 34, 0x02},
        SettingCase{"Turbo", bytes({0x21, 0x01}), 34, 0x08},
        SettingCase{"PositiveInjectors", bytes({0x2D, 0x01}), 34, 0x80},
        SettingCase{"InjectorType", bytes({0x0E, 0x09}), 45, 9},
        SettingCase{"PressureSensor", bytes({0x12, 0x04}), 33, 4},
        SettingCase{"WorkingPressure", bytes({0x2B, 0x78}), 36, 0x78},
        SettingCase{"MinimumPressure", bytes({0x1E, 0x50}), 40, 0x50},
        SettingCase{"PressureErrorTime", bytes({0x1F, 0x05}), 41, 5},
        SettingCase{"MaxRpmOnGas", bytes({0x11, 0x40}), 24, 0x40},
        SettingCase{"SwitchOverTemp", bytes({0x0F, 0x28}), 35, 0x28},
        SettingCase{"SwitchOverRpm", bytes({0x09, 0x0F}), 23, 0x0F},
        SettingCase{"SwitchOverTime", bytes({0x22, 0x14}), 42, 0x14},
        SettingCase{"SequenceDelay", bytes({0x23, 0x08}), 43, 8},
        SettingCase{"PetrolAtFirstMinimum", bytes({0x2E, 0x01}), 558, 0x01},
        SettingCase{"LevelSensorKind", bytes({0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02}), 29, 2},
        SettingCase{"LevelThreshold1", bytes({0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02}), 25, 0x8F},
        SettingCase{"GasOnCylinders", bytes({0x03, 0x03, 0x0B}), 20, 0x0B}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(EmulatorTest, Settings_ClearFaultMemoryEmptiesEveryEntry)
{
    emulator.settings().set(561, 0x03);
    emulator.settings().set(600, 0x00);
    exchange(bytes({0x10, 0x00}));
    const QByteArray image = exchange(bytes({0x66, 0x00}));
    for (int i = 561; i <= 600; ++i)
        EXPECT_EQ(at(image, i), 0xFF) << i;
}

TEST_F(EmulatorTest, Settings_FactoryResetUndoesChanges)
{
    exchange(bytes({0x1B, 0x05}));
    const QByteArray image = exchange(bytes({0x26}));
    EXPECT_EQ(at(image, 3), 0x26);
    EXPECT_EQ(at(image, 22), 1);
}

TEST_F(EmulatorTest, Settings_BlockAndMapWritesLandAtTheirOffsets)
{
    QByteArray region(540, '\0');
    for (int i = 0; i < region.size(); ++i)
        region[i] = static_cast<char>(i * 7);
    exchange(QByteArray(1, '\x1A') + region);
    QByteArray image = exchange(bytes({0x66, 0x00}));
    EXPECT_EQ(image.mid(21, 540), region);
    EXPECT_EQ(VersionText(image), QStringLiteral("3.7.7"));

    const QByteArray map(246, '\x77');
    exchange(QByteArray(1, '\x0B') + map);
    image = exchange(bytes({0x66, 0x00}));
    EXPECT_EQ(image.mid(66, 246), map);
}

struct EffectCase {
    const char* name;
    QByteArray command;
    std::vector<std::pair<int, int>> before;  // image bytes set first
    std::vector<std::pair<int, int>> after;   // image bytes read back
};

class SettingEffect : public EmulatorTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(SettingEffect, ReadBackShowsWhatWasSent)
{
    for (const auto& [offset, value] : GetParam().before)
        emulator.settings().set(offset, static_cast<quint8>(value));
    exchange(GetParam().command);
    const QByteArray image = exchange(bytes({0x66, 0x00}));
    ASSERT_EQ(image.size(), 602);
    for (const auto& [offset, value] : GetParam().after)
        EXPECT_EQ(at(image, offset), value) << "offset " << offset;
}

INSTANTIATE_TEST_SUITE_P(
    Emulator, SettingEffect,
    ::testing::Values(
        EffectCase{
            "EightCylindersAllOnGas", bytes({0x1B, 0x05}), {{20, 0x01}}, {{22, 5}, {20, 0xFF}}},
        EffectCase{
            "ThreeCylindersAllOnGas", bytes({0x1B, 0x00}), {{20, 0xFF}}, {{22, 0}, {20, 0x07}}},
        EffectCase{"SixCylindersAllOnGas", bytes({0x1B, 0x03}), {}, {{22, 3}, {20, 0x3F}}},
        EffectCase{"NoCylinderCountKeepsTheMask",
                   bytes({0x1B, 0xFF}),
                   {{20, 0x0B}},
                   {{22, 0xFF}, {20, 0x0B}}},
        EffectCase{"InjectorSetting24", bytes({0x24, 0x09}), {}, {{46, 0x09}}},
        EffectCase{"InjectorSetting30", bytes({0x30, 0x2D}), {}, {{47, 0x2D}}},
        EffectCase{"PressureSensorSetting", bytes({0x27, 0x07}), {}, {{32, 0x07}}},
        EffectCase{"PressureSensor", bytes({0x12, 0x04}), {{33, 0}}, {{33, 4}}},
        EffectCase{"ReducerTempSensor", bytes({0x13, 0x01}), {{30, 0}}, {{30, 1}}},
        EffectCase{"GasTempSensor", bytes({0x18, 0x01}), {{31, 0}}, {{31, 1}}},
        EffectCase{"RpmSignalLow", bytes({0x17, 0x00}), {{34, 0xFF}}, {{34, 0xFD}}},
        EffectCase{"StandardEngine", bytes({0x21, 0x00}), {{34, 0x8A}}, {{34, 0x82}}},
        EffectCase{"NegativeInjectors", bytes({0x2D, 0x00}), {{34, 0x8A}}, {{34, 0x0A}}},
        EffectCase{
            "NotAtFirstMinimumKeepsTheFuel", bytes({0x2E, 0x00}), {{558, 0x03}}, {{558, 0x02}}},
        EffectCase{"LevelThresholdsAndKind",
                   bytes({0x0D, 0x11, 0x22, 0x33, 0x44, 0x02}),
                   {},
                   {{25, 0x11}, {26, 0x22}, {27, 0x33}, {28, 0x44}, {29, 0x02}, {30, 1}}},
        EffectCase{
            "SwitchOverTimeOnly", bytes({0x22, 0x18}), {}, {{42, 0x18}, {41, 20}, {43, 10}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(EmulatorTest, Settings_LevelEditMarksStoreNothing)
{
    const QByteArray before = exchange(bytes({0x66, 0x00}));
    exchange(bytes({0x31, 0x01}));
    exchange(bytes({0x31, 0x00}));
    EXPECT_EQ(exchange(bytes({0x66, 0x00})), before);
}

TEST_F(EmulatorTest, Settings_FactoryResetRestoresTheInjectorsSettingsToo)
{
    exchange(bytes({0x0E, 0x03}));
    exchange(bytes({0x24, 0x09}));
    exchange(bytes({0x30, 0x2D}));
    exchange(bytes({0x27, 0x00}));
    const QByteArray image = exchange(bytes({0x26}));
    EXPECT_EQ(at(image, 45), 0x08);
    EXPECT_EQ(at(image, 46), 0x06);
    EXPECT_EQ(at(image, 47), 30);
    EXPECT_EQ(at(image, 32), 0x04);
}

TEST_F(EmulatorTest, Settings_StoredFaultsReadBackAsGiven)
{
    emulator.settings().setFaultMemory(bytes({0x03, 0x00, 0x07}));
    const QByteArray image = exchange(bytes({0x66, 0x00}));
    EXPECT_EQ(image.mid(561, 3), bytes({0x03, 0x00, 0x07}));
    for (int i = 564; i <= 600; ++i)
        EXPECT_EQ(at(image, i), 0xFF) << i;
    EXPECT_EQ(settings::storedFaultText(
                  settings::ParameterBlock(image),
                  [](msg::Row row) { return QStringLiteral(" m%1").arg(msg::number(row)); }),
              QStringLiteral("1 m1\r\n3\r\n2 m6 1 2 3 4\r\n3 m5\r\n7\r\n"));
    // More than forty entries: the memory keeps the first forty.
    emulator.settings().setFaultMemory(QByteArray(50, '\x2A'));
    const QByteArray full = exchange(bytes({0x66, 0x00}));
    ASSERT_EQ(full.size(), 602);
    EXPECT_EQ(full.mid(561, 40), QByteArray(40, '\x2A'));
}

TEST_F(EmulatorTest, Settings_SavedFileLoadsIntoTheController)
{
    // A customer's controller: every settings byte its own.
    QByteArray customer = exchange(bytes({0x66, 0x00}));
    for (int o = 21; o <= 600; ++o)
        customer[o] = static_cast<char>((o * 13 + 5) & 0xFF);
    const auto contents = settings::datafile::decode(settings::datafile::encode(customer, 41));
    ASSERT_TRUE(contents.has_value());
    exchange(settings::editor::writeSettingsRegion(contents->settingsRegion()).command);
    const QByteArray image = exchange(bytes({0x66, 0x00}));
    EXPECT_EQ(image.mid(21, 540), customer.mid(21, 540));
    // The mask and the fault memory are not part of the block write.
    EXPECT_EQ(at(image, 20), 0x0F);
    EXPECT_EQ(at(image, 561), 0xFF);
}

TEST_F(EmulatorTest, Live_FuelCommandSwitchesTheReportedFuel)
{
    EXPECT_EQ(at(exchange(bytes({0x03, 0x03, 0x0F})), 5) & 1, 1);
    EXPECT_GT(at(exchange(Poll), 19), 0);  // gas time
    EXPECT_EQ(at(exchange(bytes({0x03, 0x02, 0x0F})), 5) & 1, 0);
}

// ---- Receiving ----

TEST_F(EmulatorTest, Receive_CommandWithAWrongChecksumIsIgnored)
{
    QByteArray frame = FrameCommand(Poll);
    frame[3] = static_cast<char>(frame[3] + 1);
    emulator.receive(WireForm(frame));
    EXPECT_TRUE(runLine().isEmpty());
    EXPECT_EQ(emulator.rejectedFrames(), 1);
    EXPECT_TRUE(emulator.receivedFrames().isEmpty());
}

TEST_F(EmulatorTest, Receive_CommandsArriveWhateverTheirPiecesAndNoiseBefore)
{
    const QByteArray wire = bytes({0x00, 0x13}) + WireForm(FrameCommand(Poll)) +
                            WireForm(FrameCommand(bytes({0x0F, 0x28})));
    for (char c : wire)
        emulator.receive(QByteArray(1, c));
    runLine();
    ASSERT_EQ(emulator.receivedFrames().size(), 2);
    EXPECT_EQ(emulator.receivedFrames()[1], FrameCommand(bytes({0x0F, 0x28})));
}

TEST_F(EmulatorTest, Receive_ShortBlockWriteEndsWhenTheLineFallsQuiet)
{
    const QByteArray shortWrite = QByteArray(1, '\x1A') + QByteArray(100, '\x05');
    const QByteArray reply = exchange(shortWrite);
    ASSERT_EQ(reply.size(), 57);
    EXPECT_EQ(at(reply, 3), 0x1A);
    EXPECT_EQ(emulator.settings().at(21), 0x05);
    EXPECT_EQ(emulator.settings().at(120), 0x05);
    EXPECT_EQ(emulator.settings().at(121), SettingsImage().at(121));
}

// ---- Pacing ----

TEST_F(EmulatorTest, Pacing_RepliesComeAt7200BitsPerSecondInDriverSizedPieces)
{
    send(Poll);
    // The 5-byte poll takes 6.9 ms to come in; 2 ms later the reply starts,
    // and each byte takes 1.39 ms.
    const double firstByteMs = 5 * 10 / 7.2 + 2 + 10 / 7.2;
    const double lastByteMs = 5 * 10 / 7.2 + 2 + 57 * 10 / 7.2;
    clock.advance(200);
    ASSERT_GT(pieces.size(), 5);
    int total = 0;
    for (int i = 0; i < pieces.size(); ++i) {
        total += static_cast<int>(pieces[i].size());
        const double lineAllows = (arrivals[i] - (firstByteMs - 10 / 7.2)) * 7.2 / 10;
        EXPECT_LE(total, lineAllows + 1e-9) << "piece " << i << " at " << arrivals[i] << " ms";
        EXPECT_LE(pieces[i].size(), 8 * 7.2 / 10 + 1) << i;
    }
    EXPECT_EQ(total, 57);
    EXPECT_GE(arrivals.first(), firstByteMs);
    EXPECT_GE(arrivals.last(), lastByteMs);
    EXPECT_LT(arrivals.last(), lastByteMs + ControllerEmulator::DefaultPieceIntervalMs + 1);
}

TEST_F(EmulatorTest, Pacing_RepliesToBackToBackCommandsDoNotOverlap)
{
    send(Poll);
    send(Poll);
    clock.advance(300);
    const QByteArray both = runLine(0);
    ASSERT_EQ(both.size(), 114);
    EXPECT_EQ(at(both, 57), 0xAA);
    // Two replies and two polls: the second reply ends two reply-times after the first poll is in.
    EXPECT_EQ(emulator.receivedFrames().size(), 2);
}

TEST_F(EmulatorTest, Pacing_ResetLineDropsTheReplyOnItsWay)
{
    send(Handshake);
    clock.advance(50);
    ASSERT_FALSE(pieces.isEmpty());
    emulator.resetLine();
    pieces.clear();
    clock.advance(2000);
    EXPECT_TRUE(pieces.isEmpty());
}

// ---- Faults ----

struct FaultCase {
    const char* name;
    EmulatorFault fault;
    // Checks the handshake, poll and queued-command replies, decoded, and
    // the number of pieces the handshake reply came in.
    std::function<void(const QByteArray& handshake, const QByteArray& poll,
                       const QByteArray& command, int handshakePieces)>
        check;
};

class Fault : public EmulatorTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(Fault, ChangesOnlyWhatItIsAbout)
{
    emulator.setFault(GetParam().fault);
    send(Handshake);
    clock.advance(1500);
    const int handshakePieces = static_cast<int>(pieces.size());
    const QByteArray handshake = runLine(0);
    const QByteArray poll = exchange(Poll);
    const QByteArray command = exchange(bytes({0x0F, 0x28}));
    GetParam().check(handshake, poll, command, handshakePieces);
}

INSTANTIATE_TEST_SUITE_P(
    Emulator, Fault,
    ::testing::Values(
        FaultCase{"Silence", EmulatorFault::Silence,
                  [](const QByteArray& h, const QByteArray& p, const QByteArray& c, int) {
                      EXPECT_TRUE(h.isEmpty());
                      EXPECT_TRUE(p.isEmpty());
                      EXPECT_TRUE(c.isEmpty());
                  }},
        FaultCase{"BadLeadByte", EmulatorFault::BadLeadByte,
                  [](const QByteArray& h, const QByteArray& p, const QByteArray& c, int) {
                      EXPECT_NE(at(h, 0), 0xAA);
                      EXPECT_NE(at(p, 0), 0xAA);
                      EXPECT_NE(at(c, 0), 0xAA);
                      EXPECT_EQ(p.size(), 57);
                  }},
        FaultCase{"WrongEcho", EmulatorFault::WrongEcho,
                  [](const QByteArray& h, const QByteArray& p, const QByteArray& c, int) {
                      EXPECT_EQ(at(h, 3), 0x66);
                      EXPECT_EQ(at(p, 3), 0x55);
                      ASSERT_EQ(c.size(), 57);
                      EXPECT_NE(at(c, 3), 0x0F);
                  }},
        FaultCase{"MissingEcho", EmulatorFault::MissingEcho,
                  [](const QByteArray& h, const QByteArray& p, const QByteArray& c, int) {
                      EXPECT_EQ(h.size(), 602);
                      EXPECT_EQ(p.size(), 57);
                      EXPECT_TRUE(c.isEmpty());
                  }},
        FaultCase{"ExtraBytes", EmulatorFault::ExtraBytes,
                  [](const QByteArray& h, const QByteArray& p, const QByteArray& c, int) {
                      EXPECT_EQ(h.size(), lengthField(h) + 3);
                      EXPECT_EQ(p.size(), lengthField(p) + 3);
                      EXPECT_EQ(c.size(), lengthField(c) + 3);
                  }},
        FaultCase{"WrongVersion", EmulatorFault::WrongVersion,
                  [](const QByteArray& h, const QByteArray& p, const QByteArray&, int) {
                      EXPECT_EQ(VersionText(h), QStringLiteral("3.7.6"));
                      EXPECT_EQ(p.size(), 57);
                  }},
        FaultCase{"ConnectReplyInOnePiece", EmulatorFault::ConnectReplyInOnePiece,
                  [](const QByteArray& h, const QByteArray& p, const QByteArray&, int pieces) {
                      EXPECT_EQ(h.size(), 602);
                      EXPECT_EQ(pieces, 1);
                      EXPECT_EQ(p.size(), 57);
                  }},
        FaultCase{"CutOffReply", EmulatorFault::CutOffReply,
                  [](const QByteArray& h, const QByteArray& p, const QByteArray& c, int) {
                      EXPECT_LT(h.size(), lengthField(h));
                      EXPECT_LT(p.size(), lengthField(p));
                      EXPECT_LT(c.size(), lengthField(c));
                      EXPECT_GT(p.size(), 3);
                  }}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(EmulatorTest, Fault_WithoutFaultsTheHandshakeComesInManyPieces)
{
    send(Handshake);
    clock.advance(1500);
    EXPECT_GT(pieces.size(), 50);
}

}  // namespace

TEST_F(EmulatorTest, NoisyLine_GarblesSomeBytesAndAddsStrayOnesTheSameWayForTheSameSeed)
{
    const QByteArray clean = exchange(Poll);
    emulator.setFault(EmulatorFault::NoiseBytes);
    int garbled = 0;
    int longer = 0;
    QList<QByteArray> noisy;
    for (int i = 0; i < 40; ++i) {
        const QByteArray reply = exchange(Poll);
        noisy << reply;
        longer += reply.size() > clean.size();
        for (qsizetype k = 0; k < std::min(reply.size(), clean.size()); ++k)
            garbled += reply[k] != clean[k];
    }
    EXPECT_GT(longer, 0);
    EXPECT_GT(garbled, 0);

    VirtualClock otherClock;
    ControllerEmulator other(otherClock);
    QByteArray line;
    other.setSink([&](const QByteArray& piece) { line += piece; });
    other.receive(WireForm(FrameCommand(Poll)));
    otherClock.advance(1500);
    other.setFault(EmulatorFault::NoiseBytes);
    line.clear();
    other.receive(WireForm(FrameCommand(Poll)));
    otherClock.advance(1500);
    EXPECT_EQ(DecodeLine(line), noisy.first());
}

TEST_F(EmulatorTest, ReceivedFrames_KeepsTheLatestOnlyAndCountsAll)
{
    for (int i = 0; i < ControllerEmulator::KeptFrames + 10; ++i)
        send(bytes({0x10, static_cast<int>(i & 0xFF)}));
    runLine(100);
    EXPECT_EQ(emulator.receivedFrames().size(), ControllerEmulator::KeptFrames);
    EXPECT_EQ(emulator.receivedCount(), ControllerEmulator::KeptFrames + 10);
    EXPECT_EQ(at(emulator.receivedFrames().last(), 2), (ControllerEmulator::KeptFrames + 9) & 0xFF);
}
