// The whole road of one poll through the window: the reply's bytes arrive in
// pieces, the link collects them, the next tick decodes the frame onto the
// indicators and the map chart, and the window repaints what changed.

#include "ReplyFrames.h"
#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "app/RecordReplay.h"
#include "app/TBrivel.h"
#include "app/WindowPages.h"
#include "live/LiveModel.h"

#include <benchmark/benchmark.h>

#include <QtCore/QTemporaryDir>
#include <QtWidgets/QApplication>

#include <chrono>
#include <cmath>
#include <vector>

namespace {

using namespace brivel;

constexpr int LiveReplySize = 57;
constexpr int PollWireSize = 5;
constexpr int PieceSize = 8;
constexpr double PollPeriodSeconds = 0.240;
constexpr double WireSecondsPerExchange = (LiveReplySize + PollWireSize) * 10.0 / 7200.0;

// An idling engine whose speed and lambda move a little from frame to frame,
// as they do on a real car: most read-outs keep their value.
QByteArray liveLine(int frameNumber)
{
    const int odd = frameNumber % 2;
    return test::controllerLine(test::liveFrame({{4, 1},
                                                 {6, 29},
                                                 {8, 29},
                                                 {10, 30},
                                                 {12, 29},
                                                 {21, 8 + odd},
                                                 {22, odd ? 40 : 10},
                                                 {24, 100},
                                                 {26, 35},
                                                 {29, 220},
                                                 {31, 3},
                                                 {32, 70},
                                                 {33, 30},
                                                 {55, odd ? 10 : 40}}));
}

// The learned-curve samples a warm engine gives: a petrol and a gas time
// for each manifold pressure from idle to full load (kPa = cell).
int petrolSample(int kpa)
{
    return kpa < 28 || kpa > 100 ? 0 : static_cast<int>(std::lround(28 + (kpa - 32) * 1.8));
}

int gasSample(int kpa)
{
    return kpa < 28 || kpa > 100 ? 0 : static_cast<int>(std::lround(27 + (kpa - 32) * 1.75));
}

// The frame of liveLine with the map samples at `index`, both curves asked
// for, and a cross-hair that moves with the engine.
QByteArray mapLine(int frameNumber, int index)
{
    const int odd = frameNumber % 2;
    // A sample that wobbles by a tenth now and then, as a real engine's does.
    const int wobble = (frameNumber / 3) % 2;
    return test::controllerLine(test::liveFrame({{4, 1},
                                                 {6, 29 + odd},
                                                 {8, 29},
                                                 {10, 30},
                                                 {12, 29},
                                                 {21, 8 + odd},
                                                 {22, odd ? 40 : 10},
                                                 {24, 100},
                                                 {26, 35 + odd},
                                                 {29, 220},
                                                 {31, 3},
                                                 {32, 70},
                                                 {33, 30},
                                                 {36, index},
                                                 {38, petrolSample(index) + wobble},
                                                 {40, petrolSample(index + 1)},
                                                 {41, petrolSample(index + 2)},
                                                 {42, gasSample(index + 2)},
                                                 {44, gasSample(index + 3)},
                                                 {46, gasSample(index + 4) + wobble},
                                                 {47, 3},
                                                 {55, odd ? 10 : 40}}));
}

void feedInPieces(test::TestSerialPort& port, const QByteArray& line)
{
    for (qsizetype i = 0; i < line.size(); i += PieceSize)
        port.feed(line.mid(i, PieceSize));
}

struct ConnectedWindow {
    test::VirtualClock clock;
    test::ScriptedDialogs dialogs;
    test::MemorySettingsStore store;
    test::RecordingUrlOpener urls;
    test::TestSerialPort port;
    QTemporaryDir recordings;
    std::unique_ptr<TBrivel> window;

    ConnectedWindow()
    {
        Platform platform{&clock, &dialogs, &store, &urls};
        WindowOptions options;
        options.screenWidth = 1280;
        options.recordingFolder = recordings.path();
        window = std::make_unique<TBrivel>(platform, port, options);
        window->show();
        port.setPortName(QStringLiteral("bench"));
        window->findChild<QAction*>(QStringLiteral("polacz"))->trigger();
        const QByteArray settings = test::controllerLine(test::settingsReply());
        port.feed(settings.left(300));
        port.feed(settings.mid(300));
        clock.advance(1264);  // the settings image is applied; polling starts
        QApplication::processEvents();
    }
};

// With state.range(0) set, "Nagrywaj" records every frame: a row in memory
// per poll, written to the file once a second of the clock.
void BM_PollThroughTheWindow(benchmark::State& state)
{
    ConnectedWindow connected;
    if (state.range(0) != 0) {
        connected.window->recordReplay().Nagrywaj1Click(true);
        if (!connected.window->recordReplay().recorder().isRecording())
            state.SkipWithError("the recording did not start");
    }
    const QByteArray replies[2] = {liveLine(0), liveLine(1)};
    int frame = 0;
    const auto started = std::chrono::steady_clock::now();
    for (auto _ : state) {
        connected.clock.advance(240);  // the tick decodes the last reply and polls again
        feedInPieces(connected.port, replies[frame++ % 2]);
        QApplication::processEvents();  // the repaints of what changed
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    const double perPoll = elapsed.count() / static_cast<double>(state.iterations());
    state.counters["percent_of_poll_period"] = 100.0 * perPoll / PollPeriodSeconds;
    state.counters["percent_of_wire_time"] = 100.0 * perPoll / WireSecondsPerExchange;
    state.counters["frames_recorded"] =
        connected.window->recordReplay().recorder().framesRecorded();
}
BENCHMARK(BM_PollThroughTheWindow)
    ->ArgName("recording")
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// Which frames arrive while a page is in front.
enum FrameKind {
    CrossHairFrames = 0,  // sample index outside 128…134: the cross-hair moves
    CurveFrames = 1,      // sample index inside: both learned curves are renewed too
    ControllerFrames = 2  // the index advances by one per frame, as the controller's does
};

int sampleIndex(FrameKind kind, int frameNumber)
{
    switch (kind) {
        case CrossHairFrames:
            return 40 + frameNumber % 80;
        case CurveFrames:
            return 128 + frameNumber % 7;
        case ControllerFrames:
            break;
    }
    return frameNumber & 0xFF;
}

// One poll: kept out of line so that a profiler can count it on its own.
[[gnu::noinline]] void pollOnce(ConnectedWindow& connected, const QByteArray& reply)
{
    connected.clock.advance(240);
    feedInPieces(connected.port, reply);
    QApplication::processEvents();
}

void pollWithPage(benchmark::State& state, Page page)
{
    ConnectedWindow connected;
    // A minute of driving has filled both sample tables.
    for (int i = 0; i < 256; ++i)
        connected.window->liveModel().DecodeLiveFrame(
            test::liveFrame({{36, i}, {38, petrolSample(i)}, {42, gasSample(i + 2)}}));
    connected.window->pages().show(page);
    QApplication::processEvents();

    const auto kind = static_cast<FrameKind>(state.range(0));
    constexpr int Prepared = 512;
    std::vector<QByteArray> replies;
    for (int i = 0; i < Prepared; ++i)
        replies.push_back(mapLine(i, sampleIndex(kind, i)));
    int frame = 0;
    const auto started = std::chrono::steady_clock::now();
    for (auto _ : state)
        pollOnce(connected, replies[static_cast<std::size_t>(frame++ % Prepared)]);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    const double perPoll = elapsed.count() / static_cast<double>(state.iterations());
    state.counters["percent_of_wire_time"] = 100.0 * perPoll / WireSecondsPerExchange;
}

// The "Mapa" page in front: the chart is updated and repainted on every poll.
void BM_PollWithTheMapShown(benchmark::State& state)
{
    pollWithPage(state, Page::Mapa);
}
BENCHMARK(BM_PollWithTheMapShown)
    ->Arg(CrossHairFrames)
    ->Arg(CurveFrames)
    ->Arg(ControllerFrames)
    ->Unit(benchmark::kMicrosecond);

// Another page in front: the chart's data follow, its drawing waits.
void BM_PollWithTheMapHidden(benchmark::State& state)
{
    pollWithPage(state, Page::PanelPetrol);
}
BENCHMARK(BM_PollWithTheMapHidden)
    ->Arg(CurveFrames)
    ->Arg(ControllerFrames)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
