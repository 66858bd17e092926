// Faults of the library never cost the fitter's work: what is made while it
// cannot be written waits in the outbox (or in memory) and arrives once when
// it can, on SQLite and on PostgreSQL.

#include "FullDisk.h"
#include "LibraryFixture.h"
#include "QtPrinters.h"
#include "cars/Library.h"

#include <gtest/gtest.h>

#include <QtCore/QFile>

using namespace brivel;
using namespace brivel::cars;
using brivel::test::Backend;
using brivel::test::carImage;

namespace {

class LibraryFaultTest : public test::LibraryTest {
protected:
    RestorePoint point(int n, const RecordId& car = {})
    {
        RestorePoint p = makePoint(carImage(n), PointReason::Manual,
                                   QDateTime::fromSecsSinceEpoch(1741787100 + n, Qt::UTC), {});
        p.carId = car;
        return p;
    }
    // The working pressures of the car's points, in the order kept.
    QList<int> pressures(const RecordId& car)
    {
        test::OpenStore s(config);
        EXPECT_TRUE(s.ok);
        const auto h = s.store.history(car);
        QList<int> found;
        if (h && *h)
            for (const RestorePoint& p : (*h)->points)
                found << static_cast<quint8>(p.image[36]);
        return found;
    }
};

TEST_P(LibraryFaultTest, RecordsMadeWhileTheLibraryIsDownArriveOnceWhenItIsBack)
{
    takeDown();
    const Car car{newRecordId(), QStringLiteral("WA 1"), {}, {}, {}, {}, {}, {}, {}};
    const RestorePoint before = point(10);
    {
        Library library(config);
        library.start();
        EXPECT_NE(library.status().problem, Problem::None);
        EXPECT_TRUE(library.submit(KeepPoint{before}).waiting);
        EXPECT_TRUE(library.submit(AddCar{car}).waiting);
        for (int n : {11, 12})
            EXPECT_TRUE(library.submit(KeepPoint{point(n, car.id)}).waiting);
        EXPECT_TRUE(library.submit(AssignToCar{car.id, {before.id}, {}, {}, {}}).waiting);
        EXPECT_EQ(library.status().waiting, 5);
        EXPECT_EQ(library.status().unsaved, 0);
        // The program ends before the library comes back.
    }
    bringBack();
    const QByteArray outbox = [&] {
        QFile f(config.outboxFile);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    ASSERT_FALSE(outbox.isEmpty());
    {
        Library library(config);
        library.start();
        EXPECT_TRUE(library.status().fine()) << library.status().detail.toStdString();
    }
    EXPECT_EQ(pressures(car.id), (QList<int>{10, 11, 12}));
    EXPECT_FALSE(QFile::exists(config.outboxFile));

    // A crash after the writes but before the outbox was emptied: the same
    // records are written again and still kept once.
    {
        QFile f(config.outboxFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(outbox);
    }
    Library again(config);
    again.start();
    EXPECT_TRUE(again.status().fine());
    EXPECT_EQ(pressures(car.id), (QList<int>{10, 11, 12}));
}

// A server stopped under a library in use.
using ServerFaultTest = LibraryFaultTest;

TEST_P(ServerFaultTest, AServerStoppedMidSessionGetsItsPointsOnceWhenItIsBack)
{
    const Car car{newRecordId(), QStringLiteral("WA 2"), {}, {}, {}, {}, {}, {}, {}};
    Library library(config);
    library.start();
    ASSERT_TRUE(library.status().fine());
    library.submit(AddCar{car});
    for (int n = 1; n <= 5; ++n)
        EXPECT_FALSE(library.submit(KeepPoint{point(n, car.id)}).waiting);
    takeDown();
    for (int n = 6; n <= 10; ++n)
        EXPECT_TRUE(library.submit(KeepPoint{point(n, car.id)}).waiting);
    EXPECT_EQ(library.status().problem, Problem::Unreachable);
    EXPECT_EQ(library.status().waiting, 5);
    library.retry();
    EXPECT_EQ(library.status().problem, Problem::Unreachable);
    bringBack();
    library.retry();
    EXPECT_TRUE(library.status().fine()) << library.status().detail.toStdString();
    EXPECT_EQ(pressures(car.id), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(library.submit(KeepPoint{point(11, car.id)}).waiting);
}

// The library's own disk (a server's disk is the server's).
using FileFaultTest = LibraryFaultTest;

TEST_P(FileFaultTest, ADiskThatFillsWhileWritingLosesNothing)
{
    const Car car{newRecordId(), QStringLiteral("WA 3"), {}, {}, {}, {}, {}, {}, {}};
    Library library(config);
    library.start();
    library.submit(AddCar{car});
    library.submit(KeepPoint{point(1, car.id)});
    {
        // No file grows past 4 kB: the library's writes fail, the outbox
        // takes what fits, memory holds the rest.
        const test::FullDisk full(4096);
        for (int n = 2; n <= 9; ++n)
            EXPECT_TRUE(library.submit(KeepPoint{point(n, car.id)}).waiting);
        const LibraryStatus s = library.status();
        EXPECT_EQ(s.problem, Problem::CannotWrite) << s.detail.toStdString();
        EXPECT_EQ(s.waiting, 8);
        EXPECT_GT(s.unsaved, 0);
        EXPECT_LT(s.unsaved, 8);
        library.retry();
        EXPECT_EQ(library.status().waiting, 8);
    }
    library.retry();
    EXPECT_TRUE(library.status().fine()) << library.status().detail.toStdString();
    EXPECT_EQ(pressures(car.id), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

INSTANTIATE_TEST_SUITE_P(, LibraryFaultTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         test::backendName);
INSTANTIATE_TEST_SUITE_P(, ServerFaultTest, ::testing::Values(Backend::Postgres),
                         test::backendName);
INSTANTIATE_TEST_SUITE_P(, FileFaultTest, ::testing::Values(Backend::Sqlite), test::backendName);

}  // namespace
