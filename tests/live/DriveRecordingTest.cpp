#include "QtPrinters.h"
#include "ReplyFrames.h"
#include "live/DriveRecordFormat.h"
#include "live/DriveRecording.h"
#include "live/LiveFrame.h"

#include <gtest/gtest.h>

#include <QtCore/QLocale>

#include <optional>
#include <vector>

using namespace brivel;

namespace {

// A frame from an active controller whose engine speed tells frames apart.
QByteArray numbered(int k)
{
    return test::liveFrame({{4, 1}, {21, k % 256}, {36, k % 256}});
}

QList<QByteArray> fields(const QByteArray& line)
{
    QByteArray text = line;
    const QByteArray mark(record::ByteOrderMark);
    if (text.startsWith(mark))
        text.remove(0, mark.size());
    EXPECT_TRUE(text.endsWith(record::LineEnd));
    text.chop(2);
    return text.split(record::Separator);
}

// Numbers are written with a decimal point whatever the user's locale; the
// tests run under one that writes a decimal comma.
class DecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    }
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

}  // namespace

// ---- Writing ----

class RecordFormatTest : public DecimalCommaLocale {};

TEST_F(RecordFormatTest, HeaderNamesEveryColumnWithItsUnit)
{
    const QList<QByteArray> header = fields(record::headerLine());
    ASSERT_EQ(header.size(), record::columnCount());
    EXPECT_TRUE(record::headerLine().startsWith(record::ByteOrderMark));
    EXPECT_EQ(header.first(), "time [s]");
    EXPECT_EQ(header.last(), "frame [hex]");
    int withUnit = 0;
    for (const QByteArray& name : header)
        withUnit += name.contains('[') && name.endsWith(']');
    // All but the sample index and the map selector, which have none.
    EXPECT_EQ(withUnit, record::columnCount() - 2);
    EXPECT_TRUE(
        header.contains(QByteArray("gas temperature [\xC2\xB0"
                                   "C]")));
}

struct FieldCase {
    const char* column;
    std::vector<std::pair<int, int>> bytes;
    const char* text;
};

class FrameColumnTest : public DecimalCommaLocale,
                        public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FrameColumnTest, ReadingIsWrittenAsTheGaugesScaleIt)
{
    const FieldCase& c = GetParam();
    QByteArray frame = test::liveFrame({{4, 1}});
    for (const auto& [offset, value] : c.bytes)
        frame[offset] = static_cast<char>(value);
    frame = test::sealed(frame);

    const QList<QByteArray> header = fields(record::headerLine());
    const QList<QByteArray> row = fields(record::frameLine(83'456, frame));
    ASSERT_EQ(row.size(), header.size()) << "a decimal comma would add columns";
    const qsizetype column = header.indexOf(QByteArray(c.column));
    ASSERT_GE(column, 0) << c.column;
    EXPECT_EQ(row[column], QByteArray(c.text)) << c.column;
    EXPECT_EQ(row.first(), "83.456");
    EXPECT_EQ(row.last(), frame.toHex().toUpper());
}

INSTANTIATE_TEST_SUITE_P(
    RecordFormat, FrameColumnTest,
    ::testing::Values(FieldCase{"engine speed [rpm]", {{21, 35}}, "3500"},
                      FieldCase{"manifold pressure [kPa]", {{25, 0}, {26, 101}}, "101"},
                      FieldCase{"gas pressure [bar]", {{23, 0}, {24, 120}}, "1.20"},
                      FieldCase{"petrol time 1 [ms]", {{6, 29}, {7, 1}}, "28.5"},
                      FieldCase{"petrol time 8 [ms]", {{53, 40}}, "4.0"},
                      FieldCase{"gas time [ms]", {{18, 0}, {19, 12}, {20, 100}}, "3.20000"},
                      FieldCase{"reducer temperature [\xC2\xB0"
                                "C]",
                                {{32, 0xF6}},
                                "-10"},
                      FieldCase{"lambda 1 [V]", {{22, 40}}, "0.7840"},
                      FieldCase{"battery [V]", {{29, 200}}, "12.97"},
                      FieldCase{"tank sensor [V]", {{30, 255}}, "4.9980"},
                      FieldCase{"tank level [1/4]", {{31, 3}}, "3"},
                      FieldCase{"controller active [0/1]", {{4, 0}}, "0"},
                      FieldCase{"fuel [PB/LPG]", {{5, 1}}, "LPG"},
                      FieldCase{"fuel [PB/LPG]", {{5, 0}}, "PB"},
                      FieldCase{"fault flags 1 [hex]", {{34, 0xF7}}, "0xF7"},
                      FieldCase{"injector faults [hex]", {{35, 0x0A}}, "0x0A"},
                      FieldCase{"fault flags 2 [hex]", {{48, 0xFE}}, "0xFE"},
                      FieldCase{"sample index", {{36, 200}}, "200"},
                      FieldCase{"map selector", {{47, 3}}, "3"}));

TEST_F(RecordFormatTest, SettingsRowCarriesTheImageAndLeavesTheReadingsEmpty)
{
    const QByteArray image = test::settingsReply();
    const QList<QByteArray> row = fields(record::settingsLine(0, image));
    ASSERT_EQ(row.size(), record::columnCount());
    EXPECT_EQ(row.first(), "0.000");
    EXPECT_EQ(QByteArray::fromHex(row.last()), image);
    for (qsizetype i = 1; i + 1 < row.size(); ++i)
        EXPECT_TRUE(row[i].isEmpty()) << i;
}

TEST(RecordFormat, TimesAndNames)
{
    EXPECT_EQ(record::seconds(0), "0.000");
    EXPECT_EQ(record::seconds(1234), "1.234");
    EXPECT_EQ(record::seconds(3'600'005), "3600.005");
    EXPECT_EQ(record::clockText(0), QStringLiteral("0:00"));
    EXPECT_EQ(record::clockText(65'999), QStringLiteral("1:05"));
    EXPECT_EQ(record::clockText(3'723'000), QStringLiteral("1:02:03"));
    EXPECT_EQ(record::fileName(QDateTime(QDate(2024, 5, 7), QTime(9, 3, 2))),
              QStringLiteral("brivel_2024-05-07_09-03-02.csv"));
}

// ---- Reading ----

namespace {

QByteArray recordingText(int frames, qint64 stepMs = 320)
{
    QByteArray text = record::headerLine() + record::settingsLine(0, test::settingsReply());
    for (int k = 0; k < frames; ++k)
        text += record::frameLine(240 + k * stepMs, numbered(k));
    return text;
}

}  // namespace

TEST(DriveRecording, ReadsBackEveryFrameTheImageAndTheTimes)
{
    const DriveRecording recording = DriveRecording::parse(recordingText(5));
    ASSERT_EQ(recording.frameCount(), 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(recording.frame(k), numbered(k));
        EXPECT_EQ(recording.timeMs(k), 240 + k * 320);
    }
    EXPECT_EQ(recording.settingsImage(), test::settingsReply());
    EXPECT_EQ(recording.startMs(), 240);
    EXPECT_EQ(recording.endMs(), 240 + 4 * 320);
    EXPECT_EQ(recording.indexAt(239), -1);
    EXPECT_EQ(recording.indexAt(240), 0);
    EXPECT_EQ(recording.indexAt(559), 0);
    EXPECT_EQ(recording.indexAt(560), 1);
    EXPECT_EQ(recording.indexAt(1'000'000), 4);
}

struct DamageCase {
    const char* name;
    QByteArray text;
    std::vector<qint64> times;  // of the frames read back, in order
};

class DamagedRecordingTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedRecordingTest, ReplaysWhatIsWhole)
{
    const DamageCase& c = GetParam();
    const DriveRecording recording = DriveRecording::parse(c.text);
    std::vector<qint64> times;
    for (int k = 0; k < recording.frameCount(); ++k) {
        times.push_back(recording.timeMs(k));
        EXPECT_EQ(live::classify(recording.frame(k)), live::FrameUse::Decode);
    }
    EXPECT_EQ(times, c.times);
}

namespace {

QByteArray row(qint64 ms, const QByteArray& frame)
{
    return record::frameLine(ms, frame);
}

QByteArray cutAt(const QByteArray& text, qsizetype fromEnd)
{
    return text.left(text.size() - fromEnd);
}

QByteArray withLf(QByteArray text)
{
    return text.replace("\r\n", "\n");
}

const QByteArray Header = record::headerLine();
const QByteArray Two = Header + row(1000, numbered(1)) + row(2000, numbered(2));

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    DriveRecording, DamagedRecordingTest,
    ::testing::Values(
        DamageCase{"Whole", Two, {1000, 2000}},
        DamageCase{"CutInTheLastFrame", cutAt(Two, 20), {1000}},
        DamageCase{"CutRightAfterTheLastFrame", cutAt(Two, 2), {1000, 2000}},
        DamageCase{"CutInTheTimeOfTheLastRow",
                   Header + row(1000, numbered(1)) + QByteArray("2.0"),
                   {1000}},
        DamageCase{"LineFeedsOnly", withLf(Two), {1000, 2000}},
        DamageCase{"NoHeader", row(1000, numbered(1)), {1000}},
        DamageCase{"EmptyFile", QByteArray(), {}}, DamageCase{"JustTheHeader", Header, {}},
        DamageCase{"GarbageBetweenRows",
                   Header + row(1000, numbered(1)) + "x,y,z\r\n,,\r\n\r\n\xFF\xFE\r\n" +
                       row(2000, numbered(2)),
                   {1000, 2000}},
        DamageCase{"TimeWithACommaOrNoDigits",
                   Header + "1;5,AA\r\n-1.000," + numbered(1).toHex() + "\r\n.5," +
                       numbered(1).toHex() + "\r\n" + row(2000, numbered(2)),
                   {2000}},
        DamageCase{"BadHex",
                   Header + "1.000," + numbered(1).toHex().replace(10, 1, "G") + "\r\n" +
                       row(2000, numbered(2)),
                   {2000}},
        DamageCase{"LengthFieldDisagrees",
                   Header + "1.000," + numbered(1).toHex() + "00\r\n" + row(2000, numbered(2)),
                   {2000}},
        DamageCase{"TooShortForAFrame",
                   Header + "1.000," + test::replyFrame(0x55, 20).toHex() + "\r\n" +
                       row(2000, numbered(2)),
                   {2000}},
        DamageCase{
            "StepBackInTimeKeepsItsPlace",
            Header + row(3000, numbered(1)) + row(2000, numbered(2)) + row(4000, numbered(3)),
            {3000, 3000, 4000}},
        DamageCase{"JustTimeAndFrame",
                   QByteArray("0.5,") + numbered(1).toHex() + "\n1.25," + numbered(2).toHex(),
                   {500, 1250}},
        DamageCase{
            "MoreThanThreeDecimals", QByteArray("1.23456,") + numbered(1).toHex() + "\n", {1234}}),
    [](const ::testing::TestParamInfo<DamageCase>& c) { return c.param.name; });

TEST(DriveRecording, OnlyTheImageBeforeTheFirstFrameIsTheHandshakes)
{
    const QByteArray later = test::settingsReply(0x66, 3, 7, 8);
    const DriveRecording recording =
        DriveRecording::parse(Header + row(1000, numbered(1)) + record::settingsLine(1500, later));
    EXPECT_TRUE(recording.settingsImage().isEmpty());
    EXPECT_EQ(recording.frameCount(), 1);
}

TEST(DriveRecording, AFileThatIsNotThereGivesNothing)
{
    EXPECT_FALSE(DriveRecording::load(QStringLiteral("/nonexistent/drive.csv")).has_value());
}
