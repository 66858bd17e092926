#include "QtPrinters.h"
#include "link/LineCoding.h"

#include <gtest/gtest.h>

#include <set>

using namespace brivel;

namespace {

struct KnownByte {
    const char* name;
    quint8 (*transform)(quint8, quint8);
    quint8 key;
    quint8 in;
    quint8 out;
};

// Worked by hand through the four steps of each transform.
const KnownByte knownBytes[] = {
    {"EncodeZero", EncodeLineByte, SendKey, 0x00, 0x81},
    {"EncodeOne", EncodeLineByte, SendKey, 0x01, 0x7E},
    {"EncodeLead", EncodeLineByte, SendKey, 0xAA, 0xD4},
    {"DecodeZero", DecodeLineByte, ReceiveKey, 0x00, 0x62},
    {"DecodeLeadOfProgram", DecodeLineByte, SendKey, 0xD4, 0xAA},
};

class KnownLineBytes : public ::testing::TestWithParam<KnownByte> {};

TEST_P(KnownLineBytes, MatchTheHandWorkedValue)
{
    const KnownByte& c = GetParam();
    EXPECT_EQ(c.transform(c.in, c.key), c.out);
}

INSTANTIATE_TEST_SUITE_P(LineCoding, KnownLineBytes, ::testing::ValuesIn(knownBytes),
                         [](const auto& p) { return std::string(p.param.name); });

class EveryKey : public ::testing::TestWithParam<quint8> {};

TEST_P(EveryKey, BothTransformsAreBijections)
{
    std::set<quint8> encoded;
    std::set<quint8> decoded;
    for (int b = 0; b < 256; ++b) {
        encoded.insert(EncodeLineByte(static_cast<quint8>(b), GetParam()));
        decoded.insert(DecodeLineByte(static_cast<quint8>(b), GetParam()));
    }
    EXPECT_EQ(encoded.size(), 256u);
    EXPECT_EQ(decoded.size(), 256u);
}

TEST_P(EveryKey, DecodingUnderTheSameKeyRestoresEveryByte)
{
    for (int b = 0; b < 256; ++b) {
        const quint8 byte = static_cast<quint8>(b);
        EXPECT_EQ(DecodeLineByte(EncodeLineByte(byte, GetParam()), GetParam()), byte) << b;
    }
}

INSTANTIATE_TEST_SUITE_P(LineCoding, EveryKey, ::testing::Values(SendKey, ReceiveKey, 0x00, 0xFF));

TEST(LineCoding, TheProgramsReceiveSideDoesNotUndoItsSendSide)
{
    int restored = 0;
    for (int b = 0; b < 256; ++b)
        restored += DecodeLineByte(EncodeLineByte(static_cast<quint8>(b))) == b;
    EXPECT_LT(restored, 256);
}

TEST(LineCoding, ThePeerReadsTheProgramAndTheProgramReadsThePeer)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    // Program → controller: send transform, send key; the controller decodes under it.
    EXPECT_EQ(DecodeLine(EncodeLine(all), SendKey), all);
    // Controller → program: send transform under the receive key.
    EXPECT_EQ(DecodeLine(EncodeLine(all, ReceiveKey)), all);
}

}  // namespace
