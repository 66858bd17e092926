// The whole road of one poll through the window: the reply's bytes arrive in
// pieces, the link collects them, the next tick decodes the frame onto the
// indicators, and the window repaints what changed.

#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "app/TBrivel.h"
#include "link/Frames.h"
#include "link/LineCoding.h"

#include <benchmark/benchmark.h>

#include <QtWidgets/QApplication>

#include <chrono>

namespace {

using namespace brivel;

constexpr int SettingsReplySize = 602;
constexpr int LiveReplySize = 57;
constexpr int PollWireSize = 5;
constexpr int PieceSize = 8;
constexpr double PollPeriodSeconds = 0.240;
constexpr double WireSecondsPerExchange = (LiveReplySize + PollWireSize) * 10.0 / 7200.0;

QByteArray lineCoded(QByteArray reply)
{
    reply[1] = static_cast<char>(reply.size() >> 8);
    reply[2] = static_cast<char>(reply.size() & 0xFF);
    reply[reply.size() - 1] = static_cast<char>(FrameChecksum(reply.left(reply.size() - 1)));
    return EncodeLine(reply, ReceiveKey);
}

QByteArray settingsReply()
{
    QByteArray r(SettingsReplySize, '\0');
    r[0] = static_cast<char>(FrameLead);
    r[3] = 0x66;
    r[4] = 3;
    r[5] = 7;
    r[6] = 7;
    return lineCoded(r);
}

// An idling engine whose speed and lambda move a little from frame to frame,
// as they do on a real car: most read-outs keep their value.
QByteArray liveReply(int frameNumber)
{
    QByteArray r(LiveReplySize, '\0');
    r[0] = static_cast<char>(FrameLead);
    r[3] = 0x55;
    r[4] = 1;
    r[6] = 29;
    r[8] = 29;
    r[10] = 30;
    r[12] = 29;
    r[21] = static_cast<char>(8 + frameNumber % 2);
    r[22] = static_cast<char>(frameNumber % 2 ? 40 : 10);
    r[26] = 35;
    r[24] = 100;
    r[29] = static_cast<char>(220);
    r[31] = 3;
    r[32] = 70;
    r[33] = 30;
    r[34] = static_cast<char>(0xFF);
    r[35] = static_cast<char>(0xFF);
    r[48] = static_cast<char>(0xFF);
    r[55] = static_cast<char>(frameNumber % 2 ? 10 : 40);
    return lineCoded(r);
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
        const QByteArray settings = settingsReply();
        port.feed(settings.left(300));
        port.feed(settings.mid(300));
        clock.advance(1264);  // the settings image is applied; polling starts
        QApplication::processEvents();
    }
};

void BM_PollThroughTheWindow(benchmark::State& state)
{
    ConnectedWindow connected;
    const QByteArray replies[2] = {liveReply(0), liveReply(1)};
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
