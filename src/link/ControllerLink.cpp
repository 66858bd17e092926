#include "link/ControllerLink.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "link/SerialPort.h"
#include "platform/Clock.h"
#include "platform/PlatformError.h"

#include <exception>

namespace brivel {

namespace {

const QString InitErrorText = QStringLiteral("Init Error");
const QString CustomRate = QStringLiteral("Custom");

bool isSettingsCode(int code)
{
    return code == command::ReadSettings || code == command::FactoryReset;
}

}  // namespace

ControllerLink::ControllerLink(SerialPort& port, Clock& clock, PauseFunction pause, QObject* parent)
    : QObject(parent),
      port_(port),
      clock_(clock),
      pause_(std::move(pause)),
      countTimer_(clock.createTimer()),
      replyTimer_(clock.createTimer()),
      replyDeadline_(clock.createTimer())
{
    if (!pause_)
        pause_ = [this](int ms) { port_.pauseLine(ms); };
    countTimer_->setSingleShot(false);
    countTimer_->setInterval(CountIntervalMs);
    countTimer_->setCallback([this] { handle([this] { countTick(); }); });
    replyTimer_->setSingleShot(false);
    replyTimer_->setInterval(ReplyTimeoutMs);
    replyTimer_->setCallback([this] { handle([this] { replyTimeout(); }); });
    replyDeadline_->setSingleShot(true);
    // Ends the reply like the reply time-out does.
    replyDeadline_->setCallback([this] { handle([this] { replyTimeout(); }); });
    port_.setReceiveHandler([this](int count) { bytesReady(count); });
    port_.setFaultHandler([this](const PortFault& fault) { portFailed(fault); });
}

ControllerLink::~ControllerLink()
{
    port_.setReceiveHandler(nullptr);
    port_.setFaultHandler(nullptr);
    countTimer_->stop();
    replyTimer_->stop();
    replyDeadline_->stop();
}

// An error raised while an event is handled skips the rest of the handling,
// as the default error handler does, and is reported instead of shown.
template <typename Body>
void ControllerLink::handle(Body&& body)
{
    ++handlerDepth_;
    try {
        body();
    } catch (const PlatformError& error) {
        emit errorRaised(error.text());
    } catch (const std::exception& error) {
        emit errorRaised(QString::fromLocal8Bit(error.what()));
    }
    if (--handlerDepth_ == 0)
        emit settled();
}

void ControllerLink::connectToController()
{
    handle([this] { startHandshake(false, DisconnectReason::Kind::NoHandshake); });
}

void ControllerLink::disconnectFromController()
{
    handle([this] { disconnectLink(DisconnectReason::Kind::User); });
}

void ControllerLink::bytesReady(int count)
{
    handle([this, count] { receive(count); });
}

void ControllerLink::portFailed(const PortFault& fault)
{
    handle([this, &fault] { portFault(fault); });
}

void ControllerLink::shutdown()
{
    handle([this] {
        replyTimer_->stop();
        countTimer_->stop();
        port_.close();
        disconnectLink(DisconnectReason::Kind::Shutdown);
    });
}

void ControllerLink::queueCommand(int retries, const QByteArray& command,
                                  const QByteArray& firstFollowUp, const QByteArray& secondFollowUp,
                                  Completion completion)
{
    handle([&] {
        follow(
            queue_.queue(retries, command, firstFollowUp, secondFollowUp, std::move(completion)));
    });
}

void ControllerLink::enterBusyState()
{
    enterBusy();
}

void ControllerLink::setSlowPolling(bool slow)
{
    setLongTransfer(slow);
}

bool ControllerLink::versionShown() const
{
    return versionShown_ || (port_.playsRecording() && recordingVersionShown_);
}

void ControllerLink::startHandshake(bool retry, DisconnectReason::Kind whenAttemptsRunOut)
{
    if (retry) {
        --connectAttempts_;
        port_.clearError();
    } else {
        connectAttempts_ = ConnectAttemptsPerConnect;
    }
    useLineRate();
    reply_.clear();
    if (connectAttempts_ <= 0) {
        disconnectLink(whenAttemptsRunOut);
        return;
    }
    // Another port: whatever recording played has ended.
    if (!port_.playsRecording())
        recordingVersionShown_ = false;
    port_.open();
    state_ = LinkState::W_s_0;
    countTimer_->stop();
    replyDeadline_->stop();
    replyTimer_->start();
    emit connecting();
    enterBusy();
    send(ConnectFrame());
}

void ControllerLink::disconnectLink(const DisconnectReason& reason)
{
    port_.close();
    state_ = LinkState::Disconnected;
    queue_.clear();
    replyTimer_->stop();
    countTimer_->stop();
    replyDeadline_->stop();
    reply_.clear();
    recordingVersionShown_ = false;
    emit disconnected(reason);
}

// What the link does about a command's outcome; false once it has let go.
bool ControllerLink::follow(CommandQueue::Outcome outcome)
{
    switch (outcome) {
        case CommandQueue::Outcome::Idle:
        case CommandQueue::Outcome::Acknowledged:
            return true;
        case CommandQueue::Outcome::Queued:
        case CommandQueue::Outcome::Repeated:
            // The command goes out at the next tick, whatever the link was
            // doing; bytes of a reply still arriving are dropped until then.
            countTimer_->stop();
            state_ = LinkState::Count;
            replyDeadline_->stop();
            countTimer_->start();
            return true;
        case CommandQueue::Outcome::Spent:
            countTimer_->stop();
            disconnectLink(DisconnectReason::Kind::RetriesSpent);
            return false;
    }
    return true;
}

void ControllerLink::receive(int count)
{
    // Read first: a failed or empty read must leave the reply time-out
    // running, or the link would wait for ever.
    const QByteArray piece = DecodeLine(port_.read(count));
    if (piece.isEmpty())
        return;
    replyTimer_->stop();
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
        startHandshake(true, DisconnectReason::Kind::NoHandshake);
        return;
    }
    reply_.append(piece);
    state_ = LinkState::W_s_count;
    // The connect reply is only checked for completion from its second
    // piece on; a controller always hands the settings image over in parts.
    replyTimer_->start();
    startReplyDeadline();
}

void ControllerLink::receiveConnectPiece(const QByteArray& piece)
{
    reply_.append(piece);
    if (!reply_.isWhole()) {
        replyTimer_->start();
        updateReplyDeadline();
        return;
    }
    replyDeadline_->stop();
    // The version is checked once per run, at the first accepted handshake.
    if (!versionShown()) {
        const auto version = VersionText(reply_.bytes());
        if (!version || *version != AcceptedVersion) {
            disconnectLink(DisconnectReason::Kind::VersionRefused);
            return;
        }
        (port_.playsRecording() ? recordingVersionShown_ : versionShown_) = true;
        emit versionAccepted(StatusVersionText(reply_.bytes()));
    }
    state_ = LinkState::T_C_start;
    countTimer_->start();
}

void ControllerLink::receiveFirstPiece(const QByteArray& piece)
{
    countTimer_->stop();
    if (static_cast<quint8>(piece[0]) != FrameLead)
        emit notice(InitErrorText);
    reply_.appendFirst(piece);
    state_ = LinkState::Read_count_1;
    replyTimer_->start();
    startReplyDeadline();
    if (reply_.isWhole()) {
        replyTimer_->stop();
        replyDeadline_->stop();
        state_ = LinkState::Count;
        if (follow(queue_.acknowledge(reply_.bytes())))
            countTimer_->start();
    }
}

void ControllerLink::receivePiece(const QByteArray& piece)
{
    countTimer_->stop();
    reply_.append(piece);
    replyTimer_->start();
    if (reply_.isWhole()) {
        replyDeadline_->stop();
        state_ = LinkState::Count;
        if (follow(queue_.acknowledge(reply_.bytes())))
            countTimer_->start();
        replyTimer_->stop();
        return;
    }
    updateReplyDeadline();
}

void ControllerLink::countTick()
{
    const bool pending = queue_.commandPending();
    if (!pending && state_ == LinkState::Count && isSettingsCode(queue_.currentCode())) {
        applySettingsReply();
        return;
    }
    if (!pending)
        queue_.forgetCurrentCode();
    if (state_ == LinkState::T_C_start) {
        applyConnectReply();
        return;
    }
    countTimer_->stop();
    replyDeadline_->stop();
    if (state_ == LinkState::Count && !pending)
        emit liveReplyReceived(reply_.bytes());
    reply_.clear();
    state_ = LinkState::Read_count;
    if (const auto promoted = queue_.promote(); promoted != CommandQueue::Outcome::Idle) {
        // The promoted follow-up goes out at the next tick.
        follow(promoted);
        return;
    }
    if (send(queue_.commandPending() ? queue_.pendingFrame() : PollFrame()))
        replyTimer_->start();
}

void ControllerLink::applySettingsReply()
{
    endBusy();
    const QByteArray block = reply_.bytes();
    emit settingsImageReceived(block);
    queue_.forgetCurrentCode();
    // Emptied before the completion runs: its boxes keep ticks coming, and
    // such a tick must not hand the settings image to the live decoder.
    reply_.clear();
    if (const Completion done = queue_.takeCompletion())
        done();
}

void ControllerLink::applyConnectReply()
{
    const QByteArray block = reply_.bytes();
    emit settingsImageReceived(block);
    reply_.clear();
    state_ = LinkState::Count;
    emit connected(port_.portName());
    endBusy();
}

void ControllerLink::replyTimeout()
{
    emit busyChanged(false);
    replyTimer_->stop();
    replyDeadline_->stop();
    if (connectAttempts_ > 0 && handshaking()) {
        startHandshake(true, DisconnectReason::Kind::ReplyTimedOut);
        // The last attempt has gone and the link has said why.
        if (state_ == LinkState::Disconnected)
            return;
    }
    if (connectAttempts_ < 1 || !handshaking())
        disconnectLink(DisconnectReason::Kind::ReplyTimedOut);
}

void ControllerLink::portFault(const PortFault& fault)
{
    // A fault of a port the link no longer uses has nothing left to end.
    if (state_ == LinkState::Disconnected && !port_.isOpen())
        return;
    disconnectLink(DisconnectReason::portFailed(fault, port_.portName()));
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
        disconnectLink(DisconnectReason::writeRefused(error.text()));
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
    const qint64 left = replyStartMs_ + reply_.deadlineMs() - clock_.nowMs();
    if (left <= 0) {
        // The piece came in after the deadline had passed.
        replyTimeout();
        return;
    }
    replyDeadline_->setInterval(static_cast<int>(left));
    replyDeadline_->start();
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
    emit busyChanged(true);
    setLongTransfer(true);
}

void ControllerLink::endBusy()
{
    emit busyChanged(false);
    setLongTransfer(false);
}

void ControllerLink::setLongTransfer(bool on)
{
    longTransfer_ = on;
    // Also when unchanged: a new interval restarts the countdown, and the
    // exchange has always been timed from here.
    countTimer_->setInterval(on ? LongTransferIntervalMs : CountIntervalMs);
}

bool ControllerLink::handshaking() const
{
    return state_ == LinkState::W_s_0 || state_ == LinkState::W_s_count;
}

}  // namespace brivel
