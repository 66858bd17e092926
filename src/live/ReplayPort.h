#pragma once

#include "link/SerialPort.h"
#include "live/DriveRecording.h"

#include <QtCore/QString>

#include <array>
#include <deque>
#include <functional>
#include <memory>

namespace brivel {

class Clock;
class Timer;

// A drive recording played back as the controller at the other end of the
// line. The link connects, polls and decodes exactly as with a car, so the
// gauges, bars, oscilloscope, fault lists and map chart show the drive
// through their usual road. The handshake is answered with the settings
// image the recording began with (or a neutral one that carries only the
// firmware version), each poll with the recorded frame due at the replay's
// position, which advances on the clock at the chosen speed. Nothing else
// is ever answered: a replay has no controller to change.
class ReplayPort final : public SerialPort {
public:
    // The port name under which the window plays a recording.
    inline static const QString PortName = QStringLiteral("REPLAY");
    static constexpr std::array<int, 3> Speeds = {1, 4, 16};
    // Between a request and its answer, as a line would take a moment.
    static constexpr int AnswerDelayMs = 1;
    // The longest a poll waits for the next frame: a recording with a gap
    // (a settings transfer) must not run into the link's reply time-out.
    static constexpr int MaxHoldMs = 1000;

    explicit ReplayPort(Clock& clock);
    ~ReplayPort() override;
    ReplayPort(const ReplayPort&) = delete;
    ReplayPort& operator=(const ReplayPort&) = delete;

    // The recording to play, from its start, playing at 1×. `name` is what
    // the window shows of it.
    void load(DriveRecording recording, const QString& name);
    bool hasRecording() const { return !recording_.isEmpty(); }
    const DriveRecording& recording() const { return recording_; }
    const QString& recordingName() const { return name_; }

    // Pausing holds the frame shown; the link's polls are answered with it.
    // Playing at the end starts again from the beginning.
    void setPlaying(bool playing);
    bool isPlaying() const { return playing_; }
    // One of Speeds.
    void setSpeed(int factor);
    int speed() const { return speed_; }
    // The next poll is answered with the frame at `ms` of the recording.
    void seek(qint64 ms);
    // Where the replay stands, in ms of the recording: the frame shown last,
    // or where a jump is going.
    qint64 positionMs() const { return shownMs_; }
    // The frame handed to the link last; -1 before the first.
    int frameIndex() const { return last_; }
    // Commands that reached the port other than the connect and the poll.
    int refusedCommands() const { return refused_; }

    // Told whenever the position or the play state changes.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // SerialPort. The replay is not listed among the ports present.
    QStringList availablePorts() const override { return {}; }
    bool isOpen() const override { return open_; }
    void clearError() override {}
    QByteArray read(int count) override;
    int bytesWaiting() const override { return static_cast<int>(incoming_.size()); }
    void write(const QByteArray& bytes) override;
    bool playsRecording() const override { return true; }

    // The settings image a recording without one is played with.
    static QByteArray neutralSettingsImage();

protected:
    // Opening without a recording fails like a port that is not there.
    void openDevice() override;
    void closeDevice() override;
    void applyLineSettings() override {}

private:
    qint64 clockPosition() const;
    void rebase();
    void answerHandshake();
    void servePoll();
    void answer(int index);
    void send(const QByteArray& reply);
    void sendNext();
    void tell();

    Clock& clock_;
    std::unique_ptr<Timer> waitTimer_;
    std::unique_ptr<Timer> lineTimer_;
    DriveRecording recording_;
    QString name_;
    bool open_ = false;
    QByteArray incoming_;
    std::deque<QByteArray> outgoing_;

    bool playing_ = false;
    int speed_ = 1;
    // The replay runs from the first poll on; the handshake takes no time
    // of the drive.
    bool started_ = false;
    qint64 anchorMs_ = 0;
    qint64 anchorClockMs_ = 0;
    int last_ = -1;
    qint64 shownMs_ = 0;
    bool pollWaiting_ = false;
    qint64 pollSinceMs_ = 0;
    int refused_ = 0;
    std::function<void()> changed_;
};

}  // namespace brivel
