// Writes the seed corpora of the fuzz targets from what the controller
// emulator sends and holds: a settings reply and a live reply as they
// arrive on the line, the settings image they carry, a data file saved from
// it, and the demo car's learned sample tables and map driven through the
// map chart and the map correction. Run it on purpose only:
//     build-fuzz/fuzz/fuzz_seed_corpus fuzz/corpus
#include "VirtualClock.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "live/DriveRecordFormat.h"
#include "map/MapPlot.h"
#include "settings/SettingsFile.h"
#include "sim/ControllerEmulator.h"
#include "sim/DriveProfile.h"

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtCore/QFile>

#include <cstdio>
#include <cstdint>
#include <vector>

using namespace brivel;

namespace {

// Lays out an input the way FuzzedDataProvider takes it apart: byte strings
// from the front, integers from the back, most significant byte first.
class ProviderInput {
public:
    void bytes(const QByteArray& b) { front_ += b; }
    void integral(std::int64_t value, std::int64_t min, std::int64_t max)
    {
        const auto range = static_cast<std::uint64_t>(max - min);
        const auto offset = static_cast<std::uint64_t>(value - min);
        int count = 0;
        while (count < 8 && (range >> (8 * count)) > 0)
            ++count;
        for (int i = count - 1; i >= 0; --i)
            back_.push_back(static_cast<char>((offset >> (8 * i)) & 0xFF));
    }
    void byte(int value) { integral(value, 0, 255); }
    void boolean(bool value) { byte(value ? 1 : 0); }
    void integer(int value) { integral(value, INT32_MIN, INT32_MAX); }

    QByteArray data() const
    {
        QByteArray out = front_;
        for (auto it = back_.rbegin(); it != back_.rend(); ++it)
            out.append(*it);
        return out;
    }

private:
    QByteArray front_;
    std::vector<char> back_;
};

class Line {
public:
    Line()
    {
        emulator.setSink([this](const QByteArray& piece) { pieces.push_back(piece); });
        emulator.engine().setProfile(sim::DriveProfile::demo());
        emulator.live().advance(6 * 60 * 1000);
        emulator.live().setMapSelector(3);
        emulator.settings().setFaultMemory(QByteArray("\x03\x00\x07\x2A\x08", 5));
    }

    // Everything the controller sends back for a command, as it arrives.
    std::vector<QByteArray> exchange(const QByteArray& command)
    {
        pieces.clear();
        emulator.receive(WireForm(FrameCommand(command)));
        clock.advance(1500);
        return pieces;
    }

    test::VirtualClock clock;
    sim::ControllerEmulator emulator{clock};
    std::vector<QByteArray> pieces;
};

QByteArray joined(const std::vector<QByteArray>& pieces)
{
    QByteArray all;
    for (const QByteArray& p : pieces)
        all += p;
    return all;
}

bool write(const QDir& corpus, const QString& target, const QString& name, const QByteArray& data)
{
    if (!corpus.mkpath(target))
        return false;
    QFile file(corpus.filePath(target + QLatin1Char('/') + name));
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    std::printf("%s/%s: %lld bytes\n", qPrintable(target), qPrintable(name),
                static_cast<long long>(data.size()));
    return true;
}

QByteArray table(const sim::MapSampleRecorder& samples, bool gas)
{
    QByteArray out(sim::MapSampleRecorder::Cells, '\0');
    for (int kpa = 0; kpa < out.size(); ++kpa)
        out[kpa] = static_cast<char>(gas ? samples.gasCell(kpa) : samples.petrolCell(kpa));
    return out;
}

QByteArray mapChartInput(const QByteArray& image, const QByteArray& live,
                         const sim::MapSampleRecorder& samples)
{
    ProviderInput in;
    for (bool petrol : {true, false}) {
        in.integral(3, 0, 5);
        in.boolean(petrol);
        in.bytes(table(samples, !petrol));
    }
    in.integral(4, 0, 5);
    in.bytes(image.mid(66, 246));
    in.integer(100);
    in.integer(300);
    // The live frame's operating point, under every selector, in the curve
    // window and outside it.
    for (int selector : {0, 1, 2, 3}) {
        for (int index : {130, 20}) {
            in.integral(0, 0, 5);
            in.byte(selector);
            in.boolean(false);
            in.byte(static_cast<quint8>(live[6]));
            in.byte(static_cast<quint8>(live[7]));
            in.boolean(false);
            in.byte(static_cast<quint8>(live[26]));
            in.byte(static_cast<quint8>(live[25]));
            in.byte(index);
        }
    }
    in.integral(5, 0, 5);
    in.boolean(true);
    in.integer(100);
    in.boolean(true);
    in.integer(300);
    return in.data();
}

QByteArray mapCorrectionInput(const QByteArray& image)
{
    ProviderInput in;
    in.bytes(image.mid(66, 246));
    auto press = [&](int x, int buttons) {
        in.integral(0, 0, 6);
        in.byte(buttons);
        in.byte(0);
        in.boolean(true);
        in.integral(x, -2, map::MapPlot::Width + 1);
        in.integral(1, 0, 6);
    };
    auto step = [&](bool up) {
        in.integral(up ? 3 : 4, 0, 6);
        in.integral(5, 0, 6);
        in.boolean(false);
    };
    // A range, raised three times and lowered once; then the whole map.
    press(100, 1);
    press(300, 1);
    for (bool up : {true, true, true, false})
        step(up);
    press(0, 2);
    in.integral(2, 0, 6);
    step(true);
    step(false);
    return in.data();
}

// A short drive as "Nagrywaj" writes it: the header, the settings image and
// live frames a poll cycle apart.
QByteArray driveRecording(Line& line, const QByteArray& image, int frames)
{
    QByteArray text = record::headerLine() + record::settingsLine(0, image);
    for (int k = 0; k < frames; ++k) {
        const QByteArray live = DecodeLine(joined(line.exchange(QByteArray("\x55\x01", 2))));
        text += record::frameLine(240 + 1500 * k, live);
    }
    return text;
}

// The link fuzzer's steps (LinkFuzzer.cpp): a connect answered in two
// pieces, a poll, a setting acknowledged by its echo, a disconnect.
QByteArray linkInput(const QByteArray& image, const QByteArray& live)
{
    enum { FeedDecoded = 0, Advance = 2, Connect = 4, Disconnect = 5, Queue = 6, LastOp = 11 };
    ProviderInput in;
    auto op = [&](int code) { in.integral(code, 0, LastOp); };
    auto feed = [&](const QByteArray& piece) {
        op(FeedDecoded);
        in.integral(piece.size(), 0, 700);
        in.bytes(piece);
    };
    auto advance = [&](int ms) {
        op(Advance);
        in.integral(ms, 0, 6000);
    };
    op(Connect);
    in.boolean(true);
    feed(image.left(300));
    feed(image.mid(300));
    advance(1264);
    advance(240);
    feed(live.left(20));
    feed(live.mid(20));
    advance(240);
    op(Queue);
    in.integral(5, 0, 8);
    in.integral(2, 0, 6);
    in.bytes(QByteArray("\x0F\x28", 2));
    in.boolean(false);
    in.boolean(false);
    advance(240);
    QByteArray echoed = live;
    echoed[3] = 0x0F;
    feed(echoed);
    advance(3000);
    op(Disconnect);
    return in.data();
}

// The live model fuzzer's frames (LiveModelFuzzer.cpp): a live reply, the
// settings image, a disconnect, the live reply again.
QByteArray liveModelInput(const QByteArray& image, const QByteArray& live)
{
    ProviderInput in;
    for (const QByteArray& frame : {live, image, QByteArray(), live}) {
        if (frame.isEmpty()) {
            in.integral(0, 0, 7);
            continue;
        }
        in.integral(2, 0, 7);
        in.integral(frame.size(), 0, 700);
        in.bytes(frame);
    }
    return in.data();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    Line line;
    const std::vector<QByteArray> settingsPieces = line.exchange(QByteArray("\x66\x01", 2));
    const std::vector<QByteArray> livePieces = line.exchange(QByteArray("\x55\x01", 2));
    const QByteArray image = DecodeLine(joined(settingsPieces));
    const QByteArray live = DecodeLine(joined(livePieces));
    const QByteArray reset = DecodeLine(joined(line.exchange(QByteArray("\x26", 1))));
    if (image.size() < 602 || live.size() < 56 || reset.size() < 602) {
        std::fprintf(stderr, "the emulator did not answer\n");
        return 1;
    }
    const QByteArray settingsWrite =
        command::make(command::WriteSettingsRegion, image.mid(21, 540));
    const QByteArray mapWrite = command::make(command::WriteMap, image.mid(66, 246));

    const QString lineCoding = QStringLiteral("line_coding_fuzzer");
    const QString block = QStringLiteral("parameter_block_fuzzer");
    const QString file = QStringLiteral("settings_file_fuzzer");
    bool ok =
        write(corpus, lineCoding, QStringLiteral("settings-reply.bin"), joined(settingsPieces)) &&
        write(corpus, lineCoding, QStringLiteral("live-reply.bin"), joined(livePieces)) &&
        write(corpus, lineCoding, QStringLiteral("live-reply-first-piece.bin"),
              livePieces.front()) &&
        write(corpus, lineCoding, QStringLiteral("settings-write-command.bin"), settingsWrite) &&
        write(corpus, lineCoding, QStringLiteral("map-write-command.bin"), mapWrite) &&
        write(corpus, block, QStringLiteral("settings-image.bin"), image) &&
        write(corpus, block, QStringLiteral("factory-settings-image.bin"), reset) &&
        write(corpus, file, QStringLiteral("demo.kvs"), settings::datafile::encode(image, 37)) &&
        write(corpus, file, QStringLiteral("settings-image.bin"), image) &&
        write(corpus, QStringLiteral("map_chart_fuzzer"), QStringLiteral("demo-frames.bin"),
              mapChartInput(image, live, line.emulator.live().samples())) &&
        write(corpus, QStringLiteral("map_correction_fuzzer"), QStringLiteral("demo-steps.bin"),
              mapCorrectionInput(image)) &&
        write(corpus, QStringLiteral("link_fuzzer"), QStringLiteral("connect-poll-command.bin"),
              linkInput(image, live)) &&
        write(corpus, QStringLiteral("live_model_fuzzer"), QStringLiteral("live-frames.bin"),
              liveModelInput(image, live));
    // Polled after the others, whose seeds stay as they were.
    const QByteArray drive = driveRecording(line, image, 8);
    const QString recording = QStringLiteral("drive_recording_fuzzer");
    ok = ok && write(corpus, recording, QStringLiteral("demo-drive.csv"), drive) &&
         // Cut off in the middle of a row, as a crash leaves it.
         write(corpus, recording, QStringLiteral("demo-drive-cut.csv"),
               drive.left(drive.size() - 37));
    return ok ? 0 : 1;
}
