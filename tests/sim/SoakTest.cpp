#include "QtPrinters.h"
#include "TestPlatform.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "link/ControllerLink.h"
#include "sim/DemoPort.h"
#include "sim/EmulatorPort.h"

#include <gtest/gtest.h>

#include <QtCore/QElapsedTimer>

#include <cstdlib>
#include <random>

using namespace brivel;
using namespace brivel::sim;
using namespace brivel::test;

namespace {

// How many hours of polling the soak runs: BRIVEL_SOAK_HOURS, one by default.
double soakHours()
{
    const QByteArray hours = qgetenv("BRIVEL_SOAK_HOURS");
    bool ok = false;
    const double value = hours.toDouble(&ok);
    return ok && value > 0 ? value : 1.0;
}

// What a day of polling leaves behind must not grow with it: what the link
// reports is kept as counts and flags only.
class CountingView final : public QObject {
public:
    explicit CountingView(ControllerLink& link)
    {
        connect(&link, &ControllerLink::busyChanged, this, [this](bool on) { busy = on; });
        connect(&link, &ControllerLink::connected, this, [this] { online = true; });
        connect(&link, &ControllerLink::disconnected, this, [this] {
            online = false;
            busy = false;
        });
        connect(&link, &ControllerLink::liveReplyReceived, this, [this](const QByteArray& reply) {
            if (reply.size() == 57)
                ++frames;
        });
    }

    bool busy = false;
    bool online = false;
    qint64 frames = 0;
};

enum class Fault { Noise, CutReplies, Silence, WrongEcho, Vanish, Reconnect, Count };

const char* faultName(Fault fault)
{
    static const char* names[] = {"noise",      "cut replies", "silence",
                                  "wrong echo", "vanish",      "reconnect"};
    return names[static_cast<int>(fault)];
}

class LinkSoak : public ::testing::Test {
protected:
    LinkSoak() { port.setPortName(DemoPortName); }

    bool polling() const
    {
        const LinkState s = link.linkState();
        return view.online && (s == LinkState::Count || s == LinkState::Read_count ||
                               s == LinkState::Read_count_1);
    }

    // After any fault the link is either polling or cleanly disconnected.
    void expectConsistent(const char* after)
    {
        SCOPED_TRACE(after);
        ASSERT_LE(link.receiveBuffer().size(), 65536);
        EXPECT_LE(port.emulator().receivedFrames().size(), ControllerEmulator::KeptFrames);
        if (link.linkState() == LinkState::Disconnected) {
            EXPECT_FALSE(port.isOpen());
            EXPECT_FALSE(view.online);
            EXPECT_FALSE(view.busy);
            EXPECT_FALSE(link.countTimer().isActive());
            EXPECT_FALSE(link.replyTimer().isActive());
            EXPECT_FALSE(link.replyDeadline().isActive());
            EXPECT_FALSE(link.commandPending());
            // Nothing goes out while disconnected.
            const qint64 before = port.emulator().receivedCount();
            clock.advance(1000);
            EXPECT_EQ(port.emulator().receivedCount(), before);
        } else {
            EXPECT_TRUE(polling()) << linkStateText(link.linkState()).toStdString();
        }
    }

    // Connects and waits for polling; true when it came.
    bool reconnect()
    {
        port.plugIn();
        link.connectToController();
        for (int i = 0; i < 100 && !polling(); ++i)
            clock.advance(100);
        clock.advance(1000);
        return polling() && view.frames > 0;
    }

    VirtualClock clock;
    EmulatorPort port{clock};
    ControllerLink link{port, clock, [](int) {}};
    CountingView view{link};
};

// Hours of polling against the emulator with its faults switched on at
// random: after each the link is polling or cleanly disconnected, a
// reconnect works, and nothing grows with the hours.
TEST_F(LinkSoak, PollsThroughRandomFaultsAndAlwaysReconnects)
{
    const qint64 span = static_cast<qint64>(soakHours() * 3600 * 1000);
    std::mt19937 random(20260115);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    QElapsedTimer real;
    real.start();
    ASSERT_TRUE(reconnect());
    int faults[static_cast<int>(Fault::Count)] = {};
    int disconnects = 0;
    while (clock.nowMs() < span) {
        clock.advance(between(2000, 60000));
        ASSERT_TRUE(polling()) << "polls between faults";
        const auto fault = static_cast<Fault>(between(0, static_cast<int>(Fault::Count) - 1));
        ++faults[static_cast<int>(fault)];
        const int lasting = between(200, 8000);
        ControllerEmulator& controller = port.emulator();
        switch (fault) {
            case Fault::Noise:
                controller.setFault(EmulatorFault::NoiseBytes);
                break;
            case Fault::CutReplies:
                controller.setFault(EmulatorFault::CutOffReply);
                break;
            case Fault::Silence:
                controller.setFault(EmulatorFault::Silence);
                break;
            case Fault::WrongEcho:
                controller.setFault(EmulatorFault::WrongEcho);
                link.queueCommand(CommandSender::RetriesForEditors, QByteArray("\x0F\x28", 2));
                break;
            case Fault::Vanish:
                clock.advance(between(0, 400));
                port.unplug();
                break;
            case Fault::Reconnect:
                link.disconnectFromController();
                break;
            case Fault::Count:
                break;
        }
        clock.advance(lasting);
        controller.faults().clear();
        // Long enough for any time-out: the reply time-out and a deadline.
        clock.advance(ControllerLink::ReplyTimeoutMs + ControllerLink::MaxReplyMs);
        expectConsistent(faultName(fault));
        if (HasFatalFailure())
            return;
        if (link.linkState() == LinkState::Disconnected) {
            ++disconnects;
            ASSERT_TRUE(reconnect()) << "after " << faultName(fault) << " at " << clock.nowMs();
        }
    }
    std::string summary;
    for (int f = 0; f < static_cast<int>(Fault::Count); ++f)
        summary +=
            std::string(faultName(static_cast<Fault>(f))) + " " + std::to_string(faults[f]) + ", ";
    RecordProperty("virtual_hours", std::to_string(soakHours()));
    RecordProperty("real_ms", std::to_string(real.elapsed()));
    std::printf("soak: %.1f h of polling in %.1f s: %lld frames, faults: %s%d disconnects\n",
                soakHours(), real.elapsed() / 1000.0, static_cast<long long>(view.frames),
                summary.c_str(), disconnects);
    // Faults, their time-outs and the reconnects take about a third of the
    // time; the rest is polling at one frame every 336 ms or so.
    EXPECT_GT(view.frames, span / 1000);
}

}  // namespace
