// The `kvs` tool on data files written by the program's own file code: its
// entry point with captured output, and the built tool run once as a
// fitter's script would.

#include "KvsTool.h"
#include "QtPrinters.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsFileIo.h"
#include "sim/SettingsImage.h"

#include <gtest/gtest.h>

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

using namespace brivel;
using Image = sim::SettingsImage;

namespace {

struct Result {
    int code;
    QString out;
    QString err;
};

Result kvsRun(const QStringList& args)
{
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    const int code = kvs::run(args, o, e);
    return {code, out, err};
}

class KvsToolTest : public ::testing::Test {
protected:
    KvsToolTest()
    {
        car.setFaultMemory(QByteArray("\x03\x00\x07\x2A", 4));
        car.set(Image::LevelThresholds, 36);
        save("car.kvs", car.reply(0x66));
    }

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void save(const char* name, const QByteArray& image)
    {
        ASSERT_TRUE(settings::datafile::save(path(name), image, 17).isEmpty());
    }
    void write(const char* name, const QByteArray& bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    Image car;
};

TEST_F(KvsToolTest, ShowPrintsSettingsInWordsStoredFaultsAndTheMap)
{
    const Result r = kvsRun({QStringLiteral("show"), path("car.kvs")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    for (const char* expected :
         {"Firmware version: 3.07.07", "No. of Cylinders", "4 cyl.", "Level sensor, threshold 1",
          "0.71 V", "Max. RPM on gas", " rpm", "Engine Type", "Standard", "Fuel Type", "LPG",
          "Old Errors", "1 - LPG pressure too high", "2 - Injector Error : 1 2 3 4", "\n  42\n",
          "Map", "   1.0 1.40 1.40", "  25.0 1.11 1.11"}) {
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                 << r.out.toStdString();
    }
}

TEST_F(KvsToolTest, ShowSpeaksTheChosenLanguageWithItsDecimalSeparator)
{
    const Result pl = kvsRun(
        {QStringLiteral("--lang"), QStringLiteral("pl"), QStringLiteral("show"), path("car.kvs")});
    ASSERT_EQ(pl.code, 0);
    EXPECT_TRUE(pl.out.contains(QStringLiteral("Ilość cylindrów")));
    EXPECT_TRUE(pl.out.contains(QStringLiteral("Czujnik poziomu, próg 1")));
    EXPECT_TRUE(pl.out.contains(QStringLiteral("0,71 V")));
    EXPECT_TRUE(pl.out.contains(QStringLiteral("Cisnienie gazu za wysokie")));
    const Result de =
        kvsRun({QStringLiteral("show"), QStringLiteral("--lang=de"), path("car.kvs")});
    EXPECT_TRUE(de.out.contains(QStringLiteral("Firmware-Version: 3.07.07")));
    EXPECT_TRUE(de.out.contains(QStringLiteral("LPG Druck zu hoch")));
    const Result cz =
        kvsRun({QStringLiteral("show"), QStringLiteral("--lang=cz"), path("car.kvs")});
    EXPECT_TRUE(cz.out.contains(QStringLiteral("Tlak plynu je vysoký")));
}

TEST_F(KvsToolTest, ShowAsJsonGivesRawValuesNumbersAndTheMap)
{
    const Result r = kvsRun({QStringLiteral("show"), QStringLiteral("--json"), path("car.kvs")});
    ASSERT_EQ(r.code, 0);
    const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(doc[QStringLiteral("firmware")].toString(), QStringLiteral("3.07.07"));
    EXPECT_EQ(doc[QStringLiteral("image_size")].toInt(), 602);
    QJsonObject threshold;
    for (const QJsonValue v : doc[QStringLiteral("settings")].toArray())
        if (v[QStringLiteral("key")].toString() == QLatin1String("level_threshold_1"))
            threshold = v.toObject();
    EXPECT_EQ(threshold[QStringLiteral("raw")].toInt(), 36);
    EXPECT_NEAR(threshold[QStringLiteral("number")].toDouble(), 36 / 51.0, 1e-9);
    EXPECT_EQ(threshold[QStringLiteral("unit")].toString(), QStringLiteral("V"));
    const QJsonObject faults = doc[QStringLiteral("stored_faults")].toObject();
    EXPECT_TRUE(faults[QStringLiteral("held")].toBool());
    EXPECT_EQ(faults[QStringLiteral("codes")].toArray(), (QJsonArray{3, 0, 7, 42}));
    ASSERT_EQ(doc[QStringLiteral("map")].toArray().size(), 246);
    EXPECT_EQ(doc[QStringLiteral("map")].toArray()[0].toInt(), car.at(Image::Map));
}

TEST_F(KvsToolTest, AFileWithoutTheFaultMemorySaysWhatItHolds)
{
    // The image of a controller that keeps no fault memory behind its settings.
    QByteArray shortImage = car.reply(0x66).left(565);
    shortImage[1] = 0x02;
    shortImage[2] = 0x35;
    save("short.kvs", shortImage);
    const Result r = kvsRun({QStringLiteral("show"), path("short.kvs")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(
        "The file holds no fault memory: it ends at byte 563 of the settings image.")))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("No. of Cylinders")));
}

struct Damage {
    const char* name;
    QByteArray (*make)(const QByteArray& good);
    const char* message;
};

class DamagedFile : public KvsToolTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, IsAClearErrorWithExitCode2ForShowAndDiff)
{
    QFile good(path("car.kvs"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    const char* name = "damaged.kvs";
    if (GetParam().make)
        write(name, GetParam().make(bytes));
    for (const QStringList& args :
         {QStringList{QStringLiteral("show"), path(name)},
          QStringList{QStringLiteral("diff"), path("car.kvs"), path(name)},
          QStringList{QStringLiteral("show"), QStringLiteral("--json"), path(name)}}) {
        const Result r = kvsRun(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("kvs: ") + path(name) + QStringLiteral(": ")));
        EXPECT_TRUE(r.err.contains(QLatin1String(GetParam().message))) << r.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFile,
    ::testing::Values(
        Damage{"ForeignMagic",
               [](const QByteArray& b) { return QByteArray(b).replace(0, 4, "XVOS"); },
               "not a settings data file"},
        Damage{"CutShort", [](const QByteArray& b) { return b.left(1100); }, "Data file error"},
        Damage{"Empty", [](const QByteArray&) { return QByteArray(); }, "Data file error"},
        Damage{"Missing", nullptr, ""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(KvsToolTest, DiffListsWhatDiffersAndExitsLikeDiff)
{
    Image other = car;
    other.set(Image::CylinderCount, 3);
    other.set(Image::SwitchOverGasTemp, 50);
    other.set(Image::Map + 5, 99);
    other.set(Image::CylinderMask, 0x3F);
    save("other.kvs", other.reply(0x66));

    const Result same = kvsRun({QStringLiteral("diff"), path("car.kvs"), path("car.kvs")});
    EXPECT_EQ(same.code, 0);
    EXPECT_TRUE(same.out.isEmpty());

    const Result r = kvsRun({QStringLiteral("diff"), path("car.kvs"), path("other.kvs")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, QStringLiteral("Active Inj. LPG: 1 2 3 4 -> 1 2 3 4 5 6\n"
                                    "No. of Cylinders: 4 cyl. -> 6 cyl.\n"
                                    "Temperature: 35 °C -> 50 °C\n"
                                    "Map: 1.10 – 1.40 -> 0.99 – 1.40 (1 of 246 points differ)\n"
                                    "  Map entries 6: largest change -29.3 % at entry 6\n"))
        << r.out.toStdString();

    const Result json = kvsRun(
        {QStringLiteral("diff"), QStringLiteral("--json"), path("car.kvs"), path("other.kvs")});
    EXPECT_EQ(json.code, 1);
    const QJsonArray items = QJsonDocument::fromJson(json.out.toUtf8())
                                 .object()[QStringLiteral("differences")]
                                 .toArray();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[1][QStringLiteral("key")].toString(), QStringLiteral("cylinder_count"));
    EXPECT_EQ(items[1][QStringLiteral("b")].toString(), QStringLiteral("6 cyl."));
}

TEST_F(KvsToolTest, DiffSaysWhichMapEntriesDifferAndTheLargestChange)
{
    // Entries are numbered from 1; entry k is at Image::Map + k - 1.
    Image before = car;
    Image after = car;
    for (int entry = 1; entry <= 246; ++entry)
        before.set(Image::Map + entry - 1, 100);
    for (int entry = 1; entry <= 246; ++entry)
        after.set(Image::Map + entry - 1, entry >= 12 && entry <= 40   ? 105
                                          : entry >= 77 && entry <= 80 ? 90
                                                                       : 100);
    after.set(Image::Map + 31 - 1, 114);
    save("before.kvs", before.reply(0x66));
    save("after.kvs", after.reply(0x66));

    const struct {
        const char* lang;
        const char* line;
    } languages[] = {
        {"en", "  Map entries 12–40, 77–80: largest change +14.0 % at entry 31\n"},
        {"de", "  Kennfeldeinträge 12–40, 77–80: größte Änderung +14,0 % bei Eintrag 31\n"},
        {"pl", "  Punkty mapy 12–40, 77–80: największa zmiana +14,0% w punkcie 31\n"},
        {"cz", "  Body mapy 12–40, 77–80: největší změna +14,0 % v bodě 31\n"},
    };
    for (const auto& l : languages) {
        const Result r = kvsRun({QStringLiteral("diff"), QStringLiteral("--lang"),
                                 QLatin1String(l.lang), path("before.kvs"), path("after.kvs")});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.out.endsWith(QString::fromUtf8(l.line))) << l.lang << '\n'
                                                               << r.out.toStdString();
    }

    const Result json = kvsRun(
        {QStringLiteral("diff"), QStringLiteral("--json"), path("before.kvs"), path("after.kvs")});
    EXPECT_EQ(json.code, 1);
    const QJsonArray items = QJsonDocument::fromJson(json.out.toUtf8())
                                 .object()[QStringLiteral("differences")]
                                 .toArray();
    ASSERT_EQ(items.size(), 1);
    const QJsonObject map = items[0].toObject();
    EXPECT_EQ(map[QStringLiteral("key")].toString(), QStringLiteral("injection_map"));
    EXPECT_EQ(
        map[QStringLiteral("entries")].toArray(),
        (QJsonArray{QJsonObject{{QStringLiteral("first"), 12}, {QStringLiteral("last"), 40}},
                    QJsonObject{{QStringLiteral("first"), 77}, {QStringLiteral("last"), 80}}}));
    EXPECT_EQ(map[QStringLiteral("largest_change")].toObject(),
              (QJsonObject{{QStringLiteral("entry"), 31},
                           {QStringLiteral("a"), 100},
                           {QStringLiteral("b"), 114},
                           {QStringLiteral("percent"), 14.0}}));
}

TEST(KvsTool, AWrongCommandLineShowsTheUsageWithExitCode2)
{
    for (const QStringList& args : {QStringList{}, QStringList{QStringLiteral("show")},
                                    QStringList{QStringLiteral("diff"), QStringLiteral("a.kvs")},
                                    QStringList{QStringLiteral("cat"), QStringLiteral("a.kvs")},
                                    QStringList{QStringLiteral("show"), QStringLiteral("--lang"),
                                                QStringLiteral("ru"), QStringLiteral("a.kvs")},
                                    QStringList{QStringLiteral("show"), QStringLiteral("--verbose"),
                                                QStringLiteral("a.kvs")}}) {
        const Result r = kvsRun(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }
}

// The built tool, as a script runs it.
TEST_F(KvsToolTest, TheBuiltToolExitsWithTheCodeAndPrintsTheDifferences)
{
    Image other = car;
    other.set(Image::SwitchOverGasTemp, 50);
    save("other.kvs", other.reply(0x66));
    QProcess kvs;
    kvs.start(QStringLiteral(KVS_EXECUTABLE),
              {QStringLiteral("diff"), QStringLiteral("--lang"), QStringLiteral("pl"),
               path("car.kvs"), path("other.kvs")});
    ASSERT_TRUE(kvs.waitForFinished(30000));
    EXPECT_EQ(kvs.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kvs.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(kvs.readAllStandardOutput()),
              QStringLiteral("Temperatura: 35 °C -> 50 °C\n"));
}

TEST_F(KvsToolTest, ReportWritesThePdfOfAFileAndRefusesACarWithoutTheLibrary)
{
    // The tool as a script runs it: no display, a settings store of its own.
    const QString pdf = path("report.pdf");
    QProcess kvs;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    kvs.setProcessEnvironment(env);
    kvs.start(QStringLiteral(KVS_EXECUTABLE),
              {QStringLiteral("report"), QStringLiteral("--lang"), QStringLiteral("de"),
               path("car.kvs"), QStringLiteral("-o"), pdf});
    ASSERT_TRUE(kvs.waitForFinished(30000));
    EXPECT_EQ(kvs.exitCode(), 0) << kvs.readAllStandardError().toStdString();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    if (text.waitForFinished(30000) && text.exitCode() == 0) {
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* expected :
             {"Servicebericht", "Einstellungen", "Gespeicherte Fehler", "3.07.07"})
            EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected;
    }

    const Result named =
        kvsRun({QStringLiteral("report"), QStringLiteral("--car"), QStringLiteral("WX1234A"),
                path("car.kvs"), QStringLiteral("-o"), path("car.pdf")});
    EXPECT_EQ(named.code, kvs::Trouble);
    // No car of that plate in the library: nothing is written.
    EXPECT_TRUE(named.err.contains(QStringLiteral("WX1234A"))) << named.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("car.pdf")));

    for (const QStringList& wrong :
         {QStringList{QStringLiteral("report"), path("car.kvs")},
          QStringList{QStringLiteral("report"), path("car.kvs"), QStringLiteral("-o")},
          QStringList{QStringLiteral("report"), path("car.kvs"), QStringLiteral("--car")}}) {
        const Result r = kvsRun(wrong);
        EXPECT_EQ(r.code, kvs::Trouble) << wrong.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage"))) << r.err.toStdString();
    }
}

}  // namespace

TEST_F(KvsToolTest, ShowWritesThousandsWithoutASeparatorThatReadsAsADecimalOne)
{
    // 1500 rpm and 12000 rpm: "1.500" is one and a half in English and
    // "1,500" in German and Polish.
    car.set(Image::SwitchOverRpm, 15);
    car.set(Image::MaxRpmOnGas, 120);
    save("rpm.kvs", car.reply(0x66));
    for (const char* lang : {"de", "en", "pl", "cz"}) {
        SCOPED_TRACE(lang);
        const Result r = kvsRun({QStringLiteral("show"), QStringLiteral("--lang"),
                                 QLatin1String(lang), path("rpm.kvs")});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral(" 1500 rpm\n"))) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral(" 12000 rpm\n"))) << r.out.toStdString();
    }
}
