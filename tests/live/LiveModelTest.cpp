#include "QtPrinters.h"
#include "ReplyFrames.h"
#include "i18n/MessageTable.h"
#include "link/Frames.h"
#include "live/LiveModel.h"

#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace brivel;

namespace {

using Bytes = std::vector<std::pair<int, int>>;

// A live frame from an active controller with the given bytes set.
QByteArray frame(const Bytes& bytes = {})
{
    QByteArray f = test::liveFrame({{4, 1}});
    for (const auto& [offset, value] : bytes)
        f[offset] = static_cast<char>(value);
    return f;
}

class LiveModelTest : public ::testing::Test {
protected:
    MessageTable messages;
    LiveModel model{messages};
    // What the model told its views, and how often.
    QSignalSpy told{&model, &LiveModel::changed};
    LiveChanges lastChanges() const { return told.last().at(1).value<LiveChanges>(); }
    LiveSnapshot lastTold() const { return told.last().at(0).value<LiveSnapshot>(); }
    const LiveSnapshot& s() const { return model.snapshot(); }
    QStringList faultLines() const
    {
        QStringList lines = s().faultText.split(QStringLiteral("\r\n"));
        lines.removeAll(QString());
        return lines;
    }
};

// ---- Frames to readings ----

struct ReadingCase {
    const char* name;
    Bytes bytes;
    std::function<float(const LiveSnapshot&)> field;
    float expected;
};

class LiveReadings : public LiveModelTest, public ::testing::WithParamInterface<ReadingCase> {};

TEST_P(LiveReadings, EachReadingAsItsIndicatorShowsIt)
{
    model.DecodeLiveFrame(frame(GetParam().bytes));
    EXPECT_FLOAT_EQ(GetParam().field(s()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    LiveModel, LiveReadings,
    ::testing::Values(
        ReadingCase{"Rpm255", {{21, 255}}, [](const LiveSnapshot& l) { return l.rpm; }, 25500},
        ReadingCase{"DialPastItsScale",
                    {{21, 255}},
                    [](const LiveSnapshot& l) { return l.rpmThousands; },
                    25.5f},
        ReadingCase{
            "BatteryTop", {{29, 255}}, [](const LiveSnapshot& l) { return l.battery; }, 16.34f},
        ReadingCase{
            "BatteryBottom", {{29, 0}}, [](const LiveSnapshot& l) { return l.battery; }, 0.7f},
        ReadingCase{"ReducerTempSigned",
                    {{32, 0x80}},
                    [](const LiveSnapshot& l) { return l.reducerTemp; },
                    -128},
        ReadingCase{
            "GasTempSigned", {{33, 0xFF}}, [](const LiveSnapshot& l) { return l.gasTemp; }, -1},
        ReadingCase{"ManifoldPressure",
                    {{25, 0}, {26, 100}},
                    [](const LiveSnapshot& l) { return l.manifoldPressure; },
                    100},
        ReadingCase{"GasPressure",
                    {{23, 0}, {24, 120}},
                    [](const LiveSnapshot& l) { return l.gasPressure; },
                    1.2f},
        ReadingCase{"PetrolTime1",
                    {{6, 45}, {7, 0}},
                    [](const LiveSnapshot& l) { return l.petrolTimes[0]; },
                    4.5f},
        ReadingCase{"PetrolTime8",
                    {{53, 0}, {54, 1}},
                    [](const LiveSnapshot& l) { return l.petrolTimes[7]; },
                    25.6f},
        ReadingCase{"GasTime",
                    {{18, 0}, {19, 20}, {20, 0}},
                    [](const LiveSnapshot& l) { return l.gasTime; },
                    5.12f},
        ReadingCase{"Lambda2", {{55, 50}}, [](const LiveSnapshot& l) { return l.lambda2; }, 0.98f},
        ReadingCase{"InactiveZeroesLambda1",
                    {{4, 0}, {22, 100}},
                    [](const LiveSnapshot& l) { return l.lambda1; },
                    0},
        ReadingCase{"InactiveLatchSeesTheRealLambda",
                    {{4, 0}, {22, 100}},
                    [](const LiveSnapshot& l) { return l.lambda1Top; },
                    5}),
    [](const ::testing::TestParamInfo<ReadingCase>& param) {
        return std::string(param.param.name);
    });

TEST_F(LiveModelTest, RepliesTooShortForAFrameChangeNothingAndTellNoOne)
{
    model.DecodeLiveFrame(frame({{21, 8}, {29, 200}}));
    for (int size : {0, 1, 5, 6, 40, 56}) {
        model.DecodeLiveFrame(frame({{21, 30}, {29, 0}, {34, 0}}).left(size));
        EXPECT_FLOAT_EQ(s().rpm, 800) << size;
        EXPECT_FLOAT_EQ(s().battery, 12.97f) << size;
        EXPECT_FALSE(s().bannerVisible) << size;
    }
    EXPECT_EQ(told.size(), 1);
}

TEST_F(LiveModelTest, LambdaRangeLatchesAt62AndNeverGoesBack)
{
    model.DecodeLiveFrame(frame({{22, 61}, {55, 0}}));
    EXPECT_FLOAT_EQ(s().lambda1Top, 100);
    model.DecodeLiveFrame(frame({{22, 62}}));
    EXPECT_FLOAT_EQ(s().lambda1Top, 5);
    EXPECT_FLOAT_EQ(s().lambda2Top, 100);
    model.DecodeLiveFrame(frame({{22, 0}}));
    EXPECT_FLOAT_EQ(s().lambda1Top, 5);
}

TEST_F(LiveModelTest, ActiveFlagShowsTheBandAndFuelColoursAndTheSwitchFollowsTheFuel)
{
    model.DecodeLiveFrame(frame({{4, 1}, {5, 0}}));
    EXPECT_TRUE(s().active);
    EXPECT_FALSE(s().gasSelected);
    model.DecodeLiveFrame(frame({{4, 0}, {5, 1}}));
    EXPECT_FALSE(s().active);
    EXPECT_TRUE(s().gasSelected);
}

struct LevelCase {
    int level;
    std::array<bool, 4> lit;
    bool reserve;
};

class TankLevel : public LiveModelTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(TankLevel, LedsFollowTheLevel)
{
    model.DecodeLiveFrame(frame({{31, GetParam().level}}));
    EXPECT_EQ(s().levelLit, GetParam().lit);
    EXPECT_EQ(s().reserveLit, GetParam().reserve);
}

INSTANTIATE_TEST_SUITE_P(LiveModel, TankLevel,
                         ::testing::Values(LevelCase{0, {false, false, false, false}, true},
                                           LevelCase{2, {true, true, false, false}, false},
                                           LevelCase{4, {true, true, true, true}, false},
                                           // A full tank is exactly 4.
                                           LevelCase{5, {true, true, true, false}, false}));

TEST_F(LiveModelTest, TankVoltageUsesTheLocaleSeparator)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    model.DecodeLiveFrame(frame({{30, 255}}));
    EXPECT_EQ(s().tankVoltageText, QStringLiteral("5,00"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    model.DecodeLiveFrame(frame({{30, 0}}));
    EXPECT_EQ(s().tankVoltageText, QStringLiteral("0.00"));
    QLocale::setDefault(before);
}

TEST_F(LiveModelTest, FaultListShowsTheBannerWhichBlinksEveryFrame)
{
    model.DecodeLiveFrame(frame({{34, 0xF7}, {35, 0xFA}}));
    EXPECT_EQ(faultLines(),
              QStringList({"1 - Cisnienie gazu za wysokie", "2 - Błąd wtryskiwacza :  1 3"}));
    EXPECT_TRUE(s().bannerVisible);
    const bool first = s().bannerLightRed;
    model.DecodeLiveFrame(frame({{34, 0xF7}, {35, 0xFA}}));
    EXPECT_NE(s().bannerLightRed, first);

    model.DecodeLiveFrame(frame());
    EXPECT_TRUE(s().faultText.isEmpty());
    EXPECT_FALSE(s().bannerVisible);
    EXPECT_EQ(s().bannerLightRed, first);  // still blinking

    model.DecodeLiveFrame(frame({{34, 0x03}}));
    EXPECT_EQ(faultLines().size(), 6);
}

// ---- Connect, disconnect and the fault memory ----

TEST_F(LiveModelTest, DisconnectBlanksTheReadingsKeepsTheFaultListAndHidesTheBanner)
{
    model.linkConnected();
    EXPECT_TRUE(s().reserveFlashing);
    EXPECT_EQ(lastChanges(), LiveChanges(ReserveChanged));
    model.DecodeLiveFrame(frame({{21, 30}, {31, 0}, {48, 0xFE}, {36, 9}}));
    const QString shown = s().faultText;
    ASSERT_FALSE(shown.isEmpty());
    ASSERT_TRUE(s().reserveLit);

    model.linkDisconnected();
    EXPECT_EQ(told.size(), 3);
    EXPECT_TRUE(lastChanges() & FrameDecoded);
    EXPECT_FLOAT_EQ(s().rpm, 0);
    EXPECT_FLOAT_EQ(s().battery, 0.7f);
    EXPECT_FALSE(s().active);
    EXPECT_EQ(s().tankVoltageText, QStringLiteral("0.00"));
    EXPECT_EQ(s().faultText, shown);
    EXPECT_FALSE(s().bannerVisible);
    EXPECT_FALSE(s().reserveLit);
    EXPECT_FALSE(s().reserveFlashing);
    EXPECT_EQ(s().sampleIndex, 0);
    EXPECT_EQ(s().mapSamples.lastSampleIndex(), 0);
    EXPECT_EQ(s().frame, FillerFrame());
}

TEST_F(LiveModelTest, ClearingTheFaultTextLeavesTheBannerToTheNextFrame)
{
    model.DecodeLiveFrame(frame({{48, 0xFE}}));
    model.clearFaultText();
    EXPECT_TRUE(s().faultText.isEmpty());
    EXPECT_TRUE(s().bannerVisible);
    EXPECT_EQ(lastChanges(), LiveChanges(FaultsChanged));
    model.DecodeLiveFrame(frame({{48, 0xFE}}));
    EXPECT_EQ(faultLines(), QStringList({"1 - Złe ustawienia"}));
}

TEST_F(LiveModelTest, EachFrameToldCarriesItselfTheSelectorAndTheMapSamplesSoFar)
{
    model.DecodeLiveFrame(frame({{36, 7}, {38, 11}, {47, 3}}));
    const QByteArray second = frame({{36, 9}, {38, 12}, {21, 9}});
    model.DecodeLiveFrame(second);
    const LiveSnapshot last = lastTold();
    EXPECT_EQ(last.frame, second);
    EXPECT_EQ(last.mapSelector, 0);
    EXPECT_EQ(last.mapSamples.petrol()[7], 11);
    EXPECT_EQ(last.mapSamples.petrol()[9], 12);
    EXPECT_EQ(last.mapSamples.lastSampleIndex(), 9);
}

TEST_F(LiveModelTest, TheLinksRepliesReachTheDecoder)
{
    model.liveReplyReceived(QByteArray());
    EXPECT_TRUE(told.isEmpty());
    model.liveReplyReceived(frame({{21, 12}}));
    EXPECT_FLOAT_EQ(s().rpm, 1200);
    EXPECT_EQ(lastTold().rpm, s().rpm);
}

}  // namespace
