// A car's history in words: what each point changed, the timeline, the
// comparison of two points, and points as settings data files.

#include "LibraryFixture.h"
#include "QtPrinters.h"
#include "cars/History.h"
#include "i18n/MessageTable.h"
#include "settings/BlockLayout.h"
#include "settings/SettingsFileIo.h"

#include <gtest/gtest.h>

#include <QtCore/QTemporaryDir>

using namespace brivel;
using namespace brivel::cars;
using brivel::test::carImage;
using settings::Field;

namespace {

settings::MessageLookup language(int column)
{
    static const MessageTable table;
    return [column](msg::Row row) { return table.text(row, column); };
}

const QLocale C = QLocale::c();

RestorePoint pointOf(const QByteArray& image, qint64 seconds,
                     PointReason reason = PointReason::Connect)
{
    return makePoint(image, reason, QDateTime::fromSecsSinceEpoch(1741787100 + seconds, Qt::UTC),
                     {QStringLiteral("1.01"), QStringLiteral("pc")});
}

QByteArray withMap(QByteArray image, int changed)
{
    const int map = settings::offsetOf(Field::InjectionMap);
    for (int k = 0; k < changed; ++k)
        image[map + k] = static_cast<char>(static_cast<quint8>(image[map + k]) + 1);
    return image;
}

QByteArray with(QByteArray image, Field field, quint8 value)
{
    image[settings::offsetOf(field)] = static_cast<char>(value);
    return image;
}

TEST(PointSummary, NamesEachChangeInTheFittersWords)
{
    const QByteArray base = carImage(110);
    const RestorePoint first = pointOf(base, 0);
    const struct {
        const char* name;
        QByteArray after;
        const char* english;
    } cases[] = {
        {"unchanged", base, "settings unchanged"},
        {"pressure and map", withMap(carImage(125), 37),
         "P. Work 1.10 → 1.25 bar, Map 37 of 246 points"},
        {"faults only", carImage(110, "\x03\x01"), "Old Errors none → 2"},
        {"firmware", with(base, Field::VersionMinor, 0x08), "Firmware version 3.07.07 → 3.08.07"},
        {"many",
         with(with(with(withMap(carImage(125), 1), Field::SwitchOverRpm, 27), Field::MaxRpmOnGas,
                   63),
              Field::SwitchOverGasTemp, 44),
         "RPM for switching to gas"},
    };
    for (const auto& c : cases) {
        const QString summary =
            pointSummary(&first, pointOf(c.after, 60), language(MessageTable::English), C);
        EXPECT_TRUE(summary.contains(QString::fromUtf8(c.english)))
            << c.name << ": " << summary.toStdString();
    }
    EXPECT_EQ(pointSummary(nullptr, first, language(MessageTable::English), C),
              QStringLiteral("first point"));
    const QString many =
        pointSummary(&first,
                     pointOf(with(with(with(withMap(carImage(125), 1), Field::SwitchOverRpm, 27),
                                       Field::MaxRpmOnGas, 63),
                                  Field::SwitchOverGasTemp, 44),
                             60),
                     language(MessageTable::English), C, 2);
    EXPECT_TRUE(many.endsWith(QStringLiteral(", and 3 more"))) << many.toStdString();
    EXPECT_EQ(pointSummary(&first, pointOf(withMap(carImage(125), 37), 60),
                           language(MessageTable::Polish), QLocale(QLocale::Polish)),
              QStringLiteral("P. pracy 1,10 → 1,25 bar, Mapa 37 z 246 punktów"));
}

TEST(Timeline, ListsEverythingNewestFirstWithEachPointsChanges)
{
    CarHistory h;
    h.car = Car{newRecordId(), QStringLiteral("WA 12345"), {}, {}, {}, {}, {}, {}, {}};
    h.points = {pointOf(carImage(110, "\x03"), 0),
                pointOf(carImage(125, "\x03"), 600, PointReason::DisconnectKeep)};
    h.faults = {FaultSnapshot{
        newRecordId(), h.car.id, h.points[0].time, FaultMoment::AtConnect, h.points[0].image, {}}};
    h.adaptations = {AdaptationEntry{newRecordId(),
                                     h.car.id,
                                     h.points[0].time.addSecs(120),
                                     40,
                                     137,
                                     false,
                                     QStringLiteral("\r\nMultiplier: 1.37\r\nOK"),
                                     {},
                                     {}}};
    h.recordings = {RecordingEntry{newRecordId(),
                                   h.car.id,
                                   QStringLiteral("/r/jazda.csv"),
                                   h.points[0].time.addSecs(300),
                                   125000,
                                   {}}};
    const QList<TimelineEntry> t = timeline(h, language(MessageTable::English), C);
    ASSERT_EQ(t.size(), 5);
    using K = TimelineEntry::Kind;
    const QList<K> kinds{t[0].kind, t[1].kind, t[2].kind, t[3].kind, t[4].kind};
    EXPECT_EQ(kinds, (QList<K>{K::Point, K::Recording, K::Adaptation, K::Point, K::Faults}));
    EXPECT_EQ(t[0].title, QStringLiteral("Before disconnecting"));
    EXPECT_EQ(t[0].detail, QStringLiteral("P. Work 1.10 → 1.25 bar"));
    EXPECT_EQ(t[1].title, QStringLiteral("Drive recording (2:05)"));
    EXPECT_EQ(t[1].detail, QStringLiteral("/r/jazda.csv"));
    EXPECT_EQ(t[2].title,
              QStringLiteral("Calibration: multiplier 1.37, not written into the controller"));
    EXPECT_EQ(t[2].detail, QStringLiteral("Multiplier: 1.37; OK"));
    EXPECT_EQ(t[3].detail, QStringLiteral("first point"));
    EXPECT_EQ(t[4].title, QStringLiteral("Stored faults at connection"));
    EXPECT_TRUE(t[4].detail.contains(QStringLiteral("pressure too high")))
        << t[4].detail.toStdString();
}

TEST(Comparison, ShowsWhatTheSecondPointHoldsUnderBothPointsNames)
{
    const RestorePoint a = pointOf(carImage(110), 0);
    const RestorePoint b = pointOf(withMap(carImage(125), 5), 60, PointReason::Manual);
    const auto c = comparison(a, b, language(MessageTable::English), C);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[0].controller, QStringLiteral("1.10 bar"));
    EXPECT_EQ(c.lines[0].file, QStringLiteral("1.25 bar"));
    EXPECT_EQ(c.lines[1].detail, QStringLiteral("5 of 246 points differ"));
    EXPECT_TRUE(c.columns[1].startsWith(QStringLiteral("Connection, ")));
    EXPECT_TRUE(c.columns[2].startsWith(QStringLiteral("Kept by hand, ")));
    EXPECT_TRUE(c.send.isEmpty());
    EXPECT_TRUE(c.mapBefore && c.mapAfter);
    EXPECT_TRUE(comparison(a, a, language(MessageTable::English), C).lines.empty());
}

TEST(PointFile, ExportedPointImportsAsTheSameImage)
{
    QTemporaryDir dir;
    const RestorePoint point = pointOf(carImage(133, QByteArray("\x05\x00\x02", 3)), 17);
    const QString file = dir.filePath(QStringLiteral("point.kvs"));
    ASSERT_EQ(exportPoint(point, file), QString());
    const Imported back = importPoint(file, QStringLiteral("car"), point.time.addDays(1));
    ASSERT_TRUE(back.point) << back.error.toStdString();
    EXPECT_EQ(back.point->image, point.image);
    EXPECT_EQ(back.point->reason, PointReason::ImportedFile);
    EXPECT_EQ(back.point->carId, QStringLiteral("car"));
    EXPECT_EQ(back.point->controllerVersion, QStringLiteral("3.07.07"));

    const Imported broken = importPoint(dir.filePath(QStringLiteral("none.kvs")), {}, {});
    EXPECT_FALSE(broken.point);
    EXPECT_FALSE(broken.error.isEmpty());
}

TEST(FindPoint, TakesAnIdItsUniqueStartOrTheNewest)
{
    CarHistory h;
    EXPECT_FALSE(findPoint(h, QString()));
    h.points = {pointOf(carImage(100), 0), pointOf(carImage(101), 1), pointOf(carImage(102), 2)};
    h.points[0].id = QStringLiteral("abc00000-0000-0000-0000-000000000001");
    h.points[1].id = QStringLiteral("abd00000-0000-0000-0000-000000000002");
    h.points[2].id = QStringLiteral("ffe00000-0000-0000-0000-000000000003");
    EXPECT_EQ(findPoint(h, QString())->id, h.points[2].id);
    EXPECT_EQ(findPoint(h, QStringLiteral("ABD"))->id, h.points[1].id);
    EXPECT_EQ(findPoint(h, h.points[0].id)->id, h.points[0].id);
    EXPECT_FALSE(findPoint(h, QStringLiteral("ab")));
    EXPECT_FALSE(findPoint(h, QStringLiteral("x")));
}

}  // namespace
