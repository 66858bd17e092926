#include "app/RecordReplay.h"

#include "app/ui/ReplayBar.h"
#include "app/ui/BottomBar.h"
#include "i18n/MessageTable.h"
#include "link/ControllerLink.h"
#include "link/SerialPort.h"
#include "live/DriveRecordFormat.h"
#include "live/DriveRecording.h"
#include "live/ReplayPort.h"
#include "platform/Dialogs.h"
#include "platform/ErrorHandler.h"
#include "platform/RecentFolders.h"
#include "settings/SettingsModel.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>
#include <QtGui/QAction>
#include <QtGui/QFontMetrics>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QStatusBar>

namespace brivel {

RecordReplay::RecordReplay(const Parts& parts, ReplayPort* replayPort, QString folder,
                           QAction* recordItem, QAction* replayItem)
    : window_(parts.window),
      link_(parts.link),
      port_(parts.port),
      bottomBar_(parts.bottomBar),
      settings_(parts.settings),
      messages_(parts.messages),
      dialogs_(parts.dialogs),
      folders_(parts.folders),
      replayPort_(replayPort),
      folder_(std::move(folder)),
      recordItem_(recordItem),
      replayItem_(replayItem),
      recorder_(parts.clock)
{
    strip_ = window_.statusBar();
    strip_->setObjectName(QStringLiteral("StatusStrip"));
    strip_->setSizeGripEnabled(false);
    replayBar_ = new ReplayBar(strip_);
    strip_->addWidget(replayBar_, 1);
    recordingMark_ = new QWidget(strip_);
    recordingMark_->setObjectName(QStringLiteral("RecordingMark"));
    auto* markLayout = new QHBoxLayout(recordingMark_);
    markLayout->setContentsMargins(4, 0, 4, 0);
    auto* rec = new QLabel(QStringLiteral("\u25CF REC"), recordingMark_);
    QFont bold = rec->font();
    bold.setBold(true);
    rec->setFont(bold);
    QPalette red = rec->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    rec->setPalette(red);
    markLayout->addWidget(rec);
    recordingTime_ = new QLabel(recordingMark_);
    recordingTime_->setObjectName(QStringLiteral("RecordingTime"));
    recordingTime_->setFont(bold);
    recordingTime_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A fixed size: the time ticking on never lays the strip out again.
    const QFontMetrics metrics(bold);
    recordingTime_->setFixedSize(metrics.horizontalAdvance(QStringLiteral("00:00:00")),
                                 metrics.height());
    markLayout->addWidget(recordingTime_);
    strip_->addPermanentWidget(recordingMark_);
    recordingSaved_ = new QLabel(strip_);
    recordingSaved_->setObjectName(QStringLiteral("RecordingSaved"));
    recordingSaved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    strip_->addWidget(recordingSaved_, 1);
    recordingSaved_->hide();
    replayBar_->hide();
    recordingMark_->hide();
    strip_->hide();

    recordItem_->setCheckable(true);
    recordItem_->setEnabled(false);
    connect(recordItem_, &QAction::triggered, this, &RecordReplay::Nagrywaj1Click);
    connect(replayItem_, &QAction::triggered, this, &RecordReplay::Odtworz1Click);
    recorder_.setChangeHandler([this] { showRecording(); });

    if (replayPort_) {
        replayPort_->setChangeHandler([this] { showReplay(); });
        connect(replayBar_, &ReplayBar::playPauseClicked, this,
                [this] { replayPort_->setPlaying(!replayPort_->isPlaying()); });
        connect(replayBar_, &ReplayBar::speedChosen, this,
                [this](int factor) { replayPort_->setSpeed(factor); });
        connect(replayBar_, &ReplayBar::seekRequested, this, [this](qint64 ms) {
            replayPort_->seek(ms);
            emit replayJumped();
        });
    }
}

RecordReplay::~RecordReplay()
{
    recorder_.setChangeHandler(nullptr);
    if (replayPort_)
        replayPort_->setChangeHandler(nullptr);
}

QString RecordReplay::message(msg::Row row) const
{
    return messages_.text(row);
}

void RecordReplay::Nagrywaj1Click(bool checked)
{
    if (!checked) {
        recorder_.stop();
        return;
    }
    const QString folder = recordingsFolder();
    failureShown_ = false;
    recordingSaved_->hide();
    if (!recorder_.start(folder, settings_.parameterBlock())) {
        recordItem_->setChecked(false);
        dialogs_.showMessage(message(msg::Row::RecordingCannotWrite) + QLatin1Char('\n') +
                             QDir::toNativeSeparators(folder));
    }
}

void RecordReplay::Odtworz1Click()
{
    if (!replayPort_)
        return;
    const QString path =
        dialogs_.openFileName(message(msg::Row::RecordingsFilter) + QStringLiteral(" (*.csv)"),
                              folders_.folder(RecentFolders::Kind::Recordings, recordingsFolder()));
    if (path.isEmpty())
        return;
    folders_.remember(RecentFolders::Kind::Recordings, path);
    startReplay(path);
}

void RecordReplay::playRecording(const QString& path)
{
    if (replayPort_)
        startReplay(path);
}

QString RecordReplay::recordingsFolder() const
{
    return folder_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                             : folder_;
}

void RecordReplay::startReplay(const QString& path)
{
    std::optional<DriveRecording> recording = DriveRecording::load(path);
    if (!recording || recording->isEmpty()) {
        dialogs_.showMessage(message(msg::Row::NotARecording) + QLatin1Char('\n') +
                             QDir::toNativeSeparators(path));
        return;
    }
    // Whatever plays now, a controller or another recording, ends first,
    // a recording in progress with it.
    if (link_.linkState() != LinkState::Disconnected)
        link_.disconnectFromController();
    portBeforeReplay_ = port_.portName();
    statusBeforeReplay_ = bottomBar_.statusText();
    replayPort_->load(std::move(*recording), QFileInfo(path).fileName());
    replaying_ = true;
    recordingSaved_->hide();
    emit replayingChanged(true);
    runHandler(dialogs_, [this] {
        port_.close();
        port_.setPortName(ReplayPort::PortName);
    });
    showReplay();
    link_.connectToController();
}

void RecordReplay::endReplay(bool restorePort)
{
    replaying_ = false;
    emit replayingChanged(false);
    // The port is closed by now: the next connect, and the port settings
    // stored by the disconnect, are the fitter's own port again.
    if (restorePort && port_.portName() == ReplayPort::PortName)
        port_.setPortName(portBeforeReplay_);
    bottomBar_.setStatusText(statusBeforeReplay_);
    showReplay();
}

void RecordReplay::linkConnecting()
{
    // Another port was chosen while the replay played.
    if (replaying_ && port_.portName() != ReplayPort::PortName)
        endReplay(false);
}

void RecordReplay::linkConnected()
{
    recordItem_->setEnabled(!replaying_);
    if (replaying_)
        bottomBar_.setStatusText(QStringLiteral("REPLAY ") + replayPort_->recordingName());
}

void RecordReplay::liveReplyReceived(const QByteArray& reply)
{
    recorder_.liveReplyReceived(reply);
}

void RecordReplay::linkDisconnected()
{
    recordItem_->setEnabled(false);
    recorder_.linkDisconnected();
    if (replaying_)
        endReplay(true);
}

void RecordReplay::showRecording()
{
    const bool on = recorder_.isRecording();
    if (on)
        recordedMs_ = recorder_.elapsedMs();
    if (on != recordingTold_) {
        recordingTold_ = on;
        if (on)
            emit recordingStarted(recorder_.filePath());
        else
            emit recordingEnded(recordedMs_);
    }
    recordItem_->setChecked(on);
    if (on)
        recordingTime_->setText(record::clockText(recorder_.elapsedMs()));
    recordingMark_->setVisible(on);
    const bool ended = wasRecording_ && !on;
    wasRecording_ = on;
    if (ended && !recorder_.writeFailed()) {
        // The fitter will look for the file: the strip says where it is.
        recordingSaved_->setText(
            message(msg::Row::RecordingSaved).arg(QDir::toNativeSeparators(recorder_.filePath())));
        recordingSaved_->show();
    }
    showStrip();
    if (!on && recorder_.writeFailed() && !failureShown_) {
        failureShown_ = true;
        // Told from inside the disconnect or the flush tick: the box waits
        // until they are done.
        QMetaObject::invokeMethod(
            this,
            [this] {
                dialogs_.showMessage(message(msg::Row::RecordingCannotWrite) + QLatin1Char('\n') +
                                     QDir::toNativeSeparators(recorder_.filePath()));
            },
            Qt::QueuedConnection);
    }
}

void RecordReplay::showReplay()
{
    if (replaying_ && replayPort_) {
        const DriveRecording& recording = replayPort_->recording();
        replayBar_->render(ReplayView{replayPort_->recordingName(), replayPort_->isPlaying(),
                                      replayPort_->speed(), replayPort_->positionMs(),
                                      recording.startMs(), recording.endMs()});
        emit replayPositionChanged(replayPort_->positionMs());
    }
    replayBar_->setVisible(replaying_);
    showStrip();
}

void RecordReplay::showStrip()
{
    const bool shown = replayBar_->isVisibleTo(strip_) || recordingMark_->isVisibleTo(strip_) ||
                       recordingSaved_->isVisibleTo(strip_);
    if (shown == strip_->isVisibleTo(&window_))
        return;
    strip_->setVisible(shown);
    // The window's controls have fixed places: the strip adds to its height
    // rather than covering the bottom bar.
    const int change = shown ? strip_->sizeHint().height() : -addedHeight_;
    addedHeight_ = shown ? change : 0;
    if (!window_.isMaximized() && !window_.isFullScreen())
        window_.resize(window_.width(), window_.height() + change);
}

}  // namespace brivel
