#include "Bytes.h"
#include "QtPrinters.h"
#include "map/AdaptationResult.h"

#include <gtest/gtest.h>

using namespace brivel::map;
using brivel::test::bytes;
using Verdict = AdaptationResult::Verdict;

namespace {

const QString Caption = QStringLiteral("Wyliczono mnożnik = ");
const QLocale English(QLocale::English, QLocale::UnitedStates);

AdaptationResult::Input input(int p, int m, std::array<qint32, 4> probes = {130, 131, 118, 108})
{
    return {100, p, m, 30, probes, Caption, English};
}

}  // namespace

struct TextCase {
    int m;
    const char* text;
};

class MultiplierText : public ::testing::TestWithParam<TextCase> {};

TEST_P(MultiplierText, IsTheGeneralFormatOfMOver100)
{
    EXPECT_EQ(AdaptationResult::multiplierText(GetParam().m, English),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(AdaptationResult, MultiplierText,
                         ::testing::Values(TextCase{130, "1.3"}, TextCase{100, "1"},
                                           TextCase{125, "1.25"}, TextCase{7, "0.07"},
                                           TextCase{257, "2.57"}, TextCase{0, "0"}));

TEST(AdaptationResult, TheDecimalSeparatorIsTheLocales)
{
    EXPECT_EQ(AdaptationResult::multiplierText(125, QLocale(QLocale::Polish, QLocale::Poland)),
              QStringLiteral("1,25"));
}

struct AdviceCase {
    int m;
    const char* advice;
};

class Advice : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(Advice, FollowsTheThresholds)
{
    EXPECT_EQ(AdaptationResult::advice(GetParam().m), QString::fromUtf8(GetParam().advice));
}

INSTANTIATE_TEST_SUITE_P(
    AdaptationResult, Advice,
    ::testing::Values(AdviceCase{109, "zmniejsz dysze wtryskiwaczy lub zmniejsz ciśnienie gazu "},
                      AdviceCase{110, "dysze ok,ciśnienie ok"},
                      AdviceCase{160, "dysze ok,ciśnienie ok"},
                      AdviceCase{161, "zwiększ dysze wtryskiwaczy lub zwiększ ciśnienie gazu "}));

TEST(AdaptationResult, NewMapForP30M130FollowsTheShapeThroughM)
{
    const AdaptationResult r = AdaptationResult::compute(input(30, 130));
    ASSERT_EQ(r.verdict(), Verdict::Write);
    const auto& map = r.newMap();
    auto expectRun = [&](int first, int last, int value) {
        for (int k = first; k <= last; ++k)
            EXPECT_EQ(map[k - 1], value) << "entry " << k;
    };
    expectRun(1, 25, 129);
    expectRun(26, 27, 130);
    expectRun(28, 28, 129);
    expectRun(29, 32, 130);
    expectRun(33, 36, 131);
    expectRun(37, 38, 132);
    expectRun(39, 48, 130);
    expectRun(49, 50, 129);
    expectRun(243, 246, 103);
    EXPECT_EQ(map[30 - 1], 130);
}

TEST(AdaptationResult, NewMapForP20M120)
{
    const AdaptationResult r = AdaptationResult::compute(input(20, 120));
    ASSERT_EQ(r.verdict(), Verdict::Write);
    EXPECT_EQ(r.newMap()[20 - 1], 120);
    EXPECT_EQ(r.newMap()[37 - 1], 123);
    EXPECT_EQ(r.newMap()[100 - 1], 108);
    EXPECT_EQ(r.newMap()[246 - 1], 94);
    QByteArray expected(246, '\0');
    for (int k = 0; k < 246; ++k)
        expected[k] = static_cast<char>(r.newMap()[k]);
    EXPECT_EQ(r.mapCommand(), bytes({0x0B}) + expected);
}

TEST(AdaptationResult, CommandsCarryPAndTheAveragesAsRecorded)
{
    // round(100 / 1.66666) = round(60.0002) = 60.
    const AdaptationResult r =
        AdaptationResult::compute({100, 28, 131, 35, {1, 2, 3, 4}, Caption, English});
    EXPECT_EQ(r.resultCommand(), bytes({0x02, 100, 28, 131, 35, 60}));
    EXPECT_EQ(r.baseCommand(),
              bytes({0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0A, 28, 0xFF, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(AdaptationResult, LastResultByteIsAvg0Over1Point66666Rounded)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {5, 3}, {50, 30}, {160, 96}, {255, 153}};
    for (const auto& [avg0, expected] : cases) {
        const AdaptationResult r =
            AdaptationResult::compute({avg0, 28, 130, 30, {0, 0, 0, 0}, Caption, English});
        EXPECT_EQ(static_cast<quint8>(r.resultCommand()[5]), expected) << avg0;
    }
}

TEST(AdaptationResult, AMapFlatAtTheFourProbesRaisesMBy2ButNotTheResultCommand)
{
    const AdaptationResult r = AdaptationResult::compute(input(30, 130, {100, 100, 100, 100}));
    EXPECT_TRUE(r.raisedForFlatMap());
    EXPECT_EQ(r.multiplier(), 132);
    EXPECT_EQ(r.newMap()[30 - 1], 132);
    EXPECT_EQ(static_cast<quint8>(r.resultCommand()[3]), 130);
    EXPECT_TRUE(r.infoLines().contains(QStringLiteral("= 1.32\r\n")));

    const AdaptationResult notFlat = AdaptationResult::compute(input(30, 130, {100, 100, 100, 99}));
    EXPECT_FALSE(notFlat.raisedForFlatMap());
    EXPECT_EQ(notFlat.multiplier(), 130);
}

TEST(AdaptationResult, InfoLinesAreCaptionMultiplierAndAdvice)
{
    const AdaptationResult r = AdaptationResult::compute(input(30, 125));
    EXPECT_EQ(r.infoLines(),
              QStringLiteral("\r\nWyliczono mnożnik = 1.25\r\ndysze ok,ciśnienie ok"));
}

struct BaseCase {
    int p;
    Verdict verdict;
};

class Base : public ::testing::TestWithParam<BaseCase> {};

TEST_P(Base, OutsideEntries10To246NoMapIsLaid)
{
    const AdaptationResult r = AdaptationResult::compute(input(GetParam().p, 130));
    EXPECT_EQ(r.verdict(), GetParam().verdict);
    EXPECT_EQ(r.infoLines().isEmpty(), GetParam().verdict == Verdict::BaseOutsideMap);
}

INSTANTIATE_TEST_SUITE_P(AdaptationResult, Base,
                         ::testing::Values(BaseCase{0, Verdict::BaseOutsideMap},
                                           BaseCase{9, Verdict::BaseOutsideMap},
                                           BaseCase{10, Verdict::Write},
                                           BaseCase{246, Verdict::Write},
                                           BaseCase{247, Verdict::BaseOutsideMap},
                                           BaseCase{255, Verdict::BaseOutsideMap}));

struct RangeCase {
    const char* name;
    int p;
    int m;
    std::array<qint32, 4> probes;
    Verdict verdict;
};

class ByteRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ByteRange, ANewMapThatWouldLeaveOneByteIsNotWritten)
{
    const RangeCase& c = GetParam();
    const AdaptationResult r = AdaptationResult::compute(input(c.p, c.m, c.probes));
    EXPECT_EQ(r.verdict(), c.verdict);
    // m and the advice are shown either way: they tell the fitter why.
    EXPECT_FALSE(r.infoLines().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    AdaptationResult, ByteRange,
    ::testing::Values(
        // Entry 246 is 26 below entry 25: m = 26 at p = 25 just fits.
        RangeCase{"LowestThatFits", 25, 26, {0, 0, 0, 0}, Verdict::Write},
        RangeCase{"EntriesBelowZero", 25, 25, {0, 0, 0, 0}, Verdict::ValueOutOfRange},
        // At p = 246 the entries before it lie up to 29 above m.
        RangeCase{"HighestThatFits", 246, 226, {0, 0, 0, 0}, Verdict::Write},
        RangeCase{"EntriesAbove255", 246, 227, {0, 0, 0, 0}, Verdict::ValueOutOfRange},
        RangeCase{"RaisedPast255", 20, 254, {100, 100, 100, 100}, Verdict::ValueOutOfRange}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AdaptationResult, ARefusedResultSaysWhyWithItsValues)
{
    const QString baseOutside =
        QStringLiteral("Base entry %1 outside %2–%3 (average petrol injection time %4 ms)");
    const QString valueOutside =
        QStringLiteral("Entry %1 of the new map would have the multiplier %2, outside %3–%4");
    struct Case {
        int p;
        int m;
        const char* why;
    };
    const Case cases[] = {
        {0, 130, "Base entry 0 outside 10–246 (average petrol injection time 0.0 ms)"},
        {9, 130, "Base entry 9 outside 10–246 (average petrol injection time 0.9 ms)"},
        {247, 130, "Base entry 247 outside 10–246 (average petrol injection time 24.7 ms)"},
        // Entries 243-246 lie 26 below entry 25.
        {25, 25, "Entry 243 of the new map would have the multiplier -0.01, outside 0.00–2.55"},
        // Entries 37 and 38 lie 29 above entry 246.
        {246, 227, "Entry 37 of the new map would have the multiplier 2.56, outside 0.00–2.55"},
        {30, 130, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.p);
        const AdaptationResult r = AdaptationResult::compute(input(c.p, c.m, {0, 0, 0, 0}));
        EXPECT_EQ(r.refusalText(baseOutside, valueOutside, English), QString::fromUtf8(c.why));
    }
    // In the numbers of the language chosen.
    const AdaptationResult r = AdaptationResult::compute(input(9, 130, {0, 0, 0, 0}));
    EXPECT_EQ(r.refusalText(baseOutside, valueOutside, QLocale(QLocale::German)),
              QStringLiteral("Base entry 9 outside 10–246 (average petrol injection time 0,9 ms)"));
}
