// The settings pages, the factory reset and the settings data file in the
// window, against the emulated controller on virtual time.

#include "Bytes.h"
#include "TestOutput.h"
#include "WindowFixture.h"
#include "app/ui/WindowCaptions.h"
#include "app/WindowPages.h"
#include "link/ControllerLink.h"
#include "link/PortRouter.h"
#include "live/ui/FaultMemo.h"
#include "live/ui/FaultPage.h"
#include "live/ui/LevelGauge.h"
#include "platform/qt/QtDialogs.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/ui/PanelGazPage.h"
#include "settings/ui/PanelPetrolPage.h"
#include "settings/ui/PrzelacznikPage.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsReview.h"
#include "settings/ui/SettingsReviewWindow.h"
#include "sim/CurrentFault.h"
#include "sim/DemoPort.h"
#include "sim/EmulatorPort.h"
#include "sim/LiveState.h"
#include "widgets/ui/TAbHSlider.h"
#include "widgets/ui/TAbVSlider.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtGui/QAction>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableWidget>

#include <tuple>

using namespace brivel;
using brivel::test::bytes;
using Image = sim::SettingsImage;
using Slider = PrzelacznikPage::SwitchOverSlider;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SettingsWindowTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        auto device = std::make_unique<test::TestSerialPort>();
        auto demo = std::make_unique<sim::EmulatorPort>(clock);
        emulator = &demo->emulator();
        router =
            std::make_unique<PortRouter>(std::move(device), std::move(demo), sim::DemoPortName);
        WindowOptions options;
        options.demoPortName = sim::DemoPortName;
        open(*router, options);
        // Keys and clicks reach the controls of a window on the screen.
        window->show();
    }

    void connectDemo()
    {
        control<QAction>("Demo")->trigger();
        clock.advance(3000);
        ASSERT_TRUE(window->isEnabled());
    }

    // The controller's settings read again by a fresh connection.
    void reconnect()
    {
        control<QAction>("rozlacz1")->trigger();
        connectDemo();
    }

    // The commands with this code that reached the controller, code first.
    QList<QByteArray> received(quint8 code) const
    {
        QList<QByteArray> commands;
        for (const QByteArray& frame : emulator->receivedFrames())
            if (frame.size() > 2 && static_cast<quint8>(frame[1]) == code)
                commands.append(frame.mid(1, frame.size() - 2));
        return commands;
    }

    // Long enough for a long transfer at the slow polling of the busy state.
    void awaitTransfer() { clock.advance(8000); }
    // A load reads the controller's settings for its review, then writes
    // the file and reads the result back: two long transfers.
    void awaitLoad()
    {
        awaitTransfer();
        awaitTransfer();
    }

    QByteArray region() const
    {
        return emulator->settings().reply(0x66).mid(settings::SettingsRegionFirst,
                                                    settings::SettingsRegionSize);
    }

    PanelPetrolPage& petrol() const { return window->pages().panelPetrol(); }
    PanelGazPage& gaz() const { return window->pages().panelGaz(); }
    PrzelacznikPage& przelacznik() const { return window->pages().przelacznik(); }

    std::unique_ptr<PortRouter> router;
    sim::ControllerEmulator* emulator = nullptr;
    QTemporaryDir dir;
};

TEST_F(SettingsWindowTest, AChangeOnEachPageReachesTheControllerAndIsReadBack)
{
    connectDemo();
    ASSERT_EQ(petrol().engineType()->currentText(), QStringLiteral("Standard"));
    // One change at a time, each sent before the next: the link keeps one
    // command waiting, and a newer one takes its place.
    QTest::keyClick(petrol().engineType(), Qt::Key_Down);
    clock.advance(1000);
    QTest::keyClick(gaz().injectorType(), Qt::Key_Down);
    clock.advance(1000);
    TAbHSlider* temperature = przelacznik().slider(Slider::Temp_LPG_changer);
    for (int i = 0; i < 5; ++i)
        QTest::keyPress(temperature, Qt::Key_Right);
    QTest::keyRelease(temperature, Qt::Key_Right);
    clock.advance(3000);
    EXPECT_FALSE(window->link().commandPending());

    EXPECT_EQ(emulator->settings().at(Image::EngineFlags) & Image::Turbo, Image::Turbo);
    EXPECT_EQ(emulator->settings().at(Image::GasInjectorType), 0x09);
    EXPECT_EQ(emulator->settings().at(Image::InjectorSetting30), 35);
    EXPECT_EQ(emulator->settings().at(Image::SwitchOverGasTemp), 40);

    // The pages show an older image, then what the controller now holds.
    sim::SettingsImage factory;
    window->settingsModel().setParameterBlock(factory.reply(0x66));
    ASSERT_FLOAT_EQ(temperature->value(), 35);
    reconnect();
    EXPECT_EQ(petrol().engineType()->currentText(), QStringLiteral("Turbo"));
    EXPECT_EQ(gaz().injectorType()->currentText(), QStringLiteral("Valtek/Dorn 2 Ohm"));
    EXPECT_FLOAT_EQ(temperature->value(), 40);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(SettingsWindowTest, EachSettingsImageReachesEachObserverOnce)
{
    emulator->settings().setFaultMemory(QByteArray(1, '\x03'));
    SettingsModel& settings = window->settingsModel();
    QSignalSpy display(&settings, &SettingsModel::displayChanged);
    QSignalSpy axis(&settings, &SettingsModel::mapAxisMaximumChanged);
    QSignalSpy faults(&settings, &SettingsModel::storedFaultTextChanged);
    QSignalSpy images(&settings, &SettingsModel::parameterBlockChanged);
    QSignalSpy buttons(&window->cylinderButtons(), &CylinderButtonsModel::buttonsChanged);
    const auto counts = [&] {
        return QList<qsizetype>{display.count(), axis.count(), faults.count(), images.count(),
                          buttons.count()};
    };
    connectDemo();
    EXPECT_EQ(counts(), (QList<qsizetype>{1, 1, 1, 1, 1}));
    EXPECT_EQ(window->pages().faults().registeredErrors()->text(),
              QStringLiteral("1 - Cisnienie gazu za wysokie\r\n3\r\n"));

    // The disconnect greys the buttons and leaves the image alone.
    control<QAction>("rozlacz1")->trigger();
    EXPECT_EQ(counts(), (QList<qsizetype>{1, 1, 1, 1, 2}));
    connectDemo();
    EXPECT_EQ(counts(), (QList<qsizetype>{2, 2, 2, 2, 3}));
}

TEST_F(SettingsWindowTest, CylinderButtonsAndTheFuelSwitchSendTheCheckedCylinders)
{
    connectDemo();
    // Four cylinders, all on gas from the factory; the engine runs on petrol.
    ASSERT_EQ(window->cylinderButtons().cylinderButtonMask(), 0x0F);
    QTest::mouseClick(control<QWidget>("Cyl_1_led"), Qt::LeftButton);
    EXPECT_EQ(window->cylinderButtons().cylinderButtonMask(), 0x0D);
    clock.advance(1000);
    EXPECT_TRUE(received(0x03).isEmpty());  // on petrol the mask waits

    QTest::mouseClick(control<QWidget>("paliwo_Switch"), Qt::LeftButton);
    clock.advance(1000);
    EXPECT_EQ(received(0x03), QList<QByteArray>{bytes({0x03, 0x03, 0x0D})});
    // A disconnect greys and clears the buttons.
    control<QAction>("rozlacz1")->trigger();
    EXPECT_EQ(window->cylinderButtons().cylinderButtonMask(), 0x00);
}

TEST_F(SettingsWindowTest, FactoryResetAnsweredNoSendsNothing)
{
    connectDemo();
    dialogs.confirmAnswers = {false};
    control<QAction>("Reset1")->trigger();
    clock.advance(2000);
    EXPECT_TRUE(received(0x26).isEmpty());
    EXPECT_TRUE(window->isEnabled());
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.shown().back().kind, test::ScriptedDialogs::Kind::Question);
}

TEST_F(SettingsWindowTest, FactoryResetAnsweredYesRestoresTheControllersDefaults)
{
    emulator->live().setCurrentFault(sim::CurrentFault::GasPressureLow);
    connectDemo();
    emulator->settings().set(Image::SwitchOverGasTemp, 80);
    emulator->settings().set(Image::CylinderCount, 5);
    ASSERT_FALSE(control<QWidget>("Error_Led")->isHidden());

    dialogs.confirmAnswers = {true};
    control<QAction>("Reset1")->trigger();
    EXPECT_TRUE(control<QWidget>("Error_Led")->isHidden());
    EXPECT_FALSE(window->isEnabled());
    awaitTransfer();
    EXPECT_EQ(received(0x26).size(), 1);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(emulator->settings().at(Image::SwitchOverGasTemp), 35);
    // The reply is shown like any settings image.
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::Temp_LPG_changer)->value(), 35);
    EXPECT_EQ(petrol().cylinderCount()->currentText(), QStringLiteral("4 cyl."));
}

TEST_F(SettingsWindowTest, ASavedFileLoadsTheSettingsRegionBackIntoTheController)
{
    connectDemo();
    emulator->settings().set(Image::SwitchOverGasTemp, 60);
    emulator->settings().set(Image::Map + 10, 140);
    emulator->settings().set(Image::SwitchOverFlags, 0x01);
    const QByteArray saved = region();

    dialogs.saveAnswers = {dir.filePath(QStringLiteral("customer"))};
    control<QAction>("Zapis1")->trigger();
    EXPECT_FALSE(window->isEnabled());
    awaitTransfer();
    EXPECT_TRUE(window->isEnabled());
    const QByteArray file = readFile(dir.filePath(QStringLiteral("customer.kvs")));
    ASSERT_EQ(file.size(), 1219);
    const auto contents = settings::datafile::decode(file);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->settingsRegion(), saved);

    emulator->settings().restoreFactorySettings();
    ASSERT_NE(region(), saved);
    dialogs.openAnswers = {dir.filePath(QStringLiteral("customer.kvs"))};
    control<QAction>("Odczyt1")->trigger();
    EXPECT_FALSE(window->isEnabled());
    awaitLoad();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(received(0x1A).size(), 1);
    EXPECT_EQ(region(), saved);
    // The window shows the settings read back after the write.
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::Temp_LPG_changer)->value(), 60);
    EXPECT_TRUE(przelacznik().petrolAtFirstMinimum()->isChecked());
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('|').toStdString();
}

// The review between reading a file and writing it: the file of one car
// loaded into a controller set up for another, with one field kept.
TEST_F(SettingsWindowTest, TheReviewWritesOnlyTheTickedFieldsAndTheWindowShowsTheResult)
{
    connectDemo();
    emulator->settings().set(Image::SwitchOverGasTemp, 60);
    emulator->settings().set(Image::CylinderCount, 3);
    emulator->settings().set(Image::Map + 10, 140);
    const QString path = dir.filePath(QStringLiteral("other-car.kvs"));
    writeFile(path, settings::datafile::encode(emulator->settings().reply(0x66), 7));
    emulator->settings().restoreFactorySettings();
    reconnect();

    // Everything but the cylinder count comes from the file.
    review.answer = [](const settings::review::Content& c) {
        std::vector<bool> ticked;
        for (const settings::review::Line& line : c.lines)
            ticked.push_back(line.difference.field != settings::Field::CylinderCount);
        return std::optional<std::vector<bool>>(ticked);
    };
    dialogs.openAnswers = {path};
    control<QAction>("Odczyt1")->trigger();
    // The controller's settings are read afresh before the review.
    EXPECT_TRUE(review.shown.empty());
    awaitTransfer();
    ASSERT_EQ(review.shown.size(), 1u);
    const settings::review::Content shown = review.shown[0];
    EXPECT_FALSE(shown.warning.isEmpty());
    QStringList names;
    for (const settings::review::Line& line : shown.lines)
        names << line.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Ilość cylindrów"), QStringLiteral("Temperatura"),
                                  QStringLiteral("Mapa")}));
    awaitTransfer();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(received(0x1A).size(), 1);
    EXPECT_EQ(emulator->settings().at(Image::CylinderCount), 1);  // the controller's own
    EXPECT_EQ(emulator->settings().at(Image::SwitchOverGasTemp), 60);
    EXPECT_EQ(emulator->settings().at(Image::Map + 10), 140);
    // The window shows what was read back after the write.
    EXPECT_EQ(petrol().cylinderCount()->currentText(), QStringLiteral("4 cyl."));
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::Temp_LPG_changer)->value(), 60);

    // Cancelled, and then a file the controller already holds: nothing goes out.
    review.answer = [](const settings::review::Content&) {
        return std::optional<std::vector<bool>>();
    };
    dialogs.openAnswers = {path};
    control<QAction>("Odczyt1")->trigger();
    awaitTransfer();
    writeFile(path, settings::datafile::encode(emulator->settings().reply(0x66), 9));
    dialogs.openAnswers = {path};
    control<QAction>("Odczyt1")->trigger();
    awaitTransfer();
    EXPECT_EQ(review.shown.size(), 2u);
    EXPECT_EQ(received(0x1A).size(), 1);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(dialogs.messages(), QStringList{window->messageTable().text(msg::Row::NothingDiffers,
                                                                          MessageTable::Polish)});
}

// The review window itself: its rows, checkboxes and buttons, the ticks it
// hands back, and pictures of it in Polish and English.
TEST_F(SettingsWindowTest, TheReviewWindowListsTheDifferencesWithTicksAndAMapPlot)
{
    sim::SettingsImage controllerImage;
    sim::SettingsImage fileImage;
    fileImage.set(Image::CylinderCount, 3);
    fileImage.set(Image::EngineFlags, fileImage.at(Image::EngineFlags) | Image::Turbo);
    fileImage.set(Image::SwitchOverGasTemp, 50);
    fileImage.set(Image::LevelThresholds + 1, 80);
    fileImage.set(Image::MinimumPressure, 95);
    for (int k = 60; k < 120; ++k)
        fileImage.set(Image::Map + k, fileImage.at(Image::Map + k) + (k < 90 ? k - 60 : 120 - k));
    const settings::ParameterBlock controller(controllerImage.reply(0x66));
    const settings::ParameterBlock file(fileImage.reply(0x66));
    const QString out = test::testOutputDir(QStringLiteral("screens/review"));
    for (const auto& [column, locale, name] :
         {std::tuple{int(MessageTable::Polish), QLocale(QLocale::Polish), "review-pl.png"},
          std::tuple{int(MessageTable::English), QLocale(QLocale::English), "review-en.png"}}) {
        const settings::review::Content content = settings::review::content(
            controller, file,
            [&, col = column](msg::Row row) { return window->messageTable().text(row, col); },
            locale);
        SettingsReviewWindow dialog(content, window.get());
        dialog.show();
        QApplication::processEvents();
        QTableWidget* table = dialog.table();
        ASSERT_EQ(table->rowCount(), static_cast<int>(content.lines.size()));
        EXPECT_GE(table->rowCount(), 6);
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("ReviewWarning")));
        EXPECT_TRUE(dialog.sendButton()->isDefault());
        int plots = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            EXPECT_EQ(table->item(r, 0)->checkState(), Qt::Checked);
            plots += table->cellWidget(r, 1) ? 1 : 0;
        }
        EXPECT_EQ(plots, 1);
        EXPECT_TRUE(dialog.grab().save(out + QLatin1Char('/') + QLatin1String(name)));
        table->item(1, 0)->setCheckState(Qt::Unchecked);
        std::vector<bool> expected(content.lines.size(), true);
        expected[1] = false;
        EXPECT_EQ(dialog.ticked(), expected);
    }
}

TEST_F(SettingsWindowTest, ForeignAndShortFilesAreRefusedAndNothingIsSent)
{
    connectDemo();
    const QByteArray good = settings::datafile::encode(emulator->settings().reply(0x66), 3);
    QByteArray foreign = good;
    foreign[5] = 'X';
    writeFile(dir.filePath(QStringLiteral("foreign.kvs")), foreign);
    writeFile(dir.filePath(QStringLiteral("short.kvs")), good.left(1100));
    for (const char* name : {"foreign.kvs", "short.kvs"}) {
        dialogs.clear();
        dialogs.openAnswers = {dir.filePath(QLatin1String(name))};
        control<QAction>("Odczyt1")->trigger();
        EXPECT_TRUE(window->isEnabled()) << name;
        clock.advance(2000);
        EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Data file error")}) << name;
    }
    EXPECT_TRUE(received(0x1A).isEmpty());
}

TEST_F(SettingsWindowTest, ASaveCutShortByADisconnectLeavesTheOldFileAsItWas)
{
    connectDemo();
    const QString path = dir.filePath(QStringLiteral("old.kvs"));
    writeFile(path, "the file before");
    dialogs.saveAnswers = {path};
    control<QAction>("Zapis1")->trigger();
    control<QAction>("rozlacz1")->trigger();
    clock.advance(3000);
    connectDemo();
    clock.advance(3000);
    EXPECT_EQ(readFile(path), QByteArray("the file before"));
}

TEST_F(SettingsWindowTest, ASaveThatCannotWriteShowsTheSystemsMessage)
{
    connectDemo();
    dialogs.saveAnswers = {dir.filePath(QStringLiteral("missing/car.kvs"))};
    control<QAction>("Zapis1")->trigger();
    awaitTransfer();
    EXPECT_TRUE(window->isEnabled());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_FALSE(dialogs.messages().first().isEmpty());
    EXPECT_EQ(dialogs.shown().back().kind, test::ScriptedDialogs::Kind::Error);
}

// The real file dialog, with a name typed into it, as the fitter uses it.
class SettingsFileDialogTest : public SettingsWindowTest {
protected:
    void SetUp() override
    {
        platform.dialogs = &qtDialogs;
        SettingsWindowTest::SetUp();
    }

    // In the file dialog that is about to open: goes to the test's folder,
    // types `name` and accepts it with the dialog's button. A dialog that does
    // not take the name fails the test, rather than waiting for an answer.
    void typeIntoNextFileDialog(const QString& name)
    {
        QTimer::singleShot(0, qApp, [this, name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            filters = dialog->nameFilters();
            dialog->setDirectory(dir.path());
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            if (!edit || !buttons) {
                dialog->reject();
                FAIL() << "no file name box or buttons";
            }
            // The name is typed, not picked from the completion list.
            edit->setCompleter(nullptr);
            QTest::keyClicks(edit, name);
            QAbstractButton* accept = buttons->buttons().first();
            for (QAbstractButton* button : buttons->buttons())
                if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                    accept = button;
            QTest::mouseClick(accept, Qt::LeftButton);
            if (dialog->isVisible()) {
                dialog->reject();
                FAIL() << "the dialog did not take the name";
            }
        });
    }

    QtDialogs qtDialogs;
    QStringList filters;
};

TEST_F(SettingsFileDialogTest, SaveAndLoadWithANameTypedIntoTheDialog)
{
    connectDemo();
    emulator->settings().set(Image::SwitchOverGasTemp, 55);
    const QByteArray saved = region();

    typeIntoNextFileDialog(QStringLiteral("abc"));
    control<QAction>("Zapis1")->trigger();
    EXPECT_EQ(filters, QStringList{QStringLiteral("*.kvs data file (*.kvs)")});
    awaitTransfer();
    const QString path = dir.filePath(QStringLiteral("abc.kvs"));
    ASSERT_TRUE(QFile::exists(path));

    emulator->settings().restoreFactorySettings();
    typeIntoNextFileDialog(QStringLiteral("abc.kvs"));
    control<QAction>("Odczyt1")->trigger();
    // The dialog shows the filter with its blanks folded.
    EXPECT_EQ(filters, QStringList{QStringLiteral("*.kvs data file (*.kvs)")});
    awaitLoad();
    EXPECT_EQ(region(), saved);
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::Temp_LPG_changer)->value(), 55);
}

// Every caption of the settings pages is read whole, in every language.
TEST_F(SettingsWindowTest, EveryCaptionOfTheSettingsPagesFitsInEveryLanguage)
{
    window->show();
    const char* sheets[] = {"TabSheet1", "TabSheet2", "TabSheet9"};
    for (int column :
         {int(MessageTable::Initial), int(MessageTable::German), int(MessageTable::English),
          int(MessageTable::Polish), int(MessageTable::Czech)}) {
        // The initial texts are those of a table no language has been chosen for.
        MessageTable inLanguage;
        inLanguage.setLanguage(column);
        applyCaptions(window.get(), inLanguage, CaptionScope::Every);
        for (const char* name : sheets) {
            auto* sheet = control<QWidget>(name);
            for (QLabel* label : sheet->findChildren<QLabel*>()) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                EXPECT_LE(needed, label->width())
                    << column << ' ' << label->objectName().toStdString() << " \""
                    << label->text().toStdString() << '"';
            }
            for (QGroupBox* group : sheet->findChildren<QGroupBox*>()) {
                const int needed = group->fontMetrics().horizontalAdvance(group->title()) + 16;
                EXPECT_LE(needed, group->width()) << column << ' ' << group->title().toStdString();
            }
            for (QComboBox* selector : sheet->findChildren<QComboBox*>()) {
                if (selector->isHidden())
                    continue;
                for (int i = 0; i < selector->count(); ++i) {
                    const int needed =
                        selector->fontMetrics().horizontalAdvance(selector->itemText(i)) + 30;
                    EXPECT_LE(needed, selector->width())
                        << column << ' ' << selector->itemText(i).toStdString();
                }
            }
        }
    }
}

TEST_F(SettingsWindowTest, ScreenshotsOfTheSettingsAndErrorPagesWhileConnected)
{
    emulator->settings().setFaultMemory(bytes({0x03, 0x00, 0x07, 0x2A, 0x05}));
    emulator->live().setCurrentFault(sim::CurrentFault::GasPressureLow);
    window->show();
    connectDemo();
    clock.advance(10000);
    const QString out = test::testOutputDir(QStringLiteral("screens/settings"));
    auto* tabs = control<QTabWidget>("tab_control");
    for (const char* page : {"TabSheet1", "TabSheet2", "TabSheet9", "TabSheet5"}) {
        tabs->setCurrentWidget(control<QWidget>(page));
        EXPECT_TRUE(window->grab().save(out + QStringLiteral("/%1.png").arg(QLatin1String(page))));
    }
    // And a threshold being edited.
    tabs->setCurrentWidget(control<QWidget>("TabSheet9"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(przelacznik().thresholdBox(2), Qt::LeftButton);
    QTest::keyPress(przelacznik().thresholdSlider(), Qt::Key_Up);
    EXPECT_TRUE(window->grab().save(out + QStringLiteral("/TabSheet9-threshold.png")));
}

}  // namespace
