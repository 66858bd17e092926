#include "WindowFixture.h"
#include "link/PortRouter.h"
#include "live/LiveModel.h"
#include "report/SettingsSheet.h"
#include "report/WorkshopStore.h"
#include "report/qt/ReportMenu.h"
#include "settings/ParameterBlock.h"
#include "settings/SettingsModel.h"
#include "sim/DemoPort.h"
#include "sim/EmulatorPort.h"
#include "sim/SettingsImage.h"
#include "widgets/TSignalSettings.h"
#include "widgets/ui/TAbAnalogCControl.h"
#include "widgets/ui/TAbValueInd.h"

#include <QtCore/QProcess>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryDir>
#include <QtCore/QUrl>
#include <QtGui/QAction>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>

using namespace brivel;
using settings::Field;

namespace {

class ReportWindowTest : public test::WindowFixture {
protected:
    ReportWindowTest()
    {
        auto device = std::make_unique<test::TestSerialPort>();
        auto demo = std::make_unique<sim::EmulatorPort>(clock);
        emulator = &demo->emulator();
        router =
            std::make_unique<PortRouter>(std::move(device), std::move(demo), sim::DemoPortName);
        WindowOptions options;
        options.demoPortName = sim::DemoPortName;
        open(*router, options);
    }

    void connectDemo()
    {
        control<QAction>("Demo")->trigger();
        clock.advance(3000);
    }

    // What the window's control of a field shows, in the sheet's terms.
    std::pair<QString, QString> shownByWindow(Field field) const
    {
        const struct {
            Field field;
            const char* control;
        } controls[] = {
            {Field::CylinderCount, "Sel_cyl"},
            {Field::Turbo, "Sel_Typ_silnika"},
            {Field::PositiveInjectors, "Check_Injector_plus"},
            {Field::RpmPulseSource, "Sel_Impuls"},
            {Field::RpmSignalHigh, "Sel_RPM_signal"},
            {Field::GasInjectorType, "Sel_Typ_wtrysku"},
            {Field::PressureSensor, "P1_MAP_changer"},
            {Field::ReducerTempSensor, "T_RED_changer"},
            {Field::GasTempSensor, "T_GAZ_changer"},
            {Field::WorkingPressure, "P_pracy_changer"},
            {Field::MinimumPressure, "P_min_changer"},
            {Field::SwitchOverGasTemp, "Temp_LPG_changer"},
            {Field::SwitchOverRpm, "RPM_Prog_przel"},
            {Field::SwitchOverTime, "T_przel_to_LPG"},
            {Field::CylinderSequenceDelay, "T_CYL_seqence"},
            {Field::PressureErrorTime, "T_zwloki_changer"},
            {Field::MaxRpmOnGas, "RPM_Max_To_Petrol"},
            {Field::PetrolAtFirstMinimum, "Check_by_first"},
            {Field::LevelSensorKind, "Rodz_czuj_LPG"},
            {Field::LevelThreshold1, "Ch_U_LPG_1"},
            {Field::LevelThreshold2, "Ch_U_LPG_2"},
            {Field::LevelThreshold3, "Ch_U_LPG_3"},
            {Field::LevelThreshold4, "Ch_U_LPG_4"},
        };
        for (const auto& c : controls) {
            if (c.field != field)
                continue;
            QObject* o = window->findChild<QObject*>(QLatin1String(c.control));
            if (auto* combo = qobject_cast<QComboBox*>(o))
                return {combo->currentText().trimmed(), {}};
            if (auto* box = qobject_cast<QCheckBox*>(o))
                return {
                    window->messageTable().text(box->isChecked() ? msg::Row::Yes : msg::Row::No),
                    {}};
            if (auto* edit = qobject_cast<QLineEdit*>(o))
                return {edit->text(), QStringLiteral("V")};
            if (auto* slider = qobject_cast<TAbAnalogCControl*>(o)) {
                // What the slider's own box shows: the value the controller holds.
                const QString text = slider->signalSettings()->format(slider->shownValue());
                // A horizontal slider's read-out beside it shows the same.
                if (auto* readout = window->findChild<TAbValueInd*>(QLatin1String(c.control) +
                                                                    QStringLiteral("_wynik"))) {
                    EXPECT_EQ(readout->valueText(), text);
                }
                return {text, slider->signalSettings()->valueUnit()};
            }
            ADD_FAILURE() << "no control " << c.control;
        }
        return {QStringLiteral("(no control)"), {}};
    }

    std::vector<report::SheetGroup> sheet() const
    {
        const MessageTable& table = window->messageTable();
        return report::settingsSheet(
            settings::ParameterBlock(window->settingsModel().parameterBlock()),
            [&table](msg::Row row) { return table.text(row); }, QLocale());
    }

    std::unique_ptr<PortRouter> router;
    sim::ControllerEmulator* emulator = nullptr;
};

}  // namespace

TEST_F(ReportWindowTest, TheSheetReadsEveryFieldAsTheWindowShowsIt)
{
    using Image = sim::SettingsImage;
    struct Case {
        const char* what;
        std::vector<std::pair<int, quint8>> bytes;
    };
    const Case cases[] = {
        {"the factory settings", {}},
        {"everyday values",
         {{Image::SwitchOverRpm, 15},
          {Image::SwitchOverGasTemp, 45},
          {Image::WorkingPressure, 117},
          {Image::MinimumPressure, 63},
          {Image::SwitchOverTime, 21},
          {Image::EngineFlags, 0x8A},
          {Image::CylinderCount, 2},
          {Image::RpmPulseSource, 4},
          {Image::LevelSensorKind, 2}}},
        {"every number at its top",
         {{Image::SwitchOverRpm, 255},
          {Image::MaxRpmOnGas, 255},
          {Image::SwitchOverGasTemp, 255},
          {Image::WorkingPressure, 255},
          {Image::MinimumPressure, 255},
          {Image::PressureErrorTime, 255},
          {Image::SwitchOverTime, 255},
          {Image::CylinderSequenceDelay, 255},
          {Image::LevelThresholds, 255},
          {Image::EngineFlags, 0xFF},
          {Image::SwitchOverFlags, 0xFF}}},
        {"every number at its bottom",
         {{Image::SwitchOverRpm, 0},
          {Image::MaxRpmOnGas, 0},
          {Image::SwitchOverGasTemp, 0},
          {Image::WorkingPressure, 0},
          {Image::MinimumPressure, 0},
          {Image::PressureErrorTime, 0},
          {Image::SwitchOverTime, 0},
          {Image::CylinderSequenceDelay, 0},
          {Image::LevelThresholds, 0},
          {Image::EngineFlags, 0},
          {Image::SwitchOverFlags, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [offset, value] : c.bytes)
            emulator->settings().set(offset, value);
        connectDemo();
        int rows = 0;
        for (const report::SheetGroup& g : sheet()) {
            for (const report::SheetRow& r : g.rows) {
                if (r.field == Field::ActiveGasCylinders)
                    continue;
                SCOPED_TRACE(r.name.toStdString());
                const auto [value, unit] = shownByWindow(r.field);
                EXPECT_EQ(r.value, value);
                EXPECT_EQ(r.unit, unit);
                ++rows;
            }
        }
        EXPECT_EQ(rows, 23);
        control<QAction>("rozlacz1")->trigger();
    }
}

TEST_F(ReportWindowTest, ReportAsksForTheWorkshopOnceThenWritesAndOpensThePdf)
{
    QAction* item = control<QAction>("Raport1");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isEnabled()) << "no settings image yet";
    connectDemo();
    EXPECT_TRUE(item->isEnabled());
    control<QAction>("rozlacz1")->trigger();
    EXPECT_TRUE(item->isEnabled()) << "the image read last is still known";

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("raport.pdf"));
    const report::WorkshopDetails workshop{
        QStringLiteral("Auto-Gaz Nowak"), QStringLiteral("ul. Długa 5, Warszawa"),
        QStringLiteral("22 123 45 67"), QStringLiteral("Piotr Nowak")};
    reportDialogs.workshops.push_back(workshop);
    reportDialogs.notes.push_back(QStringLiteral("Wymieniono filtr."));
    dialogs.saveAnswers.push_back(path);
    window->reportMenu().setCar({QStringLiteral("WX 1234A"), {}, {}, {}});
    item->trigger();
    EXPECT_EQ(reportDialogs.workshopAsked, 1);
    EXPECT_EQ(report::readWorkshop(store), workshop) << "kept in the settings store";
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(urls.opened, QStringList{QUrl::fromLocalFile(path).toString()});

    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(30000));
        // Ligatures ("fi") read as the letters they join.
        const QString text = QString::fromUtf8(p.readAllStandardOutput())
                                 .normalized(QString::NormalizationForm_KC)
                                 .simplified();
        for (const QString& s : {QStringLiteral("WX 1234A"), workshop.name, workshop.fitter,
                                 QStringLiteral("Wymieniono filtr.")})
            EXPECT_TRUE(text.contains(s)) << s.toStdString();
        for (const report::SheetGroup& g : sheet())
            for (const report::SheetRow& r : g.rows)
                EXPECT_TRUE(text.contains(r.value.simplified())) << r.value.toStdString();
    }

    // The second report asks no more for the workshop; a cancelled note
    // writes nothing.
    reportDialogs.notes.push_back(QString());  // cancelled
    item->trigger();
    EXPECT_EQ(reportDialogs.workshopAsked, 1);
    EXPECT_EQ(reportDialogs.notesAsked, 2);
    EXPECT_EQ(urls.opened.size(), 1);

    // "Warsztat…" edits what is kept.
    reportDialogs.workshops.push_back(
        report::WorkshopDetails{QStringLiteral("Gaz-Serwis"), {}, {}, {}});
    control<QAction>("Warsztat1")->trigger();
    EXPECT_EQ(reportDialogs.shownWorkshop, workshop);
    EXPECT_EQ(report::readWorkshop(store).name, QStringLiteral("Gaz-Serwis"));

    // A file that cannot be written is said so, and nothing opens.
    reportDialogs.notes.push_back(QStringLiteral(""));
    dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("no/such/folder/r.pdf")));
    item->trigger();
    EXPECT_EQ(urls.opened.size(), 1);
    ASSERT_FALSE(dialogs.messages().isEmpty());
    EXPECT_TRUE(dialogs.messages().last().startsWith(
        window->messageTable().text(msg::Row::ReportCannotWrite)));
    // Each save dialog opened where the report before was saved.
    QStringList folders;
    for (const auto& shown : dialogs.shown())
        if (shown.kind == test::ScriptedDialogs::Kind::Save)
            folders << shown.folder;
    EXPECT_EQ(folders, QStringList({QString(), dir.path()}));
}
