// What it takes to start replaying a long drive: the file is read and
// indexed once, and only the frames that are shown are decoded.

#include "VirtualClock.h"
#include "link/Frames.h"
#include "live/DriveRecordFormat.h"
#include "live/DriveRecorder.h"
#include "live/DriveRecording.h"

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <algorithm>

namespace {

using namespace brivel;

// One exchange of the poll cycle: 240 ms of pause and the reply on the line.
constexpr qint64 FrameStepMs = 327;

QByteArray liveFrame(int k)
{
    QByteArray frame(57, '\0');
    frame[0] = static_cast<char>(FrameLead);
    frame[2] = 57;
    frame[3] = 0x55;
    for (int offset = 4; offset < 56; ++offset)
        frame[offset] = static_cast<char>((k * 7 + offset * 13) & 0xFF);
    return frame;
}

// A drive of `minutes` as the recorder writes it.
QByteArray drive(int minutes)
{
    const int frames = static_cast<int>(minutes * 60'000 / FrameStepMs);
    QByteArray image(602, '\x11');
    image[0] = static_cast<char>(FrameLead);
    image[1] = 602 >> 8;
    image[2] = 602 & 0xFF;
    image[3] = 0x66;
    QByteArray text = record::headerLine() + record::settingsLine(0, image);
    for (int k = 0; k < frames; ++k)
        text += record::frameLine(240 + k * FrameStepMs, liveFrame(k));
    return text;
}

// From the file's name to the first frame ready for the link.
void BM_OpenARecording(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drive.csv"));
    const QByteArray text = drive(static_cast<int>(state.range(0)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        state.SkipWithError("cannot write the recording");
        return;
    }
    file.close();
    int frames = 0;
    for (auto _ : state) {
        const auto recording = DriveRecording::load(path);
        frames = recording->frameCount();
        benchmark::DoNotOptimize(recording->frame(0));
    }
    state.counters["frames"] = frames;
    state.counters["megabytes"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_OpenARecording)
    ->ArgName("minutes")
    ->Arg(10)
    ->Arg(60)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// One frame looked up and decoded at a jump.
void BM_JumpAndReadAFrame(benchmark::State& state)
{
    const DriveRecording recording = DriveRecording::parse(drive(60));
    qint64 at = 0;
    for (auto _ : state) {
        at = (at + 1'234'567) % recording.endMs();
        benchmark::DoNotOptimize(recording.frame(std::max(recording.indexAt(at), 0)));
    }
}
BENCHMARK(BM_JumpAndReadAFrame)->Unit(benchmark::kMicrosecond);

// What recording adds to one poll: the frame's row, formatted and kept in
// memory, and a quarter of the once-a-second write of the rows to the file
// (a poll cycle is about a quarter of a second).
void BM_RecordAPoll(benchmark::State& state)
{
    QTemporaryDir dir;
    test::VirtualClock clock;
    DriveRecorder recorder(clock);
    if (!recorder.start(dir.path(), QByteArray())) {
        state.SkipWithError("cannot start a recording");
        return;
    }
    int k = 0;
    for (auto _ : state) {
        recorder.liveReplyReceived(liveFrame(k));
        if (++k % 4 == 0)
            clock.advance(DriveRecorder::FlushIntervalMs);
    }
    recorder.stop();
}
BENCHMARK(BM_RecordAPoll)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
