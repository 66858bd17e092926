#pragma once

#include "i18n/MessageRows.h"
#include "live/DriveRecorder.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

class QAction;
class QLabel;
class QStatusBar;
class QWidget;

namespace brivel {

class Clock;
class Dialogs;
class ReplayBar;
class ReplayPort;
class TBrivel;

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
    // `replayPort` may be null: there is no replay then. An empty `folder`
    // records into the user's documents folder.
    RecordReplay(TBrivel& window, Clock& clock, Dialogs& dialogs, ReplayPort* replayPort,
                 QString folder, QAction* recordItem, QAction* replayItem);
    ~RecordReplay() override;

    // Handlers of "Nagrywaj" (checked: start) and "Odtwórz…".
    void Nagrywaj1Click(bool checked);
    void Odtworz1Click();

    bool replaying() const { return replaying_; }
    // Why a command may not be sent now, or an empty text.
    QString refusal() const;

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

signals:
    // A replay began or ended: nothing may be sent to a controller while
    // one plays.
    void replayingChanged(bool replaying);
    // Where the replay stands in the recording, told as it moves.
    void replayPositionChanged(qint64 positionMs);
    // The fitter jumped within the recording.
    void replayJumped();

private:
    void startReplay(const QString& path);
    void endReplay(bool restorePort);
    void showRecording();
    void showReplay();
    void showStrip();
    QString message(msg::Row row) const;
    // Where recordings are written and looked for.
    QString recordingFolder() const;

    TBrivel& window_;
    Dialogs& dialogs_;
    ReplayPort* replayPort_;
    QString folder_;
    QAction* recordItem_;
    QAction* replayItem_;
    DriveRecorder recorder_;

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
