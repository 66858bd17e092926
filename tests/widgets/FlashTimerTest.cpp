#include "KitTest.h"

#include "widgets/FlashPhase.h"
#include "widgets/ui/TAbLED.h"

#include <functional>
#include <vector>

namespace brivel::test {
namespace {

// Records what the flash timer tells it, with the clock time.
class Recorder final : public TAbFlashTimer::Client {
public:
    explicit Recorder(Clock& clock) : clock_(clock) {}
    void flashPhaseChanged(bool phase) override { phases.push_back({clock_.nowMs(), phase}); }
    void intervalElapsed() override
    {
        ticks.push_back(clock_.nowMs());
        if (onTick)
            onTick();
    }

    std::vector<std::pair<qint64, bool>> phases;
    std::vector<qint64> ticks;
    std::function<void()> onTick;

private:
    Clock& clock_;
};

using FlashTimer = KitTest;

TEST_F(FlashTimer, IdleTimerDoesNotRun)
{
    EXPECT_FALSE(flashTimer.isRunning());
    EXPECT_EQ(clock.activeTimers(), 0);
    Recorder r(clock);
    flashTimer.registerFlash(&r, ff1Hz);
    EXPECT_TRUE(flashTimer.isRunning());
    flashTimer.unregister(&r);
    EXPECT_FALSE(flashTimer.isRunning());
    EXPECT_EQ(clock.activeTimers(), 0);
}

TEST_F(FlashTimer, PhaseIsTheFrequencysBitOfTheTickCounter)
{
    const struct {
        FlashFrequency frequency;
        qint64 halfPeriodMs;
    } cases[] = {{ff8Hz, 64}, {ff4Hz, 128}, {ff2Hz, 256}, {ff1Hz, 512}, {ff05Hz, 1024}};
    for (const auto& c : cases) {
        Recorder r(clock);
        flashTimer.registerFlash(&r, c.frequency);
        clock.advance(5 * c.halfPeriodMs);
        flashTimer.unregister(&r);
        ASSERT_GE(r.phases.size(), 4u) << c.halfPeriodMs;
        for (std::size_t i = 1; i < r.phases.size(); ++i) {
            EXPECT_EQ(r.phases[i].first - r.phases[i - 1].first, c.halfPeriodMs);
            EXPECT_NE(r.phases[i].second, r.phases[i - 1].second);
            // Every change lands on a tick whose counter bit says so.
        }
        EXPECT_EQ(r.phases.back().second, flashTimer.phase(c.frequency));
    }
}

TEST(FlashPhaseRule, BitOfCounter)
{
    EXPECT_FALSE(flashPhase(7, ff4Hz));
    EXPECT_TRUE(flashPhase(8, ff4Hz));
    EXPECT_TRUE(flashPhase(15, ff4Hz));
    EXPECT_FALSE(flashPhase(16, ff4Hz));
    EXPECT_TRUE(flashPhase(32, ff1Hz));
    EXPECT_TRUE(flashPhase(0xFFFFFFFFu, ff05Hz));
}

TEST(IntervalDue, LatenessIsMadeUpUnlessAboveASecond)
{
    const struct {
        qint64 now;
        qint64 due;
        int interval;
        qint64 next;
    } cases[] = {
        {100, 100, 100, 200},    // on time
        {112, 100, 100, 200},    // 12 ms late: the next one is not shifted
        {1100, 100, 100, 200},   // a second late: still made up (due at once)
        {1101, 100, 100, 1201},  // more than a second late: start afresh
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextIntervalDue(c.now, c.due, c.interval), c.next) << c.now;
}

TEST_F(FlashTimer, IntervalTicksKeepTheirScheduleOnTheSixteenMillisecondGrid)
{
    Recorder r(clock);
    flashTimer.registerInterval(&r, 100);
    clock.advance(1010);
    EXPECT_EQ(r.ticks, (std::vector<qint64>{112, 208, 304, 400, 512, 608, 704, 800, 912, 1008}));
}

TEST_F(FlashTimer, ReRegistrationChangesOnlyTheInterval)
{
    Recorder r(clock);
    flashTimer.registerInterval(&r, 100);
    clock.advance(50);
    flashTimer.registerInterval(&r, 200);  // the due time of 100 stays
    EXPECT_EQ(flashTimer.registeredCount(), 1);
    clock.advance(300);
    EXPECT_EQ(r.ticks, (std::vector<qint64>{112, 304}));
}

TEST_F(FlashTimer, FirstDelayCanBeShorterThanTheInterval)
{
    Recorder r(clock);
    flashTimer.registerInterval(&r, 240, 200);
    clock.advance(500);
    EXPECT_EQ(r.ticks, (std::vector<qint64>{208, 448}));
}

TEST_F(FlashTimer, ClientsRemovedDuringATickAreNotVisited)
{
    Recorder first(clock);
    Recorder second(clock);
    first.onTick = [&] { flashTimer.unregister(&second); };
    flashTimer.registerInterval(&first, 16);
    flashTimer.registerInterval(&second, 16);
    clock.advance(16);
    EXPECT_EQ(first.ticks.size(), 1u);
    EXPECT_TRUE(second.ticks.empty());
    EXPECT_EQ(flashTimer.registeredCount(), 1);
}

TEST_F(FlashTimer, DestroyedWidgetDeregistersAndTheTimerStops)
{
    auto* led = new TAbLED(flashTimer, &parent);
    led->setFlashing(true);
    led->setChecked(true);
    EXPECT_EQ(flashTimer.registeredCount(), 1);
    delete led;
    EXPECT_EQ(flashTimer.registeredCount(), 0);
    EXPECT_FALSE(flashTimer.isRunning());
    clock.advance(1000);  // nothing left to call
}

TEST_F(FlashTimer, WidgetsOutliveTheTimerSafely)
{
    auto timer = std::make_unique<TAbFlashTimer>(clock);
    auto* led = new TAbLED(*timer, &parent);
    led->setFlashing(true);
    led->setChecked(true);
    timer.reset();
    EXPECT_EQ(led->flashTimer(), nullptr);
    led->setChecked(false);
    delete led;
}

}  // namespace
}  // namespace brivel::test
