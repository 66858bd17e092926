#include "live/DriveRecorder.h"

#include "live/DriveRecordFormat.h"
#include "live/LiveFrame.h"
#include "platform/Clock.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>

namespace brivel {

namespace {

// Two recordings started within the same second get their own files.
constexpr int MaxNameTries = 100;
// What a few seconds of frames take, so that appending rarely reallocates.
constexpr qsizetype PendingReserve = 8 * 1024;

}  // namespace

DriveRecorder::DriveRecorder(Clock& clock) : clock_(clock), flushTimer_(clock.createTimer())
{
    flushTimer_->setSingleShot(false);
    flushTimer_->setInterval(FlushIntervalMs);
    flushTimer_->setCallback([this] {
        if (!flush())
            close();
        tell();
    });
}

DriveRecorder::~DriveRecorder()
{
    changed_ = nullptr;
    stop();
}

bool DriveRecorder::start(const QString& folder, const QByteArray& settingsImage)
{
    stop();
    writeFailed_ = false;
    const QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        return false;
    const QString name = record::fileName(clock_.localDateTime());
    auto file = std::make_unique<QFile>();
    for (int attempt = 1; !file->isOpen(); ++attempt) {
        QString candidate = name;
        if (attempt > 1)
            candidate.insert(candidate.size() - 4, QStringLiteral("-%1").arg(attempt));
        file->setFileName(dir.filePath(candidate));
        // Never over an existing file: it may be an earlier drive.
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!QFileInfo::exists(file->fileName()) || attempt == MaxNameTries)
            return false;
    }
    file_ = std::move(file);
    path_ = file_->fileName();
    startedMs_ = clock_.nowMs();
    frames_ = 0;
    pending_.clear();
    pending_.reserve(PendingReserve);
    pending_ += record::headerLine();
    if (!settingsImage.isEmpty())
        pending_ += record::settingsLine(0, settingsImage);
    if (!flush()) {
        close();
        QFile::remove(path_);
        return false;
    }
    flushTimer_->start();
    tell();
    return true;
}

void DriveRecorder::stop()
{
    if (!file_)
        return;
    if (!flush())
        writeFailed_ = true;
    close();
    tell();
}

qint64 DriveRecorder::elapsedMs() const
{
    return file_ ? clock_.nowMs() - startedMs_ : 0;
}

void DriveRecorder::liveReplyReceived(const QByteArray& reply)
{
    if (!file_ || live::classify(reply) != live::FrameUse::Decode)
        return;
    pending_ += record::frameLine(elapsedMs(), reply);
    ++frames_;
}

bool DriveRecorder::flush()
{
    if (!file_)
        return true;
    if (!pending_.isEmpty()) {
        const bool whole = file_->write(pending_) == pending_.size();
        pending_.clear();
        if (!whole || !file_->flush()) {
            writeFailed_ = true;
            return false;
        }
    }
    return true;
}

void DriveRecorder::close()
{
    flushTimer_->stop();
    if (file_)
        file_->close();
    file_.reset();
    pending_.clear();
}

void DriveRecorder::tell()
{
    if (changed_)
        changed_();
}

}  // namespace brivel
