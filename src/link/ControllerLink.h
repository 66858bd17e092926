#pragma once

#include "link/CommandSender.h"
#include "link/LinkState.h"
#include "link/PortFault.h"
#include "link/SendEncoded.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace brivel {

class Clock;
class Dialogs;
class LinkListener;
class LinkStatusView;
class MessageTable;
class SerialPort;
class SettingsStore;
class Timer;

// The link to the controller: connects with a handshake that also reads the
// settings and checks the firmware version, polls live data, slips queued
// commands in between polls, collects every reply from the pieces the port
// delivers, and disconnects on time-outs. Everything runs on the window
// thread; the window calls the handlers below from its menu, its connect
// switch and its shutdown, and features send through CommandSender. What
// happens is told to the status view and to the listeners.
class ControllerLink final : public CommandSender {
public:
    enum class Sender { User, None };
    // What the connect switch reports: shown on by the link itself (no
    // sender), or toggled by the user.
    enum class SwitchChange { ShownOn, SwitchedOnByUser, SwitchedOffByUser };

    static constexpr int CountIntervalMs = 240;
    // Set in the Timer_Count interval while a long transfer runs (1264 ms).
    static constexpr int LongTransferBit = 0x400;
    static constexpr int ReplyTimeoutMs = 3000;
    // A reply that has begun is over within ReplyDeadlineMs of its first
    // piece, however its pieces trickle in; never later than this.
    static constexpr int MaxReplyMs = 5000;
    static constexpr int ConnectAttemptsPerConnect = 5;
    // The retry budget of a follow-up when it moves up to slot 0.
    static constexpr int RetriesForFollowUps = 7;
    static constexpr int LineRate = 7200;
    // In the second follow-up of a settings read: save the image to the data
    // file once it has been read. Never sent to the controller.
    inline static const QByteArray SaveMarker = QByteArrayLiteral("ZAPIS");

    // None of the references is owned; all must outlive the link. `pause`
    // rests the line between the pieces of a long command; without one the
    // port paces its own line. The messages are read from the table when
    // they are shown, in the language chosen last.
    ControllerLink(SerialPort& port, Clock& clock, Dialogs& dialogs, SettingsStore& settings,
                   const MessageTable& messages, LinkStatusView& status,
                   PauseFunction pause = PauseFunction());
    ~ControllerLink() override;
    ControllerLink(const ControllerLink&) = delete;
    ControllerLink& operator=(const ControllerLink&) = delete;

    // "Połącz"; without a sender, the connect retry.
    void polaczClick(Sender sender = Sender::User);
    // "Rozłącz": the disconnect sequence.
    void rozlacz1Click();
    // The port's receive event.
    void ComPort1RxChar(int count);
    // The port's error event: the device failed and its backend closed it.
    // The link disconnects and names the port and the reason.
    void ComPort1Error(const PortFault& fault);
    void Timer_CountTimer();
    void Timer_Czekaj_na_odczytTimer();
    void Polacz_switchStatusChanged(SwitchChange change);
    // The window closes: both timers stop, the port closes and the
    // disconnect sequence runs once.
    void shutdown();

    // Listeners are told of each event in the order they were added. Not
    // owned; each must outlive the link.
    void addListener(LinkListener& listener);

    // CommandSender. Errors of a disconnect that spent the retries are
    // raised to the caller's handler.
    void queueCommand(int retries, const QByteArray& command,
                      const QByteArray& firstFollowUp = QByteArray(),
                      const QByteArray& secondFollowUp = QByteArray()) override;
    bool commandPending() const override { return !CommandQueue[0].isEmpty(); }
    void enterBusyState() override;
    void setSlowPolling(bool slow) override;

    // Callers set the retry budget (transmissions + 1), then queue; a budget
    // left unset counts as RetriesForEditors. The command is the code byte
    // and its payload; an empty follow-up leaves its slot as it is. Raises
    // port and store errors of a disconnect to the caller's handler.
    void setCommandRetries(int retries) { CommandRetries = retries; }
    void QueueCommand(const QByteArray& command, const QByteArray& firstFollowUp = QByteArray(),
                      const QByteArray& secondFollowUp = QByteArray());

    LinkState linkState() const { return state_; }
    const QByteArray& receiveBuffer() const { return ReceiveBuffer; }
    int expectedLength() const { return ExpectedLength; }
    int connectAttempts() const { return ConnectAttempts; }
    int commandRetries() const { return CommandRetries; }
    const std::array<QByteArray, 3>& commandQueue() const { return CommandQueue; }
    int currentCode() const { return CurrentCode; }
    bool isBusy() const;
    // The first accepted handshake of the run has shown the firmware version;
    // later handshakes skip the check.
    bool versionShown() const { return versionShown_; }
    // The next accepted handshake checks and shows the firmware version as
    // the run's first does: a replay's handshake stands in for no controller.
    void forgetVersion() { versionShown_ = false; }
    const Timer& countTimer() const { return *Timer_Count; }
    const Timer& replyTimer() const { return *Timer_Czekaj_na_odczyt; }
    const Timer& replyDeadline() const { return *replyDeadline_; }

    // How long a reply of the given total length may take from its first
    // piece: the time the line needs for it twice over, plus a whole reply
    // time-out, at most MaxReplyMs; MaxReplyMs while the length is unknown.
    static int ReplyDeadlineMs(std::optional<int> length);

private:
    class HandlerScope;

    void handle(const std::function<void()>& body);
    void showPendingMessages();

    void connectLink(Sender sender);
    void disconnectLink();
    bool queueCommand(const QByteArray& command, const QByteArray& firstFollowUp,
                      const QByteArray& secondFollowUp);
    void receive(int count);
    void receiveConnectFirstPiece(const QByteArray& piece);
    void receiveConnectPiece(const QByteArray& piece);
    void receiveFirstPiece(const QByteArray& piece);
    void receivePiece(const QByteArray& piece);
    bool acknowledge();
    void countTick();
    void applySettingsReply();
    void applyConnectReply();
    void replyTimeout();
    void portFault(const PortFault& fault);
    bool send(const QByteArray& frame);
    void startReplyDeadline();
    void updateReplyDeadline();
    void switchChanged(SwitchChange change);

    bool takeSaveMarker();
    void appendPiece(const QByteArray& piece);
    void useLineRate();
    void enterBusy();
    void endBusy();
    void showSwitch(bool on);
    bool connecting() const;
    template <typename Event>
    void tell(Event event);

    SerialPort& port_;
    Clock& clock_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    const MessageTable& messages_;
    LinkStatusView& status_;
    std::vector<LinkListener*> listeners_;
    PauseFunction pause_;

    LinkState state_ = LinkState::Disconnected;
    QByteArray ReceiveBuffer;
    int ExpectedLength = 0;
    int ConnectAttempts = ConnectAttemptsPerConnect;
    int CommandRetries = 0;
    std::array<QByteArray, 3> CommandQueue;
    int CurrentCode = -1;
    std::unique_ptr<Timer> Timer_Count;
    std::unique_ptr<Timer> Timer_Czekaj_na_odczyt;
    std::unique_ptr<Timer> replyDeadline_;
    qint64 replyStartMs_ = 0;

    bool showingSwitch_ = false;
    bool versionShown_ = false;
    int handlerDepth_ = 0;
    std::vector<QString> pendingMessages_;
};

}  // namespace brivel
