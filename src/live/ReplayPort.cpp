#include "live/ReplayPort.h"

#include "link/Frames.h"
#include "link/LineCoding.h"
#include "platform/Clock.h"
#include "platform/PlatformError.h"

#include <algorithm>
#include <cerrno>

namespace brivel {

namespace {

// Offsets of a settings reply's firmware version.
constexpr int VersionOffset = 4;
const QByteArray ConnectWire = WireForm(ConnectFrame());
const QByteArray PollWire = WireForm(PollFrame());

}  // namespace

ReplayPort::ReplayPort(Clock& clock)
    : clock_(clock), waitTimer_(clock.createTimer()), lineTimer_(clock.createTimer())
{
    waitTimer_->setSingleShot(true);
    waitTimer_->setCallback([this] { servePoll(); });
    lineTimer_->setSingleShot(true);
    lineTimer_->setInterval(AnswerDelayMs);
    lineTimer_->setCallback([this] { sendNext(); });
}

ReplayPort::~ReplayPort()
{
    waitTimer_->stop();
    lineTimer_->stop();
}

QByteArray ReplayPort::neutralSettingsImage()
{
    const QStringList version = AcceptedVersion.split(QLatin1Char('.'));
    QByteArray image(VersionOffset + 4, '\0');
    image[0] = static_cast<char>(FrameLead);
    image[1] = 0;
    image[2] = static_cast<char>(image.size());
    image[3] = static_cast<char>(0x66);
    for (int i = 0; i < 3; ++i)
        image[VersionOffset + i] = static_cast<char>(version.value(i).toInt());
    image[image.size() - 1] = static_cast<char>(FrameChecksum(image.left(image.size() - 1)));
    return image;
}

void ReplayPort::load(DriveRecording recording, const QString& name)
{
    recording_ = std::move(recording);
    name_ = name;
    playing_ = true;
    speed_ = 1;
    started_ = false;
    anchorMs_ = recording_.startMs();
    last_ = -1;
    shownMs_ = anchorMs_;
    pollWaiting_ = false;
    waitTimer_->stop();
    tell();
}

qint64 ReplayPort::clockPosition() const
{
    if (!playing_ || !started_)
        return anchorMs_;
    const qint64 moved = (clock_.nowMs() - anchorClockMs_) * speed_;
    return std::min(recording_.endMs(), anchorMs_ + moved);
}

void ReplayPort::rebase()
{
    anchorMs_ = clockPosition();
    anchorClockMs_ = clock_.nowMs();
}

void ReplayPort::setPlaying(bool playing)
{
    if (playing == playing_ || !hasRecording())
        return;
    rebase();
    if (playing && last_ >= recording_.frameCount() - 1) {
        anchorMs_ = recording_.startMs();
        last_ = -1;
        shownMs_ = anchorMs_;
    }
    playing_ = playing;
    servePoll();
    tell();
}

void ReplayPort::setSpeed(int factor)
{
    if (std::find(Speeds.begin(), Speeds.end(), factor) == Speeds.end() || factor == speed_)
        return;
    rebase();
    speed_ = factor;
    servePoll();
    tell();
}

void ReplayPort::seek(qint64 ms)
{
    if (!hasRecording())
        return;
    ms = std::clamp(ms, recording_.startMs(), recording_.endMs());
    anchorMs_ = ms;
    anchorClockMs_ = clock_.nowMs();
    // The frame at the new position is due at once.
    last_ = std::max(recording_.indexAt(ms) - 1, -1);
    shownMs_ = ms;
    servePoll();
    tell();
}

QByteArray ReplayPort::read(int count)
{
    if (!open_)
        throw PlatformError(portErrorText("ReadFile function failed", EBADF));
    const QByteArray bytes = incoming_.left(count);
    incoming_.remove(0, bytes.size());
    return bytes;
}

void ReplayPort::write(const QByteArray& bytes)
{
    if (!open_)
        throw PlatformError(portErrorText("WriteFile function failed", EBADF));
    if (bytes == ConnectWire) {
        answerHandshake();
    } else if (bytes == PollWire) {
        if (!started_) {
            started_ = true;
            anchorClockMs_ = clock_.nowMs();
        }
        pollWaiting_ = true;
        pollSinceMs_ = clock_.nowMs();
        servePoll();
    } else if (!bytes.isEmpty() && static_cast<quint8>(bytes[0]) == WireLead) {
        // A command for a controller that is not there: never acted on, never
        // acknowledged.
        ++refused_;
    }
}

void ReplayPort::openDevice()
{
    if (!hasRecording())
        throw PlatformError(portErrorText("Unable to open com port", ENOENT));
    open_ = true;
    incoming_.clear();
    outgoing_.clear();
}

void ReplayPort::closeDevice()
{
    // A replay ends with its connection: the recording (megabytes for a
    // long drive) is not kept; "Odtwórz…" loads one afresh.
    recording_ = DriveRecording();
    name_.clear();
    open_ = false;
    incoming_.clear();
    outgoing_.clear();
    pollWaiting_ = false;
    waitTimer_->stop();
    lineTimer_->stop();
}

void ReplayPort::answerHandshake()
{
    // An image of another firmware (a file edited by hand) would make the
    // link drop the connection without a word.
    const QByteArray& stored = recording_.settingsImage();
    const QByteArray image =
        VersionText(stored) == AcceptedVersion ? stored : neutralSettingsImage();
    // The link takes a connect reply as complete from its second piece on.
    const qsizetype half = image.size() / 2;
    outgoing_.push_back(image.left(half));
    outgoing_.push_back(image.mid(half));
    if (!lineTimer_->isActive())
        lineTimer_->start();
}

void ReplayPort::servePoll()
{
    waitTimer_->stop();
    if (!pollWaiting_ || !hasRecording())
        return;
    const int count = recording_.frameCount();
    const qint64 position = clockPosition();
    const int due = recording_.indexAt(position);
    if (due > last_) {
        // At a higher speed the frames passed in between are not shown.
        answer(due);
        return;
    }
    const qint64 held = clock_.nowMs() - pollSinceMs_;
    if (!playing_ || last_ + 1 >= count || held >= MaxHoldMs) {
        answer(std::max(last_, 0));
        return;
    }
    const qint64 untilDue = recording_.timeMs(last_ + 1) - position;
    const qint64 wait = (untilDue + speed_ - 1) / speed_;
    waitTimer_->setInterval(static_cast<int>(std::clamp<qint64>(wait, 1, MaxHoldMs - held)));
    waitTimer_->start();
}

void ReplayPort::answer(int index)
{
    pollWaiting_ = false;
    last_ = index;
    shownMs_ = recording_.timeMs(index);
    send(recording_.frame(index));
    if (playing_ && index >= recording_.frameCount() - 1) {
        // The drive is over; the last frame stays on the gauges.
        rebase();
        playing_ = false;
    }
    tell();
}

void ReplayPort::send(const QByteArray& reply)
{
    outgoing_.push_back(reply);
    if (!lineTimer_->isActive())
        lineTimer_->start();
}

void ReplayPort::sendNext()
{
    if (!open_ || outgoing_.empty())
        return;
    incoming_.append(EncodeLine(outgoing_.front(), ReceiveKey));
    outgoing_.pop_front();
    if (!outgoing_.empty())
        lineTimer_->start();
    notifyReceived();
}

void ReplayPort::tell()
{
    if (changed_)
        changed_();
}

}  // namespace brivel
