// A visit as the window will drive it, in virtual time, with the library on
// its own thread over a real SQLite file or PostgreSQL server.

#include "LibraryFixture.h"
#include "QtPrinters.h"
#include "VirtualClock.h"
#include "cars/CarSession.h"
#include "cars/CarTexts.h"
#include "cars/LibraryService.h"
#include "i18n/MessageTable.h"

#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>

using namespace brivel;
using namespace brivel::cars;
using brivel::test::Backend;
using brivel::test::carImage;
using State = CarLine::State;

namespace {

const QByteArray Faults("\x03\x01", 2);

class CarSessionTest : public test::LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        clock.setLocalDateTime(QDateTime(QDate(2025, 3, 12), QTime(14, 5), Qt::UTC));
    }
    void TearDown() override
    {
        session.reset();
        service.reset();
    }

    void begin()
    {
        service = std::make_unique<LibraryService>(config);
        session = std::make_unique<CarSession>(
            *service, clock, Origin{QStringLiteral("1.01"), QStringLiteral("pc")});
        service->start();
        settle();
    }
    // Waits for the library's thread to answer everything asked so far.
    void settle()
    {
        while (service->busy()) {
            QSignalSpy idle(service.get(), &LibraryService::idle);
            ASSERT_TRUE(idle.wait(30000));
        }
    }
    void visit(const QByteArray& image)
    {
        session->linkConnecting();
        session->settingsImageReceived(image, PointReason::Connect);
        settle();
    }
    void image(const QByteArray& bytes, PointReason reason)
    {
        clock.advance(1000);
        session->settingsImageReceived(bytes, reason);
        settle();
    }
    CarHistory history(const QString& plate)
    {
        test::OpenStore s(config);
        const auto car = s.store.carByPlate(plate);
        if (!car || !*car)
            return {};
        return s.store.history((*car)->id)->value();
    }
    static QList<PointReason> reasons(const CarHistory& h)
    {
        QList<PointReason> r;
        for (const RestorePoint& p : h.points)
            r << p.reason;
        return r;
    }
    // Cars and their points as another visit left them, before today.
    void before(const QList<std::pair<QString, QByteArray>>& points)
    {
        test::OpenStore s(config);
        ASSERT_TRUE(s.ok);
        qint64 t = 1700000000;
        for (const auto& [plate, bytes] : points) {
            Car car{newRecordId(), plate, {}, {}, {}, {}, {}, {}, {}};
            car = s.store.write(AddCar{car}).car;
            RestorePoint p = makePoint(bytes, PointReason::Connect,
                                       QDateTime::fromSecsSinceEpoch(t += 600, Qt::UTC), {});
            p.carId = car.id;
            ASSERT_EQ(s.store.write(KeepPoint{p}).outcome, CarStore::Written::Done);
        }
    }
    std::optional<Car> carOf(const QString& plate)
    {
        test::OpenStore s(config);
        return s.store.carByPlate(plate)->value_or(Car{});
    }

    test::VirtualClock clock;
    std::unique_ptr<LibraryService> service;
    std::unique_ptr<CarSession> session;
};

TEST_P(CarSessionTest, EachNewImageIsKeptOnceAndGoesToTheCarChosenLater)
{
    begin();
    QSignalSpy kept(session.get(), &CarSession::pointKept);
    visit(carImage(110));
    EXPECT_EQ(session->carLine().state, State::Unknown);
    image(carImage(110), PointReason::FileLoad);
    image(carImage(125), PointReason::FactoryReset);
    image(carImage(125), PointReason::Manual);
    EXPECT_EQ(kept.size(), 2);

    Car car;
    car.plate = QStringLiteral(" wa  12345 ");
    car.model = QStringLiteral("Astra");
    ASSERT_TRUE(session->addCar(car));
    EXPECT_EQ(session->carLine().state, State::Chosen);
    EXPECT_EQ(session->currentCar()->plate, QStringLiteral("wa 12345"));
    image(carImage(130), PointReason::Adaptation);
    settle();
    const CarHistory h = history(QStringLiteral("WA12345"));
    EXPECT_EQ(reasons(h), (QList<PointReason>{PointReason::Connect, PointReason::FactoryReset,
                                              PointReason::Adaptation}));
    EXPECT_EQ(h.car.model, QStringLiteral("Astra"));
    EXPECT_EQ(h.points[0].origin.pcName, QStringLiteral("pc"));
    EXPECT_EQ(h.points[0].time, QDateTime(QDate(2025, 3, 12), QTime(14, 5), Qt::UTC));
    EXPECT_FALSE(session->addCar(Car{}));
}

TEST_P(CarSessionTest, AtConnectTheCarIsFoundOrOfferedAndTheChoiceTakesTheVisit)
{
    const QByteArray x = carImage(110);
    const QByteArray y = carImage(120);
    const QByteArray v = carImage(140);
    const struct {
        const char* name;
        QList<std::pair<QString, QByteArray>> before;
        QByteArray connect;
        State state;
        QStringList offered;
        const char* choose;  // a plate; a new one is added
        int points;          // of the car of the visit afterwards
    } cases[] = {
        {"a new car", {}, x, State::Unknown, {}, "NEW 1", 1},
        {"the last visit", {{"A 1", x}}, x, State::LastVisit, {}, nullptr, 1},
        {"the last visit, new stored faults",
         {{"A 1", x}},
         carImage(110, Faults),
         State::LastVisit,
         {},
         nullptr,
         2},
        {"an older visit", {{"A 1", x}, {"A 1", y}}, x, State::OlderVisit, {"A 1"}, "A 1", 3},
        {"several cars, one of them",
         {{"B 2", v}, {"C 3", v}},
         v,
         State::SeveralCars,
         {"B 2", "C 3"},
         "C 3",
         1},
        {"several cars, another",
         {{"B 2", v}, {"C 3", v}},
         v,
         State::SeveralCars,
         {"B 2", "C 3"},
         "NEW 2",
         1},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        session.reset();
        service.reset();
        freshLibrary(QStringLiteral("case-%1").arg(++n));
        before(c.before);
        begin();
        visit(c.connect);
        EXPECT_EQ(session->carLine().state, c.state);
        QStringList offered;
        for (const Car& o : session->carLine().offered)
            offered << o.plate;
        offered.sort();
        EXPECT_EQ(offered, c.offered);
        QString plate = c.before.isEmpty() ? QString() : c.before.first().first;
        if (c.choose) {
            plate = QString::fromLatin1(c.choose);
            if (const auto existing = carOf(plate); existing && !existing->id.isEmpty())
                session->chooseCar(*existing);
            else
                session->addCar(Car{{}, plate, {}, {}, {}, {}, {}, {}, {}});
            EXPECT_EQ(session->carLine().state, State::Chosen);
        }
        session->linkDisconnected();
        settle();
        EXPECT_EQ(history(plate).points.size(), c.points);
    }
}

TEST_P(CarSessionTest, KnowsWhetherSingleSettingsChangedSinceTheLastPoint)
{
    begin();
    QSignalSpy changes(session.get(), &CarSession::changedSinceLastPointChanged);
    session->settingChanged();  // nothing connected
    EXPECT_FALSE(session->changedSinceLastPoint());
    visit(carImage(110));
    session->settingChanged();
    session->settingChanged();
    EXPECT_TRUE(session->changedSinceLastPoint());
    // "Rozłącz" → Yes: the settings read afresh are kept, then disconnected.
    image(carImage(111), PointReason::DisconnectKeep);
    EXPECT_FALSE(session->changedSinceLastPoint());
    session->settingChanged();
    session->linkDisconnected();
    EXPECT_FALSE(session->changedSinceLastPoint());
    ASSERT_EQ(changes.size(), 4);
    EXPECT_EQ(changes[0][0].toBool(), true);
    EXPECT_EQ(changes[1][0].toBool(), false);
}

TEST_P(CarSessionTest, StoredFaultsAdaptationsAndRecordingsGoWithTheCar)
{
    begin();
    const QByteArray seen = carImage(110, Faults);
    visit(seen);
    session->recordingStarted(QStringLiteral("/home/jan/jazda.csv"));
    clock.advance(65000);
    session->storedFaultsAboutToBeCleared(seen);
    session->storedFaultsAboutToBeCleared(carImage(110));  // nothing stored: nothing kept
    session->adaptationFinished(40, 137, true, QStringLiteral("m = 1,37"), QByteArray(246, '\x64'));
    session->recordingEnded(65000);
    settle();
    // The car is said only now: everything of the visit goes to it.
    session->addCar(Car{{}, QStringLiteral("GD 4"), {}, {}, {}, {}, {}, {}, {}});
    settle();
    const CarHistory h = history(QStringLiteral("GD 4"));
    EXPECT_EQ(h.points.size(), 1);
    ASSERT_EQ(h.faults.size(), 2);
    EXPECT_EQ(h.faults[0].moment, FaultMoment::AtConnect);
    EXPECT_EQ(h.faults[1].moment, FaultMoment::BeforeClear);
    ASSERT_EQ(h.adaptations.size(), 1);
    EXPECT_EQ(h.adaptations[0].multiplier, 137);
    EXPECT_EQ(h.adaptations[0].map, QByteArray(246, '\x64'));
    ASSERT_EQ(h.recordings.size(), 1);
    EXPECT_EQ(h.recordings[0].lengthMs, 65000);
    EXPECT_EQ(h.recordings[0].path, QStringLiteral("/home/jan/jazda.csv"));
}

TEST_P(CarSessionTest, ALibraryThatCannotBeOpenedGivesOneLineAndTheVisitArrivesLater)
{
    takeDown();
    begin();
    const settings::MessageLookup english = test::english();
    EXPECT_NE(session->libraryStatus().problem, Problem::None);
    visit(carImage(110));
    EXPECT_EQ(session->carLine().state, State::NoLibrary);
    session->addCar(Car{{}, QStringLiteral("WA 9"), {}, {}, {}, {}, {}, {}, {}});
    image(carImage(112), PointReason::Manual);
    settle();
    const QString line = text::statusLine(session->libraryStatus(), english);
    EXPECT_TRUE(line.endsWith(QStringLiteral("records waiting for the library: 4")))
        << line.toStdString();

    bringBack();
    clock.advance(CarSession::RetryIntervalMs);
    settle();
    EXPECT_TRUE(session->libraryStatus().fine()) << session->libraryStatus().detail.toStdString();
    EXPECT_EQ(text::statusLine(session->libraryStatus(), english), QString());
    EXPECT_EQ(history(QStringLiteral("WA 9")).points.size(), 2);
    // All is well again: no more tries.
    EXPECT_EQ(clock.activeTimers(), 0);
}

INSTANTIATE_TEST_SUITE_P(, CarSessionTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         test::backendName);

}  // namespace
