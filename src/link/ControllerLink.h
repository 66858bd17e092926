#pragma once

#include "link/CommandQueue.h"
#include "link/CommandSender.h"
#include "link/DisconnectReason.h"
#include "link/LinkState.h"
#include "link/PortFault.h"
#include "link/ReplyAssembler.h"
#include "link/SendEncoded.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

#include <memory>

namespace brivel {

class Clock;
class SerialPort;
class Timer;

// The link to the controller: connects with a handshake that also reads the
// settings and checks the firmware version, polls live data, slips queued
// commands in between polls, collects every reply from the pieces the port
// delivers, and disconnects on time-outs. Everything runs on the window
// thread, driven by the calls below, the port's events and its own timers;
// features send through CommandSender. The link shows nothing: it reports
// what happened through its signals, in the order it happened, and says
// when it has settled after each event.
class ControllerLink final : public QObject, public CommandSender {
    Q_OBJECT
public:
    static constexpr int CountIntervalMs = 240;
    // The exchange interval while a long transfer runs.
    static constexpr int LongTransferIntervalMs = 1264;
    static constexpr int ReplyTimeoutMs = ReplyAssembler::ReplyTimeoutMs;
    static constexpr int MaxReplyMs = ReplyAssembler::MaxReplyMs;
    static constexpr int ConnectAttemptsPerConnect = 5;
    static constexpr int LineRate = ReplyAssembler::LineRate;

    // Neither reference is owned; both must outlive the link. `pause` rests
    // the line between the pieces of a long command; without one the port
    // paces its own line.
    ControllerLink(SerialPort& port, Clock& clock, PauseFunction pause = PauseFunction(),
                   QObject* parent = nullptr);
    ~ControllerLink() override;
    ControllerLink(const ControllerLink&) = delete;
    ControllerLink& operator=(const ControllerLink&) = delete;

    // A handshake with five attempts.
    void connectToController();
    void disconnectFromController();
    // The port's receive event, with the number of bytes waiting.
    void bytesReady(int count);
    // The device failed and its backend closed it: the link lets go.
    void portFailed(const PortFault& fault);
    // The window closes: both timers stop, the port closes and the link
    // lets go once.
    void shutdown();

    // CommandSender.
    void queueCommand(int retries, const QByteArray& command,
                      const QByteArray& firstFollowUp = QByteArray(),
                      const QByteArray& secondFollowUp = QByteArray(),
                      Completion completion = Completion()) override;
    bool commandPending() const override { return queue_.commandPending(); }
    void enterBusyState() override;
    void setSlowPolling(bool slow) override;

    LinkState linkState() const { return state_; }
    // The reply being collected, or the last whole one until the next tick.
    const QByteArray& receiveBuffer() const { return reply_.bytes(); }
    int connectAttempts() const { return connectAttempts_; }
    const CommandQueue& commandQueue() const { return queue_; }
    // A long transfer runs: the exchange timer waits LongTransferIntervalMs.
    bool isBusy() const { return longTransfer_; }
    // The version of the controller at the other end has been checked and
    // shown: its next handshake skips the check. A recording played back
    // stands in for a controller only while it plays, so its handshake
    // leaves the run's check to the first real controller.
    bool versionShown() const;
    const Timer& countTimer() const { return *countTimer_; }
    const Timer& replyTimer() const { return *replyTimer_; }
    const Timer& replyDeadline() const { return *replyDeadline_; }

signals:
    // A handshake begins (the user's connect or a retry).
    void connecting();
    // A long transfer or a handshake makes the window wait, or lets it go;
    // told at each start and end, also when nothing changes.
    void busyChanged(bool busy);
    // The first handshake of the run was accepted: the status text naming
    // the controller's version.
    void versionAccepted(const QString& statusText);
    // A settings image arrived: the connect reply, or the reply to a
    // settings read or a factory reset.
    void settingsImageReceived(const QByteArray& block);
    // The handshake has been applied: polling starts.
    void connected(const QString& portName);
    // A complete reply to a poll or to an acknowledged command, or an empty
    // or short buffer that is no frame at all.
    void liveReplyReceived(const QByteArray& reply);
    // The link has stopped and let go of the port: the indicators blank.
    void disconnected(const DisconnectReason& reason);
    // Something the fitter is told that ends nothing ("Init Error").
    void notice(const QString& text);
    // The port raised an error while the link handled an event; the rest of
    // that handling was skipped.
    void errorRaised(const QString& text);
    // The link has finished handling an event (a tick, a piece, a call):
    // its state stays as it is until the next one. A message about what was
    // reported is shown now, not earlier: a modal box keeps dispatching
    // ticks and pieces, which must find the state the handling left.
    void settled();

private:
    template <typename Body>
    void handle(Body&& body);

    void startHandshake(bool retry, DisconnectReason::Kind whenAttemptsRunOut);
    void disconnectLink(const DisconnectReason& reason);
    bool follow(CommandQueue::Outcome outcome);
    void receive(int count);
    void receiveConnectFirstPiece(const QByteArray& piece);
    void receiveConnectPiece(const QByteArray& piece);
    void receiveFirstPiece(const QByteArray& piece);
    void receivePiece(const QByteArray& piece);
    void countTick();
    void applySettingsReply();
    void applyConnectReply();
    void replyTimeout();
    void portFault(const PortFault& fault);
    bool send(const QByteArray& frame);
    void startReplyDeadline();
    void updateReplyDeadline();

    void useLineRate();
    void enterBusy();
    void endBusy();
    void setLongTransfer(bool on);
    bool handshaking() const;

    SerialPort& port_;
    Clock& clock_;
    PauseFunction pause_;

    LinkState state_ = LinkState::Disconnected;
    ReplyAssembler reply_;
    CommandQueue queue_;
    int connectAttempts_ = ConnectAttemptsPerConnect;
    bool longTransfer_ = false;
    std::unique_ptr<Timer> countTimer_;
    std::unique_ptr<Timer> replyTimer_;
    std::unique_ptr<Timer> replyDeadline_;
    qint64 replyStartMs_ = 0;

    bool versionShown_ = false;
    // Shown by the recording that plays now; forgotten when it ends.
    bool recordingVersionShown_ = false;
    int handlerDepth_ = 0;
};

}  // namespace brivel
