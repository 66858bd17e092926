#pragma once

#include "sim/AdaptationSession.h"
#include "sim/CommandReader.h"
#include "sim/FaultSet.h"
#include "sim/LiveState.h"
#include "sim/ReplyLine.h"
#include "sim/SettingsImage.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>

#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace brivel {
class Clock;
class Timer;
}  // namespace brivel

namespace brivel::sim {

class CommandHandler;

// A controller on the far end of the line, at protocol level: it reads the
// program's commands, checks their checksum, answers each with the reply the
// program expects, and sends that reply back line-coded and paced like a
// 7200 bit/s line, handed over in pieces the way a UART driver would. Time
// comes from the given clock; tick() is what its line timer runs. The engine
// behind the live frame runs on the same clock for as long as the emulator
// exists, as a controller's engine runs whether anyone listens or not.
class ControllerEmulator {
public:
    using Sink = std::function<void(const QByteArray& piece)>;

    // The controller starts answering this long after a command has arrived.
    static constexpr int TurnaroundUs = 2000;
    // How often the receiving driver hands over what has arrived.
    static constexpr int DefaultPieceIntervalMs = 8;
    // A frame still open after this much quiet on the line is taken as ended.
    static constexpr int FrameQuietMs = 20;
    // How often the engine is moved on.
    static constexpr int EngineTickMs = 100;
    // receivedFrames() keeps this many of the latest commands.
    static constexpr int KeptFrames = 1024;

    // `seed` starts the engine's noise, so that a run can be repeated.
    explicit ControllerEmulator(Clock& clock, quint32 seed = EngineModel::DefaultSeed);
    ~ControllerEmulator();
    ControllerEmulator(const ControllerEmulator&) = delete;
    ControllerEmulator& operator=(const ControllerEmulator&) = delete;

    // Where the reply bytes go, piece by piece.
    void setSink(Sink sink) { sink_ = std::move(sink); }
    // Bytes the program has written.
    void receive(const QByteArray& wire);
    // Hands over whatever has arrived by now.
    void tick();
    // The port has been closed: half-read commands and replies on their way
    // are lost.
    void resetLine();

    void setFault(EmulatorFault fault, bool on = true) { faults_.set(fault, on); }
    FaultSet& faults() { return faults_; }
    void setPieceInterval(int ms);
    // The engine is moved on, by the engine ticks that have passed, only when
    // a command arrives or the live state is asked for, rather than by a
    // timer of its own; it rests after MaxEngineCatchUpMs without either.
    void setEngineOnDemand(bool onDemand);
    static constexpr int MaxEngineCatchUpMs = 10000;

    SettingsImage& settings() { return settings_; }
    LiveState& live()
    {
        catchUpEngine();
        return live_;
    }
    const AdaptationSession& adaptation() const { return adaptation_; }
    EngineModel& engine() { return live().engine(); }
    // The latest well-formed commands received (at most KeptFrames), as
    // decoded frames, and how many came in all.
    const QList<QByteArray>& receivedFrames() const { return received_; }
    qint64 receivedCount() const { return receivedCount_; }
    // Commands dropped for a wrong checksum.
    int rejectedFrames() const { return rejected_; }

private:
    qint64 nowUs() const;
    void answerFrames();
    void answer(const QByteArray& frame);
    void keepTicking();
    void catchUpEngine();
    QByteArray garble(const QByteArray& wire);

    Clock& clock_;
    std::unique_ptr<Timer> timer_;
    std::unique_ptr<Timer> engineTimer_;
    Sink sink_;
    FaultSet faults_;
    SettingsImage settings_;
    LiveState live_;
    AdaptationSession adaptation_;
    std::vector<std::unique_ptr<CommandHandler>> handlers_;
    CommandReader reader_;
    ReplyLine line_;
    qint64 receiveFreeUs_ = 0;
    bool engineOnDemand_ = false;
    qint64 engineDoneMs_ = 0;
    QList<QByteArray> received_;
    qint64 receivedCount_ = 0;
    int rejected_ = 0;
    std::mt19937 noise_;
};

}  // namespace brivel::sim
