#include "link/ControllerLink.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "i18n/MessageTable.h"
#include "link/LinkListener.h"
#include "link/LinkStatusView.h"
#include "link/SerialPort.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformError.h"

#include <algorithm>

namespace brivel {

namespace {

const QString InitErrorText = QStringLiteral("Init Error");
const QString RetriesSpentText = QStringLiteral("Time out - Error1");
const QString CustomRate = QStringLiteral("Custom");
const QString SwitchConnectingText = QStringLiteral("COM x");
const QString SwitchOnSuffix = QStringLiteral(" - ON");
constexpr int IntervalMask = 0x3FF;
// No length field can announce more; a buffer past it stays overrun and can
// never complete, so nothing is lost by not growing it further.
constexpr int MaxReceiveBuffer = 0xFFFF + 1;
constexpr int BitsPerByte = 10;

bool isSettingsCode(int code)
{
    return code == command::ReadSettings || code == command::FactoryReset;
}

}  // namespace

// Messages raised while a handler runs are shown once it has finished: a
// modal box keeps dispatching receive events and ticks, and those must find
// the state the handler was going to leave, not a half-done one.
class ControllerLink::HandlerScope {
public:
    explicit HandlerScope(ControllerLink& link) : link_(link) { ++link_.handlerDepth_; }
    ~HandlerScope() { --link_.handlerDepth_; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

private:
    ControllerLink& link_;
};

ControllerLink::ControllerLink(SerialPort& port, Clock& clock, Dialogs& dialogs,
                               SettingsStore& settings, const MessageTable& messages,
                               LinkStatusView& status, PauseFunction pause)
    : port_(port),
      clock_(clock),
      dialogs_(dialogs),
      settings_(settings),
      messages_(messages),
      status_(status),
      pause_(std::move(pause)),
      Timer_Count(clock.createTimer()),
      Timer_Czekaj_na_odczyt(clock.createTimer()),
      replyDeadline_(clock.createTimer())
{
    if (!pause_)
        pause_ = [this](int ms) { port_.pauseLine(ms); };
    Timer_Count->setSingleShot(false);
    Timer_Count->setInterval(CountIntervalMs);
    Timer_Count->setCallback([this] { Timer_CountTimer(); });
    Timer_Czekaj_na_odczyt->setSingleShot(false);
    Timer_Czekaj_na_odczyt->setInterval(ReplyTimeoutMs);
    Timer_Czekaj_na_odczyt->setCallback([this] { Timer_Czekaj_na_odczytTimer(); });
    replyDeadline_->setSingleShot(true);
    // Ends the reply like the reply time-out does.
    replyDeadline_->setCallback([this] { Timer_Czekaj_na_odczytTimer(); });
    port_.setReceiveHandler([this](int count) { ComPort1RxChar(count); });
    port_.setFaultHandler([this](const PortFault& fault) { ComPort1Error(fault); });
}

ControllerLink::~ControllerLink()
{
    port_.setReceiveHandler(nullptr);
    port_.setFaultHandler(nullptr);
    Timer_Count->stop();
    Timer_Czekaj_na_odczyt->stop();
    replyDeadline_->stop();
}

int ControllerLink::ReplyDeadlineMs(std::optional<int> length)
{
    if (!length || *length <= 0)
        return MaxReplyMs;
    const qint64 lineMs =
        (static_cast<qint64>(*length) * BitsPerByte * 1000 + LineRate - 1) / LineRate;
    return static_cast<int>(std::min<qint64>(MaxReplyMs, ReplyTimeoutMs + 2 * lineMs));
}

void ControllerLink::addListener(LinkListener& listener)
{
    listeners_.push_back(&listener);
}

template <typename Event>
void ControllerLink::tell(Event event)
{
    for (LinkListener* listener : listeners_)
        event(*listener);
}

void ControllerLink::handle(const std::function<void()>& body)
{
    runHandler(dialogs_, [&] {
        HandlerScope scope(*this);
        body();
    });
    showPendingMessages();
}

void ControllerLink::showPendingMessages()
{
    if (handlerDepth_ > 0)
        return;
    while (!pendingMessages_.empty()) {
        const QString text = pendingMessages_.front();
        pendingMessages_.erase(pendingMessages_.begin());
        dialogs_.showMessage(text);
    }
}

void ControllerLink::polaczClick(Sender sender)
{
    handle([&] { connectLink(sender); });
}

void ControllerLink::rozlacz1Click()
{
    handle([&] { disconnectLink(); });
}

void ControllerLink::ComPort1RxChar(int count)
{
    handle([&] { receive(count); });
}

void ControllerLink::ComPort1Error(const PortFault& fault)
{
    handle([&] { portFault(fault); });
}

void ControllerLink::Timer_CountTimer()
{
    handle([&] { countTick(); });
}

void ControllerLink::Timer_Czekaj_na_odczytTimer()
{
    handle([&] { replyTimeout(); });
}

void ControllerLink::Polacz_switchStatusChanged(SwitchChange change)
{
    handle([&] { switchChanged(change); });
}

void ControllerLink::shutdown()
{
    handle([&] {
        Timer_Czekaj_na_odczyt->stop();
        Timer_Count->stop();
        port_.close();
        disconnectLink();
    });
}

void ControllerLink::QueueCommand(const QByteArray& command, const QByteArray& firstFollowUp,
                                  const QByteArray& secondFollowUp)
{
    {
        HandlerScope scope(*this);
        queueCommand(command, firstFollowUp, secondFollowUp);
    }
    showPendingMessages();
}

void ControllerLink::queueCommand(int retries, const QByteArray& command,
                                  const QByteArray& firstFollowUp, const QByteArray& secondFollowUp)
{
    setCommandRetries(retries);
    QueueCommand(command, firstFollowUp, secondFollowUp);
}

void ControllerLink::enterBusyState()
{
    enterBusy();
}

void ControllerLink::setSlowPolling(bool slow)
{
    const int interval = Timer_Count->interval();
    Timer_Count->setInterval(slow ? interval | LongTransferBit : interval & IntervalMask);
}

bool ControllerLink::isBusy() const
{
    return (Timer_Count->interval() & LongTransferBit) != 0;
}

void ControllerLink::connectLink(Sender sender)
{
    if (sender == Sender::None) {
        --ConnectAttempts;
        port_.clearError();
    } else {
        ConnectAttempts = ConnectAttemptsPerConnect;
    }
    useLineRate();
    ExpectedLength = 0;
    ReceiveBuffer.clear();
    if (ConnectAttempts <= 0) {
        disconnectLink();
        return;
    }
    port_.open();
    state_ = LinkState::W_s_0;
    Timer_Count->stop();
    replyDeadline_->stop();
    Timer_Czekaj_na_odczyt->start();
    tell([](LinkListener& l) { l.linkConnecting(); });
    enterBusy();
    send(ConnectFrame());
}

void ControllerLink::disconnectLink()
{
    port_.close();
    state_ = LinkState::Disconnected;
    CurrentCode = -1;
    for (QByteArray& slot : CommandQueue)
        slot.clear();
    CommandRetries = 0;
    Timer_Czekaj_na_odczyt->stop();
    Timer_Count->stop();
    replyDeadline_->stop();
    showSwitch(false);
    ReceiveBuffer.clear();
    tell([](LinkListener& l) { l.linkDisconnected(); });
    status_.setOnline(false);
    port_.storeSettings(settings_);
    tell([](LinkListener& l) { l.portSettingsStored(); });
    status_.setBusy(false);
}

bool ControllerLink::queueCommand(const QByteArray& command, const QByteArray& firstFollowUp,
                                  const QByteArray& secondFollowUp)
{
    // A command needs a code byte, and the save marker is an instruction to
    // the link, not something the controller could make sense of.
    if (command.isEmpty() || command == SaveMarker)
        return true;
    const QByteArray frame = FrameCommand(command);
    // A budget nobody set would count below zero and repeat an unanswered
    // command for ever; it gets the usual one instead.
    if (CommandRetries <= 0)
        CommandRetries = RetriesForEditors;
    --CommandRetries;
    Timer_Count->stop();
    if (CommandRetries == 0) {
        disconnectLink();
        pendingMessages_.push_back(RetriesSpentText);
        return false;
    }
    if (!firstFollowUp.isEmpty())
        CommandQueue[1] = firstFollowUp;
    if (!secondFollowUp.isEmpty())
        CommandQueue[2] = secondFollowUp;
    CommandQueue[0] = frame;
    CurrentCode = static_cast<quint8>(frame[1]);
    state_ = LinkState::Count;
    replyDeadline_->stop();
    Timer_Count->start();
    return true;
}

void ControllerLink::receive(int count)
{
    // Read first: a failed or empty read must leave the reply time-out
    // running, or the link would wait for ever.
    const QByteArray piece = DecodeLine(port_.read(count));
    if (piece.isEmpty())
        return;
    ExpectedLength = 0;
    Timer_Czekaj_na_odczyt->stop();
    switch (state_) {
        case LinkState::W_s_0:
            receiveConnectFirstPiece(piece);
            break;
        case LinkState::W_s_count:
            receiveConnectPiece(piece);
            break;
        case LinkState::Read_count:
            receiveFirstPiece(piece);
            break;
        case LinkState::Read_count_1:
            receivePiece(piece);
            break;
        case LinkState::Disconnected:
        case LinkState::Count:
        case LinkState::T_C_start:
            break;
    }
}

void ControllerLink::receiveConnectFirstPiece(const QByteArray& piece)
{
    if (static_cast<quint8>(piece[0]) != FrameLead) {
        connectLink(Sender::None);
        return;
    }
    appendPiece(piece);
    state_ = LinkState::W_s_count;
    // The connect reply is only checked for completion from its second
    // piece on; a controller always hands the settings image over in parts.
    Timer_Czekaj_na_odczyt->start();
    startReplyDeadline();
}

void ControllerLink::receiveConnectPiece(const QByteArray& piece)
{
    appendPiece(piece);
    if (const auto length = ReplyLength(ReceiveBuffer))
        ExpectedLength = *length;
    if (ReceiveBuffer.size() != ExpectedLength) {
        Timer_Czekaj_na_odczyt->start();
        updateReplyDeadline();
        return;
    }
    replyDeadline_->stop();
    // The version is checked once per run, at the first accepted handshake.
    if (!versionShown_) {
        const auto version = VersionText(ReceiveBuffer);
        if (!version || *version != AcceptedVersion) {
            disconnectLink();
            return;
        }
        status_.setStatusText(StatusVersionText(ReceiveBuffer));
        versionShown_ = true;
    }
    state_ = LinkState::T_C_start;
    Timer_Count->start();
}

void ControllerLink::receiveFirstPiece(const QByteArray& piece)
{
    Timer_Count->stop();
    if (static_cast<quint8>(piece[0]) != FrameLead)
        pendingMessages_.push_back(InitErrorText);
    ExpectedLength = PieceLengthField(piece);
    appendPiece(piece);
    state_ = LinkState::Read_count_1;
    Timer_Czekaj_na_odczyt->start();
    startReplyDeadline();
    if (ReceiveBuffer.size() == ExpectedLength) {
        Timer_Czekaj_na_odczyt->stop();
        replyDeadline_->stop();
        state_ = LinkState::Count;
        if (acknowledge())
            Timer_Count->start();
    }
}

void ControllerLink::receivePiece(const QByteArray& piece)
{
    Timer_Count->stop();
    appendPiece(piece);
    if (const auto length = ReplyLength(ReceiveBuffer))
        ExpectedLength = *length;
    Timer_Czekaj_na_odczyt->start();
    if (ReceiveBuffer.size() == ExpectedLength) {
        replyDeadline_->stop();
        state_ = LinkState::Count;
        if (acknowledge())
            Timer_Count->start();
        Timer_Czekaj_na_odczyt->stop();
        return;
    }
    updateReplyDeadline();
}

bool ControllerLink::acknowledge()
{
    QByteArray& slot0 = CommandQueue[0];
    if (slot0.isEmpty())
        return true;
    const auto echo = ReplyEcho(ReceiveBuffer);
    if (echo && *echo == static_cast<quint8>(slot0[1])) {
        CommandRetries = 0;
        slot0.clear();
        return true;
    }
    const QByteArray command = slot0.mid(1, slot0.size() - 2);
    return queueCommand(command, QByteArray(), QByteArray());
}

void ControllerLink::countTick()
{
    if (CommandQueue[0].isEmpty() && state_ == LinkState::Count && isSettingsCode(CurrentCode)) {
        applySettingsReply();
        return;
    }
    if (CommandQueue[0].isEmpty())
        CurrentCode = -1;
    if (state_ == LinkState::T_C_start) {
        applyConnectReply();
        return;
    }
    Timer_Count->stop();
    replyDeadline_->stop();
    if (state_ == LinkState::Count && CommandQueue[0].isEmpty()) {
        const QByteArray& reply = ReceiveBuffer;
        tell([&reply](LinkListener& l) { l.liveReplyReceived(reply); });
    }
    ExpectedLength = 0;
    ReceiveBuffer.clear();
    state_ = LinkState::Read_count;
    if (CommandQueue[0].isEmpty() && !CommandQueue[1].isEmpty()) {
        const QByteArray next = CommandQueue[1];
        const QByteArray after = CommandQueue[2];
        CommandQueue[1] = after;
        CommandQueue[2].clear();
        if (next != SaveMarker) {
            CommandRetries = RetriesForFollowUps;
            queueCommand(next, after, QByteArray());
            return;
        }
        // A save marker that lost its read (the read was replaced before it
        // went out) has nothing left to save; it is dropped, never sent.
    }
    if (send(CommandQueue[0].isEmpty() ? PollFrame() : CommandQueue[0]))
        Timer_Czekaj_na_odczyt->start();
}

void ControllerLink::applySettingsReply()
{
    endBusy();
    const QByteArray block = ReceiveBuffer;
    tell([&block](LinkListener& l) { l.settingsImageReceived(block); });
    CurrentCode = -1;
    // Emptied before the file write: its boxes keep ticks coming, and such a
    // tick must not hand the settings image to the live decoder.
    ReceiveBuffer.clear();
    if (takeSaveMarker())
        tell([](LinkListener& l) { l.saveRequested(); });
}

void ControllerLink::applyConnectReply()
{
    const QByteArray block = ReceiveBuffer;
    tell([&block](LinkListener& l) { l.settingsImageReceived(block); });
    ReceiveBuffer.clear();
    state_ = LinkState::Count;
    switchChanged(SwitchChange::ShownOn);
    status_.setConnectSwitchOnText(port_.portName() + SwitchOnSuffix);
    tell([](LinkListener& l) { l.linkConnected(); });
    status_.setOnline(true);
    endBusy();
}

void ControllerLink::replyTimeout()
{
    status_.setBusy(false);
    Timer_Czekaj_na_odczyt->stop();
    replyDeadline_->stop();
    if (ConnectAttempts > 0 && connecting())
        connectLink(Sender::None);
    if (ConnectAttempts < 1 || !connecting()) {
        disconnectLink();
        pendingMessages_.push_back(messages_.text(msg::Row::ReplyTimeout));
    }
}

void ControllerLink::portFault(const PortFault& fault)
{
    // A fault of a port the link no longer uses has nothing left to end.
    if (state_ == LinkState::Disconnected && !port_.isOpen())
        return;
    const QString name = port_.portName();
    disconnectLink();
    pendingMessages_.push_back(portFaultMessage(fault, name, messages_));
}

bool ControllerLink::send(const QByteArray& frame)
{
    try {
        SendEncoded(port_, frame, pause_);
    } catch (const PlatformError& error) {
        // A command queued while the port was closed waits, as it always
        // has, for the next handshake. A write refused on an open port means
        // the line is gone: nothing would ever answer.
        if (!port_.isOpen())
            throw;
        disconnectLink();
        pendingMessages_.push_back(error.text());
        return false;
    }
    return true;
}

void ControllerLink::startReplyDeadline()
{
    replyStartMs_ = clock_.nowMs();
    replyDeadline_->stop();
    updateReplyDeadline();
}

void ControllerLink::updateReplyDeadline()
{
    const std::optional<int> length =
        ExpectedLength > 0 ? std::optional<int>(ExpectedLength) : std::nullopt;
    const qint64 left = replyStartMs_ + ReplyDeadlineMs(length) - clock_.nowMs();
    if (left <= 0) {
        // The piece came in after the deadline had passed.
        replyTimeout();
        return;
    }
    replyDeadline_->setInterval(static_cast<int>(left));
    replyDeadline_->start();
}

void ControllerLink::switchChanged(SwitchChange change)
{
    // The widget reports the link's own changes of what it shows as well.
    if (showingSwitch_)
        return;
    switch (change) {
        case SwitchChange::ShownOn:
            showSwitch(true);
            break;
        case SwitchChange::SwitchedOnByUser:
            if (port_.portName().isEmpty())
                return;
            status_.setConnectSwitchOnText(SwitchConnectingText);
            connectLink(Sender::User);
            break;
        case SwitchChange::SwitchedOffByUser:
            if (!port_.portName().isEmpty())
                disconnectLink();
            break;
    }
}

bool ControllerLink::takeSaveMarker()
{
    // The marker travels with the read it belongs to. When an earlier
    // command's follow-up still waits in slot 1, the image just read is
    // still the one the user asked to save, so the marker is taken from
    // either follow-up slot and the follow-up keeps its turn.
    if (CommandQueue[2] == SaveMarker) {
        CommandQueue[2].clear();
        return true;
    }
    if (CommandQueue[1] == SaveMarker) {
        CommandQueue[1] = CommandQueue[2];
        CommandQueue[2].clear();
        return true;
    }
    return false;
}

void ControllerLink::appendPiece(const QByteArray& piece)
{
    const qsizetype room = MaxReceiveBuffer - ReceiveBuffer.size();
    if (room > 0)
        ReceiveBuffer.append(piece.left(room));
}

void ControllerLink::useLineRate()
{
    // The controller speaks nothing but 7200 bit/s; a stored standard rate
    // would leave every connect unanswered.
    if (!port_.settings().isCustomRate())
        port_.setBaudRate(CustomRate);
    port_.setCustomBaudRate(LineRate);
}

void ControllerLink::enterBusy()
{
    status_.setBusy(true);
    Timer_Count->setInterval(Timer_Count->interval() | LongTransferBit);
}

void ControllerLink::endBusy()
{
    status_.setBusy(false);
    Timer_Count->setInterval(Timer_Count->interval() & IntervalMask);
}

void ControllerLink::showSwitch(bool on)
{
    showingSwitch_ = true;
    status_.showConnectSwitch(on);
    showingSwitch_ = false;
}

bool ControllerLink::connecting() const
{
    return state_ == LinkState::W_s_0 || state_ == LinkState::W_s_count;
}

}  // namespace brivel
