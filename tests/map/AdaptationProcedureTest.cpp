#include "Bytes.h"
#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "TestPlatform.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "map/AdaptationHost.h"
#include "map/AdaptationProcedure.h"
#include "map/MapShape.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brivel::map;
using brivel::MessageTable;
using brivel::test::bytes;
using brivel::test::RecordingCommandSender;
using brivel::test::ScriptedDialogs;
using brivel::test::VirtualClock;

namespace {

using Kind = ScriptedDialogs::Kind;

// The window as the adaptation sees it: readings to set, a record to fill,
// and what it was told to show.
class FakeHost final : public AdaptationHost {
public:
    FakeHost() { map.fill(130); }

    bool faultBannerShown() const override { return banner; }
    double engineRpm() const override { return rpm; }
    double reducerTemperature() const override { return reducer; }
    quint8 cylinderButtonMask() const override { return buttons; }
    quint8 activeCylinderMask() const override { return active; }
    qint32 mapEntry(int k) const override { return map[k]; }
    RecordRow& recordRow(int r) override { return rows[r]; }
    QString message(int row) const override { return messages.message(row); }

    void showProgress(bool enabled, int position) override
    {
        progressEnabled = enabled;
        progress = position;
        progressSeen.push_back(position);
    }
    void showInfo(const QString& text) override { info = text; }
    void setWindowLocked(bool l) override { locked = l; }
    void showWindowReady() override { ++readyShown; }

    // Fills a row as the live decoder would, one sample per index.
    void record(int row, std::initializer_list<int> samples)
    {
        int i = 0;
        for (int s : samples)
            rows[row][i++] = static_cast<quint8>(s);
    }
    // Plausible samples of an idling warm engine.
    void recordIdle(int manifold = 35, int gasPressure = 100)
    {
        record(RecordStatistics::GasPressure, {gasPressure});
        record(RecordStatistics::Manifold, {manifold});
        record(RecordStatistics::PetrolTime, {28, 29, 30, 31, 32});
        record(RecordStatistics::Multiplier, {130});
        record(RecordStatistics::GasTemp, {30});
    }

    bool banner = false;
    double rpm = 800;
    double reducer = 75;
    quint8 buttons = 0x0B;
    quint8 active = 0x0F;
    std::array<qint32, 247> map{};
    std::array<RecordRow, 9> rows{};
    MessageTable messages;

    bool progressEnabled = false;
    int progress = 0;
    std::vector<int> progressSeen;
    QString info;
    bool locked = false;
    int readyShown = 0;
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

    QString row(int r) const { return host.messages.message(r); }

    // Starts, records an idle engine, and runs tick by tick until the
    // procedure is about to carry out `step` (or has stopped).
    void startAndRunTo(int step)
    {
        procedure.start();
        host.recordIdle();
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

    VirtualClock clock;
    FakeHost host;
    RecordingCommandSender sender;
    ScriptedDialogs dialogs;
    AdaptationProcedure procedure{host, sender, dialogs, clock};
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
    host.banner = true;
    host.rpm = 0;
    procedure.start();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(host.locked);
    EXPECT_FALSE(procedure.timerActive());
    EXPECT_TRUE(host.progressSeen.empty());
}

TEST_F(AdaptationTest, StartWithTheEngineStoppedAsksForItOnlyEvenWhenCold)
{
    host.rpm = 0;
    host.reducer = 20;
    procedure.start();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Uruchom silnik")});
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(host.locked);
}

TEST_F(AdaptationTest, StartBelow60DegreesAsksToWait)
{
    host.reducer = 59.9;
    procedure.start();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Temperatura zbyt niska poczekaj na 60 stopni")});
    EXPECT_FALSE(procedure.running());
}

TEST_F(AdaptationTest, StartAtTheThresholdsLocksClearsAndWaitsForTheFirstTick)
{
    host.rpm = 1.0;
    host.reducer = 60.0;
    host.rows[4][17] = 9;
    host.rows[8][258] = 9;
    procedure.start();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(procedure.running());
    EXPECT_EQ(procedure.step(), 0);
    EXPECT_TRUE(host.locked);
    EXPECT_TRUE(host.progressEnabled);
    EXPECT_EQ(host.progress, 0);
    EXPECT_EQ(host.info, QStringLiteral("Proszę czekać adaptacja w toku .."));
    for (const RecordRow& r : host.rows)
        for (quint8 b : r)
            ASSERT_EQ(b, 0);
    EXPECT_TRUE(procedure.timerActive());
    EXPECT_EQ(procedure.timerInterval(), 1000);
    EXPECT_TRUE(sender.queued.isEmpty());
}

// ---- A whole run ----

TEST_F(AdaptationTest, AWholeRunSendsEveryStepOnTimeAndEndsWithRow19Alone)
{
    procedure.start();
    host.recordIdle();
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
    EXPECT_EQ(host.info, QStringLiteral("Adaptacja zakończona pomyślnie"));
    EXPECT_FALSE(host.locked);
    EXPECT_FALSE(host.progressEnabled);
    EXPECT_EQ(host.progress, 0);
    EXPECT_EQ(host.progressSeen,
              (std::vector<int>{0, 7, 14, 21, 29, 36, 43, 50, 57, 64, 71, 79, 86, 93, 100, 0, 0}));
    EXPECT_EQ(host.readyShown, 1);
    EXPECT_FALSE(sender.slowPolling);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(AdaptationTest, TheResultLinesStandUntilTheFinishAndPollingSlowsForTheReadBack)
{
    startAndRunTo(13);
    EXPECT_EQ(host.info, QStringLiteral("Proszę czekać adaptacja w toku ..\r\nWyliczono mnożnik = "
                                        "1.3\r\ndysze ok,ciśnienie ok"));
    EXPECT_EQ(host.progress, 93);
    EXPECT_EQ(procedure.timerInterval(), 15000);
    EXPECT_FALSE(sender.slowPolling);
    clock.fireNext();
    EXPECT_EQ(procedure.step(), 14);
    EXPECT_TRUE(sender.slowPolling);
    EXPECT_TRUE(host.locked) << "the window stays locked until the finish";
    EXPECT_EQ(host.progress, 100);
    EXPECT_EQ(procedure.lastResult()->multiplier(), 130);
}

TEST_F(AdaptationTest, AMapFlatAt100RaisesTheMultiplierOfTextAndMapButNotOfTheResult)
{
    host.map.fill(100);
    startAndRunTo(13);
    ASSERT_EQ(sender.queued.size(), 14);
    const auto& result = sender.queued.back();
    EXPECT_EQ(result.firstFollowUp, bytes({0x02, 100, 30, 130, 30, 60}));
    EXPECT_EQ(result.secondFollowUp, bytes({0x0B}) + newMap(132, 30));
    EXPECT_TRUE(host.info.contains(QStringLiteral("= 1.32\r\n")));
    EXPECT_EQ(host.rows[RecordStatistics::Multiplier][RecordStatistics::AverageByte], 132);
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
    host.recordIdle(c.manifold, c.gasPressure);
    bool timerRanDuringQuestion = true;
    dialogs.whileOpen = [&](const ScriptedDialogs::Shown&) {
        timerRanDuringQuestion = procedure.timerActive();
    };
    while (procedure.step() != c.step)
        ASSERT_TRUE(clock.fireNext());
    clock.fireNext();
    EXPECT_EQ(questions(), c.asks ? 1 : 0);
    if (c.asks) {
        EXPECT_EQ(dialogs.shown().back().text,
                  row(c.step == 1 ? AdaptationProcedure::ManifoldQuestion
                                  : AdaptationProcedure::GasPressureQuestion));
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
    host.recordIdle(70);
    clock.fireNext();  // step 0
    sender.queued.clear();
    clock.fireNext();  // step 1 asks
    ASSERT_EQ(questions(), 1);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x05, 0x00}));
    EXPECT_EQ(sender.queued.front().retries, 5);
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(procedure.timerActive());
    EXPECT_FALSE(host.locked);
    EXPECT_FALSE(host.progressEnabled);
    EXPECT_EQ(host.info, QStringLiteral("Adaptacja anulowana .."));
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
    const QString before = host.info;
    sender.queued.clear();
    procedure.stop();
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x05, 0x00}));
    EXPECT_EQ(host.info, c.cancelledText ? row(20) : before);
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(procedure.timerActive());
    EXPECT_FALSE(host.locked);
    EXPECT_EQ(host.progress, 0);
    EXPECT_FALSE(host.progressEnabled);
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
    const qint64 stoppedAt = clock.nowMs();
    sender.queued.clear();
    procedure.start();
    EXPECT_EQ(clock.untilNext(), 20000);
    clock.fireNext();
    EXPECT_EQ(clock.nowMs(), stoppedAt + 20000);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x25}));
}

TEST_F(AdaptationTest, ShowingThePageBlanksTheInfoText)
{
    procedure.pageShown();
    EXPECT_EQ(host.info, QStringLiteral(" "));
}

// ---- Results that cannot be written ----

TEST_F(AdaptationTest, NoPetrolSamplesWritesNothingAndCancelsTheRun)
{
    procedure.start();
    host.recordIdle();
    host.rows[RecordStatistics::PetrolTime].fill(0);
    while (procedure.step() != 12)
        ASSERT_TRUE(clock.fireNext());
    sender.queued.clear();
    clock.fireNext();
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x05, 0x00}));
    EXPECT_FALSE(procedure.running());
    EXPECT_FALSE(host.locked);
    EXPECT_EQ(host.info, row(17) + QStringLiteral("\r\n") + row(20));
    EXPECT_FALSE(clock.fireNext());
}

TEST_F(AdaptationTest, AMultiplierTooSmallForTheMapShowsItsAdviceAndWritesNothing)
{
    procedure.start();
    host.recordIdle();
    host.record(RecordStatistics::Multiplier, {20});
    while (procedure.step() != 12)
        ASSERT_TRUE(clock.fireNext());
    sender.queued.clear();
    clock.fireNext();
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued.front().command, bytes({0x05, 0x00}));
    EXPECT_EQ(host.info, row(17) + QStringLiteral("\r\n") + row(18) + QStringLiteral("0.2\r\n") +
                             QStringLiteral("zmniejsz dysze wtryskiwaczy lub zmniejsz ciśnienie "
                                            "gazu \r\n") +
                             row(20));
}

TEST_F(AdaptationTest, AllPetrolSamplesAt255NeverWrapTheSpreadByte)
{
    procedure.start();
    host.recordIdle();
    host.rows[RecordStatistics::PetrolTime].fill(0);
    host.record(RecordStatistics::PetrolTime, {255, 255});
    while (procedure.step() != 4)
        ASSERT_TRUE(clock.fireNext());
    // The minimum is never taken (it keeps 0), so 255 + 1 - 0 would wrap.
    EXPECT_EQ(sender.queued.back().command, bytes({0x19, 255, 255, 0x80}));
}
