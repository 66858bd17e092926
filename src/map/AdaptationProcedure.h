#pragma once

#include "map/AdaptationResult.h"

#include <QtCore/QLocale>
#include <QtCore/QString>

#include <memory>
#include <optional>

namespace brivel {
class Clock;
class CommandSender;
class Dialogs;
class Timer;
}  // namespace brivel

namespace brivel::map {

class AdaptationHost;

// The automatic adaptation: on a running, warm engine, sixteen timed steps
// switch between petrol and gas through the controller, report petrol
// statistics to it, and finally compute the multiplier and a whole new map
// from what the live decoder has recorded meanwhile, write them, and read
// the settings back so that the chart shows the new map.
class AdaptationProcedure {
public:
    static constexpr int Idle = -1;
    // The step after 8; it runs before 9.
    static constexpr int GasStep = 99;
    // From this step on (and at 99) a cancel leaves the info text alone.
    static constexpr int FirstKeptTextStep = 10;
    static constexpr int ProgressMaximum = 100;
    static constexpr int Steps = 14;
    static constexpr int InitialIntervalMs = 1000;
    // START needs a running engine and a warm reducer.
    static constexpr double LowestRpm = 1.0;
    static constexpr double LowestReducerTemperature = 60.0;
    // The plausible averages at the two checks.
    static constexpr int LowestManifoldKpa = 20;
    static constexpr int HighestManifoldKpa = 60;
    static constexpr int LowestGasPressure = 50;  // hundredths of a bar
    static constexpr int HighestGasPressure = 160;
    // The message table rows of the adaptation.
    enum Message {
        StartEngine = 13,
        ManifoldQuestion = 14,
        GasPressureQuestion = 15,
        TooCold = 16,
        InProgress = 17,
        Multiplier = 18,
        Completed = 19,
        Cancelled = 20,
    };

    // Everything given must outlive the procedure.
    AdaptationProcedure(AdaptationHost& host, CommandSender& sender, Dialogs& dialogs,
                        Clock& clock);
    ~AdaptationProcedure();
    AdaptationProcedure(const AdaptationProcedure&) = delete;
    AdaptationProcedure& operator=(const AdaptationProcedure&) = delete;

    // The locale m is written in (the system's by default).
    void setLocale(const QLocale& locale) { locale_ = locale; }

    // START: on a running, warm engine without a current fault, the window
    // locks and the first step follows after the interval the last run left.
    void start();
    // The user's STOP: tells the controller, unlocks, cancels.
    void stop() { cancel(true); }
    // Showing the page clears its info text.
    void pageShown();

    // -1 while idle, else the step the next tick carries out.
    int step() const { return step_; }
    bool running() const { return step_ != Idle; }
    const QString& info() const { return info_; }
    int progress() const { return progress_; }
    bool progressEnabled() const { return progressEnabled_; }
    bool windowLocked() const { return locked_; }
    bool timerActive() const;
    int timerInterval() const;
    // The result of the last run that got as far as computing it.
    const std::optional<AdaptationResult>& lastResult() const { return result_; }

private:
    void tick();
    void cancel(bool tellController);
    void computeStatistics();
    // Stops the timer while the question is open; false when the fitter
    // answered No, which has cancelled the run.
    bool check(int average, int lowest, int highest, int question);
    void beginStep(int k, int intervalMs);
    void setProgress(int position);
    void setProgressEnabled(bool enabled);
    void setInfo(const QString& text);
    void setLocked(bool locked);
    void queue(const QByteArray& command, const QByteArray& firstFollowUp = QByteArray(),
               const QByteArray& secondFollowUp = QByteArray());
    void fuel(quint8 fuel, quint8 mask);
    void reportStatistics(quint8 third, const QByteArray& followUp);
    void result();
    void endTransfer();
    void finish();
    int average(int row) const;

    AdaptationHost& host_;
    CommandSender& sender_;
    Dialogs& dialogs_;
    std::unique_ptr<Timer> timer_;
    QLocale locale_;
    int step_ = Idle;
    quint8 mask_ = 0;
    int progress_ = 0;
    bool progressEnabled_ = false;
    bool locked_ = false;
    QString info_;
    std::optional<AdaptationResult> result_;
};

}  // namespace brivel::map
