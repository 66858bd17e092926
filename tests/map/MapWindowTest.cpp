// The "Mapa" and "Adaptacja" pages in the window, against the emulated
// controller behind the window's port, all on virtual time. The rules
// themselves are tested in the map core's tests; here the window's part:
// the mouse on the chart, the spin button, the chart showing what the
// controller holds, and the window locked while an adaptation runs.

#include "TestOutput.h"
#include "WindowFixture.h"
#include "app/WindowPages.h"
#include "link/ControllerLink.h"
#include "live/LiveModel.h"
#include "map/ui/AdaptationPage.h"
#include "map/AdaptationProcedure.h"
#include "map/ui/MapChart.h"
#include "map/ui/MapPage.h"
#include "map/ui/MapPaintBox.h"
#include "settings/ui/CylinderButtons.h"
#include "settings/SettingsModel.h"
#include "sim/DemoPort.h"
#include "sim/DriveProfile.h"
#include "sim/EmulatorPort.h"
#include "sim/SettingsImage.h"
#include "widgets/ui/TAbColBitBtn.h"
#include "widgets/ui/TAbSpinButton.h"
#include "widgets/ui/TAbTimerSpeedBtn.h"

#include <QtCharts/QValueAxis>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtCharts/QXYSeries>
#include <QtGui/QAction>
#include <QtGui/QScreen>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QLayout>
#include <QtWidgets/QTabWidget>

using namespace brivel;
using map::MapSeries;

namespace {

constexpr int MapEntries = 246;
constexpr int MapOffset = 66;

quint8 at(const QByteArray& bytes, int offset)
{
    return static_cast<quint8>(bytes[offset]);
}

QByteArray payloadOf(const QByteArray& frame)
{
    return frame.mid(2, frame.size() - 3);
}

class MapWindowTest : public test::WindowFixture {
protected:
    MapWindowTest()
    {
        // The demo car: warm, on gas, both curves learned on the way in.
        auto demo = sim::makeDemoPort(clock);
        emulatorPort = static_cast<sim::EmulatorPort*>(demo.get());
        port = std::move(demo);
    }

    void SetUp() override
    {
        open(*port);
        window->show();
        port->setPortName(sim::DemoPortName);
    }

    void connectController()
    {
        window->findChild<QAction*>(QStringLiteral("polacz"))->trigger();
        clock.advance(3000);
        ASSERT_EQ(window->settingsModel().parameterBlock().size(), sim::SettingsImage::Size);
    }

    sim::ControllerEmulator& controller() { return emulatorPort->emulator(); }
    QByteArray controllerMap()
    {
        return controller().settings().reply(0x66).mid(MapOffset, MapEntries);
    }
    MapPage& mapPage() { return window->pages().map(); }
    AdaptationPage& adaptationPage() { return window->pages().adaptation(); }
    QXYSeries* series(MapSeries s) { return mapPage().chart()->series(s); }

    // The commands the controller received from frame `from` on, polls left out.
    QList<QByteArray> commandsSince(int from)
    {
        QList<QByteArray> commands;
        const QList<QByteArray>& frames = controller().receivedFrames();
        for (int i = from; i < frames.size(); ++i)
            if (at(frames[i], 1) != 0x55)
                commands << frames[i];
        return commands;
    }

    void clickChart(int x, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mousePress(mapPage().paintBox(), button, keys, QPoint(x, 150));
        QTest::mouseRelease(mapPage().paintBox(), button, keys, QPoint(x, 150));
    }

    QTabWidget* tabs() const { return control<QTabWidget>("tab_control"); }
    int tabOf(const char* page) const { return tabs()->indexOf(control<QWidget>(page)); }

    std::unique_ptr<SerialPort> port;
    sim::EmulatorPort* emulatorPort = nullptr;
};

// The map the chart's series 0 shows, in hundredths.
QList<int> shownMap(QXYSeries* s)
{
    QList<int> values;
    for (const QPointF& p : s->points())
        values << qRound(p.y() * 100);
    return values;
}

QList<int> bytesOf(const QByteArray& map)
{
    QList<int> values;
    for (char b : map)
        values << static_cast<quint8>(b);
    return values;
}

}  // namespace

// In a window with room to spare the chart is drawn larger; a click still
// picks the map entry under the mouse.
TEST_F(MapWindowTest, TheChartDrawnLargerPicksTheEntryUnderTheMouse)
{
    controller().settings().write(sim::SettingsImage::Map, QByteArray(MapEntries, char(100)));
    connectController();
    window->pages().show(Page::Mapa);
    window->resize(1920, 1080);
    window->layout()->activate();
    const double sx = mapPage().paintBox()->width() / double(MapChart::PlotArea.width());
    ASSERT_GT(sx, 2.5);
    EXPECT_GT(mapPage().panel4()->y(), mapPage().chart()->geometry().bottom());

    // The middles of columns 37 and 57, as drawn now.
    clickChart(qRound(37.5 * sx));
    clickChart(qRound(57.5 * sx));
    ASSERT_EQ(series(MapSeries::RangeStart)->count(), 2);
    EXPECT_DOUBLE_EQ(series(MapSeries::RangeStart)->at(0).x(), 37 * 24.6 / 501 + 1.0);
    ASSERT_EQ(series(MapSeries::RangeEnd)->count(), 2);
    EXPECT_DOUBLE_EQ(series(MapSeries::RangeEnd)->at(0).x(), 57 * 24.6 / 501 + 1.0);
    EXPECT_EQ(series(MapSeries::Map)->pointsConfiguration().size(), 11);
}

TEST_F(MapWindowTest, ARangeDraggedOnTheChartIsSteppedUpAndDownAndTheControllerHoldsEachStep)
{
    controller().settings().write(sim::SettingsImage::Map, QByteArray(MapEntries, char(100)));
    connectController();
    window->pages().show(Page::Mapa);
    EXPECT_EQ(shownMap(series(MapSeries::Map)), QList<int>(MapEntries, 100));

    // Start at column 37 (entry 20): only a start, so no step can be made.
    clickChart(37);
    EXPECT_FALSE(mapPage().spinButton()->isEnabled());
    EXPECT_EQ(mapPage().panel4()->height(), 107);
    EXPECT_EQ(mapPage().panel4()->palette().color(QPalette::Window), QColor(255, 255, 0));
    ASSERT_EQ(series(MapSeries::RangeStart)->count(), 2);
    EXPECT_DOUBLE_EQ(series(MapSeries::RangeStart)->at(0).x(), 37 * 24.6 / 501 + 1.0);
    // End at column 57 (entry 30).
    clickChart(57);
    EXPECT_TRUE(mapPage().spinButton()->isEnabled());
    ASSERT_EQ(series(MapSeries::RangeEnd)->count(), 2);
    EXPECT_DOUBLE_EQ(series(MapSeries::RangeEnd)->at(1).y(), 3.0);
    // Entries 20…30 are drawn in yellow over the blue line.
    const auto own = series(MapSeries::Map)->pointsConfiguration();
    EXPECT_EQ(own.size(), 11);
    EXPECT_TRUE(own.contains(19) && own.contains(29));
    EXPECT_EQ(own.value(19).value(QXYSeries::PointConfiguration::Color).value<QColor>(),
              QColor(255, 255, 0));

    auto step = [&](TAbTimerSpeedBtn* half) {
        const int from = controller().receivedFrames().size();
        QTest::mouseClick(half, Qt::LeftButton);
        clock.advance(3000);
        return commandsSince(from);
    };
    QList<int> expected(MapEntries, 100);
    const QByteArray aux = QByteArray(10, '\0') + QByteArray("\x0A\xFF", 2) + QByteArray(8, '\0');

    // Up: the tent's peak rises at entries 23…27.
    for (int k = 23; k <= 27; ++k)
        expected[k - 1] = 101;
    QList<QByteArray> sent = step(mapPage().spinButton()->upButton());
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(at(sent[0], 1), 0x0B);
    EXPECT_EQ(bytesOf(payloadOf(sent[0])), expected);
    EXPECT_EQ(at(sent[1], 1), 0x20);
    EXPECT_EQ(payloadOf(sent[1]), aux);
    EXPECT_EQ(bytesOf(controllerMap()), expected);
    EXPECT_EQ(shownMap(series(MapSeries::Map)), expected);

    // Up again: 101 at 22, 23, 27, 28 and 102 at 24…26.
    for (int k : {22, 23, 27, 28})
        expected[k - 1] = 101;
    for (int k : {24, 25, 26})
        expected[k - 1] = 102;
    sent = step(mapPage().spinButton()->upButton());
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(bytesOf(payloadOf(sent[0])), expected);
    EXPECT_EQ(bytesOf(controllerMap()), expected);

    // Down twice: flat again, in the controller too.
    step(mapPage().spinButton()->downButton());
    sent = step(mapPage().spinButton()->downButton());
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(bytesOf(payloadOf(sent[0])), QList<int>(MapEntries, 100));
    EXPECT_EQ(bytesOf(controllerMap()), QList<int>(MapEntries, 100));
    EXPECT_EQ(shownMap(series(MapSeries::Map)), QList<int>(MapEntries, 100));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MapWindowTest, TheRightButtonAloneClearsTheRangeWithCtrlItSelects)
{
    connectController();
    window->pages().show(Page::Mapa);
    clickChart(100);
    clickChart(200);
    ASSERT_EQ(mapPage().model().correction().rangeEndX(), 200);

    // With Ctrl held the right button is a selection click: it moves the end.
    clickChart(250, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(mapPage().model().correction().rangeEndX(), 250);

    clickChart(300, Qt::RightButton);
    EXPECT_EQ(mapPage().model().correction().rangeStartX(), 0);
    EXPECT_EQ(mapPage().model().correction().rangeEndX(), 0);
    EXPECT_EQ(series(MapSeries::RangeStart)->count(), 0);
    EXPECT_EQ(series(MapSeries::RangeEnd)->count(), 0);
    EXPECT_TRUE(series(MapSeries::Map)->pointsConfiguration().isEmpty());
    EXPECT_EQ(mapPage().panel4()->height(), 70);
    EXPECT_NE(mapPage().panel4()->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_TRUE(mapPage().spinButton()->isEnabled());

    // "X" while only a start is set: cleared, the spin button waits for the
    // next release on the chart.
    clickChart(120);
    EXPECT_FALSE(mapPage().spinButton()->isEnabled());
    mapPage().panel4()->resize(41, 107);
    QTest::mouseClick(mapPage().clearButton(), Qt::LeftButton);
    EXPECT_EQ(mapPage().model().correction().rangeStartX(), 0);
    EXPECT_EQ(mapPage().panel4()->height(), 70);
    EXPECT_FALSE(mapPage().spinButton()->isEnabled());
}

TEST_F(MapWindowTest, TheChartFollowsEachNewSettingsImageButNotAClearedFaultList)
{
    connectController();
    window->pages().show(Page::Mapa);
    const QList<int> controllers = bytesOf(controllerMap());
    EXPECT_EQ(shownMap(series(MapSeries::Map)), controllers);

    // A step whose write the controller never takes: the program's map
    // differs from the controller's until the settings are read again.
    controller().setFault(sim::EmulatorFault::MissingEcho);
    QTest::mouseClick(mapPage().spinButton()->upButton(), Qt::LeftButton);
    QList<int> stepped = controllers;
    for (int& v : stepped)
        ++v;
    EXPECT_EQ(shownMap(series(MapSeries::Map)), stepped);
    window->settingsModel().clearStoredFaultText();
    EXPECT_EQ(shownMap(series(MapSeries::Map)), stepped) << "the same image: the map stays";

    window->settingsModel().setParameterBlock(controller().settings().reply(0x66));
    EXPECT_EQ(shownMap(series(MapSeries::Map)), controllers);
}

TEST_F(MapWindowTest, TheChartShowsTheOperatingPointTheLearnedCurvesAndTheRightAxisTop)
{
    connectController();
    window->pages().show(Page::Mapa);
    clock.advance(90000);  // the sample index comes round through 128…134

    QXYSeries* crossHair = series(MapSeries::CrossHair);
    ASSERT_EQ(crossHair->count(), 4);
    const LiveSnapshot& s = window->liveModel().snapshot();
    EXPECT_DOUBLE_EQ(crossHair->at(0).x(), static_cast<double>(s.petrolTimes[0]));
    EXPECT_DOUBLE_EQ(crossHair->at(0).y(), static_cast<double>(s.manifoldPressure));
    // Up to the top edge and on to the right edge, just past each.
    EXPECT_GT(crossHair->at(1).y(), mapPage().chart()->rightAxis()->max());
    EXPECT_GT(crossHair->at(3).x(), MapChart::BottomTo);
    EXPECT_DOUBLE_EQ(crossHair->at(3).y(), static_cast<double>(s.manifoldPressure));
    // The view draws it over the plot, centred on the operating point, with
    // its line up to the top edge.
    MapChart& chart = *mapPage().chart();
    const QPoint centre = chart.mapFromScene(
        chart.chart()->mapToPosition(QPointF(s.petrolTimes[0], s.manifoldPressure), crossHair));
    ASSERT_TRUE(MapChart::PlotArea.contains(centre));
    const QImage picture = chart.grab().toImage();
    EXPECT_EQ(picture.pixelColor(centre), QColor(255, 0, 0));
    int red = 0;
    for (int y = MapChart::PlotArea.top() + 1; y < centre.y() - 8; ++y)
        red += picture.pixelColor(centre.x(), y) == QColor(255, 0, 0);
    EXPECT_GT(red, (centre.y() - MapChart::PlotArea.top()) / 4);
    // The demo reports both curves and so no raw points.
    EXPECT_GT(series(MapSeries::GasCurve)->count(), 3);
    EXPECT_GT(series(MapSeries::PetrolCurve)->count(), 3);
    EXPECT_EQ(series(MapSeries::GasPoints)->count(), 0);
    EXPECT_EQ(series(MapSeries::GasCurve)->color(), QColor(0, 128, 0));
    EXPECT_EQ(series(MapSeries::PetrolCurve)->color(), QColor(255, 0, 0));

    // "Petrol": the controller reports the petrol curve with raw points.
    const int from = controller().receivedFrames().size();
    QTest::mouseClick(control<QPushButton>("BitBtn2"), Qt::LeftButton);
    clock.advance(90000);
    ASSERT_FALSE(commandsSince(from).isEmpty());
    EXPECT_EQ(commandsSince(from).first(), QByteArray("\xAA\x2A\x01\xD5", 4));
    EXPECT_EQ(series(MapSeries::GasCurve)->count(), 0);
    EXPECT_GT(series(MapSeries::PetrolPoints)->count(), 3);

    EXPECT_EQ(mapPage().chart()->rightAxisMaximum(), 126);
    mapPage().setMapAxisMaximum(252);
    EXPECT_EQ(mapPage().chart()->rightAxis()->max(), 252);

    // Captions from the caption table, in the Polish chosen at start, which
    // has no hint for the selection area.
    EXPECT_EQ(series(MapSeries::Map)->name(), QStringLiteral("Mnożnik"));
    EXPECT_EQ(mapPage().chart()->leftAxis()->titleText(), QStringLiteral("Gaz [ms] / Petrol [ms]"));
    EXPECT_EQ(control<QPushButton>("BitBtn1")->text(), QStringLiteral("Gaz"));
    EXPECT_EQ(mapPage().paintBox()->toolTip(), QString());
}

TEST_F(MapWindowTest, TheMovingCrossHairLeavesNoTraceOnScreen)
{
    connectController();
    window->pages().show(Page::Mapa);
    MapChart& chart = *mapPage().chart();
    QList<QPoint> places;
    for (int step = 0; step < 12; ++step) {
        clock.advance(2000);
        QApplication::processEvents();
        const LiveSnapshot& s = window->liveModel().snapshot();
        places << chart.mapFromScene(chart.chart()->mapToPosition(
            QPointF(s.petrolTimes[0], s.manifoldPressure), series(MapSeries::CrossHair)));
    }
    ASSERT_GT(QSet<QPoint>(places.begin(), places.end()).size(), 3);

    // The plot as the screen shows it, repainted piecemeal, against the
    // plot drawn whole.
    const QRect plot = MapChart::PlotArea;
    const QPoint origin = chart.mapTo(window.get(), plot.topLeft());
    const QImage onScreen =
        window->screen()
            ->grabWindow(window->winId(), origin.x(), origin.y(), plot.width(), plot.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    const QImage whole = chart.grab(plot).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(onScreen, whole);
}

TEST_F(MapWindowTest, AWholeAdaptationRunsFromStartToTheMapReadBackOnTheChart)
{
    // The fitter lets the warm engine idle.
    controller().engine().setProfile(sim::DriveProfile::idle());
    clock.advance(20000);
    connectController();
    // What the settings decoder shows: the cylinders that run on gas.
    const quint8 mask = at(window->settingsModel().parameterBlock(), sim::SettingsImage::CylinderMask);
    ASSERT_NE(mask, 0);
    // The cylinder buttons of the left column, as the settings decoder sets them.
    auto* buttons = window->findChild<QWidget*>(QStringLiteral("aaa"));
    for (int k = 0; k < 8; ++k)
        buttons->findChild<TAbColBitBtn*>(QStringLiteral("Cyl_%1_led").arg(k))
            ->setChecked(mask & (1u << k));

    window->pages().show(Page::Adaptacja);
    EXPECT_EQ(adaptationPage().infoLabel()->text(), QStringLiteral(" "));
    const int from = controller().receivedFrames().size();
    QTest::mouseClick(adaptationPage().startButton(), Qt::LeftButton);
    map::AdaptationProcedure& procedure = adaptationPage().procedure();
    ASSERT_TRUE(procedure.running());

    // Locked: START, the panel's controls, the other tabs and three menus.
    EXPECT_FALSE(adaptationPage().startButton()->isEnabled());
    EXPECT_TRUE(adaptationPage().stopButton()->isEnabled());
    EXPECT_TRUE(adaptationPage().progressBar()->isEnabled());
    EXPECT_FALSE(control<QWidget>("aaa")->isEnabled());
    EXPECT_FALSE(control<QWidget>("Polacz_switch")->isEnabled());
    EXPECT_FALSE(control<QWidget>("paliwo_Switch")->isEnabled());
    EXPECT_TRUE(control<QWidget>("RPM_Edit")->isVisible());
    for (const char* menu : {"Pliki1", "PortCOM", "Jazyk"})
        EXPECT_FALSE(control<QMenu>(menu)->menuAction()->isEnabled()) << menu;
    EXPECT_FALSE(tabs()->isTabEnabled(tabOf("TabSheet4")));
    QTabBar* bar = tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabOf("TabSheet4")).center());
    EXPECT_EQ(tabs()->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
    EXPECT_EQ(adaptationPage().infoLabel()->text(),
              QStringLiteral("Proszę czekać adaptacja w toku .."));

    // The first tick after the second of the interval left at start.
    clock.advance(1000);
    EXPECT_EQ(adaptationPage().progressBar()->value(), 7);
    clock.advance(280000);
    EXPECT_FALSE(procedure.running());
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.messages().join(QLatin1Char('|')).toStdString();

    // Every command of the run in its order, with its payload.
    ASSERT_TRUE(procedure.lastResult().has_value());
    const map::AdaptationResult& result = *procedure.lastResult();
    const quint8 a = mask;
    auto fuel = [](quint8 sub, quint8 m) { return QByteArray{"\x03", 1} + char(sub) + char(m); };
    const QList<QByteArray> sent = commandsSince(from);
    QList<QByteArray> payloads;
    QList<int> codes;
    for (const QByteArray& frame : sent) {
        codes << at(frame, 1);
        payloads << frame.mid(1, frame.size() - 2);
    }
    ASSERT_EQ(codes, (QList<int>{0x25, 0x03, 0x03, 0x03, 0x19, 0x03, 0x03, 0x03, 0x03, 0x03, 0x19,
                                 0x03, 0x03, 0x03, 0x19, 0x03, 0x20, 0x02, 0x0B, 0x06, 0x66}));
    EXPECT_EQ(payloads[0], QByteArray("\x25", 1));
    EXPECT_EQ(payloads[1], fuel(0x02, a)) << "the checked cylinder buttons";
    EXPECT_EQ(payloads[2], fuel(0x02, a));
    EXPECT_EQ(payloads[3], fuel(0x02, a));
    EXPECT_EQ(payloads[4].size(), 4);
    EXPECT_EQ(at(payloads[4], 3), 0x80);
    EXPECT_EQ(payloads[5], fuel(0x03, 0x01));
    EXPECT_EQ(payloads[6], fuel(0x03, a & 0x55));
    EXPECT_EQ(payloads[7], fuel(0x03, a));
    EXPECT_EQ(payloads[8], fuel(0x02, a));
    EXPECT_EQ(payloads[9], fuel(0x02, a));
    EXPECT_EQ(payloads[10].size(), 4);
    EXPECT_EQ(payloads[11], fuel(0x03, a));
    EXPECT_EQ(payloads[12], fuel(0x02, a));
    EXPECT_EQ(payloads[13], fuel(0x02, a));
    EXPECT_EQ(payloads[14].size(), 4);
    EXPECT_EQ(payloads[15], fuel(0x03, a));
    EXPECT_EQ(payloads[16], result.baseCommand());
    EXPECT_EQ(payloads[17], result.resultCommand());
    EXPECT_EQ(payloads[18], result.mapCommand());
    EXPECT_EQ(payloads[19], QByteArray("\x06", 1) + QByteArray(MapEntries, '\0'));
    EXPECT_EQ(payloads[20], QByteArray("\x66\x00", 2));

    // Finished: unlocked, polling at its pace again, row 19 alone.
    EXPECT_EQ(adaptationPage().infoLabel()->text(),
              QStringLiteral("Adaptacja zakończona pomyślnie"));
    EXPECT_TRUE(adaptationPage().startButton()->isEnabled());
    EXPECT_FALSE(adaptationPage().progressBar()->isEnabled());
    EXPECT_EQ(adaptationPage().progressBar()->value(), 0);
    EXPECT_TRUE(control<QWidget>("aaa")->isEnabled());
    EXPECT_TRUE(control<QMenu>("PortCOM")->menuAction()->isEnabled());
    EXPECT_TRUE(tabs()->isTabEnabled(tabOf("TabSheet4")));
    EXPECT_FALSE(window->link().isBusy());
    EXPECT_TRUE(window->isEnabled());

    // The chart shows the new map, read back from the controller.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabOf("TabSheet4")).center());
    ASSERT_EQ(tabs()->currentWidget()->objectName(), QStringLiteral("TabSheet4"));
    EXPECT_EQ(bytesOf(controllerMap()), bytesOf(result.mapCommand().mid(1)));
    EXPECT_EQ(shownMap(series(MapSeries::Map)), bytesOf(controllerMap()));
}

TEST_F(MapWindowTest, StopUnlocksTheWindowAndTellsTheController)
{
    connectController();
    window->pages().show(Page::Adaptacja);
    QTest::mouseClick(adaptationPage().startButton(), Qt::LeftButton);
    clock.advance(1000 + 8000 + 1000);  // steps 0 and 1 are done
    ASSERT_EQ(adaptationPage().procedure().step(), 2);
    EXPECT_FALSE(tabs()->isTabEnabled(tabOf("TabSheet1")));

    const int from = controller().receivedFrames().size();
    QTest::mouseClick(adaptationPage().stopButton(), Qt::LeftButton);
    clock.advance(1000);
    const QList<QByteArray> sent = commandsSince(from);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("\xAA\x05\x00\xAF", 4));
    // The Polish chosen at start.
    EXPECT_EQ(adaptationPage().infoLabel()->text(), QStringLiteral("Adaptacja anulowana"));
    EXPECT_TRUE(adaptationPage().startButton()->isEnabled());
    EXPECT_TRUE(tabs()->isTabEnabled(tabOf("TabSheet1")));
    EXPECT_TRUE(control<QWidget>("paliwo_Switch")->isEnabled());
    EXPECT_TRUE(control<QMenu>("Jazyk")->menuAction()->isEnabled());
    clock.advance(60000);
    EXPECT_EQ(commandsSince(from).size(), 1) << "no step runs after the cancel";
}

TEST_F(MapWindowTest, StartWithTheEngineStoppedOnlyAsksForTheEngine)
{
    controller().engine().setRunning(false);
    clock.advance(10000);
    connectController();
    window->pages().show(Page::Adaptacja);
    QTest::mouseClick(adaptationPage().startButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Uruchom silnik")});
    EXPECT_FALSE(adaptationPage().procedure().running());
    EXPECT_TRUE(adaptationPage().startButton()->isEnabled());
    EXPECT_TRUE(tabs()->isTabEnabled(tabOf("TabSheet4")));
}

// Pictures of both pages with the emulated controller connected, for a
// person to look at (under BRIVEL_TEST_OUTPUT/screens/map).
TEST_F(MapWindowTest, TwoStepsUndoneLeaveTheOriginalMapInTheControllerAndRedoBringsTheSecondBack)
{
    connectController();
    window->pages().show(Page::Mapa);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QList<int> original = bytesOf(controllerMap());
    QPushButton* undo = mapPage().undoButton();
    QPushButton* redo = mapPage().redoButton();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    clickChart(60);
    clickChart(200);
    QTest::mouseClick(mapPage().spinButton()->upButton(), Qt::LeftButton);
    clock.advance(3000);
    QTest::mouseClick(mapPage().spinButton()->upButton(), Qt::LeftButton);
    clock.advance(3000);
    const QList<int> second = bytesOf(controllerMap());
    ASSERT_NE(second, original);
    EXPECT_TRUE(undo->isEnabled());

    // Once by the key, once by the button; each waits for the one before.
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    clock.advance(3000);
    EXPECT_NE(bytesOf(controllerMap()), original);
    QTest::mouseClick(undo, Qt::LeftButton);
    clock.advance(3000);
    EXPECT_EQ(bytesOf(controllerMap()), original);
    EXPECT_EQ(shownMap(series(MapSeries::Map)), original);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());

    QTest::mouseClick(redo, Qt::LeftButton);
    clock.advance(3000);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    clock.advance(3000);
    EXPECT_EQ(bytesOf(controllerMap()), second);
    EXPECT_EQ(shownMap(series(MapSeries::Map)), second);
    EXPECT_FALSE(redo->isEnabled());

    const QString out = test::testOutputDir(QStringLiteral("screens/map"));
    QTest::mouseClick(undo, Qt::LeftButton);
    clock.advance(3000);
    EXPECT_TRUE(window->grab().save(out + QStringLiteral("/Mapa-undo-redo.png")));

    // Offline nothing can be written: undo and redo wait for a controller.
    control<QAction>("rozlacz1")->trigger();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    clock.advance(3000);
    // The controller still holds the map the history ends at: it is kept.
    connectController();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    // A settings image with another map starts the history again.
    controller().settings().write(sim::SettingsImage::Map, QByteArray(MapEntries, char(120)));
    control<QAction>("rozlacz1")->trigger();
    connectController();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MapWindowTest, ASaveReadsTheSettingsAfreshAndKeepsTheMapHistory)
{
    connectController();
    window->pages().show(Page::Mapa);
    const QByteArray original = controllerMap();
    QTest::mouseClick(mapPage().spinButton()->upButton(), Qt::LeftButton);
    clock.advance(3000);
    ASSERT_TRUE(mapPage().undoButton()->isEnabled());
    const QTemporaryDir dir;
    dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("car.kvs")));
    window->findChild<QAction*>(QStringLiteral("Zapis1"))->trigger();
    clock.advance(8000);
    ASSERT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("car.kvs"))));
    EXPECT_TRUE(mapPage().undoButton()->isEnabled());
    QTest::mouseClick(mapPage().undoButton(), Qt::LeftButton);
    clock.advance(3000);
    EXPECT_EQ(controllerMap(), original);
}

TEST_F(MapWindowTest, AStepPastALimitIsRefusedAndSaysWhichEntryAndLimit)
{
    QByteArray map(MapEntries, char(100));
    map[119] = char(255);
    controller().settings().write(sim::SettingsImage::Map, map);
    connectController();
    window->pages().show(Page::Mapa);
    const int before = static_cast<int>(controller().receivedFrames().size());
    // No range: the whole map moves, or nothing does.
    QTest::mouseClick(mapPage().spinButton()->upButton(), Qt::LeftButton);
    clock.advance(3000);
    EXPECT_TRUE(commandsSince(before).isEmpty());
    QLabel* notice = mapPage().notice();
    EXPECT_TRUE(notice->isVisibleTo(window.get()));
    EXPECT_EQ(notice->text(),
              QStringLiteral("Krok odrzucony: punkt mapy 120 przekroczyłby granicę 2,55"));
    const QString out = test::testOutputDir(QStringLiteral("screens/map"));
    EXPECT_TRUE(window->grab().save(out + QStringLiteral("/Mapa-step-refused.png")));
    // A step that fits is written, and the notice goes.
    QTest::mouseClick(mapPage().spinButton()->downButton(), Qt::LeftButton);
    clock.advance(3000);
    EXPECT_FALSE(commandsSince(before).isEmpty());
    EXPECT_FALSE(notice->isVisibleTo(window.get()));
}

TEST_F(MapWindowTest, SwitchingTheLanguageWhileTheMapIsShownKeepsItsAxes)
{
    connectController();
    window->pages().show(Page::Mapa);
    QApplication::processEvents();
    MapChart* chart = mapPage().chart();
    // Dark pixels right of the plot, past its ticks: the right axis'
    // numbers and title.
    const auto axisInk = [chart] {
        const int from = MapChart::PlotArea.right() + 8;
        const QImage image =
            chart->grab(QRect(from, 0, chart->width() - from, chart->height())).toImage();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        return ink;
    };
    const int shown = axisInk();
    ASSERT_GT(shown, 100);
    const QString out = test::testOutputDir(QStringLiteral("screens/map"));
    for (const char* language : {"AngielskiGB", "NiemieckiDE", "PolskiPL"}) {
        SCOPED_TRACE(language);
        control<QAction>(language)->trigger();
        QApplication::processEvents();
        EXPECT_GT(axisInk(), shown * 4 / 5);
        EXPECT_FALSE(chart->leftAxis()->titleText().isEmpty());
        EXPECT_TRUE(window->grab().save(
            out + QStringLiteral("/Mapa-after-%1.png").arg(QLatin1String(language))));
    }
}

TEST_F(MapWindowTest, BothPagesRenderToPictures)
{
    const QString out = test::testOutputDir(QStringLiteral("screens/map"));
    auto save = [&](QWidget* widget, const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(widget->grab().save(out + QLatin1Char('/') + QLatin1String(name)));
    };
    connectController();
    window->pages().show(Page::Mapa);
    clock.advance(90000);
    clickChart(150);
    clickChart(260);
    QTest::mouseClick(mapPage().spinButton()->upButton(), Qt::LeftButton);
    clock.advance(3000);
    save(window.get(), "Mapa.png");
    save(mapPage().chart(), "Chart1.png");

    // The petrol curve with the raw samples of both tables.
    QTest::mouseClick(control<QPushButton>("BitBtn2"), Qt::LeftButton);
    clock.advance(90000);
    save(mapPage().chart(), "Chart1-petrol.png");

    // Back to idle for the adaptation.
    controller().engine().setProfile(sim::DriveProfile::idle());
    clock.advance(20000);
    window->pages().show(Page::Adaptacja);
    QTest::mouseClick(adaptationPage().startButton(), Qt::LeftButton);
    clock.advance(1000 + 8000 + 30000 + 20000 + 20000);
    save(window.get(), "Adaptacja-running.png");
    clock.advance(250000 - 79000);  // step 12 has put the result under the info
    save(window.get(), "Adaptacja-result.png");
    clock.advance(30000);
    EXPECT_FALSE(adaptationPage().procedure().running());
    save(window.get(), "Adaptacja-done.png");
    QTabBar* bar = tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabOf("TabSheet4")).center());
    save(window.get(), "Mapa-after-adaptation.png");
}
