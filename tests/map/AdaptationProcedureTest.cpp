#include "Bytes.h"
#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "ReplyFrames.h"
#include "TestPlatform.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "live/LiveModel.h"
#include "map/AdaptationProcedure.h"
#include "map/InjectionMap.h"
#include "map/MapShape.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>

#include <utility>
#include <vector>

using namespace brivel::map;
using brivel::CylinderButtonsModel;
using brivel::LiveModel;
using brivel::MessageTable;
namespace msg = brivel::msg;
using brivel::SettingsModel;
using brivel::test::bytes;
using brivel::test::RecordingCommandSender;
using brivel::test::ScriptedDialogs;
using brivel::test::VirtualClock;

namespace {

using Kind = ScriptedDialogs::Kind;
using Bytes = std::vector<std::pair<int, int>>;

// The models the adaptation starts from, as the window has them: the live
// readings of a warm idling engine, a settings image whose cylinders 1 to 4
// run on gas, the buttons of cylinders 1, 2 and 4 checked, and a map of
// 1.30 everywhere.
struct Models {
    Models()
    {
        engine();
        QByteArray image = brivel::test::settingsReply();
        image[20] = 0x0F;
        settings.setParameterBlock(image);
        // The buttons follow the image; the fitter switches cylinder 3 off.
        cylinders.toggle(2);
        flatMap(130);
    }

    // A frame of the engine: `rpm` hundreds of rpm, the reducer at
    // `reducer` °C and, with `fault`, a current fault (the banner shows).
    void engine(int rpm = 8, int reducer = 75, bool fault = false)
    {
        live.DecodeLiveFrame(
            brivel::test::liveFrame({{4, 1}, {21, rpm}, {32, reducer}, {34, fault ? 0xFB : 0xFF}}));
    }
    void flatMap(int value)
    {
        for (int k = 1; k <= InjectionMap::Entries; ++k)
            map.setValue(k, value);
    }
    // The frames of an idling warm engine at sample indices 0, 1, …, one
    // per petrol time (tenths of a ms, cylinder 1), each with the gas
    // pressure (hundredths of a bar), manifold pressure (kPa), multiplier
    // and gas temperature: what the recording rows 0 to 4 keep.
    void idle(int manifold = 35, int gasPressure = 100,
              std::initializer_list<int> petrol = {28, 29, 30, 31, 32}, int multiplier = 130)
    {
        int index = 0;
        for (int t : petrol)
            live.DecodeLiveFrame(brivel::test::liveFrame({{4, 1},
                                                          {21, 8},
                                                          {32, 75},
                                                          {36, index++},
                                                          {24, gasPressure},
                                                          {26, manifold},
                                                          {6, t},
                                                          {28, multiplier},
                                                          {33, 30}}));
    }

    MessageTable messages;
    LiveModel live{messages};
    SettingsModel settings{messages};
    CylinderButtonsModel cylinders{settings};
    InjectionMap map;
};

struct Sent {
    qint64 atMs;
    QByteArray command;
    QByteArray firstFollowUp;
    QByteArray secondFollowUp;
    bool operator==(const Sent& o) const
    {
        return atMs == o.atMs && command == o.command && firstFollowUp == o.firstFollowUp &&
               secondFollowUp == o.secondFollowUp;
    }
};

void PrintTo(const Sent& s, std::ostream* os)
{
    *os << s.atMs << " ms: " << s.command.toHex(' ').toStdString();
    if (!s.firstFollowUp.isEmpty())
        *os << " / " << s.firstFollowUp.toHex(' ').toStdString();
    if (!s.secondFollowUp.isEmpty())
        *os << " / " << s.secondFollowUp.left(8).toHex(' ').toStdString() << "…";
}

class AdaptationTest : public ::testing::Test {
protected:
    AdaptationTest() { procedure.setLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    QString row(msg::Row r) const { return models.messages.text(r); }

    // Starts, records an idle engine, and runs tick by tick until the
    // procedure is about to carry out `step` (or has stopped).
    void startAndRunTo(int step)
    {
        procedure.start();
        models.idle();
        while (procedure.running() && procedure.step() != step && clock.fireNext()) {
        }
    }

    // Every command queued from now on, stamped with the time it was queued.
    std::vector<Sent> runToEnd()
    {
        std::vector<Sent> out;
        while (procedure.timerActive() && clock.fireNext())
            collect(out);
        return out;
    }

    void collect(std::vector<Sent>& out)
    {
        for (int i = collected_; i < sender.queued.size(); ++i) {
            const auto& q = sender.queued[i];
            out.push_back({clock.nowMs(), q.command, q.firstFollowUp, q.secondFollowUp});
        }
        collected_ = sender.queued.size();
    }

    int questions() const
    {
        int n = 0;
        for (const auto& box : dialogs.shown())
            n += box.kind == Kind::Question;
        return n;
    }

    // What the page and the window were told last.
    QString info() const
    {
        return infoTold.isEmpty() ? QString() : infoTold.last().at(0).toString();
    }
    bool locked() const { return !lockTold.isEmpty() && lockTold.last().at(0).toBool(); }
    bool progressEnabled() const
    {
        return !progressTold.isEmpty() && progressTold.last().at(0).toBool();
    }
    int progress() const { return progressTold.isEmpty() ? 0 : progressTold.last().at(1).toInt(); }
    // Every position the progress bar was told, in order.
    std::vector<int> progressSeen() const
    {
        std::vector<int> seen;
        for (const QList<QVariant>& told : progressTold)
            seen.push_back(told.at(1).toInt());
        return seen;
    }
    const RecordRow& recorded(int r) const { return procedure.record().row(r); }

    VirtualClock clock;
    Models models;
    RecordingCommandSender sender;
    ScriptedDialogs dialogs;
    AdaptationProcedure procedure{
        {models.live, models.settings, models.cylinders, models.map, models.messages},
        sender,
        dialogs,
        clock};
    QSignalSpy progressTold{&procedure, &AdaptationProcedure::progressChanged};
    QSignalSpy infoTold{&procedure, &AdaptationProcedure::infoChanged};
    QSignalSpy lockTold{&procedure, &AdaptationProcedure::lockedChanged};
    QSignalSpy transfersEnded{&procedure, &AdaptationProcedure::transferEnded};
    int collected_ = 0;
};

QByteArray fuel(int sub, int mask)
{
    return bytes({0x03, sub, mask});
}

QByteArray newMap(int m, int p)
{
    QByteArray out(246, '\0');
    for (int k = 1; k <= 246; ++k)
        out[k - 1] = static_cast<char>(m + MapShape::offset(k) - MapShape::offset(p));
    return out;
}

}  // namespace

// ---- START ----

TEST_F(AdaptationTest, StartWithTheFaultBannerShownDoesNothingAtAll)
{
    models.engine(0, 75, true);
    procedure.start();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(locked());
    EXPECT_FALSE(procedure.timerActive());
    EXPECT_TRUE(progressSeen().empty());
}

TEST_F(AdaptationTest, StartWithTheEngineStoppedAsksForItOnlyEvenWhenCold)
{
    models.engine(0, 20);
    procedure.start();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Uruchom silnik")});
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(locked());
}

TEST_F(AdaptationTest, StartBelow60DegreesAsksToWait)
{
    models.engine(8, 59);
    procedure.start();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Temperatura zbyt niska poczekaj na 60 stopni")});
    EXPECT_FALSE(procedure.running());
}

// Frames carry whole hundreds of rpm: the slowest running engine is 100 rpm.
TEST_F(AdaptationTest, StartAtTheThresholdsLocksClearsAndWaitsForTheFirstTick)
{
    // A run cancelled before its first tick has recorded a frame.
    procedure.start();
    models.live.DecodeLiveFrame(brivel::test::liveFrame({{36, 17}, {33, 9}, {21, 8}}));
    ASSERT_EQ(recorded(RecordStatistics::GasTemp)[17], 9);
    procedure.stop();
    dialogs.clear();
    sender.queued.clear();

    models.engine(1, 60);
    procedure.start();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(procedure.running());
    EXPECT_EQ(procedure.step(), 0);
    EXPECT_TRUE(locked());
    EXPECT_TRUE(progressEnabled());
    EXPECT_EQ(progress(), 0);
    EXPECT_EQ(info(), QStringLiteral("Proszę czekać adaptacja w toku .."));
    for (int r = 0; r < RecordStatistics::Rows; ++r)
        for (quint8 b : recorded(r))
            ASSERT_EQ(b, 0);
    EXPECT_TRUE(procedure.timerActive());
    EXPECT_EQ(procedure.timerInterval(), 1000);
    EXPECT_TRUE(sender.queued.isEmpty());
}

// ---- The record ----

TEST_F(AdaptationTest, EveryDecodedFrameIsRecordedWhileARunGoesOnAndNoneOutsideIt)
{
    const int Rpm = RecordStatistics::Rpm;
    models.live.DecodeLiveFrame(brivel::test::liveFrame({{36, 3}, {21, 40}, {32, 75}}));
    procedure.start();
    ASSERT_TRUE(procedure.running());
    EXPECT_EQ(recorded(Rpm)[3], 0);

    models.live.DecodeLiveFrame(brivel::test::liveFrame({{36, 7}, {21, 9}}));
    EXPECT_EQ(recorded(Rpm)[7], 9);
    // A reply that is no frame records nothing; the fault list cleared is
    // no frame either.
    models.live.DecodeLiveFrame(brivel::test::liveFrame({{36, 7}, {21, 50}}).left(40));
    models.live.clearFaultText();
    EXPECT_EQ(recorded(Rpm)[7], 9);
    // The disconnect's blank frame is recorded at index 0, like any frame.
    models.live.DecodeLiveFrame(brivel::test::liveFrame({{36, 0}, {21, 41}}));
    models.live.linkDisconnected();
    EXPECT_EQ(recorded(Rpm)[0], 0);

    procedure.stop();
    models.live.DecodeLiveFrame(brivel::test::liveFrame({{36, 7}, {21, 42}}));
    EXPECT_EQ(recorded(Rpm)[7], 9);
}

// ---- A replay ----

TEST_F(AdaptationTest, WhileAReplayPlaysStartSaysSoAndNeitherStartsNorLocks)
{
    procedure.setReplaying(true);
    procedure.start();
    EXPECT_EQ(dialogs.messages(), QStringList{row(msg::Row::ReplayRefused)});
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(procedure.timerActive());
    EXPECT_TRUE(lockTold.isEmpty());
    EXPECT_TRUE(progressTold.isEmpty());

    procedure.setReplaying(false);
    procedure.start();
    EXPECT_TRUE(procedure.running());
    EXPECT_TRUE(locked());
}

// ---- A whole run ----

TEST_F(AdaptationTest, AWholeRunSendsEveryStepOnTimeAndEndsWithRow19Alone)
{
    procedure.start();
    models.idle();
    const std::vector<Sent> sent = runToEnd();

    const QByteArray stats = bytes({0x19, 30, 3});  // avg2 30, 30 + 1 - min2 28
    const std::vector<Sent> expected = {
        {1000, bytes({0x25}), fuel(0x02, 0x0B), {}},
        {9000, fuel(0x02, 0x0B), {}, {}},
        {39000, fuel(0x02, 0x0B), {}, {}},
        {59000, stats + bytes({0x80}), fuel(0x03, 0x01), {}},
        {79000, fuel(0x03, 0x05), {}, {}},
        {99000, fuel(0x03, 0x0F), {}, {}},
        {119000, fuel(0x02, 0x0F), {}, {}},
        {139000, fuel(0x02, 0x0F), {}, {}},
        {159000, stats + bytes({130}), {}, {}},
        {179000, fuel(0x03, 0x0F), {}, {}},
        {199000, fuel(0x02, 0x0F), {}, {}},
        {214000, fuel(0x02, 0x0F), {}, {}},
        {229000, stats + bytes({130}), fuel(0x03, 0x0F), {}},
        {249000, bytes({0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0A, 30, 0xFF, 0, 0, 0, 0, 0, 0, 0}),
         bytes({0x02, 100, 30, 130, 30, 60}), bytes({0x0B}) + newMap(130, 30)},
        {264000, bytes({0x06}) + QByteArray(246, '\0'), bytes({0x66, 0x00}), {}},
    };
    EXPECT_EQ(sent, expected);
    for (const auto& q : sender.queued)
        EXPECT_EQ(q.retries, 5);

    EXPECT_EQ(clock.nowMs(), 272000) << "271 s from the first tick to the finish";
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(procedure.timerActive());
    EXPECT_EQ(procedure.timerInterval(), 1000);
    EXPECT_EQ(info(), QStringLiteral("Adaptacja zakończona pomyślnie"));
    EXPECT_FALSE(locked());
    EXPECT_FALSE(progressEnabled());
    EXPECT_EQ(progress(), 0);
    EXPECT_EQ(progressSeen(),
              (std::vector<int>{0, 7, 14, 21, 29, 36, 43, 50, 57, 64, 71, 79, 86, 93, 100, 0, 0}));
    EXPECT_EQ(transfersEnded.size(), 1);
    EXPECT_FALSE(sender.slowPolling);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(AdaptationTest, TheResultLinesStandUntilTheFinishAndPollingSlowsForTheReadBack)
{
    startAndRunTo(13);
    EXPECT_EQ(info(), QStringLiteral("Proszę czekać adaptacja w toku ..\r\nWyliczono mnożnik = "
                                     "1.3\r\ndysze ok,ciśnienie ok"));
    EXPECT_EQ(progress(), 93);
    EXPECT_EQ(procedure.timerInterval(), 15000);
    EXPECT_FALSE(sender.slowPolling);
    clock.fireNext();
    EXPECT_EQ(procedure.step(), 14);
    EXPECT_TRUE(sender.slowPolling);
    EXPECT_TRUE(locked()) << "the window stays locked until the finish";
    EXPECT_EQ(progress(), 100);
    EXPECT_EQ(procedure.lastResult()->multiplier(), 130);
}

TEST_F(AdaptationTest, AMapFlatAt100RaisesTheMultiplierOfTextAndMapButNotOfTheResult)
{
    models.flatMap(100);
    startAndRunTo(13);
    ASSERT_EQ(sender.queued.size(), 14);
    const auto& result = sender.queued.back();
    EXPECT_EQ(result.firstFollowUp, bytes({0x02, 100, 30, 130, 30, 60}));
    EXPECT_EQ(result.secondFollowUp, bytes({0x0B}) + newMap(132, 30));
    EXPECT_TRUE(info().contains(QStringLiteral("= 1.32\r\n")));
    EXPECT_EQ(recorded(RecordStatistics::Multiplier)[RecordStatistics::AverageByte], 132);
}

// ---- The checks ----

struct CheckCase {
    const char* name;
    int manifold;
    int gasPressure;
    int step;  // the step whose tick checks
    bool asks;
};

class Check : public AdaptationTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(Check, AsksOnlyOutsideItsRangeWithTheTimerStoppedMeanwhile)
{
    const CheckCase& c = GetParam();
    procedure.start();
    models.idle(c.manifold, c.gasPressure);
    bool timerRanDuringQuestion = true;
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) {
        timerRanDuringQuestion = procedure.timerActive();
    };
    while (procedure.step() != c.step)
        ASSERT_TRUE(clock.fireNext());
    clock.fireNext();
    EXPECT_EQ(questions(), c.asks ? 1 : 0);
    if (c.asks) {
        EXPECT_EQ(dialogs.shown().back().text, row(c.step == 1 ? msg::Row::ManifoldPressureQuestion
                                                               : msg::Row::GasPressureQuestion));
        EXPECT_FALSE(timerRanDuringQuestion);
    }
    // Answered Yes (or not asked): on with the next step after its delay.
    EXPECT_EQ(procedure.step(), c.step + 1);
    EXPECT_TRUE(procedure.timerActive());
    EXPECT_EQ(clock.untilNext(), c.step == 1 ? 30000 : 20000);
}

INSTANTIATE_TEST_SUITE_P(
    Adaptation, Check,
    ::testing::Values(CheckCase{"Map19", 19, 100, 1, true}, CheckCase{"Map20", 20, 100, 1, false},
                      CheckCase{"Map60", 60, 100, 1, false}, CheckCase{"Map61", 61, 100, 1, true},
                      CheckCase{"P1At49", 35, 49, 5, true}, CheckCase{"P1At50", 35, 50, 5, false},
                      CheckCase{"P1At160", 35, 160, 5, false},
                      CheckCase{"P1At161", 35, 161, 5, true}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(AdaptationTest, AnsweringNoCancelsLikeStop)
{
    dialogs.confirmAnswers = {false};
    procedure.start();
    models.idle(70);
    clock.fireNext();  // step 0
    sender.queued.clear();
    clock.fireNext();  // step 1 asks
    ASSERT_EQ(questions(), 1);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x05, 0x00}));
    EXPECT_EQ(sender.queued.front().retries, 5);
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(procedure.timerActive());
    EXPECT_FALSE(locked());
    EXPECT_FALSE(progressEnabled());
    EXPECT_EQ(info(), QStringLiteral("Adaptacja anulowana .."));
}

// ---- STOP ----

struct StopCase {
    const char* name;
    int step;
    bool cancelledText;
};

class Stop : public AdaptationTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(Stop, SendsStopUnlocksAndWritesRow20OnlyBeforeStep10)
{
    const StopCase& c = GetParam();
    if (c.step != AdaptationProcedure::Idle)
        startAndRunTo(c.step);
    ASSERT_EQ(procedure.step(), c.step);
    const QString before = info();
    sender.queued.clear();
    procedure.stop();
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x05, 0x00}));
    EXPECT_EQ(info(), c.cancelledText ? row(msg::Row::AdaptationCancelled) : before);
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(procedure.timerActive());
    EXPECT_FALSE(locked());
    EXPECT_EQ(progress(), 0);
    EXPECT_FALSE(progressEnabled());
    EXPECT_FALSE(clock.fireNext()) << "no tick is left over";
}

INSTANTIATE_TEST_SUITE_P(Adaptation, Stop,
                         ::testing::Values(StopCase{"Idle", -1, true}, StopCase{"Step3", 3, true},
                                           StopCase{"Step8", 8, true},
                                           StopCase{"Step99", 99, false},
                                           StopCase{"Step10", 10, false},
                                           StopCase{"Step13", 13, false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(AdaptationTest, AfterAStopTheNextStartWaitsTheIntervalTheStopLeft)
{
    startAndRunTo(3);
    procedure.stop();
    ASSERT_NE(recorded(RecordStatistics::PetrolTime)[RecordStatistics::AverageByte], 0);
    const qint64 stoppedAt = clock.nowMs();
    sender.queued.clear();
    procedure.start();
    // The new run starts from an empty record, its statistics included.
    for (int r = 0; r < RecordStatistics::Rows; ++r)
        for (quint8 b : recorded(r))
            ASSERT_EQ(b, 0) << r;
    EXPECT_EQ(clock.untilNext(), 20000);
    clock.fireNext();
    EXPECT_EQ(clock.nowMs(), stoppedAt + 20000);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x25}));
}

TEST_F(AdaptationTest, ShowingThePageBlanksTheInfoText)
{
    procedure.pageShown();
    EXPECT_EQ(info(), QStringLiteral(" "));
}

// ---- Results that cannot be written ----

TEST_F(AdaptationTest, NoPetrolSamplesWritesNothingAndCancelsTheRun)
{
    procedure.start();
    models.idle(35, 100, {0});
    while (procedure.step() != 12)
        ASSERT_TRUE(clock.fireNext());
    sender.queued.clear();
    clock.fireNext();
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x05, 0x00}));
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(locked());
    EXPECT_EQ(info(), row(msg::Row::AdaptationInProgress) + QStringLiteral("\r\n") +
                          row(msg::Row::AdaptationCancelled));
    EXPECT_FALSE(clock.fireNext());
}

TEST_F(AdaptationTest, AMultiplierTooSmallForTheMapShowsItsAdviceAndWritesNothing)
{
    procedure.start();
    models.idle(35, 100, {28, 29, 30, 31, 32}, 20);
    while (procedure.step() != 12)
        ASSERT_TRUE(clock.fireNext());
    sender.queued.clear();
    clock.fireNext();
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x05, 0x00}));
    EXPECT_EQ(info(), row(msg::Row::AdaptationInProgress) + QStringLiteral("\r\n") +
                          row(msg::Row::AdaptationMultiplier) + QStringLiteral("0.2\r\n") +
                          QStringLiteral("zmniejsz dysze wtryskiwaczy lub zmniejsz ciśnienie "
                                         "gazu \r\n") +
                          row(msg::Row::AdaptationCancelled));
}

TEST_F(AdaptationTest, AllPetrolSamplesAt255NeverWrapTheSpreadByte)
{
    procedure.start();
    models.idle(35, 100, {255, 255});
    while (procedure.step() != 4)
        ASSERT_TRUE(clock.fireNext());
    // The minimum is never taken (it keeps 0), so 255 + 1 - 0 would wrap.
    EXPECT_EQ(sender.queued.back().command, bytes({0x19, 255, 255, 0x80}));
}
