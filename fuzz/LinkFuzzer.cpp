// The link's receive path fed arbitrary sequences of pieces from the line,
// timer ticks in virtual time, connects and disconnects, queued commands
// (settings reads with completions among them), refused writes, port faults
// and shutdowns. After every step the receive buffer is bounded, the state
// is one the link knows, a disconnected link has let go of the port and its
// timers, nothing is written while disconnected, a completion runs only on a
// connected link, and a time-out or a port fault leaves the window enabled
// by the time its box shows.
#include "FuzzCheck.h"

#include "RecordingLink.h"
#include "TestPlatform.h"
#include "VirtualClock.h"

#include "i18n/MessageTable.h"
#include "link/ControllerLink.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "link/SerialPort.h"
#include "platform/PlatformError.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QtCore/QByteArray>

#include <cstddef>
#include <cstdint>

using namespace brivel;

namespace {

constexpr int MaxSteps = 96;
constexpr int MaxPiece = 700;

enum Op {
    FeedDecoded,  // a piece as the link decodes it
    FeedRaw,      // bytes as they come off the line
    Advance,
    FireNext,
    Connect,
    Disconnect,
    Queue,
    Fault,
    RefuseNextWrite,
    EmptyReceiveEvent,
    Busy,
    Shutdown,
    LastOp = Shutdown,
};

class FuzzPort final : public SerialPort {
public:
    QStringList availablePorts() const override { return {QStringLiteral("COM3")}; }
    bool isOpen() const override { return open_; }
    void clearError() override {}
    QByteArray read(int count) override
    {
        const QByteArray bytes = incoming_.left(count);
        incoming_.remove(0, bytes.size());
        return bytes;
    }
    int bytesWaiting() const override { return static_cast<int>(incoming_.size()); }
    void write(const QByteArray& bytes) override
    {
        if (!open_ || refuseNextWrite) {
            refuseNextWrite = false;
            throw PlatformError(portErrorText("WriteFile function failed", 5));
        }
        FUZZ_CHECK(!bytes.isEmpty() && bytes.size() <= MaxWritePiece);
        if (onWrite)
            onWrite(bytes);
    }
    void feed(const QByteArray& bytes)
    {
        if (!open_)
            return;
        incoming_.append(bytes);
        notifyReceived();
    }
    void fail(const PortFault& fault)
    {
        if (!open_)
            return;
        open_ = false;
        incoming_.clear();
        notifyFault(fault);
    }

    bool refuseNextWrite = false;
    std::function<void(const QByteArray&)> onWrite;

protected:
    void openDevice() override { open_ = true; }
    void closeDevice() override
    {
        open_ = false;
        incoming_.clear();
    }
    void applyLineSettings() override {}

private:
    bool open_ = false;
    QByteArray incoming_;
};

const MessageTable& messages()
{
    static const MessageTable table;
    return table;
}

void checkInvariants(const ControllerLink& link, const FuzzPort& port)
{
    FUZZ_CHECK(link.receiveBuffer().size() <= 0x10000);
    const int state = static_cast<int>(link.linkState());
    FUZZ_CHECK(state >= static_cast<int>(LinkState::Disconnected) &&
               state <= static_cast<int>(LinkState::Read_count_1));
    if (link.linkState() == LinkState::Disconnected) {
        FUZZ_CHECK(!port.isOpen());
        FUZZ_CHECK(!link.countTimer().isActive());
        FUZZ_CHECK(!link.replyTimer().isActive());
        FUZZ_CHECK(!link.replyDeadline().isActive());
        FUZZ_CHECK(!link.commandPending());
    }
    // A reply being collected always has an end in sight.
    if (link.linkState() == LinkState::W_s_count || link.linkState() == LinkState::Read_count_1)
        FUZZ_CHECK(link.replyDeadline().isActive());
    const QByteArray& slot0 = link.commandQueue().pendingFrame();
    if (!slot0.isEmpty()) {
        FUZZ_CHECK(slot0.size() >= 3 && static_cast<quint8>(slot0[0]) == FrameLead);
        FUZZ_CHECK(FrameChecksum(slot0.chopped(1)) == static_cast<quint8>(slot0.back()));
        FUZZ_CHECK(link.commandQueue().currentCode() == static_cast<quint8>(slot0[1]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    test::VirtualClock clock;
    FuzzPort port;
    port.setPortName(QStringLiteral("COM3"));
    test::ScriptedDialogs dialogs;
    ControllerLink link(port, clock, [](int) {});
    QStringList log;
    test::RecordingLink view(link, log, dialogs, messages());
    port.onWrite = [&](const QByteArray&) {
        FUZZ_CHECK(link.linkState() != LinkState::Disconnected);
    };
    const QString timeOut = messages().text(msg::Row::ReplyTimeout);
    dialogs.whileOpen = [&](const test::ScriptedDialogs::Shown& shown) {
        // Every box about the link comes once it has settled; a time-out's
        // box finds the window taking input again.
        if (shown.text == timeOut)
            FUZZ_CHECK(!view.busy);
        checkInvariants(link, port);
    };

    for (int step = 0; step < MaxSteps && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange<int>(0, LastOp)) {
            case FeedDecoded: {
                const auto n = in.ConsumeIntegralInRange<int>(0, MaxPiece);
                const std::string bytes = in.ConsumeBytesAsString(static_cast<std::size_t>(n));
                port.feed(EncodeLine(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                     ReceiveKey));
                break;
            }
            case FeedRaw: {
                const auto n = in.ConsumeIntegralInRange<int>(0, 64);
                const std::string bytes = in.ConsumeBytesAsString(static_cast<std::size_t>(n));
                port.feed(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
                break;
            }
            case Advance:
                clock.advance(in.ConsumeIntegralInRange<int>(0, 6000));
                break;
            case FireNext:
                clock.fireNext();
                break;
            case Connect:
                link.connectToController();
                break;
            case Disconnect:
                link.disconnectFromController();
                break;
            case Queue: {
                const int retries = in.ConsumeIntegralInRange<int>(0, 8);
                const auto n = in.ConsumeIntegralInRange<int>(0, 6);
                const std::string command = in.ConsumeBytesAsString(static_cast<std::size_t>(n));
                const QByteArray follow =
                    in.ConsumeBool() ? QByteArray("\x66\x00", 2) : QByteArray();
                CommandSender::Completion completion;
                if (in.ConsumeBool())
                    completion = [&link] { FUZZ_CHECK(link.linkState() == LinkState::Count); };
                link.queueCommand(
                    retries, QByteArray(command.data(), static_cast<qsizetype>(command.size())),
                    follow, QByteArray(), completion);
                break;
            }
            case Fault:
                port.fail({static_cast<PortFault::Kind>(in.ConsumeIntegralInRange<int>(0, 3)), 5,
                           QStringLiteral("Input/output error")});
                break;
            case RefuseNextWrite:
                port.refuseNextWrite = true;
                break;
            case EmptyReceiveEvent:
                link.bytesReady(in.ConsumeIntegralInRange<int>(0, 100));
                break;
            case Busy:
                if (in.ConsumeBool())
                    link.enterBusyState();
                else
                    link.setSlowPolling(in.ConsumeBool());
                break;
            case Shutdown:
                link.shutdown();
                break;
        }
        checkInvariants(link, port);
        dialogs.clear();
        log.clear();
    }
    // However the line behaves, the window is free again within the bound:
    // five attempts, each a reply time-out and a deadline.
    clock.advance(ControllerLink::ConnectAttemptsPerConnect *
                  (ControllerLink::ReplyTimeoutMs + ControllerLink::MaxReplyMs));
    checkInvariants(link, port);
    return 0;
}
