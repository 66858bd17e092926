#include "FullDisk.h"
#include "QtPrinters.h"
#include "ReplyFrames.h"
#include "TestOutput.h"
#include "WindowFixture.h"
#include "settings/SettingsModel.h"
#include "app/ui/BottomBar.h"
#include "app/RecordReplay.h"
#include "app/ui/ReplayBar.h"
#include "app/ui/WindowCaptions.h"
#include "app/WindowPages.h"
#include "link/ControllerLink.h"
#include "link/PortRouter.h"
#include "live/DriveRecordFormat.h"
#include "live/DriveRecording.h"
#include "live/LiveModel.h"
#include "live/ui/OscilloscopePage.h"
#include "map/InjectionMap.h"
#include "map/ui/MapChart.h"
#include "map/ui/MapPage.h"
#include "widgets/ui/TAbMiniTrend.h"
#include "widgets/ui/TAbSpinButton.h"
#include "widgets/ui/TAbTimerSpeedBtn.h"
#include "live/ReplayPort.h"
#include "live/ui/DriveLogPlot.h"
#include "live/ui/DriveLogWindow.h"
#include "settings/FuelEditor.h"
#include "settings/SettingsMenu.h"
#include "sim/DemoPort.h"
#include "sim/CurrentFault.h"
#include "sim/DriveProfile.h"
#include "sim/EmulatorPort.h"
#include "link/Frames.h"
#include "widgets/ui/TAbDBColBitBtn.h"
#include "widgets/ui/TAbToggleSwitch.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtGui/QAction>
#include <QtGui/QWheelEvent>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QLabel>
#include <QtWidgets/QSlider>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolButton>

#include <functional>
#include <optional>
#include <vector>

using namespace brivel;

namespace {

// The readings the live indicators show, as one comparable text.
QString describe(const LiveSnapshot& s)
{
    QStringList parts;
    for (float value : {s.rpm, s.manifoldPressure, s.gasPressure, s.gasTime, s.gasTemp,
                        s.reducerTemp, s.lambda1, s.lambda2, s.battery})
        parts << QString::number(value);
    for (float petrol : s.petrolTimes)
        parts << QString::number(petrol);
    for (bool lit : s.levelLit)
        parts << QString::number(lit);
    parts << QString::number(s.active) << QString::number(s.gasSelected) << s.tankVoltageText
          << s.faultText << QString::number(s.sampleIndex) << QString::number(s.mapSelector);
    return parts.join(QLatin1Char('|'));
}

// Where two sequences of readings first part, within their first `count`;
// -1 when they agree that far.
qsizetype firstDifference(const QStringList& a, const QStringList& b, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        if (i >= a.size() || i >= b.size() || a[i] != b[i])
            return i;
    return -1;
}

struct ReadingLog {
    void follow(const LiveSnapshot& s, LiveChanges changes)
    {
        if (on && (changes & FrameDecoded))
            readings << describe(s);
    }
    bool on = false;
    QStringList readings;
};

// The window with the real ports (a test port), the emulated controller
// under "Demo" and recordings played under "REPLAY", all on virtual time.
class ReplayWindowTest : public test::WindowFixture {
protected:
    ReplayWindowTest()
    {
        clock.setLocalDateTime(QDateTime(QDate(2024, 5, 7), QTime(14, 3, 22)));
        auto device = std::make_unique<test::TestSerialPort>();
        device->presentPorts = {"ttyS0"};
        serial = device.get();
        auto demo = std::make_unique<sim::EmulatorPort>(clock);
        emulator = &demo->emulator();
        emulator->engine().setProfile(sim::DriveProfile::demo());
        auto replay = std::make_unique<ReplayPort>(clock);
        replayPort = replay.get();
        router = std::make_unique<PortRouter>(
            std::make_unique<PortRouter>(std::move(device), std::move(demo), sim::DemoPortName),
            std::move(replay), ReplayPort::PortName);
        WindowOptions options;
        options.demoPortName = sim::DemoPortName;
        options.replayPort = replayPort;
        options.recordingFolder = folder.path();
        open(*router, options);
        QObject::connect(&window->liveModel(), &LiveModel::changed,
                         [this](const LiveSnapshot& s, LiveChanges c) { log.follow(s, c); });
    }

    void connectDemo()
    {
        control<QAction>("Demo")->trigger();
        clock.advance(3000);
        ASSERT_TRUE(window->link().linkState() == LinkState::Count);
    }

    // Records `ms` of the demo drive; the file's path.
    QString recordDemo(qint64 ms)
    {
        connectDemo();
        control<QAction>("Nagrywaj1")->trigger();
        EXPECT_TRUE(window->recordReplay().recorder().isRecording());
        log.on = true;
        clock.advance(ms);
        control<QAction>("Nagrywaj1")->trigger();
        log.on = false;
        control<QAction>("rozlacz1")->trigger();
        return window->recordReplay().recorder().filePath();
    }

    void replay(const QString& path)
    {
        dialogs.openAnswers.push_back(path);
        control<QAction>("Odtworz1")->trigger();
        clock.advance(1600);  // the handshake is applied; polling starts
    }

    ReplayBar* bar() const { return window->recordReplay().replayBar(); }

    QTemporaryDir folder;
    test::TestSerialPort* serial = nullptr;
    sim::ControllerEmulator* emulator = nullptr;
    ReplayPort* replayPort = nullptr;
    std::unique_ptr<PortRouter> router;
    ReadingLog log;
};

}  // namespace

TEST_F(ReplayWindowTest, TenMinutesOfTheDemoDriveReplayAsTheSameReadings)
{
    const QString path = recordDemo(10 * 60 * 1000);
    const QStringList recorded = log.readings;
    // One exchange is 240 ms of pause and about 96 ms on the line.
    ASSERT_GE(recorded.size(), 600'000 / 340);
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("brivel_2024-05-07_14-03-25.csv"));
    const auto file = DriveRecording::load(path);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->frameCount(), recorded.size());
    EXPECT_EQ(file->settingsImage(), window->settingsModel().parameterBlock());

    const int written = static_cast<int>(serial->writes.size());
    const int received = static_cast<int>(emulator->receivedFrames().size());
    log.readings.clear();
    log.on = true;
    replay(path);
    EXPECT_EQ(window->bottomBar().statusText(), QStringLiteral("REPLAY ") + QFileInfo(path).fileName());
    EXPECT_EQ(control<TAbDBColBitBtn>("Polacz_switch")->textOn(), QStringLiteral("REPLAY - ON"));
    EXPECT_TRUE(bar()->isVisibleTo(window.get()));
    EXPECT_FALSE(control<QAction>("Nagrywaj1")->isEnabled()) << "a replay is not recorded";
    clock.advance(10 * 60 * 1000 + 1000);

    ASSERT_GE(log.readings.size(), recorded.size());
    EXPECT_EQ(firstDifference(log.readings, recorded, recorded.size()), -1);
    // The drive is over: its last readings stay.
    for (qsizetype i = recorded.size(); i < log.readings.size(); ++i)
        EXPECT_EQ(log.readings[i], recorded.last()) << i;
    EXPECT_EQ(serial->writes.size(), written) << "no byte to a serial port during the replay";
    EXPECT_EQ(emulator->receivedFrames().size(), received);
    EXPECT_EQ(replayPort->refusedCommands(), 0);
    EXPECT_TRUE(dialogs.messages().isEmpty())
        << dialogs.messages().join(QLatin1Char('|')).toStdString();
    control<QAction>("rozlacz1")->trigger();

    // A copy cut off in the middle of a row, as a crash leaves it, plays up
    // to the cut.
    QFile whole(path);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QByteArray text = whole.readAll();
    const qsizetype cut = text.indexOf("\r\n", text.size() / 2) + 40;
    const QString cutPath = folder.filePath(QStringLiteral("cut.csv"));
    QFile cutFile(cutPath);
    ASSERT_TRUE(cutFile.open(QIODevice::WriteOnly));
    cutFile.write(text.left(cut));
    cutFile.close();
    const int rowsBeforeCut = static_cast<int>(text.left(cut).count("\r\n")) - 2;

    log.readings.clear();
    replay(cutPath);
    clock.advance(6 * 60 * 1000);
    ASSERT_GE(log.readings.size(), rowsBeforeCut);
    EXPECT_EQ(firstDifference(log.readings, recorded, rowsBeforeCut), -1);
    EXPECT_EQ(log.readings.last(), recorded[rowsBeforeCut - 1]);
    EXPECT_TRUE(dialogs.messages().isEmpty())
        << dialogs.messages().join(QLatin1Char('|')).toStdString();
}

TEST_F(ReplayWindowTest, TheBarPausesJumpsAndSpeedsUp)
{
    const QString path = recordDemo(3 * 60 * 1000);
    const QStringList recorded = log.readings;
    const auto file = DriveRecording::load(path);
    ASSERT_TRUE(file.has_value());
    replay(path);
    clock.advance(5000);

    // Pause: the readings hold still however long the fitter looks.
    QTest::mouseClick(bar()->playButton(), Qt::LeftButton);
    EXPECT_FALSE(replayPort->isPlaying());
    const qint64 held = replayPort->positionMs();
    clock.advance(600);  // the frame on its way is shown
    const QString shown = describe(window->liveModel().snapshot());
    EXPECT_EQ(shown, recorded[file->indexAt(held)]);
    clock.advance(20'000);
    EXPECT_EQ(replayPort->positionMs(), held);
    EXPECT_EQ(describe(window->liveModel().snapshot()), shown);
    EXPECT_EQ(window->link().linkState(), LinkState::Count) << "still connected";

    // A jump with the slider shows the readings recorded there.
    QSlider* slider = bar()->slider();
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const qint64 target = slider->sliderPosition();
    EXPECT_GT(target, held);
    clock.advance(600);
    const int there = file->indexAt(target);
    EXPECT_EQ(describe(window->liveModel().snapshot()), recorded[there]);
    EXPECT_EQ(bar()->timeText(), record::clockText(file->timeMs(there) - file->startMs()) +
                                     QStringLiteral(" / ") +
                                     record::clockText(file->endMs() - file->startMs()));

    // 16×: ten seconds move the drive on by about 160.
    QTest::mouseClick(bar()->playButton(), Qt::LeftButton);
    QTest::mouseClick(bar()->speedButton(2), Qt::LeftButton);
    EXPECT_EQ(replayPort->speed(), 16);
    EXPECT_TRUE(bar()->speedButton(2)->isChecked());
    const qint64 from = replayPort->positionMs();
    clock.advance(10'000);
    EXPECT_NEAR(replayPort->positionMs() - from, 160'000, 5000);
    EXPECT_EQ(slider->value(), replayPort->positionMs());
}

TEST_F(ReplayWindowTest, TheDriveLogPlotFollowsTheReplayAndAClickJumpsIt)
{
    // Four minutes of the demo drive with the gas pressure too low for ten
    // seconds in the second.
    connectDemo();
    control<QAction>("Nagrywaj1")->trigger();
    clock.advance(80'000);
    emulator->live().setCurrentFault(sim::CurrentFault::GasPressureLow);
    clock.advance(10'000);
    emulator->live().setCurrentFault(sim::CurrentFault::GasPressureLow, false);
    clock.advance(150'000);
    control<QAction>("Nagrywaj1")->trigger();
    control<QAction>("rozlacz1")->trigger();
    const QString path = window->recordReplay().recorder().filePath();
    DriveLogWindow* plotWindow = window->driveLog();
    ASSERT_NE(plotWindow, nullptr);
    QAction* item = control<QAction>("DriveLog1");
    EXPECT_FALSE(item->isEnabled()) << "there is nothing to plot before a replay";
    EXPECT_FALSE(plotWindow->isVisible());

    replay(path);
    EXPECT_TRUE(plotWindow->isVisible()) << "the plot opens with the recording";
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(item->isChecked());
    const auto file = DriveRecording::load(path);
    ASSERT_TRUE(file.has_value());
    const drivelog::DriveLog& driveLog = plotWindow->log();
    EXPECT_EQ(driveLog.size(), file->frameCount());
    EXPECT_EQ(driveLog.endMs(), file->endMs());
    ASSERT_EQ(driveLog.faults().size(), 1u);
    EXPECT_NEAR(driveLog.faults()[0].timeMs - file->startMs(), 80'000, 1000);
    plotWindow->resize(900, 520);
    QApplication::processEvents();
    DriveLogPlot* plot = plotWindow->plot();

    // The cursor moves with the replay.
    clock.advance(30'000);
    const qint64 at30 = plot->cursorMs();
    EXPECT_EQ(at30, replayPort->positionMs());
    EXPECT_GT(at30, 25'000);
    clock.advance(30'000);
    EXPECT_EQ(plot->cursorMs(), replayPort->positionMs());
    EXPECT_NEAR(plot->cursorMs() - at30, 30'000, 1000);

    // A click at a quarter of the plot's width jumps to a quarter of the
    // drive: to the frame recorded there.
    const QRect area = plot->plotArea();
    const double perPixel = double(file->endMs() - file->startMs()) / area.width();
    const int x = area.width() / 4;
    QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(area.left() + x, area.center().y()));
    const double quarter = file->startMs() + 0.25 * (file->endMs() - file->startMs());
    const double target = plot->span().timeAt(x, area.width());
    EXPECT_NEAR(target, quarter, perPixel);
    EXPECT_EQ(replayPort->positionMs(), file->timeMs(file->indexAt(std::llround(target))));
    clock.advance(600);
    EXPECT_EQ(plot->cursorMs(), replayPort->positionMs());
    EXPECT_NEAR(plot->cursorMs(), quarter, perPixel + 1000);

    // The wheel zooms around the pointer; "whole drive" shows all of it again.
    const QPointF pointer(area.left() + area.width() * 0.7, area.center().y());
    const double under = plot->span().timeAt(pointer.x() - area.left(), area.width());
    QWheelEvent wheel(pointer, plot->mapToGlobal(pointer), {}, QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
    EXPECT_LT(plot->span().lengthMs(), 0.7 * (file->endMs() - file->startMs()));
    EXPECT_NEAR(plot->span().timeAt(pointer.x() - area.left(), area.width()), under, 1e-6);
    QTest::mouseClick(control<QPushButton>("DriveLogWhole"), Qt::LeftButton);
    EXPECT_TRUE(plot->span().isWholeDrive());

    // Hidden and shown with the item; the export writes what is visible.
    item->trigger();
    EXPECT_FALSE(plotWindow->isVisible());
    item->trigger();
    EXPECT_TRUE(plotWindow->isVisible());
    const QString png = test::testOutputDir(QStringLiteral("screens/replay")) +
                        QStringLiteral("/plot-with-fault.png");
    dialogs.saveAnswers.push_back(png);
    QTest::mouseClick(control<QPushButton>("DriveLogExport"), Qt::LeftButton);
    const QImage exported(png);
    EXPECT_EQ(exported.size(), plot->size());

    control<QAction>("rozlacz1")->trigger();
    EXPECT_FALSE(plotWindow->isVisible()) << "the plot closes with the replay";
    EXPECT_FALSE(item->isEnabled());
}

TEST_F(ReplayWindowTest, SettingsCommandsAreRefusedWithAMessageAndNeverSent)
{
    const QString path = recordDemo(20'000);
    replay(path);
    const QString refused = window->messageTable().text(msg::Row::ReplayRefused);
    EXPECT_EQ(refused, QStringLiteral("Odtwarzanie nagrania: polecenia nie są wysyłane do "
                                      "sterownika."));
    // A replay has no settings to read, write or reset.
    for (const char* item : {"Odczyt1", "Zapis1", "Reset1"})
        EXPECT_FALSE(control<QAction>(item)->isVisible()) << item;

    QTest::mouseClick(window->bottomBar().fuelSwitch(), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList{refused});
    // The adaptation says so once and neither starts nor locks the window.
    dialogs.clear();
    control<QPushButton>("Button_start")->click();
    EXPECT_EQ(dialogs.messages(), QStringList{refused});
    clock.advance(5000);
    EXPECT_EQ(dialogs.messages(), QStringList{refused});
    EXPECT_TRUE(control<QWidget>("tab_control")->isEnabled());
    // A settings read that was refused leaves the window usable.
    dialogs.clear();
    dialogs.saveAnswers.push_back(folder.filePath(QStringLiteral("settings.kvs")));
    window->settingsMenu().Zapis1Click();
    EXPECT_EQ(dialogs.messages(), QStringList{refused});
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->link().isBusy());
    clock.advance(5000);
    EXPECT_FALSE(window->link().commandPending());
    EXPECT_EQ(replayPort->refusedCommands(), 0) << "nothing even reached the replay";
    EXPECT_EQ(window->link().linkState(), LinkState::Count);

    // Once the replay is over, commands go to the controller again.
    control<QAction>("rozlacz1")->trigger();
    connectDemo();
    dialogs.clear();
    const int before = static_cast<int>(emulator->receivedFrames().size());
    QTest::mouseClick(window->bottomBar().fuelSwitch(), Qt::LeftButton);
    clock.advance(1000);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_GT(emulator->receivedFrames().size(), before);
}

TEST_F(ReplayWindowTest, EndingTheReplayGivesTheWindowBackAsItWas)
{
    const int height = window->height();
    EXPECT_FALSE(window->statusBar()->isVisibleTo(window.get()));
    const QString path = recordDemo(5000);
    const QString version = window->bottomBar().statusText();
    EXPECT_EQ(version, QStringLiteral(" BRIVEL ver. 3.07.07"));

    replay(path);
    EXPECT_TRUE(window->statusBar()->isVisibleTo(window.get()));
    EXPECT_GT(window->height(), height) << "the strip adds to the window, covering nothing";
    control<QAction>("rozlacz1")->trigger();

    EXPECT_FALSE(window->recordReplay().replaying());
    EXPECT_FALSE(window->statusBar()->isVisibleTo(window.get()));
    EXPECT_EQ(window->height(), height);
    EXPECT_EQ(window->bottomBar().statusText(), version);
    EXPECT_EQ(router->portName(), sim::DemoPortName);
    EXPECT_EQ(store.readString(QStringLiteral("ComPort1/Port")), sim::DemoPortName)
        << "the replay is never stored as the port";
    EXPECT_TRUE(dialogs.messages().isEmpty())
        << dialogs.messages().join(QLatin1Char('|')).toStdString();
}

TEST_F(ReplayWindowTest, AReplayFirstLeavesTheControllersVersionCheckToTheController)
{
    QByteArray text = record::headerLine();
    for (int k = 0; k < 10; ++k)
        text += record::frameLine(240 + 330 * k, test::liveFrame({{21, k}}));
    const QString path = folder.filePath(QStringLiteral("made.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    replay(path);
    EXPECT_TRUE(window->link().versionShown());
    control<QAction>("rozlacz1")->trigger();
    EXPECT_FALSE(window->link().versionShown());
    EXPECT_EQ(window->bottomBar().statusText(), InitialStatusText);
    connectDemo();
    EXPECT_EQ(window->bottomBar().statusText(), QStringLiteral(" BRIVEL ver. 3.07.07"));
}

TEST_F(ReplayWindowTest, AFileThatIsNoRecordingIsRefusedAndNothingChanges)
{
    const QString path = folder.filePath(QStringLiteral("notes.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a,b,c\r\n1,2,3\r\n");
    file.close();
    connectDemo();

    replay(path);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().startsWith(
        window->messageTable().text(msg::Row::NotARecording)));
    EXPECT_FALSE(window->recordReplay().replaying());
    EXPECT_EQ(router->portName(), sim::DemoPortName);
    EXPECT_EQ(window->link().linkState(), LinkState::Count) << "the controller stays connected";
}

TEST_F(ReplayWindowTest, ReplayOpensInTheRecordingsFolderFirstThenWhereTheLastOneWas)
{
    const QString other = folder.filePath(QStringLiteral("customer"));
    ASSERT_TRUE(QDir().mkpath(other));
    const QString path = recordDemo(5000);
    QFile::copy(path, other + QStringLiteral("/golf.csv"));

    control<QAction>("Odtworz1")->trigger();  // cancelled
    replay(other + QStringLiteral("/golf.csv"));
    control<QAction>("rozlacz1")->trigger();
    control<QAction>("Odtworz1")->trigger();
    // The next start remembers it too.
    open(*router, [this] {
        WindowOptions options;
        options.replayPort = replayPort;
        options.recordingFolder = folder.path();
        return options;
    }());
    control<QAction>("Odtworz1")->trigger();

    std::vector<QString> folders;
    for (const auto& shown : dialogs.shown())
        if (shown.kind == test::ScriptedDialogs::Kind::Open)
            folders.push_back(shown.folder);
    EXPECT_EQ(folders, (std::vector<QString>{folder.path(), folder.path(), other, other}));
}

TEST_F(ReplayWindowTest, RecordingShowsItsMarkAndEndsWithTheConnection)
{
    EXPECT_FALSE(control<QAction>("Nagrywaj1")->isEnabled()) << "nothing to record yet";
    connectDemo();
    QAction* record = control<QAction>("Nagrywaj1");
    EXPECT_TRUE(record->isEnabled());
    record->trigger();
    EXPECT_TRUE(record->isChecked());
    QWidget* mark = window->recordReplay().recordingMark();
    EXPECT_TRUE(mark->isVisibleTo(window.get()));
    EXPECT_TRUE(mark->findChild<QLabel*>()->text().endsWith(QStringLiteral("REC")));
    clock.advance(65'000);
    EXPECT_EQ(window->recordReplay().recordingTime()->text(), QStringLiteral("1:05"));

    const QString path = window->recordReplay().recorder().filePath();
    clock.advance(500);
    const qint64 sizeWhileRecording = QFileInfo(path).size();
    EXPECT_GT(sizeWhileRecording, 0) << "flushed while recording";
    window->close();
    EXPECT_FALSE(window->recordReplay().recorder().isRecording());
    EXPECT_FALSE(record->isChecked());
    EXPECT_FALSE(mark->isVisibleTo(window.get()));
    const auto file = DriveRecording::load(path);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->frameCount(), window->recordReplay().recorder().framesRecorded());
    EXPECT_GT(QFileInfo(path).size(), sizeWhileRecording);
}

TEST_F(ReplayWindowTest, ADiskThatFillsDuringARecordingEndsItWithOneMessage)
{
    connectDemo();
    control<QAction>("Nagrywaj1")->trigger();
    clock.advance(3000);
    const QString path = window->recordReplay().recorder().filePath();
    {
        test::FullDisk full(QFileInfo(path).size());
        clock.advance(3000);
        QApplication::processEvents();
    }
    EXPECT_FALSE(control<QAction>("Nagrywaj1")->isChecked());
    EXPECT_TRUE(window->link().linkState() == LinkState::Count) << "the link goes on";
    control<QAction>("rozlacz1")->trigger();
    QApplication::processEvents();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(),
              window->messageTable().text(msg::Row::RecordingCannotWrite) + QLatin1Char('\n') +
                  QDir::toNativeSeparators(path));
    EXPECT_TRUE(DriveRecording::load(path).has_value());
}

TEST_F(ReplayWindowTest, ARecordingThatCannotStartSaysWhereAndStaysOff)
{
    WindowOptions options;
    options.replayPort = replayPort;
    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    options.recordingFolder = blocker.fileName() + QStringLiteral("/drives");
    options.demoPortName = sim::DemoPortName;
    open(*router, options);
    connectDemo();
    control<QAction>("Nagrywaj1")->trigger();
    EXPECT_FALSE(control<QAction>("Nagrywaj1")->isChecked());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first(),
              window->messageTable().text(msg::Row::RecordingCannotWrite) + QLatin1Char('\n') +
                  QDir::toNativeSeparators(options.recordingFolder));
}

// The window during a replay and while recording, in Polish and in English,
// for a person to look at.
TEST_F(ReplayWindowTest, Screenshots)
{
    const QString out = test::testOutputDir(QStringLiteral("screens/replay"));
    window->show();
    const QString path = recordDemo(90'000);
    for (int column : {int(MessageTable::Polish), int(MessageTable::English)}) {
        const QString language =
            column == MessageTable::Polish ? QStringLiteral("pl") : QStringLiteral("en");
        MessageTable inLanguage;
        inLanguage.setLanguage(column);
        applyCaptions(window.get(), inLanguage, CaptionScope::Every);

        connectDemo();
        control<QAction>("Nagrywaj1")->trigger();
        clock.advance(83'000);
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(out + QStringLiteral("/recording-%1.png").arg(language)));
        control<QAction>("rozlacz1")->trigger();

        replay(path);
        clock.advance(40'000);
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(out + QStringLiteral("/replay-%1.png").arg(language)));
        EXPECT_TRUE(
            window->driveLog()->grab().save(out + QStringLiteral("/plot-%1.png").arg(language)));
        // The recording's name is too long for the status panel: it is cut
        // in the middle there and shown whole as the tool tip.
        auto* status = control<QLabel>("StatusBar1Panel0");
        EXPECT_EQ(status->toolTip(), window->bottomBar().statusText());
        // The map chart's cross-hair and learned curves follow the drive too.
        window->pages().show(Page::Mapa);
        clock.advance(2000);
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(out + QStringLiteral("/replay-map-%1.png").arg(language)));
        window->pages().show(Page::PanelPetrol);
        control<QAction>("rozlacz1")->trigger();
        EXPECT_EQ(status->toolTip(), QString()) << status->text().toStdString();
    }
}

// ---- The oscilloscope on the replay's time; refusals before any change ---

namespace {

// The plot columns a channel's trace colour stands in.
int columnsWith(const QImage& plot, QRgb colour)
{
    int columns = 0;
    for (int x = 0; x < plot.width(); ++x)
        for (int y = 0; y < plot.height(); ++y)
            if (plot.pixel(x, y) == colour) {
                ++columns;
                break;
            }
    return columns;
}

const QRgb Channel1 = qRgb(0, 255, 0);

}  // namespace

TEST_F(ReplayWindowTest, TheOscilloscopeRunsOnTheReplaysTimeAndKeepsItsChannel)
{
    const QString path = recordDemo(3 * 60 * 1000);
    OscilloscopePage& scope = window->pages().oscilloscope();
    // A lambda mode: a connect of the fitter's own unchecks it.
    scope.modeButton(live::OscilloscopeMode::RpmLambda1)->click();
    replay(path);
    EXPECT_TRUE(scope.modeButton(live::OscilloscopeMode::RpmLambda1)->isChecked());
    window->pages().show(Page::Oscyloskop);
    TAbMiniTrend* trend = scope.trend();
    const int period = trend->timeBase().periodMs;
    const int step = trend->timeBase().step;

    // At 1× one sample per period of the drive; at 16× sixteen times as many
    // in the same time at the car.
    bar()->slider()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    clock.advance(2400);
    const int atOne = columnsWith(trend->plot(), Channel1);
    EXPECT_NEAR(atOne, 2400 / period * step, 3 * step);
    bar()->slider()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(columnsWith(trend->plot(), Channel1), 0) << "a jump starts the trace again";
    QTest::mouseClick(bar()->speedButton(2), Qt::LeftButton);
    clock.advance(2400);
    const int atSixteen = columnsWith(trend->plot(), Channel1);
    EXPECT_GT(atSixteen, 10 * atOne);
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().save(test::testOutputDir(QStringLiteral("screens/replay")) +
                                    QStringLiteral("/oscilloscope-16x.png")));

    // Paused, the trace stands still however long the fitter looks.
    QTest::mouseClick(bar()->playButton(), Qt::LeftButton);
    clock.advance(600);
    const QImage held = trend->plot();
    clock.advance(20'000);
    EXPECT_EQ(trend->plot(), held);
}

TEST_F(ReplayWindowTest, DuringAReplayMapStepsAndSettingsChoicesAreRefusedBeforeAnythingChanges)
{
    const QString path = recordDemo(20'000);
    replay(path);
    const QString refused = window->messageTable().text(msg::Row::ReplayRefused);
    const QByteArray image = window->settingsModel().parameterBlock();
    const map::InjectionMap before = window->pages().map().model().map();
    const int axis = window->pages().map().chart()->rightAxisMaximum();

    window->pages().show(Page::Mapa);
    EXPECT_FALSE(window->pages().map().undoButton()->isEnabled());
    EXPECT_FALSE(window->pages().map().redoButton()->isEnabled());
    QTest::mouseClick(window->pages().map().spinButton()->upButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList{refused});
    EXPECT_EQ(window->pages().map().model().map().bytes(), before.bytes());
    EXPECT_FALSE(window->pages().map().model().canUndo()) << "no step recorded";

    struct Choice {
        const char* selector;
        Page page;
    };
    for (const Choice& c :
         {Choice{"Sel_cyl", Page::PanelPetrol}, Choice{"Sel_Typ_silnika", Page::PanelPetrol},
          Choice{"Sel_Typ_wtrysku", Page::PanelGaz}}) {
        SCOPED_TRACE(c.selector);
        dialogs.clear();
        window->pages().show(c.page);
        auto* selector = control<QComboBox>(c.selector);
        const int shown = selector->currentIndex();
        QTest::keyClick(selector, shown > 0 ? Qt::Key_Up : Qt::Key_Down);
        EXPECT_EQ(dialogs.messages(), QStringList{refused});
        EXPECT_EQ(selector->currentIndex(), shown) << "it shows what the controller holds";
        EXPECT_EQ(window->settingsModel().parameterBlock(), image);
        EXPECT_EQ(window->pages().map().chart()->rightAxisMaximum(), axis);
    }
    EXPECT_EQ(replayPort->refusedCommands(), 0);
}

TEST_F(ReplayWindowTest, RecordingsAreWrittenAndLookedForInOneFolderThatTheStripNames)
{
    const QString path = recordDemo(5000);
    QLabel* saved = window->recordReplay().recordingSaved();
    EXPECT_TRUE(saved->isVisibleTo(window.get()));
    EXPECT_TRUE(saved->text().contains(QDir::toNativeSeparators(path)))
        << saved->text().toStdString();
    EXPECT_TRUE(window->statusBar()->isVisibleTo(window.get()));

    replay(path);
    ASSERT_FALSE(dialogs.openFolders.isEmpty());
    EXPECT_EQ(dialogs.openFolders.constLast(), folder.path());
    EXPECT_FALSE(saved->isVisibleTo(window.get()));
}


// Which timers run, and how often they wake the program, in each state the
// window can be left in: nothing runs while it waits disconnected, and a
// connection wakes it no more than twenty times a second.
TEST_F(ReplayWindowTest, TimersRunOnlyForWhatGoesOn)
{
    sim::paceLikeTheDemo(*emulator);          // as the window's "Demo" is
    const QString path = recordDemo(20'000);  // ends disconnected
    const struct {
        const char* state;
        std::function<void()> enter;
        Page page;
        // Exact when set; otherwise the exchange timer must be among them.
        std::optional<std::vector<int>> running;
        double maxWakeUpsPerSecond;
    } table[] = {
        {"disconnected", [] {}, Page::PanelPetrol, std::vector<int>{}, 0},
        // The trend's time base, on the shared ticker.
        {"disconnected, oscilloscope shown", [] {}, Page::Oscyloskop, std::nullopt, 4.5},
        {"connected", [this] { connectDemo(); }, Page::PanelPetrol, std::nullopt, 20},
        {"connected, oscilloscope shown", [] {}, Page::Oscyloskop, std::nullopt, 20},
        {"replay paused",
         [&] {
             control<QAction>("rozlacz1")->trigger();
             replay(path);
             replayPort->setPlaying(false);
         },
         Page::PanelPetrol, std::nullopt, 20},
        {"replay paused, oscilloscope shown", [] {}, Page::Oscyloskop, std::nullopt, 20},
        {"disconnected after the replay", [this] { control<QAction>("rozlacz1")->trigger(); },
         Page::PanelPetrol, std::vector<int>{}, 0},
    };
    window->show();
    for (const auto& row : table) {
        SCOPED_TRACE(row.state);
        row.enter();
        window->pages().show(row.page);
        clock.advance(2000);
        const std::vector<int> running = clock.runningIntervals();
        if (row.running)
            EXPECT_EQ(running, *row.running);
        else
            EXPECT_FALSE(running.empty());
        const quint64 before = clock.firings();
        constexpr int Seconds = 10;
        clock.advance(Seconds * 1000);
        const double wakeUps = double(clock.firings() - before) / Seconds;
        EXPECT_LE(wakeUps, row.maxWakeUpsPerSecond);
        if (row.page == Page::Oscyloskop) {
            EXPECT_GT(wakeUps, 0) << "a shown trend runs";
        }
    }
}
