// What the car library costs, on an SQLite file and on a PostgreSQL server
// the benchmark starts for itself (with durable commits, as a real one):
// keeping one point (its own transaction), and, in a library of 10,000 cars
// with 20 points each, opening it, searching cars by the start of a plate as
// the fitter types, and finding the car of a settings image at connect, for
// a car's own settings and for the factory settings every car began with.

#include "LibraryFixture.h"
#include "PgServer.h"
#include "cars/CarStore.h"
#include "settings/BlockLayout.h"

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QTemporaryDir>

#include <map>

namespace {

using namespace brivel;
using namespace brivel::cars;
using brivel::test::carImage;

constexpr int Cars = 10000;
constexpr int PointsPerCar = 20;

const char* const Regions[] = {"WA", "KR", "PO", "GD", "WR", "LU", "SZ", "BI"};

QString plateOf(int n)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(Regions[n % 8])).arg(10000 + n * 7 % 90000);
}

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// A fresh library of each backend; nothing when PostgreSQL cannot run here.
std::optional<LibraryConfig> freshLibrary(bool postgres, const QString& name)
{
    LibraryConfig c;
    if (postgres) {
        QString whyNot;
        test::PgServer* server = test::PgServer::instance(&whyNot);
        if (!server)
            return std::nullopt;
        c = server->config(server->createDatabase(), scratch().filePath(name + ".outbox"));
    } else {
        c.file = scratch().filePath(name + QStringLiteral(".sqlite"));
        c.outboxFile = scratch().filePath(name + QStringLiteral(".outbox"));
    }
    return c;
}

// Point k of car n: the first one the factory settings every car starts
// with, the others settings of the car's own.
QByteArray imageOf(int n, int k)
{
    if (k == 0)
        return carImage(100);
    QByteArray image = carImage(n % 200, {}, n % 4);
    using settings::Field;
    image[settings::offsetOf(Field::SwitchOverRpm)] = static_cast<char>(10 + n / 200 % 50);
    image[settings::offsetOf(Field::MaxRpmOnGas)] = static_cast<char>(30 + k);
    return image;
}

RestorePoint pointOf(const RecordId& car, int n, int k)
{
    RestorePoint p =
        makePoint(imageOf(n, k), PointReason::Connect,
                  QDateTime::fromSecsSinceEpoch(1700000000 + n * 100 + k, Qt::UTC), {});
    p.carId = car;
    return p;
}

// The large library of a backend, made once per run.
std::optional<LibraryConfig> largeLibrary(bool postgres)
{
    static std::map<bool, std::optional<LibraryConfig>> made;
    if (made.count(postgres))
        return made[postgres];
    auto config = freshLibrary(postgres, QStringLiteral("large"));
    if (config) {
        CarStore store(*config);
        store.open();
        QList<LibraryOp> batch;
        for (int n = 0; n < Cars; ++n) {
            Car car{newRecordId(),
                    plateOf(n),
                    {},
                    QStringLiteral("Opel"),
                    QStringLiteral("Astra"),
                    {},
                    QStringLiteral("Owner %1").arg(n),
                    {},
                    {}};
            batch << AddCar{car};
            for (int k = 0; k < PointsPerCar; ++k)
                batch << KeepPoint{pointOf(car.id, n, k)};
            if (batch.size() >= 4000 || n + 1 == Cars) {
                if (!store.writeAll(batch))
                    qFatal("cannot fill the library: %s", qPrintable(store.status().detail));
                batch.clear();
            }
        }
    }
    made[postgres] = config;
    return config;
}

void BM_KeepPoint(benchmark::State& state, bool postgres)
{
    const auto config = freshLibrary(postgres, QStringLiteral("keep"));
    if (!config) {
        state.SkipWithError("no PostgreSQL server here");
        return;
    }
    CarStore store(*config);
    store.open();
    const Car car{newRecordId(), QStringLiteral("WA 1"), {}, {}, {}, {}, {}, {}, {}};
    store.write(AddCar{car});
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const LibraryOp op = KeepPoint{pointOf(car.id, ++n, 1)};
        state.ResumeTiming();
        if (store.write(op).outcome != CarStore::Written::Done)
            state.SkipWithError("write failed");
    }
}
BENCHMARK_CAPTURE(BM_KeepPoint, sqlite, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_KeepPoint, postgresql, true)->Unit(benchmark::kMillisecond);

void BM_OpenLargeLibrary(benchmark::State& state, bool postgres)
{
    const auto config = largeLibrary(postgres);
    if (!config) {
        state.SkipWithError("no PostgreSQL server here");
        return;
    }
    for (auto _ : state) {
        CarStore store(*config);
        if (!store.open())
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(store.schemaVersion());
    }
}
BENCHMARK_CAPTURE(BM_OpenLargeLibrary, sqlite, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenLargeLibrary, postgresql, true)->Unit(benchmark::kMillisecond);

// The search field as the fitter types "WA 12", "KR 3", …: the first 50 cars.
void BM_SearchPlatePrefix(benchmark::State& state, bool postgres)
{
    const auto config = largeLibrary(postgres);
    if (!config) {
        state.SkipWithError("no PostgreSQL server here");
        return;
    }
    CarStore store(*config);
    store.open();
    const QStringList typed{QStringLiteral("WA 12"), QStringLiteral("kr3"), QStringLiteral("PO 4"),
                            QStringLiteral("gd 1"), QStringLiteral("W")};
    int n = 0;
    qint64 found = 0;
    for (auto _ : state) {
        const auto cars = store.findCars(typed[n++ % typed.size()], 50);
        if (!cars)
            state.SkipWithError("search failed");
        else
            found += cars->size();
    }
    state.counters["cars found"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_SearchPlatePrefix, sqlite, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchPlatePrefix, postgresql, true)->Unit(benchmark::kMillisecond);

// Which car is this, at connect: a car's own latest settings (one car), and
// the factory settings that every car held at its first visit (10,000 cars,
// none at its latest point).
void BM_MatchAtConnect(benchmark::State& state, bool postgres, bool factory)
{
    const auto config = largeLibrary(postgres);
    if (!config) {
        state.SkipWithError("no PostgreSQL server here");
        return;
    }
    CarStore store(*config);
    store.open();
    const QByteArray hash = settingsHash(factory ? imageOf(0, 0) : imageOf(4321, PointsPerCar - 1));
    for (auto _ : state) {
        const auto m = store.match(hash);
        if (!m || m->candidates.isEmpty())
            state.SkipWithError("match failed");
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK_CAPTURE(BM_MatchAtConnect, sqlite_own, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MatchAtConnect, postgresql_own, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MatchAtConnect, sqlite_factory, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MatchAtConnect, postgresql_factory, true, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    brivel::test::PgServer::setDurable(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    brivel::test::PgServer::shutDown();
    return 0;
}
