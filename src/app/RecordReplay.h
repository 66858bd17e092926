#pragma once

#include "i18n/MessageRows.h"
#include "live/DriveRecorder.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

class QAction;
class QLabel;
class QMainWindow;
class QStatusBar;
class QWidget;

namespace brivel {

class BottomBar;
class Clock;
class ControllerLink;
class Dialogs;
class MessageTable;
class RecentFolders;
class ReplayBar;
class ReplayPort;
class SerialPort;
class SettingsModel;

// Drive recording and replay in the window. "Nagrywaj" records the live
// frames of a connected controller (the REC mark and the elapsed time show
// while it runs); "Odtwórz…" plays a recording through the replay port as
// the controller, with the replay bar to pause, speed up and jump. Both
// live in a strip below the bottom bar, shown only while one of them is on.
// While a replay plays, the status text says so, nothing may be sent to a
// controller and the port chosen before is kept for the next connect.
class RecordReplay final : public QObject {
    Q_OBJECT
public:
    // What record/replay works with; none of it is owned. The strip goes at
    // the foot of `window`, which grows by its height while it shows.
    struct Parts {
        QMainWindow& window;
        ControllerLink& link;
        SerialPort& port;
        BottomBar& bottomBar;
        const SettingsModel& settings;
        const MessageTable& messages;
        Clock& clock;
        Dialogs& dialogs;
        // "Odtwórz…" opens where a recording was played last.
        RecentFolders& folders;
    };

    // `replayPort` may be null: there is no replay then. An empty `folder`
    // records into the user's documents folder.
    RecordReplay(const Parts& parts, ReplayPort* replayPort, QString folder, QAction* recordItem,
                 QAction* replayItem);
    ~RecordReplay() override;

    // Handlers of "Nagrywaj" (checked: start) and "Odtwórz…".
    void Nagrywaj1Click(bool checked);
    void Odtworz1Click();

    bool replaying() const { return replaying_; }

    DriveRecorder& recorder() { return recorder_; }
    ReplayBar* replayBar() const { return replayBar_; }
    // The REC mark and its elapsed time.
    QWidget* recordingMark() const { return recordingMark_; }
    QLabel* recordingTime() const { return recordingTime_; }
    // Where the recording that ended last was written; hidden once another
    // recording or a replay begins.
    QLabel* recordingSaved() const { return recordingSaved_; }

    // What the link reports.
    void linkConnecting();
    void linkConnected();
    void liveReplyReceived(const QByteArray& reply);
    void linkDisconnected();

    // Plays a recording kept with a car, as "Odtwórz…" plays the file chosen.
    void playRecording(const QString& path);

signals:
    // A replay began or ended: nothing may be sent to a controller while
    // one plays.
    void replayingChanged(bool replaying);
    // Where the replay stands in the recording, told as it moves.
    void replayPositionChanged(qint64 positionMs);
    // The fitter jumped within the recording.
    void replayJumped();
    // "Nagrywaj" began writing this file, and ended after so long.
    void recordingStarted(const QString& path);
    void recordingEnded(qint64 lengthMs);

private:
    void startReplay(const QString& path);
    void endReplay(bool restorePort);
    void showRecording();
    void showReplay();
    void showStrip();
    QString message(msg::Row row) const;
    // Where "Nagrywaj" writes: the folder given, or the user's documents.
    QString recordingsFolder() const;

    QMainWindow& window_;
    ControllerLink& link_;
    SerialPort& port_;
    BottomBar& bottomBar_;
    const SettingsModel& settings_;
    const MessageTable& messages_;
    Dialogs& dialogs_;
    RecentFolders& folders_;
    ReplayPort* replayPort_;
    QString folder_;
    QAction* recordItem_;
    QAction* replayItem_;
    DriveRecorder recorder_;
    bool recordingTold_ = false;
    qint64 recordedMs_ = 0;

    QStatusBar* strip_ = nullptr;
    ReplayBar* replayBar_ = nullptr;
    QWidget* recordingMark_ = nullptr;
    QLabel* recordingTime_ = nullptr;
    QLabel* recordingSaved_ = nullptr;
    bool wasRecording_ = false;
    int addedHeight_ = 0;
    bool failureShown_ = false;

    bool replaying_ = false;
    QString portBeforeReplay_;
    QString statusBeforeReplay_;
};

}  // namespace brivel
