// The whole road of one poll through the window: the reply's bytes arrive in
// pieces, the link collects them, the next tick decodes the frame onto the
// indicators, and the window repaints what changed.

#include "ReplyFrames.h"
#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "app/TBrivel.h"

#include <benchmark/benchmark.h>

#include <QtWidgets/QApplication>

#include <chrono>

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
    std::unique_ptr<TBrivel> window;

    ConnectedWindow()
    {
        Platform platform{&clock, &dialogs, &store, &urls};
        WindowOptions options;
        options.screenWidth = 1280;
        window = std::make_unique<TBrivel>(platform, port, options);
        window->show();
        port.setPortName(QStringLiteral("bench"));
        window->polaczClick();
        const QByteArray settings = test::controllerLine(test::settingsReply());
        port.feed(settings.left(300));
        port.feed(settings.mid(300));
        clock.advance(1264);  // the settings image is applied; polling starts
        QApplication::processEvents();
    }
};

void BM_PollThroughTheWindow(benchmark::State& state)
{
    ConnectedWindow connected;
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
}
BENCHMARK(BM_PollThroughTheWindow)->Unit(benchmark::kMicrosecond);

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
