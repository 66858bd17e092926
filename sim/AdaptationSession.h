#pragma once

#include <QtCore/QByteArray>

namespace brivel::sim {

// The controller's side of an adaptation run: started by the program,
// told the petrol statistics it measured along the way, then either given
// the result and ended, or stopped. The map itself arrives by the ordinary
// map write.
class AdaptationSession {
public:
    enum class State { Idle, Running, Ended, Stopped };

    // The start command: a new run, nothing of the last one kept.
    void start();
    // A statistics report: average petrol time, its spread, and the
    // multiplier (0x80 before one has been measured).
    void report(const QByteArray& statistics);
    // The 20-byte command that goes with every map write: the base entry of
    // an adaptation at byte 11, 0xFF there after a correction step.
    void setMapBase(const QByteArray& payload) { mapBase_ = payload; }
    // The result: gas pressure, petrol time, multiplier, gas temperature
    // and the pressure once more in the controller's own scale.
    void setResult(const QByteArray& result);
    // The end of the transfer: a run that gave its result is done.
    void end();
    // The program cancelled the run.
    void stop();

    State state() const { return state_; }
    int reports() const { return reports_; }
    const QByteArray& lastReport() const { return lastReport_; }
    const QByteArray& result() const { return result_; }
    const QByteArray& mapBase() const { return mapBase_; }

private:
    State state_ = State::Idle;
    int reports_ = 0;
    QByteArray lastReport_;
    QByteArray result_;
    QByteArray mapBase_;
};

}  // namespace brivel::sim
