// `kvs cars`, `kvs history` and `kvs export` on a library of each backend,
// and the built tool finding the library through the window's settings file.

#include "KvsLibrary.h"
#include "KvsTool.h"
#include "LibraryFixture.h"
#include "QtPrinters.h"
#include "cars/CarStore.h"
#include "settings/SettingsFileIo.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QSettings>

using namespace brivel;
using namespace brivel::cars;
using brivel::test::Backend;
using brivel::test::carImage;

namespace {

struct Result {
    int code;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

class KvsLibraryTest : public test::LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        test::OpenStore s(config);
        ASSERT_TRUE(s.ok);
        car = Car{newRecordId(),
                  QStringLiteral("WA 12345"),
                  QStringLiteral("W0L0001"),
                  QStringLiteral("Opel"),
                  QStringLiteral("Astra"),
                  QStringLiteral("1.6"),
                  QStringLiteral("Jan Kowalski"),
                  QStringLiteral("600 100 200"),
                  {}};
        s.store.write(AddCar{car});
        s.store.write(AddCar{Car{newRecordId(),
                                 QStringLiteral("KR 1"),
                                 {},
                                 QStringLiteral("Fiat"),
                                 {},
                                 {},
                                 {},
                                 {},
                                 {}}});
        first = makePoint(carImage(110), PointReason::Connect,
                          QDateTime::fromSecsSinceEpoch(1741787100, Qt::UTC), {});
        second = makePoint(carImage(125, "\x03"), PointReason::DisconnectKeep,
                           QDateTime::fromSecsSinceEpoch(1741787700, Qt::UTC), {});
        first.carId = second.carId = car.id;
        s.store.write(KeepPoint{first});
        s.store.write(KeepPoint{second});
    }

    Result kvs(QStringList args)
    {
        QString out;
        QString err;
        QTextStream o(&out);
        QTextStream e(&err);
        const int code = kvs::runLibrary(args, config, o, e);
        return {code, out, err};
    }

    Car car;
    RestorePoint first;
    RestorePoint second;
};

TEST_P(KvsLibraryTest, CarsListsTheCarsInWordsAndAsJson)
{
    const Result text = kvs({QStringLiteral("cars")});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    const QStringList lines = text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Plate"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("KR 1")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("Jan Kowalski")));

    const Result polish =
        kvs({QStringLiteral("--lang"), QStringLiteral("pl"), QStringLiteral("cars")});
    EXPECT_TRUE(polish.out.startsWith(QStringLiteral("Nr rejestracyjny")));

    const Result json =
        kvs({QStringLiteral("cars"), QStringLiteral("--json"), QStringLiteral("kowal")});
    ASSERT_EQ(json.code, 0);
    const QJsonArray cars = json.json().value(QStringLiteral("cars")).toArray();
    ASSERT_EQ(cars.size(), 1);
    EXPECT_EQ(cars[0].toObject().value(QStringLiteral("plate")).toString(),
              QStringLiteral("WA 12345"));
    EXPECT_EQ(cars[0].toObject().value(QStringLiteral("id")).toString(), car.id);
}

TEST_P(KvsLibraryTest, HistoryShowsTheTimelineNewestFirst)
{
    const Result text = kvs({QStringLiteral("history"), QStringLiteral("wa12345")});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    const QStringList lines = text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("WA 12345 · Opel Astra · Jan Kowalski"));
    EXPECT_TRUE(lines[1].contains(second.id.left(8) +
                                  QStringLiteral("  Before disconnecting: P. Work "
                                                 "1.10 → 1.25 bar, Old Errors none → 1")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("Connection: first point")));

    const QJsonObject json =
        kvs({QStringLiteral("history"), QStringLiteral("--json"), QStringLiteral("WA 12345")})
            .json();
    EXPECT_EQ(json.value(QStringLiteral("car")).toObject().value(QStringLiteral("vin")).toString(),
              QStringLiteral("W0L0001"));
    const QJsonArray timeline = json.value(QStringLiteral("timeline")).toArray();
    ASSERT_EQ(timeline.size(), 2);
    const QJsonObject newest = timeline[0].toObject();
    EXPECT_EQ(newest.value(QStringLiteral("kind")).toString(), QStringLiteral("point"));
    EXPECT_EQ(newest.value(QStringLiteral("id")).toString(), second.id);
    EXPECT_EQ(
        newest.value(QStringLiteral("point")).toObject().value(QStringLiteral("reason")).toString(),
        QStringLiteral("disconnect_keep"));
    EXPECT_EQ(newest.value(QStringLiteral("time")).toString(),
              QStringLiteral("2025-03-12T13:55:00.000Z"));
}

TEST_P(KvsLibraryTest, ExportWritesTheNewestOrTheNamedPointAsASettingsFile)
{
    const QString latest = path(QStringLiteral("latest"));
    const Result r =
        kvs({QStringLiteral("export"), QStringLiteral("wa 12345"), QStringLiteral("-o"), latest});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, latest + QStringLiteral(".kvs\n"));
    EXPECT_EQ(settings::datafile::load(latest + QStringLiteral(".kvs")).contents->image(),
              second.image);

    const QString older = path(QStringLiteral("older.kvs"));
    const Result json =
        kvs({QStringLiteral("export"), QStringLiteral("--json"), QStringLiteral("WA12345"),
             first.id.left(6), QStringLiteral("--output=") + older});
    ASSERT_EQ(json.code, 0) << json.err.toStdString();
    EXPECT_EQ(json.json().value(QStringLiteral("file")).toString(), older);
    EXPECT_EQ(json.json()
                  .value(QStringLiteral("point"))
                  .toObject()
                  .value(QStringLiteral("id"))
                  .toString(),
              first.id);
    EXPECT_EQ(settings::datafile::load(older).contents->image(), first.image);
}

TEST_P(KvsLibraryTest, AWrongCommandLineOrAnUnknownPlateExitsWith2)
{
    const QStringList wrong[] = {
        {QStringLiteral("history")},
        {QStringLiteral("history"), QStringLiteral("ZZ 9")},
        {QStringLiteral("export"), QStringLiteral("WA 12345")},
        {QStringLiteral("export"), QStringLiteral("WA 12345"), QStringLiteral("nope"),
         QStringLiteral("-o"), path(QStringLiteral("x.kvs"))},
        {QStringLiteral("export"), QStringLiteral("KR 1"), QStringLiteral("-o"),
         path(QStringLiteral("x.kvs"))},
        {QStringLiteral("cars"), QStringLiteral("--bogus")},
        {QStringLiteral("cars"), QStringLiteral("--lang"), QStringLiteral("xx")},
        {QStringLiteral("cars"), QStringLiteral("-o")},
    };
    for (const QStringList& args : wrong) {
        const Result r = kvs(args);
        EXPECT_EQ(r.code, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.kvs"))));
}

TEST_P(KvsLibraryTest, TheReportFindsItsCarByThePlateAsTheFitterTypesIt)
{
    QString err;
    QTextStream e(&err);
    const std::optional<Car> found = kvs::carOfPlate(QStringLiteral("wa12345"), config, e);
    ASSERT_TRUE(found) << err.toStdString();
    EXPECT_EQ(found->plate, QStringLiteral("WA 12345"));
    EXPECT_EQ(found->owner, QStringLiteral("Jan Kowalski"));

    EXPECT_FALSE(kvs::carOfPlate(QStringLiteral("ZZ 999"), config, e));
    EXPECT_TRUE(err.contains(QStringLiteral("ZZ 999"))) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, KvsLibraryTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         test::backendName);

TEST(KvsLibrary, TheToolFindsTheLibraryOfTheWindowsSettingsFile)
{
    QTemporaryDir home;
    LibraryConfig config;
    config.file = home.filePath(QStringLiteral("shop/cars.sqlite"));
    {
        CarStore store(config);
        ASSERT_TRUE(store.open());
        store.write(AddCar{Car{newRecordId(), QStringLiteral("GD 7"), {}, {}, {}, {}, {}, {}, {}}});
    }
    QDir().mkpath(home.filePath(QStringLiteral("config/KVOS")));
    {
        QSettings ini(home.filePath(QStringLiteral("config/KVOS/Brivel.ini")),
                      QSettings::IniFormat);
        ini.setValue(QStringLiteral("Library/Backend"), QStringLiteral("sqlite"));
        ini.setValue(QStringLiteral("Library/File"), config.file);
    }
    const auto run = [&](const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KVS_EXECUTABLE), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return std::make_pair(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()));
    };
    const auto [code, out] = run({QStringLiteral("cars"), QStringLiteral("--json")});
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(out.contains(QStringLiteral("\"GD 7\""))) << out.toStdString();

    // Without a [Library] section: the default file in the data folder, not
    // there yet, is an empty library, and nothing is made.
    QFile::remove(home.filePath(QStringLiteral("config/KVOS/Brivel.ini")));
    const auto [emptyCode, emptyOut] = run({QStringLiteral("cars")});
    EXPECT_EQ(emptyCode, 0);
    EXPECT_EQ(emptyOut, QStringLiteral("The library holds no cars\n"));
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("data/KVOS/Brivel/library.sqlite"))));
}

}  // namespace
