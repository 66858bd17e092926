#include "BlockBuilder.h"
#include "Bytes.h"
#include "QtPrinters.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

using namespace brivel::settings;
using brivel::test::settingsBlock;

namespace {

namespace df = datafile;

quint8 at(const QByteArray& bytes, int i)
{
    return static_cast<quint8>(bytes.at(i));
}

// A whole image whose every byte differs from its neighbours, check byte 0x5A.
QByteArray patternBlock(int size = BlockSize)
{
    QByteArray block = settingsBlock({}, size);
    for (int o = 4; o < size - 1; ++o)
        block[o] = static_cast<char>((o * 37 + 11) & 0xFF);
    block[4] = 3;
    block[5] = 7;
    return block;
}

TEST(SettingsFileWrite, LaysTheImageOutByteForByte)
{
    const QByteArray block = patternBlock();
    const QByteArray file = df::encode(block, 37);
    ASSERT_EQ(file.size(), 1219);
    EXPECT_EQ(file.left(23), QByteArray("KVOS DATA FILE v3.07.07"));
    EXPECT_EQ(at(file, 23), 0x97);         // 4 × 37 + 3
    EXPECT_EQ(at(file, 24), 0x5A ^ 0x25);  // B XOR 37
    EXPECT_EQ(at(file, 25), 0xA8);         // filler of offset 4 (3)
    EXPECT_EQ(at(file, 26), 3 ^ 0x5F);     // XOR (B + 5)
    EXPECT_EQ(at(file, 27), 0x01);         // filler of offset 5 (7)
    EXPECT_EQ(at(file, 28), 7 ^ 0x60);     // XOR (B + 6)
    // The last pair holds offset 600, the byte before the check byte.
    EXPECT_EQ(at(file, 1217), df::fillerByte(600, at(block, 600)));
    EXPECT_EQ(at(file, 1218), at(block, 600) ^ ((0x5A + 601) & 0xFF));
    for (int o = 4; o <= 600; ++o) {
        ASSERT_EQ(at(file, 25 + 2 * (o - 4)), df::fillerByte(o, at(block, o))) << o;
        ASSERT_EQ(at(file, 26 + 2 * (o - 4)), at(block, o) ^ ((0x5A + o + 1) & 0xFF)) << o;
    }
}

TEST(SettingsFileWrite, OnlyTheHeaderDependsOnTheSecond)
{
    const QByteArray block = patternBlock();
    const QByteArray at37 = df::encode(block, 37);
    const QByteArray at5 = df::encode(block, 5);
    EXPECT_NE(at37.mid(23, 2), at5.mid(23, 2));
    EXPECT_EQ(at37.mid(25), at5.mid(25));
    EXPECT_EQ(at(at5, 23), 0x17);
    EXPECT_EQ(at(df::encode(block, 0), 23), 0x03);
    EXPECT_EQ(at(df::encode(block, 59), 23), 0xEF);
}

struct FillerCase {
    int offset;
    int c;
    int filler;
};

class Filler : public ::testing::TestWithParam<FillerCase> {};

TEST_P(Filler, FollowsTheLastRuleThatApplies)
{
    EXPECT_EQ(df::fillerByte(GetParam().offset, static_cast<quint8>(GetParam().c)),
              GetParam().filler);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFile, Filler,
    ::testing::Values(FillerCase{10, 0x33, 0x5E},   // p 11: no rule, p XOR 0x55
                      FillerCase{600, 0x00, 0x0C},  // p 601: no rule, low 8 bits
                      FillerCase{4, 3, 0xA8},       // p 5: (0xFF - 15 | 5) << 3
                      FillerCase{4, 0x40, 0x00},    // count 64 shifts everything out
                      FillerCase{4, 0x80, 0x7F},    // count -128 shifts by 0: V = -385
                      FillerCase{4, 0xA1, 0xBE},    // count -95 shifts by 1, not by 33
                      FillerCase{5, 7, 0x01},       // p 6: (0xAA - 42 | 6) >> 7
                      FillerCase{5, 0x30, 0xFF},    // V negative as 64 bits: ones come down
                      FillerCase{5, 0x3F, 0x01},    // logical: only one bit left after 63
                      FillerCase{5, 0x50, 0x00},    // count 80
                      FillerCase{5, 0xE2, 0xD7},    // count -30 shifts by 2
                      FillerCase{8, 0, 0x5F},       // p 9
                      FillerCase{8, 2, 0x34}, FillerCase{17, 1, 0xAE},  // p 18: rule 9 after rule 6
                      FillerCase{29, 0, 0xBE},                          // p 30: rule 6 after rule 5
                      FillerCase{44, 1, 0x5E},                          // p 45: rule 9 after rule 5
                      FillerCase{34, 0, 0x00},      // p 35: rule 7 after rule 5, shift 35
                      FillerCase{69, 0x12, 0x00},   // p 70: rule 7, count 70 gives 0
                      FillerCase{125, 0x99, 0x00},  // p 126: rules 6, 9, 7; count 126
                      FillerCase{132, 0, 0xE0}));   // p 133: rule 7, count -123 shifts by 5

TEST(SettingsFileRead, ReturnsWhatWasWrittenAtEverySecond)
{
    const QByteArray block = patternBlock();
    for (int s = 0; s < 60; ++s) {
        const auto contents = df::decode(df::encode(block, s));
        ASSERT_TRUE(contents.has_value()) << s;
        EXPECT_EQ(contents->key, 0x5A) << s;
        EXPECT_EQ(contents->stored, block.mid(4, BlockSize - 5)) << s;
        EXPECT_EQ(contents->settingsRegion(), block.mid(21, 540)) << s;
    }
}

TEST(SettingsFileRead, RoundTripsImagesOfOtherLengths)
{
    for (int size : {562, 700}) {
        const QByteArray block = patternBlock(size);
        const auto contents = df::decode(df::encode(block, 12));
        ASSERT_TRUE(contents.has_value()) << size;
        EXPECT_EQ(contents->stored, block.mid(4, size - 5));
        EXPECT_EQ(contents->settingsRegion(), block.mid(21, 540));
        EXPECT_EQ(contents->byteAt(560), at(block, 560));
        EXPECT_FALSE(contents->byteAt(size - 1).has_value());
        EXPECT_FALSE(contents->byteAt(3).has_value());
    }
}

TEST(SettingsFileRead, RecoversTheSecondTiesToEven)
{
    QByteArray file = df::encode(patternBlock(), 0);
    const quint8 key = 0x5A;
    struct Case {
        int nonce;
        int n;
    };
    // (0x05 - 3) / 4 = 0.5 → 0; (0x09 - 3) / 4 = 1.5 → 2; (0x00 - 3) / 4 → -1.
    for (const Case c : {Case{0x05, 0}, Case{0x09, 2}, Case{0x0B, 2}, Case{0x00, -1}}) {
        file[23] = static_cast<char>(c.nonce);
        file[24] = static_cast<char>(key ^ (c.n & 0xFF));
        const auto contents = df::decode(file);
        ASSERT_TRUE(contents.has_value());
        EXPECT_EQ(contents->key, key) << c.nonce;
        EXPECT_EQ(contents->byteAt(22), at(patternBlock(), 22)) << c.nonce;
    }
}

TEST(SettingsFileRead, RefusesAWrongMagicAndAFileTooShortForTheSettings)
{
    const QByteArray good = df::encode(patternBlock(), 37);
    QByteArray badMagic = good;
    badMagic[22] = '8';  // "v3.07.08"
    EXPECT_FALSE(df::decode(badMagic).has_value());
    badMagic = good;
    badMagic[0] = 'k';
    EXPECT_FALSE(df::decode(badMagic).has_value());
    EXPECT_FALSE(df::decode(good.left(22)).has_value());
    EXPECT_FALSE(df::decode(good.left(25)).has_value());
    EXPECT_FALSE(df::decode(good.left(1138)).has_value());
    const auto shortest = df::decode(good.left(1139));
    ASSERT_TRUE(shortest.has_value());
    EXPECT_EQ(shortest->settingsRegion(), patternBlock().mid(21, 540));
    EXPECT_FALSE(df::decode(QByteArray()).has_value());
}

TEST(SettingsFileName, GetsKvsOnlyWithoutAnExtension)
{
    EXPECT_EQ(df::fileNameFor(QStringLiteral("abc")), QStringLiteral("abc.kvs"));
    EXPECT_EQ(df::fileNameFor(QStringLiteral("abc.txt")), QStringLiteral("abc.txt"));
    EXPECT_EQ(df::fileNameFor(QStringLiteral("/home/fitter/car.v2/abc")),
              QStringLiteral("/home/fitter/car.v2/abc.kvs"));
    EXPECT_EQ(df::fileNameFor(QStringLiteral("abc.kvs")), QStringLiteral("abc.kvs"));
}

}  // namespace
