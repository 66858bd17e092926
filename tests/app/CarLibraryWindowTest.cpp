// The car library in the window, against the emulated controller on virtual
// time, over a real SQLite library on its own thread.

#include "TestOutput.h"
#include "WindowFixture.h"
#include "app/RecordReplay.h"
#include "app/WindowPages.h"
#include "cars/CarHistoryModel.h"
#include "cars/CarListModel.h"
#include "cars/CarSession.h"
#include "cars/CarStore.h"
#include "cars/LibraryService.h"
#include "cars/ui/CarBar.h"
#include "cars/ui/CarHistoryWindow.h"
#include "cars/ui/CarLibraryView.h"
#include "cars/ui/CarsWindow.h"
#include "link/ControllerLink.h"
#include "link/PortRouter.h"
#include "live/DriveRecorder.h"
#include "settings/BlockLayout.h"
#include "settings/SettingsReview.h"
#include "settings/ui/PanelPetrolPage.h"
#include "settings/ui/SettingsReviewWindow.h"
#include "sim/DemoPort.h"
#include "sim/EmulatorPort.h"

#include <QtCore/QTemporaryDir>
#include <QtGui/QAction>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTreeWidget>

using namespace brivel;
using namespace brivel::cars;
using Image = sim::SettingsImage;

namespace {

QByteArray regionOf(const QByteArray& image)
{
    return image.mid(settings::SettingsRegionFirst, settings::SettingsRegionSize);
}

class CarLibraryWindowTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        config.file = dir.filePath(QStringLiteral("library.sqlite"));
        config.outboxFile = dir.filePath(QStringLiteral("library-outbox.bin"));
        service = std::make_unique<LibraryService>(config);
        service->start();
        settle();
        auto demo = std::make_unique<sim::EmulatorPort>(clock);
        emulator = &demo->emulator();
        router = std::make_unique<PortRouter>(std::make_unique<test::TestSerialPort>(),
                                              std::move(demo), sim::DemoPortName);
        WindowOptions options;
        options.demoPortName = sim::DemoPortName;
        options.library = service.get();
        options.recordingFolder = dir.path();
        open(*router, options);
        window->show();
    }
    void TearDown() override
    {
        WindowFixture::TearDown();
        service.reset();
    }

    // Waits for the library's thread to answer everything asked so far.
    void settle()
    {
        while (service->busy()) {
            QSignalSpy idle(service.get(), &LibraryService::idle);
            ASSERT_TRUE(idle.wait(30000));
        }
    }
    void connectDemo()
    {
        control<QAction>("Demo")->trigger();
        clock.advance(3000);
        settle();
    }
    CarLibraryView& library() const { return *window->carLibrary(); }
    CarSession& session() const { return library().session(); }

    // Adds the car through "Samochody" and its edit dialog.
    void addCar(const QString& plate, const QString& model)
    {
        control<QAction>("Samochody1")->trigger();
        ASSERT_TRUE(library().carsWindow().isVisible());
        library().carsWindow().findChild<QPushButton*>(QStringLiteral("CarAdd"))->click();
        auto* edit = library().carsWindow().findChild<CarEditDialog*>();
        ASSERT_TRUE(edit);
        edit->field(msg::Row::CarPlate)->setText(plate);
        edit->field(msg::Row::CarModel)->setText(model);
        edit->findChild<QPushButton*>(QStringLiteral("CarEditSave"))->click();
        settle();
    }
    CarHistory history(const QString& plate)
    {
        CarStore opened(config);
        if (!opened.open())
            return {};
        const auto car = opened.carByPlate(plate);
        if (!car || !*car)
            return {};
        return opened.history((*car)->id)->value();
    }
    // Opens the car's history and selects the points at these rows.
    CarHistoryWindow& showHistory(const Car& car, QList<int> rows)
    {
        library().history().showCar(car);
        settle();
        QCoreApplication::processEvents();
        CarHistoryWindow& w = library().historyWindow();
        w.show();
        for (int r : rows)
            w.timeline()->topLevelItem(r)->setSelected(true);
        return w;
    }

    QTemporaryDir dir;
    LibraryConfig config;
    std::unique_ptr<LibraryService> service;
    std::unique_ptr<PortRouter> router;
    sim::ControllerEmulator* emulator = nullptr;
};

TEST_F(CarLibraryWindowTest, AVisitIsKeptComparedAndRestoredThroughTheReview)
{
    // Connect: the first point, of a car nobody knows yet; the line offers
    // to choose or add it, and the car added takes the visit's point.
    QSignalSpy kept(&session(), &CarSession::pointKept);
    connectDemo();
    EXPECT_EQ(kept.size(), 1);
    EXPECT_EQ(session().carLine().state, CarLine::State::Unknown);
    addCar(QStringLiteral("wa 12345"), QStringLiteral("Astra"));
    EXPECT_EQ(session().carLine().state, CarLine::State::Chosen);
    EXPECT_TRUE(library()
                    .bar()
                    .findChild<QLabel*>(QStringLiteral("CarLine"))
                    ->text()
                    .contains(QStringLiteral("wa 12345")));

    // A single setting changed, then "Rozłącz": Yes keeps it first.
    const bool turboBefore = emulator->settings().at(Image::EngineFlags) & Image::Turbo;
    QTest::keyClick(window->pages().panelPetrol().engineType(), Qt::Key_Down);
    clock.advance(1000);
    ASSERT_NE(bool(emulator->settings().at(Image::EngineFlags) & Image::Turbo), turboBefore);
    EXPECT_TRUE(session().changedSinceLastPoint());
    dialogs.confirmAnswers.push_back(true);
    control<QAction>("rozlacz1")->trigger();
    clock.advance(8000);
    settle();
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.shown().back().kind, test::ScriptedDialogs::Kind::Question);
    EXPECT_EQ(window->link().linkState(), LinkState::Disconnected);
    CarHistory h = history(QStringLiteral("WA12345"));
    ASSERT_EQ(h.points.size(), 2);
    EXPECT_EQ(h.points[0].reason, PointReason::Connect);
    EXPECT_EQ(h.points[1].reason, PointReason::DisconnectKeep);
    EXPECT_EQ(regionOf(h.points[1].image), regionOf(emulator->settings().reply(0x66)));
    EXPECT_NE(regionOf(h.points[0].image), regionOf(h.points[1].image));

    // The next connect finds the car by its last visit; nothing new is kept.
    connectDemo();
    EXPECT_EQ(session().carLine().state, CarLine::State::LastVisit);
    ASSERT_TRUE(session().currentCar());
    EXPECT_EQ(session().currentCar()->plate, QStringLiteral("wa 12345"));
    EXPECT_EQ(history(QStringLiteral("WA12345")).points.size(), 2);

    // The comparison of the two points shows the one change.
    CarHistoryWindow& w = showHistory(h.car, {0, 1});
    w.findChild<QPushButton*>(QStringLiteral("ComparePoints"))->click();
    auto* comparison = w.findChild<SettingsReviewWindow*>(QStringLiteral("PointComparison"));
    ASSERT_TRUE(comparison);
    ASSERT_EQ(comparison->table()->rowCount(), 1);
    EXPECT_FALSE(comparison->sendButton()->isVisible());
    // Both points are the car's own: no warning that one may be another car's.
    EXPECT_FALSE(comparison->findChild<QLabel*>(QStringLiteral("ReviewWarning")));
    const auto content = library().history().compare(h.points[0].id, h.points[1].id);
    ASSERT_TRUE(content);
    ASSERT_EQ(content->lines.size(), 1u);
    EXPECT_EQ(content->lines[0].difference.field, settings::Field::Turbo);
    comparison->close();

    // Restoring the first point goes through the review, and the controller
    // holds the first image again.
    w.timeline()->clearSelection();
    w.timeline()->topLevelItem(w.timeline()->topLevelItemCount() - 1)->setSelected(true);
    review.shown.clear();
    w.findChild<QPushButton*>(QStringLiteral("RestorePoint"))->click();
    clock.advance(8000);
    clock.advance(8000);
    settle();
    ASSERT_EQ(review.shown.size(), 1u);
    EXPECT_EQ(review.shown[0].lines.size(), 1u);
    EXPECT_EQ(regionOf(emulator->settings().reply(0x66)), regionOf(h.points[0].image));
    EXPECT_EQ(bool(emulator->settings().at(Image::EngineFlags) & Image::Turbo), turboBefore);
    const CarHistory after = history(QStringLiteral("WA12345"));
    ASSERT_EQ(after.points.size(), 3);
    EXPECT_EQ(after.points[2].reason, PointReason::FileLoad);
}

TEST_F(CarLibraryWindowTest, RozlaczAnsweredNoDisconnectsAsBeforeAndNothingUnchangedAsks)
{
    connectDemo();
    addCar(QStringLiteral("KR 1A"), QString());
    // Nothing changed: no question.
    control<QAction>("rozlacz1")->trigger();
    EXPECT_EQ(window->link().linkState(), LinkState::Disconnected);
    EXPECT_TRUE(dialogs.shown().empty());

    connectDemo();
    QTest::keyClick(window->pages().panelPetrol().engineType(), Qt::Key_Down);
    clock.advance(1000);
    dialogs.confirmAnswers.push_back(false);
    control<QAction>("rozlacz1")->trigger();
    EXPECT_EQ(window->link().linkState(), LinkState::Disconnected);
    settle();
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(history(QStringLiteral("KR1A")).points.size(), 1);
}

TEST_F(CarLibraryWindowTest, KeepAPointNowReadsTheSettingsAfreshAndKeepsAnImageOnce)
{
    connectDemo();
    addCar(QStringLiteral("PO 777"), QString());
    QTest::keyClick(window->pages().panelPetrol().engineType(), Qt::Key_Down);
    clock.advance(1000);
    control<QAction>("ZachowajPunkt1")->trigger();
    clock.advance(8000);
    settle();
    const CarHistory h = history(QStringLiteral("PO777"));
    ASSERT_EQ(h.points.size(), 2);
    EXPECT_EQ(h.points[1].reason, PointReason::Manual);
    EXPECT_FALSE(session().changedSinceLastPoint());
    // Once more without a change: the same image is not kept twice.
    control<QAction>("ZachowajPunkt1")->trigger();
    clock.advance(8000);
    settle();
    EXPECT_EQ(history(QStringLiteral("PO777")).points.size(), 2);
}

TEST_F(CarLibraryWindowTest, FaultsTheFactoryResetAndARecordingGoWithTheCar)
{
    emulator->settings().setFaultMemory(QByteArray("\x03\x07", 2));
    connectDemo();
    addCar(QStringLiteral("GD 42"), QString());
    // The list as it was just before the fitter cleared it on "Error".
    control<QPushButton>("Button2")->click();
    clock.advance(1000);
    dialogs.confirmAnswers = {true};
    control<QAction>("Reset1")->trigger();
    clock.advance(8000);
    QAction* record = control<QAction>("Nagrywaj1");
    record->trigger();
    clock.advance(5000);
    record->trigger();
    settle();

    const CarHistory h = history(QStringLiteral("GD42"));
    ASSERT_EQ(h.points.size(), 2);
    EXPECT_EQ(h.points[1].reason, PointReason::FactoryReset);
    ASSERT_EQ(h.faults.size(), 2);
    EXPECT_EQ(h.faults[0].moment, FaultMoment::AtConnect);
    EXPECT_EQ(h.faults[1].moment, FaultMoment::BeforeClear);
    ASSERT_EQ(h.recordings.size(), 1);
    EXPECT_EQ(h.recordings[0].path, window->recordReplay().recorder().filePath());
    EXPECT_GE(h.recordings[0].lengthMs, 4000);
}

TEST_F(CarLibraryWindowTest, TheListSearchesAsTheFitterTypes)
{
    for (const auto& [plate, model] :
         {std::pair{"WA 111", "Astra"}, {"WB 222", "Octavia"}, {"KR 333", "Astra"}})
        library().cars().saveCar(Car{
            {}, QString::fromLatin1(plate), {}, {}, QString::fromLatin1(model), {}, {}, {}, {}});
    settle();
    control<QAction>("Samochody1")->trigger();
    settle();
    QCoreApplication::processEvents();
    CarsWindow& w = library().carsWindow();
    EXPECT_EQ(w.table()->rowCount(), 3);
    QTest::keyClicks(w.searchField(), QStringLiteral("w"));
    settle();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.table()->rowCount(), 2);
    QTest::keyClicks(w.searchField(), QStringLiteral("b"));
    settle();
    QCoreApplication::processEvents();
    ASSERT_EQ(w.table()->rowCount(), 1);
    EXPECT_EQ(w.table()->item(0, 0)->text(), QStringLiteral("WB 222"));
    w.searchField()->setText(QStringLiteral("astra"));
    settle();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.table()->rowCount(), 2);
}

TEST_F(CarLibraryWindowTest, ScreenshotsOfTheCarsWindowAHistoryAndAComparison)
{
    connectDemo();
    // A car nobody knows yet: the line offers to choose or add it.
    EXPECT_TRUE(window->grab().save(test::testOutputDir(QStringLiteral("screens/cars")) +
                                    QStringLiteral("/window-unknown.png")));
    addCar(QStringLiteral("WA 12345"), QStringLiteral("Astra"));
    library().cars().saveCar(Car{{},
                                 QStringLiteral("KR 4711"),
                                 QStringLiteral("VF1BB05CF12345678"),
                                 QStringLiteral("Renault"),
                                 QStringLiteral("Clio"),
                                 QStringLiteral("1.2 16V"),
                                 QStringLiteral("Anna Nowak"),
                                 QStringLiteral("600 100 200"),
                                 {}});
    QTest::keyClick(window->pages().panelPetrol().engineType(), Qt::Key_Down);
    clock.advance(1000);
    dialogs.confirmAnswers.push_back(true);
    control<QAction>("rozlacz1")->trigger();
    clock.advance(8000);
    settle();
    connectDemo();
    const CarHistory h = history(QStringLiteral("WA12345"));
    ASSERT_EQ(h.points.size(), 2);

    const QString out = test::testOutputDir(QStringLiteral("screens/cars"));
    for (const char* language : {"PolskiPL", "AngielskiGB"}) {
        control<QAction>(language)->trigger();
        const QString suffix = QString::fromLatin1(language).left(2).toLower();
        control<QAction>("Samochody1")->trigger();
        settle();
        QCoreApplication::processEvents();
        EXPECT_TRUE(library().carsWindow().grab().save(out + "/cars-" + suffix + ".png"));
        CarHistoryWindow& w = showHistory(h.car, {});
        QCoreApplication::processEvents();
        w.timeline()->topLevelItem(0)->setSelected(true);
        w.timeline()->topLevelItem(w.timeline()->topLevelItemCount() - 1)->setSelected(true);
        EXPECT_TRUE(w.grab().save(out + "/history-" + suffix + ".png"));
        w.findChild<QPushButton*>(QStringLiteral("ComparePoints"))->click();
        auto* comparison = w.findChild<SettingsReviewWindow*>(QStringLiteral("PointComparison"));
        ASSERT_TRUE(comparison);
        EXPECT_TRUE(comparison->grab().save(out + "/compare-" + suffix + ".png"));
        comparison->close();
        delete comparison;
        EXPECT_TRUE(window->grab().save(out + "/window-" + suffix + ".png"));
    }
}

}  // namespace
