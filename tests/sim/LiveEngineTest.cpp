#include "Bytes.h"
#include "LiveReading.h"
#include "QtPrinters.h"
#include "VirtualClock.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "sim/ControllerEmulator.h"
#include "sim/DriveProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

using namespace brivel;
using brivel::test::bytes;
using namespace brivel::sim;
using brivel::test::LiveReading;
using brivel::test::readLive;
using brivel::test::SampleTables;
using brivel::test::VirtualClock;

namespace {

const QByteArray Poll = bytes({0x55, 0x01});
const QByteArray GasOnFour = bytes({0x03, 0x03, 0x0F});
const QByteArray PetrolOnFour = bytes({0x03, 0x02, 0x0F});

// Long enough at idle for the reducer to be well past any switch-over
// temperature.
constexpr qint64 WarmUpMs = 300000;

// Idle, a rev to 2500 rpm from 2 s to 6 s, idle again from 8 s.
const std::vector<DrivePoint> ShortRev = {
    {0, 820, 0.04}, {2000, 820, 0.04}, {3000, 2500, 0.3}, {6000, 2500, 0.3}, {8000, 820, 0.04}};

// The emulator in virtual time, polled the way the program polls it.
class LiveEngineTest : public ::testing::Test {
protected:
    static constexpr qint64 ReplyMs = 150;  // a 57-byte reply
    static constexpr qint64 PauseMs = 190;  // the program's pause between polls

    LiveEngineTest()
    {
        emulator.setSink([this](const QByteArray& piece) { line += piece; });
    }

    QByteArray exchange(const QByteArray& command)
    {
        const QByteArray wire = WireForm(FrameCommand(command));
        emulator.receive(wire);
        // A long command takes its own time on the 7200 bit/s line first.
        clock.advance(ReplyMs + wire.size() * 10 / 7);
        const QByteArray reply = DecodeLine(line);
        line.clear();
        return reply;
    }

    LiveReading poll()
    {
        const QByteArray reply = exchange(Poll);
        EXPECT_EQ(reply.size(), 57);
        return readLive(reply.size() == 57 ? reply : QByteArray(57, '\0'));
    }

    // Polls at the program's pace for `ms`.
    void pollFor(qint64 ms, const std::function<void(const LiveReading&)>& seen)
    {
        const qint64 end = clock.nowMs() + ms;
        while (clock.nowMs() < end) {
            seen(poll());
            clock.advance(PauseMs);
        }
    }

    // Moves on to `ms` after `start`.
    void runTo(qint64 start, qint64 ms)
    {
        clock.advance(std::max<qint64>(start + ms - clock.nowMs(), 0));
    }

    void drive(std::vector<DrivePoint> points)
    {
        emulator.engine().setProfile(DriveProfile(QStringLiteral("test"), std::move(points)));
    }

    VirtualClock clock;
    ControllerEmulator emulator{clock};
    QByteArray line;
};

// ---- Speed and load ----

TEST_F(LiveEngineTest, Idle_RpmStaysInItsBandAndJitters)
{
    clock.advance(WarmUpMs);
    double lowest = 1e9;
    double highest = 0;
    for (int i = 0; i < 600; ++i) {
        clock.advance(100);
        lowest = std::min(lowest, emulator.engine().rpm());
        highest = std::max(highest, emulator.engine().rpm());
    }
    EXPECT_GT(lowest, 700);
    EXPECT_LT(highest, 950);
    EXPECT_GT(highest - lowest, 40) << "an idling engine never holds perfectly still";

    std::set<int> shown;
    pollFor(60000, [&](const LiveReading& r) {
        EXPECT_GE(r.rpm, 700);
        EXPECT_LE(r.rpm, 900);
        shown.insert(r.rpm);
    });
    EXPECT_GE(shown.size(), 2u);
}

struct RevCase {
    const char* name;
    double rpm;
    double load;
    double kpaLow, kpaHigh;
    double petrolLow, petrolHigh;
};

class ProfileRev : public LiveEngineTest, public ::testing::WithParamInterface<RevCase> {};

TEST_P(ProfileRev, ReachesItsTargetWithPressureAndPetrolTimeToMatch)
{
    const RevCase& c = GetParam();
    clock.advance(WarmUpMs);
    drive({{0, 820, 0.04}, {2000, 820, 0.04}, {4000, c.rpm, c.load}});
    const qint64 start = clock.nowMs();
    runTo(start, 1000);
    const LiveReading before = poll();
    EXPECT_GE(before.rpm, 700);
    EXPECT_LE(before.rpm, 900);

    runTo(start, 10000);
    const LiveReading r = poll();
    EXPECT_NEAR(r.rpm, c.rpm, 200);
    EXPECT_GE(r.manifoldKpa, c.kpaLow);
    EXPECT_LE(r.manifoldKpa, c.kpaHigh);
    EXPECT_GE(r.petrolMs[0], c.petrolLow);
    EXPECT_LE(r.petrolMs[0], c.petrolHigh);
    EXPECT_GT(r.petrolMs[0], before.petrolMs[0]);
}

INSTANTIATE_TEST_SUITE_P(Engine, ProfileRev,
                         ::testing::Values(RevCase{"Light", 1500, 0.2, 40, 48, 4.4, 5.6},
                                           RevCase{"Brisk", 3000, 0.55, 64, 73, 8.5, 10.3},
                                           RevCase{"FullLoad", 5000, 1.0, 96, 104, 14, 16}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(LiveEngineTest, DemoProfile_IdlesRevsCruisesAndIdlesRoundAfterRound)
{
    emulator.engine().setProfile(*DriveProfile::named(QStringLiteral("demo")));
    const qint64 start = clock.nowMs();
    const qint64 round = DriveProfile::demo().lengthMs();
    const std::pair<qint64, int> stages[] = {
        {10000, 820}, {26000, 3000}, {45000, 2500}, {70000, 820}};
    for (int lap = 0; lap < 2; ++lap)
        for (const auto& [at, rpm] : stages) {
            runTo(start, lap * round + at);
            EXPECT_NEAR(poll().rpm, rpm, 200) << "lap " << lap << " at " << at << " ms";
        }
}

// ---- Temperatures ----

TEST_F(LiveEngineTest, Warmup_ReducerPassesSixtyWithinAFewMinutesNotAtOnce)
{
    const qint64 start = clock.nowMs();
    const LiveReading cold = poll();
    EXPECT_NEAR(cold.reducerC, 20, 1);
    EXPECT_NEAR(cold.gasC, 20, 1);

    qint64 warmAt = -1;
    int last = cold.reducerC;
    while (clock.nowMs() - start < 600000 && warmAt < 0) {
        clock.advance(5000);
        const LiveReading r = poll();
        EXPECT_GE(r.reducerC, last) << "warms steadily";
        last = r.reducerC;
        if (r.reducerC > 60)
            warmAt = clock.nowMs() - start;
    }
    EXPECT_GT(warmAt, 120000);
    EXPECT_LT(warmAt, 240000);

    const LiveReading warm = poll();
    EXPECT_GT(warm.gasC, 22) << "the gas warms too";
    EXPECT_LT(warm.gasC, warm.reducerC) << "but lags behind";
}

// ---- Fuel ----

struct SwitchCase {
    const char* name;
    QByteArray setting;  // a settings command sent first, or empty
    bool warm;
    std::vector<DrivePoint> drive;
    std::vector<std::pair<qint64, bool>> gasAt;  // ms after the start, on gas?
};

class SwitchOverTest : public LiveEngineTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchOverTest, GoesOverToGasOnlyWhenWarmAndTakenAboveTheSwitchOverSpeed)
{
    const SwitchCase& c = GetParam();
    if (!c.setting.isEmpty())
        exchange(c.setting);
    if (c.warm)
        clock.advance(WarmUpMs);
    drive(c.drive);
    const qint64 start = clock.nowMs();
    for (const auto& [at, gas] : c.gasAt) {
        runTo(start, at);
        const LiveReading r = poll();
        EXPECT_EQ(r.onGas, gas) << "at " << at << " ms";
        EXPECT_EQ(r.gasMs > 0, gas) << "at " << at << " ms";
    }
}

const std::vector<DrivePoint> LongRev = {
    {0, 820, 0.04}, {2000, 820, 0.04}, {3000, 2500, 0.3}, {30000, 2500, 0.3}, {32000, 820, 0.04}};

INSTANTIATE_TEST_SUITE_P(
    Engine, SwitchOverTest,
    ::testing::Values(
        // The factory switch-over time is 10 s from the rev at about 2.7 s.
        SwitchCase{
            "WarmAndRevved", {}, true, ShortRev, {{11000, false}, {14000, true}, {40000, true}}},
        SwitchCase{"ShorterSwitchOverTime",
                   bytes({0x22, 0x04}),
                   true,
                   ShortRev,
                   {{2000, false}, {5500, true}}},
        SwitchCase{"ColdAndRevved", {}, false, LongRev, {{25000, false}}},
        SwitchCase{"WarmButIdling", {}, true, {{0, 820, 0.04}}, {{60000, false}}},
        SwitchCase{
            "HigherSwitchOverTemperature", bytes({0x0F, 90}), true, ShortRev, {{20000, false}}},
        SwitchCase{"AboveTheMaximumSpeedOnGasUntilItComesDown",
                   bytes({0x11, 20}),
                   true,
                   LongRev,
                   {{20000, false}, {46000, true}}},
        SwitchCase{"OnGasTakenAboveTheMaximumSpeed",
                   bytes({0x11, 20}),
                   true,
                   {{0, 820, 0.04},
                    {2000, 820, 0.04},
                    {3000, 1800, 0.2},
                    {20000, 1800, 0.2},
                    {21000, 2500, 0.3},
                    {30000, 2500, 0.3}},
                   {{15000, true}, {25000, false}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(LiveEngineTest, FuelCommand_PetrolHoldsUntilGasIsAskedForAgain)
{
    clock.advance(WarmUpMs);
    drive(ShortRev);
    clock.advance(15000);
    ASSERT_TRUE(poll().onGas);

    const LiveReading petrol = readLive(exchange(PetrolOnFour));
    EXPECT_FALSE(petrol.onGas);
    EXPECT_EQ(petrol.gasMs, 0);

    drive(ShortRev);
    pollFor(30000, [](const LiveReading& r) { EXPECT_FALSE(r.onGas); });

    const LiveReading gas = readLive(exchange(GasOnFour));
    EXPECT_TRUE(gas.onGas);
    EXPECT_GT(gas.gasMs, 0);
}

TEST_F(LiveEngineTest, GasTime_IsZeroOnPetrol)
{
    emulator.engine().setProfile(DriveProfile::demo());
    pollFor(40000, [](const LiveReading& r) {
        EXPECT_FALSE(r.onGas);
        EXPECT_EQ(r.frame.mid(18, 3), QByteArray(3, '\0'));
    });
}

struct MapCase {
    const char* name;
    std::function<int(int entry)> map;
    quint8 mask;
    int cylinder;  // whose petrol time the gas time follows
};

class GasTimeOnMap : public LiveEngineTest, public ::testing::WithParamInterface<MapCase> {};

TEST_P(GasTimeOnMap, IsThePetrolTimeTimesItsMapEntry)
{
    const MapCase& c = GetParam();
    QByteArray map;
    for (int k = 1; k <= 246; ++k)
        map.append(static_cast<char>(c.map(k)));
    exchange(QByteArray(1, '\x0B') + map);
    exchange(bytes({0x03, 0x03, c.mask}));
    emulator.engine().setProfile(DriveProfile::demo());

    std::set<int> entries;
    pollFor(DriveProfile::demo().lengthMs(), [&](const LiveReading& r) {
        ASSERT_TRUE(r.onGas);
        const int tenths = static_cast<int>(std::lround(r.petrolMs[c.cylinder - 1] * 10));
        const int entry = std::clamp(tenths - 9, 1, 246);
        entries.insert(entry);
        EXPECT_NEAR(r.gasMs, tenths * c.map(entry) / 1000.0, 0.0007)
            << "petrol " << tenths / 10.0 << " ms, entry " << entry;
    });
    EXPECT_GE(entries.size(), 10u) << "the drive should cover a good part of the map";
}

INSTANTIATE_TEST_SUITE_P(
    Engine, GasTimeOnMap,
    ::testing::Values(MapCase{"Flat", [](int) { return 100; }, 0x0F, 1},
                      MapCase{"Rich", [](int) { return 150; }, 0x0F, 1},
                      MapCase{"EveryEntryItsOwn", [](int k) { return 90 + (k % 7) * 10; }, 0x0F, 1},
                      MapCase{"FirstGasCylinderIsTwo", [](int k) { return 90 + (k % 7) * 10; },
                              0x0E, 2}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- Petrol injection ----

struct CylinderCase {
    int code;
    int cylinders;
};

class FittedCylinders : public LiveEngineTest,
                        public ::testing::WithParamInterface<CylinderCase> {};

TEST_P(FittedCylinders, EachHasItsOwnIdlePetrolTimeAndTheRestNone)
{
    exchange(bytes({0x1B, GetParam().code}));
    const LiveReading r = poll();
    std::set<int> tenths;
    for (int k = 0; k < 8; ++k) {
        if (k < GetParam().cylinders) {
            EXPECT_GE(r.petrolMs[k], 2.5) << "cylinder " << k + 1;
            EXPECT_LE(r.petrolMs[k], 3.7) << "cylinder " << k + 1;
            tenths.insert(static_cast<int>(std::lround(r.petrolMs[k] * 10)));
        } else {
            EXPECT_EQ(r.petrolMs[k], 0) << "cylinder " << k + 1;
        }
    }
    EXPECT_GE(tenths.size(), 2u) << "no two injectors flow alike";
}

INSTANTIATE_TEST_SUITE_P(Engine, FittedCylinders,
                         ::testing::Values(CylinderCase{0, 3}, CylinderCase{1, 4},
                                           CylinderCase{2, 5}, CylinderCase{3, 6},
                                           CylinderCase{5, 8}),
                         [](const auto& p) { return std::to_string(p.param.cylinders) + "Cyl"; });

// ---- Faults ----

struct FaultBit {
    CurrentFault fault;
    int offset;
    int bit;
};

class CurrentFaultBits : public LiveEngineTest, public ::testing::WithParamInterface<FaultBit> {};

TEST_P(CurrentFaultBits, ClearTheirOwnBitOnlyWhileSwitchedOn)
{
    const FaultBit& c = GetParam();
    emulator.live().setCurrentFault(c.fault);
    const LiveReading on = poll();
    for (int offset : {34, 35, 48}) {
        const int expected = offset == c.offset ? 0xFF & ~(1 << c.bit) : 0xFF;
        EXPECT_EQ(static_cast<quint8>(on.frame[offset]), expected) << "offset " << offset;
    }
    emulator.live().setCurrentFault(c.fault, false);
    const LiveReading off = poll();
    EXPECT_EQ(off.faultFlags1, 0xFF);
    EXPECT_EQ(off.injectorFaults, 0xFF);
    EXPECT_EQ(off.faultFlags2, 0xFF);
}

INSTANTIATE_TEST_SUITE_P(Engine, CurrentFaultBits,
                         ::testing::Values(FaultBit{CurrentFault::Voltage, 34, 2},
                                           FaultBit{CurrentFault::GasPressureHigh, 34, 3},
                                           FaultBit{CurrentFault::GasPressureLow, 34, 4},
                                           FaultBit{CurrentFault::IgnitionVoltageLow, 34, 5},
                                           FaultBit{CurrentFault::PetrolInjectionSignal, 34, 6},
                                           FaultBit{CurrentFault::PetrolSystem, 34, 7},
                                           FaultBit{CurrentFault::Settings, 48, 0},
                                           FaultBit{CurrentFault::SupplyVoltage, 48, 1}),
                         [](const auto& p) {
                             return currentFaultName(p.param.fault).replace('-', '_').toStdString();
                         });

struct InjectorCase {
    const char* name;
    std::vector<std::pair<int, bool>> switches;  // injector, faulty
    int expected;
};

class InjectorFaultBits : public LiveEngineTest,
                          public ::testing::WithParamInterface<InjectorCase> {};

TEST_P(InjectorFaultBits, ShowAsTheirBitsCleared)
{
    for (const auto& [injector, faulty] : GetParam().switches)
        emulator.live().setInjectorFault(injector, faulty);
    const LiveReading r = poll();
    EXPECT_EQ(r.injectorFaults, GetParam().expected);
    EXPECT_EQ(r.faultFlags1, 0xFF);
    EXPECT_EQ(r.faultFlags2, 0xFF);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, InjectorFaultBits,
    ::testing::Values(InjectorCase{"None", {}, 0xFF},
                      InjectorCase{"OneAndThree", {{1, true}, {3, true}}, 0xFA},
                      InjectorCase{"Eight", {{8, true}}, 0x7F},
                      InjectorCase{"All",
                                   {{1, true},
                                    {2, true},
                                    {3, true},
                                    {4, true},
                                    {5, true},
                                    {6, true},
                                    {7, true},
                                    {8, true}},
                                   0x00},
                      InjectorCase{"SwitchedOffAgain", {{2, true}, {5, true}, {2, false}}, 0xEF},
                      InjectorCase{"NoSuchInjector", {{0, true}, {9, true}}, 0xFF}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- Map samples ----

TEST_F(LiveEngineTest, SampleIndex_CyclesThroughEveryValueAndAround)
{
    int previous = poll().sampleIndex;
    bool wrapped = false;
    for (int i = 0; i < 300; ++i) {
        const int index = exchange(Poll)[36] & 0xFF;
        EXPECT_EQ(index, (previous + 1) % 256);
        wrapped = wrapped || index < previous;
        previous = index;
    }
    EXPECT_TRUE(wrapped);
}

TEST_F(LiveEngineTest, MapSamples_TheChartWindowFindsBothLearnedCurves)
{
    emulator.engine().setProfile(DriveProfile::demo());
    SampleTables tables;
    int frames = 0;
    int windowsChecked = 0;
    pollFor(4 * DriveProfile::demo().lengthMs(), [&](const LiveReading& r) {
        tables.store(r.frame);
        // The chart renews its curves on these indices. Two rounds of indices
        // in, both tables have had every cell handed over since the engine
        // first went over to gas.
        if (++frames <= 512 || r.sampleIndex < 128 || r.sampleIndex > 134)
            return;
        ++windowsChecked;
        EXPECT_GE(tables.filledPetrolCells(), 5);
        EXPECT_GE(tables.filledGasCells(), 5);
        for (const auto* table : {&tables.petrol, &tables.gas}) {
            double low = 0, high = 0;
            int lows = 0, highs = 0;
            for (int kpa = 0; kpa < 256; ++kpa) {
                const int tenths = (*table)[kpa];
                if (!tenths)
                    continue;
                EXPECT_GE(kpa, 25);
                EXPECT_LE(kpa, 105);
                EXPECT_GE(tenths, 15) << kpa << " kPa";
                EXPECT_LE(tenths, 180) << kpa << " kPa";
                if (kpa >= 30 && kpa <= 36) {
                    EXPECT_NEAR(tenths, 30, 7) << "idle at " << kpa;
                }
                if (kpa <= 40) {
                    low += tenths;
                    ++lows;
                }
                if (kpa >= 55) {
                    high += tenths;
                    ++highs;
                }
            }
            ASSERT_GT(lows, 0);
            ASSERT_GT(highs, 0);
            EXPECT_GT(high / highs, low / lows + 20) << "more air, more petrol";
        }
    });
    EXPECT_GE(windowsChecked, 7);
}

TEST_F(LiveEngineTest, MapSamples_ARoundOfIndicesHandsOverBothTablesCellForCell)
{
    emulator.engine().setProfile(DriveProfile::demo());
    clock.advance(2 * DriveProfile::demo().lengthMs());
    // A stopped engine teaches nothing more, so the tables hold still.
    emulator.engine().setRunning(false);
    const MapSampleRecorder& learned = emulator.live().samples();
    SampleTables tables;
    for (int n = 0; n < 256 + 4; ++n) {
        const QByteArray frame = exchange(Poll);
        const int i = frame[36] & 0xFF;
        const int cells[10] = {learned.petrolCell(i),     learned.petrolCell(i),
                               learned.petrolCell(i + 1), learned.petrolCell(i + 1),
                               learned.petrolCell(i + 2), learned.gasCell(i + 2),
                               learned.gasCell(i + 3),    learned.gasCell(i + 3),
                               learned.gasCell(i + 4),    learned.gasCell(i + 4)};
        for (int k = 0; k < 10; ++k)
            ASSERT_EQ(frame[37 + k] & 0xFF, cells[k]) << "index " << i << ", byte " << 37 + k;
        tables.store(frame);
    }
    for (int kpa = 0; kpa < 256; ++kpa) {
        EXPECT_EQ(tables.petrol[kpa], learned.petrolCell(kpa)) << kpa << " kPa";
        EXPECT_EQ(tables.gas[kpa], learned.gasCell(kpa)) << kpa << " kPa";
    }
    EXPECT_GE(tables.filledPetrolCells(), 10);
    EXPECT_GE(tables.filledGasCells(), 10);
    EXPECT_NE(tables.petrol, tables.gas);
}

TEST_F(LiveEngineTest, MapSamples_BoostFillsTheWindowCellsOfATurboEngine)
{
    exchange(bytes({0x21, 0x01}));
    drive({{0, 820, 0.04}, {2000, 820, 0.04}, {5000, 4000, 0.8}});
    bool windowHasSamples = false;
    double highest = 0;
    pollFor(120000, [&](const LiveReading& r) {
        highest = std::max(highest, r.manifoldKpa);
        if (r.sampleIndex >= 128 && r.sampleIndex <= 134)
            windowHasSamples = windowHasSamples || r.frame.mid(37, 10) != QByteArray(10, '\0');
    });
    EXPECT_GT(highest, 125);
    EXPECT_TRUE(windowHasSamples);
}

// ---- The frame as a whole ----

void expectPlausible(const LiveReading& r, int cylinders)
{
    EXPECT_EQ(r.frame.size(), 57);
    EXPECT_EQ(static_cast<quint8>(r.frame[3]), 0x55);
    EXPECT_TRUE(r.active);
    EXPECT_GE(r.rpm, 700);
    EXPECT_LE(r.rpm, 900);
    for (int k = 0; k < 8; ++k) {
        if (k < cylinders) {
            EXPECT_GE(r.petrolMs[k], 2.5);
            EXPECT_LE(r.petrolMs[k], 3.7);
        } else {
            EXPECT_EQ(r.petrolMs[k], 0);
        }
    }
    EXPECT_GE(r.manifoldKpa, 28);
    EXPECT_LE(r.manifoldKpa, 38);
    EXPECT_GE(r.battery, 13.5);
    EXPECT_LE(r.battery, 14.1);
    EXPECT_EQ(r.tankLevel, 3);
    EXPECT_GE(r.tankVolts, 2.2);
    EXPECT_LE(r.tankVolts, 2.8);
    for (double lambda : {r.lambda1, r.lambda2}) {
        EXPECT_GE(lambda, 0.05);
        EXPECT_LE(lambda, 0.95);
    }
    EXPECT_EQ(r.faultFlags1, 0xFF);
    EXPECT_EQ(r.injectorFaults, 0xFF);
    EXPECT_EQ(r.faultFlags2, 0xFF);
}

TEST_F(LiveEngineTest, Frame_ColdOnPetrolReadsLikeAColdIdlingEngine)
{
    clock.advance(5000);
    const LiveReading r = poll();
    expectPlausible(r, 4);
    EXPECT_FALSE(r.onGas);
    EXPECT_EQ(r.gasMs, 0);
    const double railOverManifold = r.gasBar - r.manifoldKpa / 100;
    EXPECT_GT(railOverManifold, 0.3);
    EXPECT_LT(railOverManifold, 1.0);
    EXPECT_NEAR(r.reducerC, 20, 2);
    EXPECT_NEAR(r.gasC, 20, 2);
}

TEST_F(LiveEngineTest, Frame_WarmOnGasReadsLikeAWarmIdlingEngineOnGas)
{
    clock.advance(WarmUpMs);
    exchange(GasOnFour);
    clock.advance(5000);
    const LiveReading r = poll();
    expectPlausible(r, 4);
    EXPECT_TRUE(r.onGas);
    EXPECT_GT(r.gasMs, r.petrolMs[0]);
    EXPECT_LT(r.gasMs, 2 * r.petrolMs[0]);
    const double railOverManifold = r.gasBar - r.manifoldKpa / 100;
    EXPECT_GE(railOverManifold, 1.0);
    EXPECT_LE(railOverManifold, 1.25);
    EXPECT_GT(r.reducerC, 60);
    EXPECT_GT(r.gasC, 22);
    EXPECT_LT(r.gasC, r.reducerC);
}

TEST_F(LiveEngineTest, Lambda_ProbesSwitchAboutEverySecondOutOfPhase)
{
    clock.advance(30000);
    int crossings = 0;
    int opposite = 0;
    int frames = 0;
    bool rich = poll().lambda1 > 0.45;
    pollFor(60000, [&](const LiveReading& r) {
        ++frames;
        EXPECT_GE(r.lambda1, 0.05);
        EXPECT_LE(r.lambda1, 0.95);
        if ((r.lambda1 > 0.45) != rich) {
            ++crossings;
            rich = !rich;
        }
        if ((r.lambda1 - 0.45) * (r.lambda2 - 0.45) < 0)
            ++opposite;
    });
    EXPECT_GE(crossings, 45);
    EXPECT_LE(crossings, 75);
    EXPECT_GE(opposite, frames * 8 / 10);
}

TEST_F(LiveEngineTest, Lambda_ColdProbesHoldTheMiddle)
{
    clock.advance(5000);
    pollFor(10000, [](const LiveReading& r) {
        EXPECT_NEAR(r.lambda1, 0.45, 0.03);
        EXPECT_NEAR(r.lambda2, 0.45, 0.03);
    });
}

TEST_F(LiveEngineTest, Ignition_StoppedEngineRestsAndAStartBringsItBack)
{
    clock.advance(WarmUpMs);
    exchange(GasOnFour);
    emulator.engine().setRunning(false);
    clock.advance(10000);
    const LiveReading off = poll();
    EXPECT_FALSE(off.active);
    EXPECT_FALSE(off.onGas);
    EXPECT_EQ(off.rpm, 0);
    EXPECT_EQ(off.gasMs, 0);
    for (double ms : off.petrolMs)
        EXPECT_EQ(ms, 0);
    EXPECT_NEAR(off.manifoldKpa, 100, 2);
    EXPECT_GE(off.battery, 12.2);
    EXPECT_LE(off.battery, 12.6);

    emulator.engine().setRunning(true);
    clock.advance(5000);
    const LiveReading on = poll();
    EXPECT_TRUE(on.active);
    EXPECT_GE(on.rpm, 700);
    EXPECT_LE(on.rpm, 900);
    EXPECT_GE(on.battery, 13.5);
}

// ---- Tank ----

struct TankCase {
    const char* sensor;
    QByteArray thresholds;  // the level command: four thresholds and the sensor kind
};

class TankLevel : public LiveEngineTest,
                  public ::testing::WithParamInterface<std::tuple<TankCase, int>> {};

TEST_P(TankLevel, InjectedLevelComesWithASenderVoltageOfThatBand)
{
    const auto& [sensor, level] = GetParam();
    exchange(sensor.thresholds);
    emulator.live().setTankLevel(level);
    clock.advance(2000);
    const LiveReading r = poll();
    EXPECT_EQ(r.tankLevel, level);
    const bool falling =
        static_cast<quint8>(sensor.thresholds[1]) > static_cast<quint8>(sensor.thresholds[4]);
    int passed = 0;
    for (int i = 1; i <= 4; ++i) {
        const double threshold = static_cast<quint8>(sensor.thresholds[i]) / 51.0;
        passed += falling ? r.tankVolts <= threshold : r.tankVolts >= threshold;
    }
    EXPECT_EQ(passed, level) << r.tankVolts << " V";
}

INSTANTIATE_TEST_SUITE_P(
    Engine, TankLevel,
    ::testing::Combine(
        ::testing::Values(TankCase{"Rising", bytes({0x0D, 0x24, 0x4C, 0x70, 0x8F, 0x00})},
                          TankCase{"Falling", bytes({0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02})}),
        ::testing::Range(0, 5)),
    [](const auto& p) {
        return std::string(std::get<0>(p.param).sensor) + std::to_string(std::get<1>(p.param));
    });

// ---- Repeatability ----

QList<QByteArray> framesOf(quint32 seed)
{
    VirtualClock clock;
    ControllerEmulator emulator(clock, seed);
    QByteArray line;
    emulator.setSink([&](const QByteArray& piece) { line += piece; });
    emulator.engine().setProfile(DriveProfile::demo());
    QList<QByteArray> frames;
    for (int i = 0; i < 100; ++i) {
        emulator.receive(WireForm(FrameCommand(Poll)));
        clock.advance(340);
        frames << DecodeLine(line);
        line.clear();
    }
    return frames;
}

TEST(EngineSeed, SameSeedRepeatsTheRunAnotherSeedDoesNot)
{
    EXPECT_EQ(framesOf(7), framesOf(7));
    EXPECT_NE(framesOf(7), framesOf(8));
}

// ---- Profiles ----

struct DemandCase {
    const char* name;
    DriveProfile profile;
    qint64 atMs;
    double rpm;
    double load;
};

class ProfileDemand : public ::testing::TestWithParam<DemandCase> {};

TEST_P(ProfileDemand, RampsBetweenItsPointsAndLoopsOrHolds)
{
    const DriveProfile::Demand d = GetParam().profile.demandAt(GetParam().atMs);
    EXPECT_NEAR(d.rpm, GetParam().rpm, 1e-9);
    EXPECT_NEAR(d.load, GetParam().load, 1e-9);
}

const DriveProfile Ramp(QStringLiteral("ramp"),
                        {{1000, 1000, 0.2}, {0, 800, 0.0}, {3000, 3000, 0.6}});
const DriveProfile Loop(QStringLiteral("loop"),
                        {{0, 800, 0.0}, {2000, 2800, 0.4}, {4000, 800, 0.0}}, true);

INSTANTIATE_TEST_SUITE_P(
    Engine, ProfileDemand,
    ::testing::Values(DemandCase{"Start", Ramp, 0, 800, 0.0},
                      DemandCase{"PointsSortedByTime", Ramp, 1000, 1000, 0.2},
                      DemandCase{"HalfwayUpARamp", Ramp, 2000, 2000, 0.4},
                      DemandCase{"HeldAfterTheLastPoint", Ramp, 60000, 3000, 0.6},
                      DemandCase{"LoopTop", Loop, 2000, 2800, 0.4},
                      DemandCase{"SecondRound", Loop, 5000, 1800, 0.2},
                      DemandCase{"Empty", DriveProfile(QStringLiteral("empty"), {}), 5000,
                                 DriveProfile::IdleRpm, DriveProfile::IdleLoad},
                      DemandCase{"Idle", DriveProfile::idle(), 123456, DriveProfile::IdleRpm,
                                 DriveProfile::IdleLoad},
                      DemandCase{"DemoRevs", DriveProfile::demo(), 26000, 3000, 0.55},
                      DemandCase{"DemoLoops", DriveProfile::demo(), 75000 + 45000, 2500, 0.35}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(DriveProfileNames, NameTheReadyMadeProfilesAndNothingElse)
{
    EXPECT_EQ(DriveProfile::names(), QStringList({"idle", "demo"}));
    for (const QString& name : DriveProfile::names())
        EXPECT_EQ(DriveProfile::named(name)->name(), name);
    EXPECT_FALSE(DriveProfile::named(QStringLiteral("race")).has_value());
}

}  // namespace
