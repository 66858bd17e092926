#pragma once

#include "i18n/MessageRows.h"
#include "live/LiveSnapshot.h"
#include "map/AdaptationRecord.h"
#include "map/AdaptationResult.h"

#include <QtCore/QLocale>
#include <QtCore/QMetaObject>
#include <QtCore/QObject>
#include <QtCore/QString>

#include <memory>
#include <optional>

namespace brivel {
class Clock;
class CommandSender;
class CylinderButtonsModel;
class Dialogs;
class LiveModel;
class MessageTable;
class SettingsModel;
class Timer;
}  // namespace brivel

namespace brivel::map {

class InjectionMap;

// The automatic adaptation: on a running, warm engine, sixteen timed steps
// switch between petrol and gas through the controller, report petrol
// statistics to it, and finally compute the multiplier and a whole new map
// from the live frames it has recorded meanwhile, write them, and read the
// settings back so that the chart shows the new map. It reads the models it
// starts from and tells whoever shows it through its signals.
class AdaptationProcedure : public QObject {
    Q_OBJECT
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
    // What the adaptation starts from and works on: the live readings it
    // checks and records, the settings image's active cylinders, the
    // cylinder buttons the first steps switch, the map it compares with,
    // and the message texts. None is owned; all must outlive the procedure.
    struct Models {
        const LiveModel& live;
        const SettingsModel& settings;
        const CylinderButtonsModel& cylinders;
        const InjectionMap& map;
        const MessageTable& messages;
    };

    // Everything given must outlive the procedure.
    AdaptationProcedure(const Models& models, CommandSender& sender, Dialogs& dialogs, Clock& clock,
                        QObject* parent = nullptr);
    ~AdaptationProcedure() override;

    // The locale m is written in (the system's by default).
    void setLocale(const QLocale& locale) { locale_ = locale; }
    // While a replay plays nothing reaches a controller: START says so
    // instead of locking the window for a run that could send nothing.
    void setReplaying(bool replaying) { replaying_ = replaying; }

    // START: on a running, warm engine without a current fault, the window
    // locks, the record starts empty and the first step follows after the
    // interval the last run left.
    void start();
    // The user's STOP: tells the controller, unlocks, cancels.
    void stop() { cancel(true); }
    // Showing the page clears its info text.
    void pageShown();

    // -1 while idle, else the step the next tick carries out.
    int step() const { return step_; }
    bool running() const { return step_ != Idle; }
    const QString& info() const { return info_; }
    bool timerActive() const;
    int timerInterval() const;
    // What the live frames gave since START, with the statistics as last
    // computed.
    const AdaptationRecord& record() const { return record_; }
    // The result of the last run that got as far as computing it.
    const std::optional<AdaptationResult>& lastResult() const { return result_; }

signals:
    // The run's result is known: the petrol time's entry, the multiplier,
    // whether the map is written, the text shown and the map written (empty
    // when none is).
    void resultReached(int base, int multiplier, bool written, const QString& text,
                       const QByteArray& map);
    // The progress bar: enabled or not, position 0…100.
    void progressChanged(bool enabled, int position);
    // The whole info text of the page.
    void infoChanged(const QString& text);
    // Locked: the instrument panel, the page tabs, the "Plik", "Porty" and
    // "Język" menus and START do not respond; unlocked: they do again.
    void lockedChanged(bool locked);
    // The end of the transfer: the window takes input again and its top
    // panel is back to the button face, whatever a transfer left it in.
    void transferEnded();

private:
    void follow(const LiveSnapshot& snapshot, LiveChanges changes);
    void tick();
    void cancel(bool tellController);
    void computeStatistics();
    // Stops the timer while the question is open; false when the fitter
    // answered No, which has cancelled the run.
    bool check(int average, int lowest, int highest, msg::Row question);
    void beginStep(int k, int intervalMs);
    void setProgress(int position);
    void setProgressEnabled(bool enabled);
    void setInfo(const QString& text);
    void queue(const QByteArray& command, const QByteArray& firstFollowUp = QByteArray(),
               const QByteArray& secondFollowUp = QByteArray());
    void fuel(quint8 fuel, quint8 mask);
    void reportStatistics(quint8 third, const QByteArray& followUp);
    void result();
    void endTransfer();
    void finish();
    int average(int row) const;
    QString message(msg::Row row) const;

    const LiveModel& live_;
    const SettingsModel& settings_;
    const CylinderButtonsModel& cylinders_;
    const InjectionMap& map_;
    const MessageTable& messages_;
    CommandSender& sender_;
    Dialogs& dialogs_;
    std::unique_ptr<Timer> timer_;
    QLocale locale_;
    bool replaying_ = false;
    int step_ = Idle;
    quint8 mask_ = 0;
    int progress_ = 0;
    bool progressEnabled_ = false;
    QString info_;
    AdaptationRecord record_;
    // Follows the live model's frames while a run records.
    QMetaObject::Connection recording_;
    std::optional<AdaptationResult> result_;
};

}  // namespace brivel::map
