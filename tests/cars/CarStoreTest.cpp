// The store on a real SQLite file and on a real PostgreSQL server: plates,
// writes kept once, which car an image belongs to, searching, two writers at
// once, and libraries it must not touch or cannot read.

#include "LibraryFixture.h"
#include "QtPrinters.h"
#include "cars/CarStore.h"
#include "cars/CarTexts.h"
#include "cars/Library.h"
#include "cars/Schema.h"

#include <gtest/gtest.h>

#include <QtCore/QCryptographicHash>
#include <QtCore/QFile>
#include <QtCore/QThread>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>

using namespace brivel;
using namespace brivel::cars;
using brivel::test::Backend;
using brivel::test::carImage;
using brivel::test::OpenStore;
using W = CarStore::Written;

namespace {

Car carWith(const QString& plate, const QString& owner = QString())
{
    Car c;
    c.id = newRecordId();
    c.plate = plate;
    c.owner = owner;
    return c;
}

RestorePoint pointFor(const Car& car, const QByteArray& image, qint64 seconds)
{
    RestorePoint p = makePoint(image, PointReason::Connect,
                               QDateTime::fromSecsSinceEpoch(1741787100 + seconds, Qt::UTC),
                               {QStringLiteral("1.01"), QStringLiteral("pc")});
    p.carId = car.id;
    return p;
}

QStringList plates(const QList<Car>& cars)
{
    QStringList p;
    for (const Car& c : cars)
        p << c.plate;
    return p;
}

class CarStoreTest : public test::LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        store = std::make_unique<CarStore>(config);
        ASSERT_TRUE(store->open()) << store->status().detail.toStdString();
    }

    Car add(const QString& plate, const QString& owner = QString())
    {
        const auto r = store->write(AddCar{carWith(plate, owner)});
        EXPECT_EQ(r.outcome, W::Done);
        return r.car;
    }
    RestorePoint keep(const Car& car, const QByteArray& image, qint64 seconds)
    {
        const RestorePoint p = pointFor(car, image, seconds);
        EXPECT_EQ(store->write(KeepPoint{p}).outcome, W::Done);
        return p;
    }
    CarHistory history(const Car& car)
    {
        const auto h = store->history(car.id);
        EXPECT_TRUE(h && *h);
        return h && *h ? **h : CarHistory();
    }

    std::unique_ptr<CarStore> store;
};

TEST_P(CarStoreTest, APlateIsOneCarWhateverItsCaseAndSpaces)
{
    const Car first = add(QStringLiteral("WA 12345"), QStringLiteral("Jan"));
    // Another PC added the same plate as a car of its own: that car is this
    // one, and what was kept for it lands here.
    const Car other = carWith(QStringLiteral(" wa12345 "), QStringLiteral("Anna"));
    const auto r = store->write(AddCar{other});
    ASSERT_EQ(r.outcome, W::Done);
    EXPECT_EQ(r.car, first);
    keep(Car{other}, carImage(120), 10);
    EXPECT_EQ(history(first).points.size(), 1);
    EXPECT_EQ(store->car(other.id)->value(), first);

    const Car second = add(QStringLiteral("KR 1"));
    Car renamed = second;
    renamed.plate = QStringLiteral("wa 123 45");
    const auto taken = store->write(UpdateCar{renamed});
    EXPECT_EQ(taken.outcome, W::PlateTaken);
    EXPECT_EQ(taken.car, first);
    renamed.plate = QStringLiteral("  kr   2 ");
    renamed.vin = QStringLiteral("VF1");
    EXPECT_EQ(store->write(UpdateCar{renamed}).outcome, W::Done);
    EXPECT_EQ(store->carByPlate(QStringLiteral("KR2"))->value().plate, QStringLiteral("kr 2"));
    EXPECT_EQ(store->carByPlate(QStringLiteral("KR2"))->value().vin, QStringLiteral("VF1"));

    EXPECT_EQ(store->write(AddCar{carWith(QStringLiteral("   "))}).outcome, W::Invalid);
    EXPECT_EQ(store->findCars(QString())->size(), 2);
}

TEST_P(CarStoreTest, EveryChangeWrittenTwiceIsKeptOnce)
{
    const Car car = carWith(QStringLiteral("PO 777"));
    const RestorePoint unassigned = pointFor(Car{}, carImage(120), 0);
    const RestorePoint kept = pointFor(car, carImage(121), 1);
    const FaultSnapshot faults{newRecordId(),         {}, kept.time, FaultMoment::AtConnect,
                               carImage(121, "\x02"), {}};
    RecordingEntry recording{newRecordId(), {}, QStringLiteral("/r/a.csv"), kept.time, 0, {}};
    const AssignToCar assign{car.id, {unassigned.id}, {faults.id}, {}, {recording.id}};
    const QList<LibraryOp> ops{AddCar{car},        KeepPoint{unassigned},    KeepPoint{kept},
                               KeepFaults{faults}, KeepRecording{recording}, assign};
    for (int round = 0; round < 2; ++round)
        for (const LibraryOp& op : ops)
            EXPECT_EQ(store->write(op).outcome, W::Done);
    // The recording's end brings its length, which its start written again
    // does not take back.
    recording.lengthMs = 90000;
    EXPECT_EQ(store->write(KeepRecording{recording}).outcome, W::Done);
    ASSERT_TRUE(store->writeAll(ops));

    const CarHistory h = history(car);
    EXPECT_EQ(h.points.size(), 2);
    EXPECT_EQ(h.faults.size(), 1);
    ASSERT_EQ(h.recordings.size(), 1);
    EXPECT_EQ(h.recordings[0].lengthMs, 90000);
    EXPECT_EQ(store->findCars(QString())->size(), 1);
    // Read back as written.
    EXPECT_EQ(h.points[1].image, kept.image);
    EXPECT_EQ(h.points[1].imageHash, kept.imageHash);
    EXPECT_EQ(h.points[1].time, kept.time);
    EXPECT_EQ(h.points[1].controllerVersion, QStringLiteral("3.07.07"));
    EXPECT_EQ(h.faults[0].image, faults.image);
}

TEST_P(CarStoreTest, FindsByPlatePrefixFirstThenByAnyDetail)
{
    add(QStringLiteral("WA 12345"), QStringLiteral("Jan Kowalski"));
    add(QStringLiteral("WA 99"), QStringLiteral("Anna Nowak"));
    add(QStringLiteral("KR 5WA1"), QStringLiteral("Ewa 100%"));
    Car astra = carWith(QStringLiteral("PO 1"));
    astra.model = QStringLiteral("Astra");
    astra.vin = QStringLiteral("W0L000051T2123456");
    ASSERT_EQ(store->write(AddCar{astra}).outcome, W::Done);
    const struct {
        const char* search;
        QStringList plates;
    } cases[] = {
        {"", {"KR 5WA1", "PO 1", "WA 12345", "WA 99"}},
        {"wa", {"WA 12345", "WA 99", "KR 5WA1"}},
        {"wa 1", {"WA 12345", "KR 5WA1"}},  // "Ewa 100%" holds it too
        {"nowak", {"WA 99"}},
        {"astra", {"PO 1"}},
        {"t2123", {"PO 1"}},
        {"100%", {"KR 5WA1"}},
        {"10_", {}},
        {"zzz", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plates(*store->findCars(QString::fromUtf8(c.search))), c.plates) << c.search;
    EXPECT_EQ(store->findCars(QStringLiteral("wa"), 1)->size(), 1);
}

TEST_P(CarStoreTest, TellsWhichCarAnImageBelongsTo)
{
    const Car a = add(QStringLiteral("A 1"));
    const Car b = add(QStringLiteral("B 2"));
    const Car c = add(QStringLiteral("C 3"));
    keep(a, carImage(100), 0);
    keep(a, carImage(110), 10);
    keep(b, carImage(120), 0);
    keep(c, carImage(120), 5);
    keep(c, carImage(110), 6);
    keep(Car{}, carImage(150), 20);  // a point whose car was never said
    using K = CarMatch::Kind;
    const struct {
        const char* name;
        QByteArray image;
        K kind;
        QStringList cars;
    } cases[] = {
        {"b's last visit, c's earlier", carImage(120), K::LastVisit, {"B 2"}},
        {"last visit of a and c", carImage(110), K::SeveralCars, {"A 1", "C 3"}},
        {"same settings, new stored faults", carImage(110, "\x04"), K::SeveralCars, {"A 1", "C 3"}},
        {"a's earlier visit", carImage(100), K::OlderVisit, {"A 1"}},
        {"never seen", carImage(99), K::Unknown, {}},
        {"only without a car", carImage(150), K::Unknown, {}},
    };
    for (const auto& t : cases) {
        const auto m = store->match(settingsHash(t.image));
        ASSERT_TRUE(m) << t.name;
        EXPECT_EQ(m->kind, t.kind) << t.name;
        QStringList found;
        for (const auto& candidate : m->candidates)
            found << candidate.car.plate;
        found.sort();
        EXPECT_EQ(found, t.cars) << t.name;
        EXPECT_EQ(m->carsInAll, t.cars.size()) << t.name;
    }
    // A new visit of a: the settings of c's last visit are c's alone.
    keep(a, carImage(130), 20);
    const auto last = store->match(settingsHash(carImage(110, "\x04")));
    EXPECT_EQ(last->kind, K::LastVisit);
    ASSERT_EQ(last->candidates.size(), 1);
    EXPECT_EQ(last->candidates[0].car, c);
    EXPECT_EQ(last->candidates[0].latestImageHash, imageHash(carImage(110)));
}

// Two PCs at once: each on its own connection, on its own thread.
template <typename Work>
void onTwoConnections(const LibraryConfig& config, Work work)
{
    std::atomic<int> failures{0};
    const auto run = [&](int pc) {
        CarStore store(config);
        if (!store.open()) {
            ++failures;
            return;
        }
        failures += work(store, pc);
    };
    QThread* one = QThread::create(run, 0);
    QThread* two = QThread::create(run, 1);
    one->start();
    two->start();
    ASSERT_TRUE(one->wait(120000));
    ASSERT_TRUE(two->wait(120000));
    delete one;
    delete two;
    EXPECT_EQ(failures, 0);
}

TEST_P(CarStoreTest, TwoConnectionsWriting500PointsEachToOneCarKeepAll1000)
{
    const Car car = add(QStringLiteral("WA 500"));
    onTwoConnections(config, [&](CarStore& s, int pc) {
        int failed = 0;
        for (int i = 0; i < 500; ++i)
            if (s.write(KeepPoint{pointFor(car, carImage(i % 200, {}, pc), i)}).outcome != W::Done)
                ++failed;
        return failed;
    });
    EXPECT_EQ(history(car).points.size(), 1000);
}

TEST_P(CarStoreTest, TwoAddingTheSamePlateAtOnceEndWithOneCarHoldingBothPoints)
{
    constexpr int Plates = 25;
    QList<Car> cars[2];
    for (int pc = 0; pc < 2; ++pc)
        for (int i = 0; i < Plates; ++i)
            cars[pc] << carWith(QStringLiteral("ZG %1").arg(i));
    onTwoConnections(config, [&](CarStore& s, int pc) {
        int failed = 0;
        for (const Car& c : cars[pc]) {
            if (s.write(AddCar{c}).outcome != W::Done)
                ++failed;
            if (s.write(KeepPoint{pointFor(c, carImage(pc), pc)}).outcome != W::Done)
                ++failed;
        }
        return failed;
    });
    const QList<Car> all = *store->findCars(QString());
    ASSERT_EQ(all.size(), Plates);
    for (const Car& c : all)
        EXPECT_EQ(history(c).points.size(), 2) << c.plate.toStdString();
}

TEST_P(CarStoreTest, ALibraryOfANewerVersionIsRefusedAndLeftAsItIs)
{
    keep(add(QStringLiteral("WA 1")), carImage(100), 0);
    store->close();
    const QString newer = QStringLiteral("UPDATE brivel_schema SET version = 99 WHERE id = 1");
    QByteArray before;
    if (postgres()) {
        ASSERT_TRUE(server->exec(database, newer));
    } else {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "newer");
            db.setDatabaseName(config.file);
            ASSERT_TRUE(db.open());
            QSqlQuery(db).exec(newer);
            // Left as the newer program would leave it: the log written back.
            QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        QFile f(config.file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        before = f.readAll();
    }

    CarStore again(config);
    EXPECT_FALSE(again.open());
    EXPECT_EQ(again.status().problem, Problem::NewerSchema);
    EXPECT_EQ(again.status().schemaVersion, 99);
    EXPECT_FALSE(again.isOpen());
    // The program goes on: what it keeps waits for a program that can write it.
    Library library(config);
    library.start();
    EXPECT_TRUE(library.submit(KeepPoint{pointFor(Car{}, carImage(1), 0)}).waiting);
    EXPECT_EQ(library.status().problem, Problem::NewerSchema);

    if (postgres()) {
        EXPECT_EQ(server->value(database, QStringLiteral("SELECT version FROM brivel_schema")),
                  QVariant(99));
        EXPECT_EQ(server->value(database, QStringLiteral("SELECT COUNT(*) FROM points")).toInt(),
                  1);
    } else {
        QFile f(config.file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll() == before) << "the file was changed";
        EXPECT_FALSE(QFile::exists(config.file + QStringLiteral("-wal")));
    }
}

INSTANTIATE_TEST_SUITE_P(, CarStoreTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         test::backendName);

// The password is never the program's: the client library takes it from
// its password file.
using PasswordTest = test::LibraryTest;

TEST_P(PasswordTest, ComesFromTheClientLibrarysPasswordFile)
{
    ASSERT_TRUE(server->exec(QStringLiteral("postgres"),
                             QStringLiteral("ALTER DATABASE %1 OWNER TO %2")
                                 .arg(database, QLatin1String(test::PgServer::PasswordUser))));
    config.user = QLatin1String(test::PgServer::PasswordUser);
    const QByteArray saved = qgetenv("PGPASSFILE");
    const QString passfile = path(QStringLiteral("pgpass"));
    qputenv("PGPASSFILE", passfile.toLocal8Bit());

    CarStore without(config);
    EXPECT_FALSE(without.open());
    EXPECT_EQ(without.status().problem, Problem::Unreachable);
    EXPECT_TRUE(without.status().detail.contains(QStringLiteral("password")))
        << without.status().detail.toStdString();

    QFile file(passfile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("*:*:*:") + test::PgServer::PasswordUser + ":secret\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    CarStore with(config);
    EXPECT_TRUE(with.open()) << with.status().detail.toStdString();
    EXPECT_EQ(with.write(AddCar{carWith(QStringLiteral("PW 1"))}).outcome, W::Done);

    if (saved.isNull())
        qunsetenv("PGPASSFILE");
    else
        qputenv("PGPASSFILE", saved);
}

INSTANTIATE_TEST_SUITE_P(, PasswordTest, ::testing::Values(Backend::Postgres), test::backendName);

// A file that is damaged or cut short is reported in one line; the program
// keeps what it makes in the outbox and goes on.
class DamagedFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(DamagedFileTest, IsReportedAndRecordsWaitInTheOutbox)
{
    QTemporaryDir dir;
    LibraryConfig config;
    config.file = dir.filePath(QStringLiteral("library.sqlite"));
    config.outboxFile = dir.filePath(QStringLiteral("outbox.bin"));
    {
        CarStore store(config);
        ASSERT_TRUE(store.open());
        const Car car = carWith(QStringLiteral("WA 1"));
        store.write(AddCar{car});
        QList<LibraryOp> points;
        for (int i = 0; i < 200; ++i)
            points << KeepPoint{pointFor(car, carImage(i), i)};
        ASSERT_TRUE(store.writeAll(points));
    }
    QFile f(config.file);
    ASSERT_FALSE(QFile::exists(config.file + QStringLiteral("-wal")));
    const qint64 size = f.size();
    ASSERT_GT(size, 100000);
    if (QByteArray(GetParam()) == "truncated") {
        ASSERT_TRUE(f.resize(size / 2));
    } else {
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.write(QByteArray(100, '\x5A'));
        f.close();
    }
    const QByteArray damaged = [&] {
        QFile r(config.file);
        r.open(QIODevice::ReadOnly);
        return r.readAll();
    }();

    Library library(config);
    library.start();
    const LibraryStatus status = library.status();
    EXPECT_EQ(status.problem, Problem::Damaged) << status.detail.toStdString();
    const settings::MessageLookup english = test::english();
    const QString line = text::statusLine(status, english);
    EXPECT_TRUE(line.startsWith(QStringLiteral("The car library is damaged (") + config.file))
        << line.toStdString();
    EXPECT_FALSE(line.contains(QLatin1Char('\n')));

    EXPECT_TRUE(library.submit(KeepPoint{pointFor(Car{}, carImage(7), 0)}).waiting);
    EXPECT_EQ(library.status().waiting, 1);
    // Nothing is done to the damaged file itself.
    QFile r(config.file);
    ASSERT_TRUE(r.open(QIODevice::ReadOnly));
    EXPECT_TRUE(r.readAll() == damaged);
}

INSTANTIATE_TEST_SUITE_P(, DamagedFileTest, ::testing::Values("damaged", "truncated"));

}  // namespace
