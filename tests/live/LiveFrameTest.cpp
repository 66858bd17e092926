#include "ReplyFrames.h"
#include "QtPrinters.h"
#include "live/LiveFrame.h"

#include <gtest/gtest.h>

using namespace brivel::live;
namespace msg = brivel::msg;

namespace {

QByteArray frame(std::initializer_list<std::pair<int, int>> bytes = {})
{
    return brivel::test::liveFrame(bytes);
}

QString polish(msg::Row row)
{
    static const char* texts[] = {" - Błąd napięcia",
                                  " - Cisnienie gazu za wysokie",
                                  " - Cisnienie gazu za niskie",
                                  " - Napięcie stacyjki za niskie",
                                  " - Brak wtrysku benzyny",
                                  " - Błędna praca układu benzynowego",
                                  " - Błąd wtryskiwacza : ",
                                  " - Złe ustawienia",
                                  " - Błąd zasilania"};
    return QString::fromUtf8(texts[msg::number(row)]);
}

}  // namespace

TEST(LiveFrame, ShortRepliesAreIgnoredOrSkippedNeverReadPastTheirEnd)
{
    EXPECT_EQ(classify(QByteArray()), FrameUse::Ignore);
    EXPECT_EQ(classify(QByteArray(5, '\xAA')), FrameUse::Ignore);
    EXPECT_EQ(classify(QByteArray(6, '\xAA')), FrameUse::Truncated);
    EXPECT_EQ(classify(QByteArray(56, '\xAA')), FrameUse::Truncated);
    EXPECT_EQ(classify(frame()), FrameUse::Decode);
    EXPECT_EQ(classify(QByteArray(500, '\0')), FrameUse::Decode);
}

struct ScalingCase {
    const char* name;
    std::function<float()> actual;
    float expected;
};

class LiveScaling : public ::testing::TestWithParam<ScalingCase> {};

TEST_P(LiveScaling, GivesTheIndicatorValue)
{
    EXPECT_FLOAT_EQ(GetParam().actual(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, LiveScaling,
    ::testing::Values(
        ScalingCase{"temperature7F", [] { return signedTemperature(0x7F); }, 127},
        ScalingCase{"temperature80", [] { return signedTemperature(0x80); }, -128},
        ScalingCase{"temperatureFF", [] { return signedTemperature(0xFF); }, -1},
        ScalingCase{"batteryLowest", [] { return batteryVolts(0); }, 0.7f},
        ScalingCase{"batteryHighest", [] { return batteryVolts(255); }, 16.34f},
        ScalingCase{"batteryRoundedToHundredths", [] { return batteryVolts(200); }, 12.97f},
        ScalingCase{"lambda61", [] { return lambdaVolts(61); }, 1.1956f},
        ScalingCase{"petrolTime", [] { return petrolTimeMs(5, 1); }, 26.1f},
        ScalingCase{"gasTime", [] { return gasTimeMs(1, 2, 200); }, 65.536f + 0.512f + 0.256f},
        ScalingCase{"gasPressure", [] { return gasPressureBar(1, 10); }, 2.66f},
        ScalingCase{"manifoldPressure", [] { return manifoldPressureKpa(0, 45); }, 45},
        ScalingCase{"rpmDial",
                    [] {
                        return readLiveFrame(frame({{21, 255}})).rpmThousands;
                    },
                    25.5f},
        ScalingCase{"rpmReadout",
                    [] {
                        return readLiveFrame(frame({{21, 255}})).rpm;
                    },
                    25500}),
    [](const ::testing::TestParamInfo<ScalingCase>& param) {
        return std::string(param.param.name);
    });

TEST(LiveFrame, ReadsEveryFieldAtItsOffset)
{
    const LiveReadings r =
        readLiveFrame(frame({{4, 1},   {5, 1},   {6, 30},  {7, 0},   {8, 31},   {10, 32}, {12, 33},
                             {14, 34}, {16, 35}, {51, 36}, {54, 1},  {18, 0},   {19, 40}, {20, 0},
                             {21, 8},  {22, 40}, {23, 0},  {24, 95}, {25, 0},   {26, 35}, {29, 200},
                             {31, 3},  {32, 70}, {33, 20}, {55, 25}, {36, 130}, {47, 3}}));
    EXPECT_TRUE(r.active);
    EXPECT_TRUE(r.gasSelected);
    EXPECT_FLOAT_EQ(r.petrolTimes[0], 3.0f);
    EXPECT_FLOAT_EQ(r.petrolTimes[5], 3.5f);
    EXPECT_FLOAT_EQ(r.petrolTimes[6], 3.6f);
    EXPECT_FLOAT_EQ(r.petrolTimes[7], 25.6f);
    EXPECT_FLOAT_EQ(r.gasTime, 10.24f);
    EXPECT_FLOAT_EQ(r.rpm, 800);
    EXPECT_FLOAT_EQ(r.lambda1, 0.784f);
    EXPECT_FLOAT_EQ(r.lambda2, 0.49f);
    EXPECT_FLOAT_EQ(r.gasPressure, 0.95f);
    EXPECT_FLOAT_EQ(r.manifoldPressure, 35);
    EXPECT_FLOAT_EQ(r.battery, 12.97f);
    EXPECT_EQ(r.tankLevel, 3);
    EXPECT_FLOAT_EQ(r.reducerTemp, 70);
    EXPECT_FLOAT_EQ(r.gasTemp, 20);
    EXPECT_EQ(r.sampleIndex, 130);
    EXPECT_EQ(r.mapSelector, 3);
}

TEST(LiveFrame, TankVoltageHasTwoDecimalsWithTheLocaleSeparator)
{
    const QLocale polishLocale(QLocale::Polish, QLocale::Poland);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(tankVoltageText(0, english), QStringLiteral("0.00"));
    EXPECT_EQ(tankVoltageText(255, english), QStringLiteral("5.00"));
    EXPECT_EQ(tankVoltageText(255, polishLocale), QStringLiteral("5,00"));
    EXPECT_EQ(tankVoltageText(100, polishLocale), QStringLiteral("1,96"));
}

TEST(FaultText, WorkedPolishExampleNumbersTheLinesAndListsTheInjectors)
{
    const QString text = currentFaultText(0xF7, 0xFA, 0xFF, polish);
    EXPECT_EQ(text, QStringLiteral("1 - Cisnienie gazu za wysokie\r\n"
                                   "2 - Błąd wtryskiwacza :  1 3\r\n"));
}

struct FaultCase {
    const char* name;
    quint8 flags1, injectors, flags2;
    QStringList lines;
};

class FaultLines : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultLines, FollowTheFlagsInOrder)
{
    const FaultCase& c = GetParam();
    const QString text = currentFaultText(c.flags1, c.injectors, c.flags2, polish);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString());  // every line, the last too, ends in CR LF
    EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FaultLines,
    ::testing::Values(
        FaultCase{"noFault", 0xFF, 0xFF, 0xFF, {}},
        FaultCase{"unusedBitsOfTheFirstFlagsIgnored",
                  0x03,
                  0xFF,
                  0xFF,
                  {"1 - Błąd napięcia", "2 - Cisnienie gazu za wysokie",
                   "3 - Cisnienie gazu za niskie", "4 - Napięcie stacyjki za niskie",
                   "5 - Brak wtrysku benzyny", "6 - Błędna praca układu benzynowego"}},
        FaultCase{"everyInjector", 0xFF, 0x00, 0xFF, {"1 - Błąd wtryskiwacza :  1 2 3 4 5 6 7 8"}},
        FaultCase{"injectorLineBetweenTheTwoFlagBytes",
                  0xFB,
                  0x7F,
                  0xFC,
                  {"1 - Błąd napięcia", "2 - Błąd wtryskiwacza :  8", "3 - Złe ustawienia",
                   "4 - Błąd zasilania"}},
        FaultCase{"unusedBitsOfTheSecondFlagsIgnored", 0xFF, 0xFF, 0x03, {}}),
    [](const ::testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

TEST(FaultText, TheFillerFrameListsAllNineFaults)
{
    const LiveReadings r = readLiveFrame(QByteArray(500, '\0'));
    const QString text = currentFaultText(r.faultFlags1, r.injectorFaults, r.faultFlags2, polish);
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 9);
    EXPECT_TRUE(text.startsWith(QStringLiteral("1 - Błąd napięcia\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("9 - Błąd zasilania\r\n")));
}

TEST(MapSamples, KeepOnlyTheLastByteOfEachCellPair)
{
    MapSamples samples;
    samples.store(frame({{36, 130},
                         {37, 1},
                         {38, 2},
                         {39, 3},
                         {40, 4},
                         {41, 5},
                         {42, 6},
                         {43, 7},
                         {44, 8},
                         {45, 9},
                         {46, 10}}));
    EXPECT_EQ(samples.petrol()[130], 2);
    EXPECT_EQ(samples.petrol()[131], 4);
    EXPECT_EQ(samples.petrol()[132], 5);
    EXPECT_EQ(samples.gas()[132], 6);
    EXPECT_EQ(samples.gas()[133], 8);
    EXPECT_EQ(samples.gas()[134], 10);
    EXPECT_EQ(samples.gas()[130], 0);
    EXPECT_EQ(samples.lastSampleIndex(), 130);
}

TEST(MapSamples, StoresNearTheEndStayInsideTheTables)
{
    MapSamples samples;
    samples.store(frame({{36, 255}, {38, 11}, {40, 12}, {41, 13}, {42, 14}, {44, 15}, {46, 16}}));
    EXPECT_EQ(samples.petrol()[255], 11);
    EXPECT_EQ(samples.petrol()[0], 0);  // no wrap to the start
    EXPECT_EQ(samples.gas()[0], 0);
    EXPECT_EQ(samples.lastSampleIndex(), 255);
    samples.store(frame({{36, 252}, {42, 21}, {44, 22}, {46, 23}}));
    EXPECT_EQ(samples.gas()[254], 21);
    EXPECT_EQ(samples.gas()[255], 22);
}
