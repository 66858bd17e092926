#include "BlockBuilder.h"
#include "TestOutput.h"
#include "i18n/MessageTable.h"
#include "live/LiveFrame.h"
#include "report/ServiceReport.h"
#include "report/SettingsSheet.h"
#include "report/qt/PdfReport.h"
#include "settings/StoredFaults.h"

#include <QtCore/QDir>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QStandardPaths>

#include <gtest/gtest.h>

using namespace brivel;
using namespace brivel::report;
using settings::Field;
using settings::offsetOf;

namespace {

const MessageTable& table()
{
    static const MessageTable t;
    return t;
}

struct Language {
    const char* code;
    int column;
    QLocale locale;
};

const Language Languages[] = {
    {"de", MessageTable::German, QLocale(QLocale::German)},
    {"en", MessageTable::English, QLocale::c()},
    {"pl", MessageTable::Polish, QLocale(QLocale::Polish)},
    {"cz", MessageTable::Czech, QLocale(QLocale::Czech)},
};

settings::MessageLookup lookup(int column)
{
    return [column](msg::Row row) { return table().text(row, column); };
}

// A car as a workshop sets one up: 4 cylinders, two of them on gas so far,
// turbo, sequential switch-over, a few stored faults.
QByteArray workshopImage()
{
    QByteArray image = test::settingsBlock({
        {offsetOf(Field::VersionMajor), 3},       {offsetOf(Field::VersionMinor), 7},
        {offsetOf(Field::VersionPatch), 7},       {offsetOf(Field::ActiveGasCylinders), 0x0F},
        {offsetOf(Field::RpmPulseSource), 3},     {offsetOf(Field::CylinderCount), 1},
        {offsetOf(Field::SwitchOverRpm), 15},     {offsetOf(Field::MaxRpmOnGas), 65},
        {offsetOf(Field::LevelThreshold1), 40},   {offsetOf(Field::LevelThreshold2), 80},
        {offsetOf(Field::LevelThreshold3), 120},  {offsetOf(Field::LevelThreshold4), 160},
        {offsetOf(Field::ReducerTempSensor), 1},  {offsetOf(Field::GasTempSensor), 1},
        {offsetOf(Field::PressureSensor), 4},     {offsetOf(Field::Turbo), 0x08 | 0x02},
        {offsetOf(Field::SwitchOverGasTemp), 45}, {offsetOf(Field::WorkingPressure), 120},
        {offsetOf(Field::MinimumPressure), 70},   {offsetOf(Field::PressureErrorTime), 30},
        {offsetOf(Field::SwitchOverTime), 20},    {offsetOf(Field::CylinderSequenceDelay), 12},
        {offsetOf(Field::GasInjectorType), 0x08}, {offsetOf(Field::FaultMemory), 0x02},
        {offsetOf(Field::FaultMemory) + 1, 0x05}, {offsetOf(Field::FaultMemory) + 2, 0x00},
        {offsetOf(Field::FaultMemory) + 3, 0x04},
    });
    for (int k = 0; k < settings::MapEntries; ++k)
        image[offsetOf(Field::InjectionMap) + k] = static_cast<char>(100 + (k * 40) / 245);
    return image;
}

ReportInput input(const QByteArray& image, int column)
{
    ReportInput in;
    in.settingsImage = image;
    in.currentFaultText = live::currentFaultText(0xFF & ~0x10, 0xFF & ~0x04, 0xFF, lookup(column));
    for (int i = 0; i <= 20; ++i) {
        in.gasCurve.push_back({2.0 + i, 30.0 + 3 * i, map::colours::Green});
        in.petrolCurve.push_back({2.0 + i, 28.0 + 3.2 * i, map::colours::Red});
    }
    in.car = {QStringLiteral("WX 1234A"), QStringLiteral("TMBJJ7NE8J0123456"),
              QStringLiteral("Škoda Octavia 1.4 TSI"), QStringLiteral("Jan Kowalski")};
    in.workshop = {QStringLiteral("Auto-Gaz Nowak"), QStringLiteral("ul. Długa 5, 00-001 Warszawa"),
                   QStringLiteral("+48 22 123 45 67"), QStringLiteral("Piotr Nowak")};
    in.adaptation = AdaptationSummary{QDateTime(QDate(2026, 3, 1), QTime(10, 20)), 135, 40,
                                      QStringLiteral("dysze ok,ciśnienie ok")};
    in.notes = QStringLiteral("Filter replaced; reducer checked for leaks.");
    in.createdAt = QDateTime(QDate(2026, 3, 1), QTime(14, 5));
    return in;
}

QString simplified(const QString& s)
{
    return s.simplified();
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The PDF's text in the order it was written (a layout of its own would
// take "1 2 3 4" standing alone for one word), its ligatures ("fi") read as
// the letters they join.
QString pdfText(const QString& path)
{
    return simplified(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")})
            .normalized(QString::NormalizationForm_KC));
}

int pdfPages(const QString& path)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class ServiceReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            GTEST_SKIP() << "poppler-utils (scripts/install-deps.sh) is not installed";
    }

    QString write(const ReportContent& content, const QString& name)
    {
        const QString path = QDir(test::testOutputDir(QStringLiteral("report"))).filePath(name);
        QString error;
        EXPECT_TRUE(writeReportPdf(content, path, &error)) << error.toStdString();
        return path;
    }
};

}  // namespace

TEST(SettingsSheetTest, ReadsEachFieldInTheWordsOfItsControl)
{
    const auto groups = settingsSheet(settings::ParameterBlock(workshopImage()),
                                      lookup(MessageTable::English), QLocale::c());
    ASSERT_EQ(groups.size(), 3u);
    std::map<Field, std::pair<QString, QString>> shown;
    for (const SheetGroup& g : groups)
        for (const SheetRow& r : g.rows)
            shown[r.field] = {r.value, r.unit};
    const struct {
        Field field;
        const char* value;
        const char* unit;
    } cases[] = {
        {Field::ActiveGasCylinders, "1 2 3 4", ""},
        {Field::Turbo, "Turbo", ""},
        {Field::RpmSignalHigh, "High 12V", ""},
        {Field::PositiveInjectors, "no", ""},
        {Field::GasInjectorType, "Valtek/Dorn 1 Ohm", ""},
        {Field::PressureSensor, "KVOS 01", ""},
        {Field::WorkingPressure, "1.20", "bar"},
        {Field::MinimumPressure, "0.70", "bar"},
        // The read-outs show what the sliders hold: the slider's own step
        // and picture, its own unit.
        {Field::SwitchOverGasTemp, "45.0", "°C"},
        {Field::SwitchOverTime, "10.0", "s"},
        {Field::CylinderSequenceDelay, "120", "ms"},
        {Field::PressureErrorTime, "300", "ms"},
        {Field::MaxRpmOnGas, "6500", "RPM"},
        {Field::LevelSensorKind, "0-90 Ohm", ""},
        {Field::LevelThreshold1, "0.78", "V"},
        {Field::PetrolAtFirstMinimum, "no", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(settings::blockField(c.field).name);
        ASSERT_TRUE(shown.count(c.field));
        EXPECT_EQ(shown[c.field].first, QString::fromUtf8(c.value));
        EXPECT_EQ(shown[c.field].second, QString::fromUtf8(c.unit));
    }
    // A code the selector has no item for is still named.
    QByteArray odd = workshopImage();
    odd[offsetOf(Field::GasInjectorType)] = 0x42;
    for (const SheetGroup& g :
         settingsSheet(settings::ParameterBlock(odd), lookup(MessageTable::English), QLocale::c()))
        for (const SheetRow& r : g.rows) {
            if (r.field == Field::GasInjectorType) {
                EXPECT_EQ(r.value, QStringLiteral("? (66)"));
            }
        }
}

TEST(SettingsSheetTest, AShortImageListsOnlyWhatItHolds)
{
    const QByteArray image = workshopImage().left(offsetOf(Field::SwitchOverGasTemp));
    for (const SheetGroup& g : settingsSheet(settings::ParameterBlock(image),
                                             lookup(MessageTable::English), QLocale::c()))
        for (const SheetRow& r : g.rows)
            EXPECT_LT(settings::offsetOf(r.field), image.size()) << r.name.toStdString();
}

TEST_F(ServiceReportTest, ThePdfHoldsTheCarEverySettingAndTheFaultsInEachLanguage)
{
    const QByteArray image = workshopImage();
    for (const Language& lang : Languages) {
        SCOPED_TRACE(lang.code);
        const ReportInput in = input(image, lang.column);
        const ReportContent content = serviceReport(in, lookup(lang.column), lang.locale);
        const QString path = write(content, QStringLiteral("report_%1.pdf").arg(lang.code));
        const QString text = pdfText(path);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_EQ(pdfPages(path), 2);

        auto expectIn = [&](const QString& s) {
            EXPECT_TRUE(text.contains(simplified(s))) << s.toStdString();
        };
        for (const QString& s : {in.car.plate, in.car.vin, in.car.makeAndModel, in.car.owner,
                                 in.workshop.name, in.workshop.address, in.workshop.phone,
                                 in.workshop.fitter, in.notes, QStringLiteral("3.07.07")})
            expectIn(s);
        int rows = 0;
        for (const SheetGroup& g : content.settings) {
            expectIn(g.title);
            for (const SheetRow& r : g.rows) {
                expectIn(r.name);
                expectIn(r.value);
                ++rows;
            }
        }
        EXPECT_EQ(rows, 24);
        const QStringList current =
            in.currentFaultText->split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        ASSERT_EQ(current.size(), 2);
        const QStringList stored =
            settings::storedFaultText(settings::ParameterBlock(image), lookup(lang.column))
                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        ASSERT_GE(stored.size(), 4);
        for (const QString& line : current + stored)
            expectIn(line.trimmed());
        expectIn(content.currentFaultsTitle);
        expectIn(content.storedFaultsTitle);
        expectIn(table().text(msg::Row::ReportCustomerSignature, lang.column));
        expectIn(lang.locale.toString(1.35, 'f', 2));
    }
}

TEST_F(ServiceReportTest, ExtremeSettingsAndFullListsStillFitOnTwoPages)
{
    QByteArray notes;
    for (int i = 0; i < 1200; ++i)
        notes += "abcdefghij klmnop"[i % 17];
    for (quint8 fill : {quint8(0x00), quint8(0xFF)}) {
        QByteArray image = workshopImage();
        for (int k = settings::SettingsRegionFirst; k <= settings::SettingsRegionLast; ++k)
            image[k] = static_cast<char>(fill);
        image[offsetOf(Field::ActiveGasCylinders)] = static_cast<char>(fill);
        // Forty stored faults, every kind, with the injector lines the
        // longest there are.
        for (int k = 0; k < settings::FaultEntries; ++k)
            image[offsetOf(Field::FaultMemory) + k] = static_cast<char>(k % 9);
        for (const Language& lang : Languages) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(lang.code).arg(fill).toStdString());
            ReportInput in = input(image, lang.column);
            in.currentFaultText = live::currentFaultText(0x00, 0x00, 0x00, lookup(lang.column));
            in.notes = QString::fromLatin1(notes);
            in.car.makeAndModel = QString(60, QLatin1Char('M'));
            const ReportContent content = serviceReport(in, lookup(lang.column), lang.locale);
            const QString path =
                write(content, QStringLiteral("extreme_%1_%2.pdf").arg(lang.code).arg(fill));
            EXPECT_LE(pdfPages(path), 2);
            const QString text = pdfText(path);
            EXPECT_TRUE(text.contains(in.car.plate));
            for (const SheetGroup& g : content.settings)
                for (const SheetRow& r : g.rows)
                    EXPECT_TRUE(text.contains(simplified(r.value))) << r.value.toStdString();
            // Every fault line is there, whole.
            for (const QString& line : *content.currentFaults + content.storedFaults)
                EXPECT_TRUE(text.contains(simplified(line))) << line.toStdString();
        }
    }
}

TEST_F(ServiceReportTest, WithoutACarOrAdaptationTheHeadNamesNone)
{
    ReportInput in = input(workshopImage(), MessageTable::English);
    in.car = {};
    in.adaptation.reset();
    in.currentFaultText.reset();
    const ReportContent content = serviceReport(in, lookup(MessageTable::English), QLocale::c());
    for (const auto& d : content.details)
        for (msg::Row row : {msg::Row::ReportPlate, msg::Row::ReportVin, msg::Row::ReportMakeModel,
                             msg::Row::ReportOwner})
            EXPECT_NE(d.first, table().text(row, MessageTable::English).trimmed());
    const QString text = pdfText(write(content, QStringLiteral("no_car.pdf")));
    EXPECT_FALSE(text.contains(QStringLiteral("Registration")));
    EXPECT_FALSE(text.contains(QStringLiteral("Last adaptation")));
    EXPECT_FALSE(text.contains(QStringLiteral("Current faults")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fitter's signature")));
}

TEST_F(ServiceReportTest, PageOneRendersForALook)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    for (const Language& lang : {Languages[1], Languages[2]}) {
        const ReportContent content =
            serviceReport(input(workshopImage(), lang.column), lookup(lang.column), lang.locale);
        const QString path = write(content, QStringLiteral("page1_%1.pdf").arg(lang.code));
        const QString png = path.chopped(4);
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("110"),
             QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"),
             path, png});
        EXPECT_TRUE(QFileInfo::exists(png + QStringLiteral("-1.png")));
    }
}
