#include "Bytes.h"
#include "QtPrinters.h"
#include "TestSerialPort.h"
#include "link/Commands.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "link/Rounding.h"
#include "link/SendEncoded.h"

#include <gtest/gtest.h>

#include <optional>

using namespace brivel;
using brivel::test::bytes;

namespace {

struct FramingCase {
    const char* name;
    QByteArray command;
    QByteArray frame;
};

class Framing : public ::testing::TestWithParam<FramingCase> {};

TEST_P(Framing, PutsTheLeadInFrontAndTheSumBehind)
{
    EXPECT_EQ(FrameCommand(GetParam().command), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, Framing,
    ::testing::Values(
        FramingCase{"Connect", bytes({0x66, 0x01}), bytes({0xAA, 0x66, 0x01, 0x11})},
        FramingCase{"Poll", bytes({0x55, 0x01}), bytes({0xAA, 0x55, 0x01, 0x00})},
        FramingCase{"FactoryReset", bytes({0x26}), bytes({0xAA, 0x26, 0xD0})},
        FramingCase{"ReadSettings", bytes({0x66, 0x00}), bytes({0xAA, 0x66, 0x00, 0x10})},
        FramingCase{"CarriesAreDropped", bytes({0xFF, 0xFF}), bytes({0xAA, 0xFF, 0xFF, 0xA8})}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Frames, FixedCommandsAreTheConnectAndPollFrames)
{
    EXPECT_EQ(ConnectFrame(), bytes({0xAA, 0x66, 0x01, 0x11}));
    EXPECT_EQ(PollFrame(), bytes({0xAA, 0x55, 0x01, 0x00}));
}

TEST(Frames, WireFormIsAnUncodedLeadThenTheCodedFrame)
{
    const QByteArray wire = WireForm(bytes({0xAA, 0x26, 0xD0}));
    ASSERT_EQ(wire.size(), 4);
    EXPECT_EQ(static_cast<quint8>(wire[0]), 0xCC);
    EXPECT_EQ(static_cast<quint8>(wire[1]), EncodeLineByte(0xAA));
    EXPECT_EQ(static_cast<quint8>(wire[2]), EncodeLineByte(0x26));
    EXPECT_EQ(static_cast<quint8>(wire[3]), EncodeLineByte(0xD0));
}

struct SplitCase {
    int frameSize;
    QStringList events;  // the writes by size and the pauses, in order
};

// Writes a frame of `size` bytes and lists what reached the port.
QStringList sendAndRecord(int size)
{
    test::TestSerialPort port;
    port.setPortName(QStringLiteral("COM1"));
    port.open();
    QStringList events;
    qsizetype seen = 0;
    auto catchUp = [&] {
        for (; seen < port.writes.size(); ++seen)
            events << QStringLiteral("w%1").arg(port.writes[seen].size());
    };
    const QByteArray frame(size, '\x01');
    SendEncoded(port, frame, [&](int ms) {
        catchUp();
        events << QStringLiteral("pause%1").arg(ms);
    });
    catchUp();
    EXPECT_EQ(port.takeWritten(), WireForm(frame));
    return events;
}

class WritePieces : public ::testing::TestWithParam<SplitCase> {};

TEST_P(WritePieces, FullPiecesArePausedAfterAndTheRestIsNot)
{
    EXPECT_EQ(sendAndRecord(GetParam().frameSize), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(Frames, WritePieces,
                         ::testing::Values(SplitCase{3, {"w4"}}, SplitCase{79, {"w80"}},
                                           SplitCase{80, {"w80", "pause1", "w1"}},
                                           SplitCase{159, {"w80", "pause1", "w80", "pause1"}},
                                           SplitCase{543,
                                                     {"w80", "pause1", "w80", "pause1", "w80",
                                                      "pause1", "w80", "pause1", "w80", "pause1",
                                                      "w80", "pause1", "w64"}}),
                         [](const auto& p) { return "Frame" + std::to_string(p.param.frameSize); });

TEST(Frames, SplitWriteKeepsEveryByteInOrder)
{
    QByteArray wire;
    for (int i = 0; i < 300; ++i)
        wire.append(static_cast<char>(i));
    QByteArray joined;
    for (const WritePiece& piece : SplitWrite(wire))
        joined.append(piece.bytes);
    EXPECT_EQ(joined, wire);
}

struct LengthCase {
    const char* name;
    QByteArray bytes;
    std::optional<int> replyLength;
    int pieceLength;
    std::optional<quint8> echo;
};

class ReplyEnvelope : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ReplyEnvelope, LengthAndEchoComeOnlyFromBytesThatArrived)
{
    const LengthCase& c = GetParam();
    EXPECT_EQ(ReplyLength(c.bytes), c.replyLength);
    EXPECT_EQ(PieceLengthField(c.bytes), c.pieceLength);
    EXPECT_EQ(ReplyEcho(c.bytes), c.echo);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ReplyEnvelope,
    ::testing::Values(
        LengthCase{"Empty", QByteArray(), std::nullopt, 0, std::nullopt},
        LengthCase{"LeadOnly", bytes({0xAA}), std::nullopt, 0, std::nullopt},
        LengthCase{"HighByteOnly", bytes({0xAA, 0x02}), std::nullopt, 0x200, std::nullopt},
        LengthCase{"ThreeBytes", bytes({0xAA, 0x00, 0x39}), std::nullopt, 57, std::nullopt},
        LengthCase{"LiveHeader", bytes({0xAA, 0x00, 0x39, 0x55}), 57, 57, quint8{0x55}},
        LengthCase{"SettingsHeader", bytes({0xAA, 0x02, 0x5A, 0x66, 0x03}), 602, 602, quint8{0x66}},
        LengthCase{"NoLead", bytes({0x00, 0x00, 0x39, 0x55}), std::nullopt, 57, quint8{0x55}}),
    [](const auto& p) { return std::string(p.param.name); });

struct VersionCase {
    const char* name;
    QByteArray reply;
    std::optional<QString> version;
    QString status;
};

class Version : public ::testing::TestWithParam<VersionCase> {};

TEST_P(Version, IsDecimalForTheCheckAndHexForTheStatusBar)
{
    EXPECT_EQ(VersionText(GetParam().reply), GetParam().version);
    EXPECT_EQ(StatusVersionText(GetParam().reply), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, Version,
    ::testing::Values(VersionCase{"Accepted", bytes({0xAA, 2, 0x5A, 0x66, 3, 7, 7, 0}),
                                  QStringLiteral("3.7.7"), QStringLiteral(" BRIVEL ver. 3.07.07")},
                      VersionCase{"WideNumbers", bytes({0xAA, 2, 0x5A, 0x66, 10, 0x0A, 0xFF}),
                                  QStringLiteral("10.10.255"),
                                  QStringLiteral(" BRIVEL ver. 10.0A.FF")},
                      VersionCase{"TooShort", bytes({0xAA, 0, 6, 0x66, 3, 7}), std::nullopt,
                                  QStringLiteral(" BRIVEL ver.")}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Frames, FillerFrameIsFiveHundredZeros)
{
    EXPECT_EQ(FillerFrame(), QByteArray(500, '\0'));
}

}  // namespace

struct PayloadCase {
    double value;
    int byte;
};

class PayloadByte : public ::testing::TestWithParam<PayloadCase> {};

TEST_P(PayloadByte, RoundsTiesToEvenAndKeepsTheLowEightBits)
{
    EXPECT_EQ(payloadByte(GetParam().value), GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Frames, PayloadByte,
                         ::testing::Values(PayloadCase{2.5, 2}, PayloadCase{3.5, 4},
                                           PayloadCase{125.0, 125}, PayloadCase{-0.5, 0},
                                           PayloadCase{255.4, 255}, PayloadCase{255.5, 0},
                                           PayloadCase{-1.0, 255}, PayloadCase{300.0, 44}));

TEST(Frames, MakeJoinsTheCodeAndThePayload)
{
    EXPECT_EQ(command::make(0x2A, {0x02}), QByteArray("\x2A\x02", 2));
    EXPECT_EQ(command::make(0x26), QByteArray("\x26", 1));
}
