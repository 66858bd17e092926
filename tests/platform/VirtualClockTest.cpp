#include "QtPrinters.h"
#include "VirtualClock.h"

#include <gtest/gtest.h>

#include <QtCore/QStringList>

using brivel::test::VirtualClock;

TEST(VirtualClock, FiresDueTimersInTimeOrderAtTheirOwnMoment)
{
    VirtualClock clock;
    QStringList log;
    auto slow = clock.createTimer();
    auto fast = clock.createTimer();
    slow->setInterval(300);
    fast->setInterval(200);
    slow->setCallback([&] { log << QStringLiteral("slow@%1").arg(clock.nowMs()); });
    fast->setCallback([&] { log << QStringLiteral("fast@%1").arg(clock.nowMs()); });
    slow->start();
    fast->start();

    clock.advance(650);

    EXPECT_EQ(log, QStringList({"fast@200", "slow@300", "fast@400", "slow@600", "fast@600"}));
    EXPECT_EQ(clock.nowMs(), 650);
}

TEST(VirtualClock, SingleShotFiresOnceAndStops)
{
    VirtualClock clock;
    int fired = 0;
    auto timer = clock.createTimer();
    timer->setInterval(100);
    timer->setSingleShot(true);
    timer->setCallback([&] { ++fired; });
    timer->start();
    clock.advance(1000);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer->isActive());
}

TEST(VirtualClock, ChangingTheIntervalWhileRunningRestartsTheCountdown)
{
    VirtualClock clock;
    QList<qint64> at;
    auto timer = clock.createTimer();
    timer->setInterval(240);
    timer->setCallback([&] { at << clock.nowMs(); });
    timer->start();
    clock.advance(100);
    timer->setInterval(240 | 0x400);
    EXPECT_EQ(timer->interval(), 1264);
    clock.advance(2000);
    EXPECT_EQ(at, QList<qint64>({1364}));
}

TEST(VirtualClock, HandlerMayStopAndStartOtherTimers)
{
    VirtualClock clock;
    auto a = clock.createTimer();
    auto b = clock.createTimer();
    int bFired = 0;
    a->setInterval(100);
    b->setInterval(150);
    a->setCallback([&] {
        b->stop();
        a->stop();
    });
    b->setCallback([&] { ++bFired; });
    a->start();
    b->start();
    clock.advance(1000);
    EXPECT_EQ(bFired, 0);
    EXPECT_EQ(clock.activeTimers(), 0);
}

TEST(VirtualClock, ZeroIntervalNeverFiresAndEnablingARunningTimerKeepsItsCountdown)
{
    VirtualClock clock;
    int fired = 0;
    auto timer = clock.createTimer();
    timer->setCallback([&] { ++fired; });
    timer->setInterval(0);
    timer->start();
    clock.advance(5000);
    EXPECT_EQ(fired, 0);

    timer->setInterval(100);  // restarts: due at 5100
    clock.advance(60);
    timer->setEnabled(true);  // must not push the due time back
    clock.advance(40);
    EXPECT_EQ(fired, 1);
}

TEST(VirtualClock, DestroyedTimerNeverFires)
{
    VirtualClock clock;
    int fired = 0;
    {
        auto timer = clock.createTimer();
        timer->setInterval(10);
        timer->setCallback([&] { ++fired; });
        timer->start();
    }
    clock.advance(100);
    EXPECT_EQ(fired, 0);
}
