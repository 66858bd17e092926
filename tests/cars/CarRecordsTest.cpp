// The library's plain parts: plates, hashes, changes as the outbox keeps
// them, the outbox file under crashes and a full disk, and the status line.

#include "FullDisk.h"
#include "LibraryFixture.h"
#include "QtPrinters.h"
#include "cars/CarRecords.h"
#include "cars/CarTexts.h"
#include "cars/LibraryConfig.h"
#include "cars/LibraryOp.h"
#include "cars/Outbox.h"
#include "i18n/MessageTable.h"
#include "settings/BlockLayout.h"

#include <gtest/gtest.h>

#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>

using namespace brivel;
using namespace brivel::cars;
using brivel::test::carImage;
using brivel::test::english;

namespace {

TEST(PlateKey, IgnoresCaseAndEveryKindOfSpace)
{
    const struct {
        const char* plate;
        const char* key;
    } cases[] = {
        {"WA 12345", "WA12345"},
        {" wa\t123 45 ", "WA12345"},
        {"kr-4f21", "KR-4F21"},
        {"Straße 1", "STRASSE1"},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plateKey(QString::fromUtf8(c.plate)), QString::fromUtf8(c.key)) << c.plate;
    EXPECT_EQ(tidyPlate(QStringLiteral("  wa   123\t45 ")), QStringLiteral("wa 123 45"));
}

TEST(SettingsHash, FollowsTheSettingsButNotTheStoredFaultsOrTheCheckByte)
{
    const QByteArray plain = carImage(110);
    const QByteArray withFaults = carImage(110, QByteArray("\x03\x01", 2));
    EXPECT_NE(imageHash(plain), imageHash(withFaults));
    EXPECT_EQ(settingsHash(plain), settingsHash(withFaults));
    EXPECT_NE(settingsHash(plain), settingsHash(carImage(125)));
    EXPECT_NE(settingsHash(plain), settingsHash(carImage(110, {}, 2)));
    // An image too short to hold the settings stands for itself.
    EXPECT_NE(settingsHash(plain.left(40)), settingsHash(plain.left(41)));
    EXPECT_TRUE(holdsStoredFaults(withFaults));
    EXPECT_FALSE(holdsStoredFaults(plain));
}

TEST(LibraryOp, EveryKindOfChangeComesBackFromTheOutboxAsItWent)
{
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(1741787100123, Qt::UTC);
    const Origin origin{QStringLiteral("1.01"), QStringLiteral("warsztat-2")};
    Car car{newRecordId(),
            QStringLiteral("WA 12345"),
            QStringLiteral("VF1ABC"),
            QStringLiteral("Opel"),
            QStringLiteral("Astra"),
            QStringLiteral("1.6"),
            QStringLiteral("Jan Kowalski"),
            QStringLiteral("+48 600"),
            QStringLiteral("zima\nopony")};
    RestorePoint point = makePoint(carImage(110), PointReason::FileLoad, at, origin);
    point.carId = car.id;
    const AdaptationEntry adaptation{
        newRecordId(),        car.id, at, 42, 137, true, QStringLiteral("m = 1,37"),
        QByteArray(246, 'x'), origin};
    const LibraryOp ops[] = {
        AddCar{car},
        UpdateCar{car},
        KeepPoint{point},
        KeepFaults{FaultSnapshot{
            newRecordId(), {}, at, FaultMoment::BeforeClear, carImage(110, "\x02"), origin}},
        KeepAdaptation{adaptation},
        KeepRecording{RecordingEntry{newRecordId(), car.id, QStringLiteral("/tmp/jazda.csv"), at,
                                     65000, origin}},
        AssignToCar{car.id, {point.id}, {newRecordId()}, {}, {newRecordId(), newRecordId()}},
    };
    for (const LibraryOp& op : ops) {
        const QJsonObject json = toJson(op);
        const auto back = opFromJson(
            QJsonDocument::fromJson(QJsonDocument(json).toJson(QJsonDocument::Compact)).object());
        ASSERT_TRUE(back.has_value()) << QJsonDocument(json).toJson().toStdString();
        EXPECT_EQ(toJson(*back), json);
    }
    const auto back = opFromJson(toJson(KeepPoint{point}));
    EXPECT_EQ(std::get<KeepPoint>(*back).point.settingsHash, point.settingsHash);
    EXPECT_FALSE(opFromJson(QJsonObject{{QStringLiteral("op"), QStringLiteral("point")}}));
}

TEST(LibraryConfig, ReadsTheLibrarySectionAndNeverAPassword)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Brivel.ini"));
    const struct {
        QList<std::pair<const char*, const char*>> values;
        const char* place;
    } cases[] = {
        {{}, "/data/library.sqlite"},
        {{{"Backend", "sqlite"}, {"File", "/srv/cars.sqlite"}}, "/srv/cars.sqlite"},
        {{{"Backend", "PostgreSQL"},
          {"Host", "192.168.1.10"},
          {"Port", "5433"},
          {"Database", "brivel"},
          {"User", "warsztat"},
          {"Password", "ignored"}},
         "warsztat@192.168.1.10:5433/brivel"},
        {{{"Backend", "postgresql"}, {"Service", "workshop"}, {"Port", "none"}},
         "service=workshop"},
        {{{"Backend", "oracle"}}, "/data/library.sqlite"},
    };
    for (const auto& c : cases) {
        QFile::remove(ini);
        {
            QSettings settings(ini, QSettings::IniFormat);
            for (const auto& [key, value] : c.values)
                settings.setValue(QStringLiteral("Library/") + QLatin1String(key),
                                  QString::fromUtf8(value));
        }
        const LibraryConfig config = readLibraryConfig(ini, QStringLiteral("/data"));
        EXPECT_EQ(config.place(), QString::fromUtf8(c.place));
        EXPECT_EQ(config.outboxFile, QStringLiteral("/data/library-outbox.bin"));
        EXPECT_EQ(config.port,
                  c.values.size() > 2 && c.values[2].second == QByteArray("5433") ? 5433 : 5432);
    }
}

class OutboxTest : public ::testing::Test {
protected:
    static LibraryOp point(int n)
    {
        RestorePoint p = makePoint(carImage(100 + n), PointReason::Manual,
                                   QDateTime::fromMSecsSinceEpoch(n * 1000, Qt::UTC), {});
        return KeepPoint{p};
    }
    static QList<int> pressures(const QList<LibraryOp>& ops)
    {
        QList<int> found;
        for (const LibraryOp& op : ops)
            found << std::get<KeepPoint>(op)
                             .point.image[settings::offsetOf(settings::Field::WorkingPressure)] -
                         100;
        return found;
    }
    qint64 size() const { return QFileInfo(box.path()).size(); }
    void cut(qint64 bytes)
    {
        QFile f(box.path());
        ASSERT_TRUE(f.resize(size() - bytes));
    }

    QTemporaryDir dir;
    Outbox box{dir.filePath(QStringLiteral("sub/outbox.bin"))};
};

TEST_F(OutboxTest, KeepsChangesInOrderAndDropsThoseWritten)
{
    EXPECT_TRUE(box.read().isEmpty());
    ASSERT_TRUE(box.append({point(1), point(2)}));
    ASSERT_TRUE(box.append({point(3)}));
    EXPECT_EQ(pressures(box.read()), (QList<int>{1, 2, 3}));
    ASSERT_TRUE(box.dropFirst(2));
    EXPECT_EQ(pressures(box.read()), (QList<int>{3}));
    ASSERT_TRUE(box.dropFirst(1));
    EXPECT_FALSE(QFile::exists(box.path()));
}

TEST_F(OutboxTest, AnEntryCutShortOrDamagedIsPassedOverAndTheRestIsRead)
{
    ASSERT_TRUE(box.append({point(1), point(2)}));
    // A crash in the middle of writing the third.
    ASSERT_TRUE(box.append({point(3)}));
    cut(100);
    ASSERT_TRUE(box.append({point(4)}));
    EXPECT_EQ(pressures(box.read()), (QList<int>{1, 2, 4}));

    // A damaged byte inside the first entry.
    QFile f(box.path());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(40);
    f.write("#");
    f.close();
    EXPECT_EQ(pressures(box.read()), (QList<int>{2, 4}));
}

TEST_F(OutboxTest, AFullDiskLeavesTheFileAsItWas)
{
    ASSERT_TRUE(box.append({point(1)}));
    const qint64 before = size();
    {
        const test::FullDisk full(before + 200);
        EXPECT_FALSE(box.append({point(2), point(3)}));
        EXPECT_FALSE(box.lastError().isEmpty());
    }
    EXPECT_EQ(size(), before);
    ASSERT_TRUE(box.append({point(4)}));
    EXPECT_EQ(pressures(box.read()), (QList<int>{1, 4}));
}

TEST(StatusLine, SaysWhatIsWrongWhereAndHowManyRecordsWait)
{
    const auto line = [](Problem p, int waiting = 0, int unsaved = 0) {
        LibraryStatus s;
        s.problem = p;
        s.place = QStringLiteral("/home/jan/library.sqlite");
        s.detail = QStringLiteral("file is not a database");
        s.schemaVersion = 7;
        s.waiting = waiting;
        s.unsaved = unsaved;
        return text::statusLine(s, english());
    };
    EXPECT_EQ(line(Problem::None), QString());
    EXPECT_EQ(line(Problem::Missing), QString());
    EXPECT_EQ(line(Problem::Damaged),
              QStringLiteral("The car library is damaged (/home/jan/library.sqlite): file is not "
                             "a database"));
    EXPECT_EQ(line(Problem::NewerSchema),
              QStringLiteral("The car library (/home/jan/library.sqlite) was made by a newer "
                             "version of the program (schema 7) and is left unchanged"));
    EXPECT_EQ(line(Problem::Unreachable, 3),
              QStringLiteral("Car library unreachable (/home/jan/library.sqlite): file is not a "
                             "database – records waiting for the library: 3"));
    EXPECT_EQ(line(Problem::None, 2), QStringLiteral("records waiting for the library: 2"));
    EXPECT_TRUE(line(Problem::CannotWrite, 5, 2).endsWith(QStringLiteral("only in memory: 2")));
    for (Problem p : {Problem::DriverMissing, Problem::CannotOpen, Problem::Locked})
        EXPECT_FALSE(line(p).isEmpty());
    for (const QString& l : {line(Problem::Damaged, 4, 1), line(Problem::Locked, 1)})
        EXPECT_FALSE(l.contains(QLatin1Char('\n')));
}

TEST(CarLineText, NamesTheCarOrWhatToDo)
{
    const Car a{QStringLiteral("1"),
                QStringLiteral("WA 12345"),
                {},
                QStringLiteral("Opel"),
                QStringLiteral("Astra"),
                {},
                QStringLiteral("Jan Kowalski"),
                {},
                {}};
    const Car b{QStringLiteral("2"), QStringLiteral("KR 1"), {}, {}, {}, {}, {}, {}, {}};
    using S = CarLine::State;
    const struct {
        CarLine line;
        const char* text;
    } cases[] = {
        {{S::NoCar, {}, {}}, ""},
        {{S::LastVisit, a, {}}, "WA 12345 · Opel Astra · Jan Kowalski – matches the last visit"},
        {{S::Chosen, b, {}}, "KR 1"},
        {{S::Unknown, {}, {}}, "Unknown car – choose or add it"},
        {{S::SeveralCars, {}, {a, b}},
         "Settings as at the last visit of several cars: WA 12345, KR 1 – choose one"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text::carLine(c.line, english()), QString::fromUtf8(c.text));
}

}  // namespace
