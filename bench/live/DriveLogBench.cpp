// The drive-log plot of a long recording: reading every frame into channels
// once, and drawing the strips, which cost one min/max pair per pixel column
// and channel however long the drive.

#include "link/Frames.h"
#include "live/DriveLog.h"
#include "live/DriveRecordFormat.h"
#include "live/DriveRecording.h"
#include "live/ui/DriveLogPlot.h"

#include <benchmark/benchmark.h>

#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QWheelEvent>
#include <QtWidgets/QApplication>

#include <cmath>

namespace {

using namespace brivel;

// One exchange of the poll cycle: about 15,000 frames an hour.
constexpr qint64 FrameStepMs = 240;

QByteArray liveFrame(int k)
{
    QByteArray frame(57, '\0');
    frame[0] = static_cast<char>(FrameLead);
    frame[2] = 57;
    frame[3] = 0x55;
    frame[4] = 0x01;
    frame[5] = static_cast<char>((k / 5000) & 1);
    const double phase = k / 40.0;
    frame[21] = static_cast<char>(20 + 15 * std::sin(phase));
    frame[22] = static_cast<char>(100 + 90 * std::sin(phase * 7));
    frame[23] = 0x01;
    frame[24] = static_cast<char>(128 + 60 * std::sin(phase / 3));
    frame[26] = static_cast<char>(60 + 40 * std::sin(phase));
    frame[29] = static_cast<char>(190 + (k % 7));
    frame[32] = static_cast<char>(40 + (k / 300) % 40);
    frame[33] = static_cast<char>(20 + (k / 500) % 30);
    frame[34] = static_cast<char>(k % 2000 < 5 ? 0xF7 : 0xFF);
    frame[35] = static_cast<char>(0xFF);
    frame[48] = static_cast<char>(0xFF);
    return frame;
}

drivelog::DriveLog drive(int minutes)
{
    const int frames = static_cast<int>(minutes * 60'000 / FrameStepMs);
    QByteArray text = record::headerLine();
    for (int k = 0; k < frames; ++k)
        text += record::frameLine(k * FrameStepMs, liveFrame(k));
    return drivelog::DriveLog::fromRecording(DriveRecording::parse(text));
}

const drivelog::DriveLog& cachedDrive(int minutes)
{
    static drivelog::DriveLog hour = drive(60);
    static drivelog::DriveLog eight = drive(480);
    return minutes == 60 ? hour : eight;
}

// Every frame of a recording read into the plot's channels, as a replay
// starts.
void BM_ReadTheDriveLog(benchmark::State& state)
{
    const int minutes = static_cast<int>(state.range(0));
    QByteArray text = record::headerLine();
    const int frames = static_cast<int>(minutes * 60'000 / FrameStepMs);
    for (int k = 0; k < frames; ++k)
        text += record::frameLine(k * FrameStepMs, liveFrame(k));
    const DriveRecording recording = DriveRecording::parse(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(drivelog::DriveLog::fromRecording(recording).size());
    state.counters["frames"] = recording.frameCount();
}
BENCHMARK(BM_ReadTheDriveLog)->ArgName("minutes")->Arg(60)->Arg(480)->Unit(benchmark::kMillisecond);

// The whole plot drawn: seven strips (the channels shown at first) over the
// whole drive, 900 × 520 pixels.
void BM_DrawThePlot(benchmark::State& state)
{
    const drivelog::DriveLog& log = cachedDrive(static_cast<int>(state.range(0)));
    DriveLogPlot plot;
    plot.resize(900, 520);
    plot.setLog(&log);
    QImage image(plot.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        plot.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["frames"] = log.size();
}
BENCHMARK(BM_DrawThePlot)->ArgName("minutes")->Arg(60)->Arg(480)->Unit(benchmark::kMillisecond);

// One wheel notch in and the plot drawn again, going deeper each time and
// back out to the whole drive.
void BM_ZoomAndDraw(benchmark::State& state)
{
    const drivelog::DriveLog& log = cachedDrive(static_cast<int>(state.range(0)));
    DriveLogPlot plot;
    plot.resize(900, 520);
    plot.setLog(&log);
    QImage image(plot.size(), QImage::Format_ARGB32_Premultiplied);
    const QPointF at(DriveLogPlot::LabelWidth + 500, 200);
    int notches = 0;
    for (auto _ : state) {
        const int delta = notches++ % 20 < 10 ? 120 : -120;
        QWheelEvent wheel(at, at, {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&plot, &wheel);
        plot.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_ZoomAndDraw)->ArgName("minutes")->Arg(60)->Arg(480)->Unit(benchmark::kMillisecond);

// The decimation alone, one channel over the whole drive at 780 columns.
void BM_Decimate(benchmark::State& state)
{
    const drivelog::DriveLog& log = cachedDrive(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(drivelog::decimate(log.times(), log.values(drivelog::Channel::Rpm),
                                                    log.startMs(), log.endMs() + 1, 780));
}
BENCHMARK(BM_Decimate)->ArgName("minutes")->Arg(60)->Arg(480)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
