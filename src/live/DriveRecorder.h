#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QString>

#include <functional>
#include <memory>

namespace brivel {

class Clock;
class Timer;

// Records every live frame of the link to a CSV file while the fitter asks
// for it. A poll only appends the frame's row to memory; the rows go to the
// file once a second on the clock, so recording costs a poll nothing
// measurable and a crash loses at most the last second. A disconnect ends
// the recording like a stop: what is buffered is written and the file closed.
class DriveRecorder final {
public:
    static constexpr int FlushIntervalMs = 1000;

    explicit DriveRecorder(Clock& clock);
    ~DriveRecorder();
    DriveRecorder(const DriveRecorder&) = delete;
    DriveRecorder& operator=(const DriveRecorder&) = delete;

    // Starts a new file in `folder` (made if missing), named after the
    // clock's local time, beginning with the header and, when there is one,
    // the controller's settings image. False when the file cannot be made;
    // nothing is recording then.
    bool start(const QString& folder, const QByteArray& settingsImage);
    // Writes what is buffered and closes the file.
    void stop();

    bool isRecording() const { return file_ != nullptr; }
    // The file being written, or the last one written.
    const QString& filePath() const { return path_; }
    qint64 elapsedMs() const;
    int framesRecorded() const { return frames_; }
    // The last recording ended because the file could not be written.
    bool writeFailed() const { return writeFailed_; }

    // Told when a recording starts or ends and at every flush, so that a
    // view can show the elapsed time.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // What the link reports.
    void liveReplyReceived(const QByteArray& reply);
    void linkDisconnected() { stop(); }

private:
    bool flush();
    void close();
    void tell();

    Clock& clock_;
    std::unique_ptr<Timer> flushTimer_;
    std::unique_ptr<QFile> file_;
    QString path_;
    QByteArray pending_;
    qint64 startedMs_ = 0;
    int frames_ = 0;
    bool writeFailed_ = false;
    std::function<void()> changed_;
};

}  // namespace brivel
