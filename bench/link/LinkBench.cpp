// What one exchange with the controller costs the link itself, next to the
// time that exchange spends on the 7200 bit/s line.

#include "link/ControllerLink.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "link/SerialPort.h"
#include "platform/Clock.h"

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>

#include <memory>
#include <vector>

namespace {

using namespace brivel;

// Timers that never fire by themselves: the benchmark fires them.
class StillTimer final : public Timer {
public:
    void tick() { fire(); }
    void setInterval(int ms) override { interval_ = ms; }
    int interval() const override { return interval_; }
    void setSingleShot(bool singleShot) override { singleShot_ = singleShot; }
    bool isSingleShot() const override { return singleShot_; }
    void start() override { active_ = true; }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

private:
    int interval_ = 0;
    bool singleShot_ = false;
    bool active_ = false;
};

class StillClock final : public Clock {
public:
    qint64 nowMs() const override { return 0; }
    QDateTime localDateTime() const override { return QDateTime(); }
    std::unique_ptr<Timer> createTimer() override
    {
        auto timer = std::make_unique<StillTimer>();
        timers_.push_back(timer.get());
        return timer;
    }

    // Between exchanges only the exchange timer runs: its tick.
    void tick()
    {
        for (StillTimer* timer : timers_)
            if (timer->isActive()) {
                timer->tick();
                return;
            }
    }

private:
    std::vector<StillTimer*> timers_;
};

// A port whose incoming bytes the benchmark hands in; writes go nowhere.
class FedPort final : public SerialPort {
public:
    QStringList availablePorts() const override { return {}; }
    bool isOpen() const override { return open_; }
    void clearError() override {}
    QByteArray read(int count) override
    {
        QByteArray bytes = incoming_.left(count);
        incoming_.remove(0, bytes.size());
        return bytes;
    }
    int bytesWaiting() const override { return static_cast<int>(incoming_.size()); }
    void write(const QByteArray& bytes) override { benchmark::DoNotOptimize(bytes.size()); }

    void feed(const QByteArray& bytes)
    {
        incoming_.append(bytes);
        notifyReceived();
    }

protected:
    void openDevice() override { open_ = true; }
    void closeDevice() override { open_ = false; }
    void applyLineSettings() override {}

private:
    bool open_ = false;
    QByteArray incoming_;
};

QByteArray reply(quint8 echo, int length)
{
    QByteArray r(length, '\x22');
    r[0] = static_cast<char>(FrameLead);
    r[1] = static_cast<char>(length >> 8);
    r[2] = static_cast<char>(length & 0xFF);
    r[3] = static_cast<char>(echo);
    if (length >= 7) {
        r[4] = 3;
        r[5] = 7;
        r[6] = 7;
    }
    r[length - 1] = static_cast<char>(FrameChecksum(r.left(length - 1)));
    return EncodeLine(r, ReceiveKey);
}

// A live reply handed over the way a UART driver does, a few bytes at a time.
std::vector<QByteArray> pieces(const QByteArray& line, int size)
{
    std::vector<QByteArray> out;
    for (qsizetype i = 0; i < line.size(); i += size)
        out.push_back(line.mid(i, size));
    return out;
}

constexpr int LiveReplySize = 57;
constexpr int PollWireSize = 5;
constexpr int PieceSize = 6;
// Seconds one poll and its reply spend on a 7200 bit/s line at 10 bits a byte.
constexpr double WireSecondsPerExchange = (LiveReplySize + PollWireSize) * 10.0 / 7200.0;

struct ConnectedLink {
    StillClock clock;
    FedPort port;
    ControllerLink link{port, clock, [](int) {}};

    ConnectedLink()
    {
        // What a window does with each frame, at its cheapest.
        QObject::connect(&link, &ControllerLink::liveReplyReceived, &link,
                         [](const QByteArray& reply) { benchmark::DoNotOptimize(reply.size()); });
        port.setPortName(QStringLiteral("bench"));
        link.connectToController();
        const QByteArray settings = reply(0x66, 602);
        port.feed(settings.left(300));
        port.feed(settings.mid(300));
        clock.tick();  // applies the settings image
    }
};

void addRatio(benchmark::State& state)
{
    state.counters["wire_time_per_cpu_time"] =
        benchmark::Counter(WireSecondsPerExchange, benchmark::Counter::kIsIterationInvariantRate);
}

// Tick (decode the previous reply, write the poll), then the reply in pieces.
void BM_PollExchange(benchmark::State& state)
{
    ConnectedLink c;
    const auto replyPieces = pieces(reply(0x55, LiveReplySize), PieceSize);
    for (auto _ : state) {
        c.clock.tick();
        for (const QByteArray& piece : replyPieces)
            c.port.feed(piece);
    }
    if (c.link.linkState() != LinkState::Count)
        state.SkipWithError("the link did not complete its exchanges");
    addRatio(state);
}
BENCHMARK(BM_PollExchange);

// A queued command: framed, written at the tick, acknowledged by its echo.
void BM_CommandExchange(benchmark::State& state)
{
    ConnectedLink c;
    const QByteArray command("\x0F\x28", 2);
    const auto replyPieces = pieces(reply(0x0F, LiveReplySize), PieceSize);
    for (auto _ : state) {
        c.link.queueCommand(ControllerLink::RetriesForEditors, command);
        c.clock.tick();
        for (const QByteArray& piece : replyPieces)
            c.port.feed(piece);
    }
    if (c.link.commandPending())
        state.SkipWithError("the command was not acknowledged");
    addRatio(state);
}
BENCHMARK(BM_CommandExchange);

void BM_DecodeLiveReply(benchmark::State& state)
{
    const QByteArray line = reply(0x55, LiveReplySize);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeLine(line));
}
BENCHMARK(BM_DecodeLiveReply);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
