#include "link/qt/LineWriter.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace brivel {

namespace {

constexpr int BitsPerByte = 10;
// A write that cannot get rid of a single byte for this long has a line
// that no longer takes bytes.
constexpr int StuckWriteMs = 2000;

}  // namespace

LineWriter::LineWriter(int fd, int bitsPerSecond, FailureHandler failed)
    : fd_(fd),
      bitsPerSecond_(bitsPerSecond > 0 ? bitsPerSecond : 9600),
      failed_(std::move(failed)),
      thread_([this] { run(); })
{
}

LineWriter::~LineWriter()
{
    stop();
}

qint64 LineWriter::lineTimeUs(qsizetype bytes, int bitsPerSecond)
{
    if (bitsPerSecond <= 0)
        return 0;
    return (static_cast<qint64>(bytes) * BitsPerByte * 1000000 + bitsPerSecond - 1) / bitsPerSecond;
}

void LineWriter::write(const QByteArray& piece)
{
    if (piece.isEmpty())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_)
            return;
        jobs_.push_back({piece, 0});
    }
    wake_.notify_one();
}

void LineWriter::pause(int ms)
{
    if (ms <= 0)
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_)
            return;
        jobs_.push_back({QByteArray(), ms});
    }
    wake_.notify_one();
}

void LineWriter::setBitsPerSecond(int bitsPerSecond)
{
    if (bitsPerSecond > 0)
        bitsPerSecond_ = bitsPerSecond;
}

void LineWriter::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        jobs_.clear();
    }
    wake_.notify_one();
    // A drain in progress returns once the output has been thrown away.
    ::tcflush(fd_, TCOFLUSH);
    if (thread_.joinable())
        thread_.join();
}

void LineWriter::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_)
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        if (job.pauseMs > 0) {
            if (!restUntil(std::chrono::steady_clock::now() +
                           std::chrono::milliseconds(job.pauseMs)))
                return;
            continue;
        }
        const auto started = std::chrono::steady_clock::now();
        int error = 0;
        if (!writeAll(job.bytes, &error)) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (stopping_)
                    return;
                jobs_.clear();
                stopping_ = true;
            }
            if (failed_)
                failed_(error);
            return;
        }
        // tcdrain has waited for the device; the line's own time covers an
        // adapter that still holds the bytes.
        if (!restUntil(started +
                       std::chrono::microseconds(lineTimeUs(job.bytes.size(), bitsPerSecond_))))
            return;
    }
}

bool LineWriter::writeAll(const QByteArray& bytes, int* error)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            *error = errno;
            return false;
        }
        // The device's buffer is full: wait until it takes bytes again.
        pollfd ready{fd_, POLLOUT, 0};
        const int polled = ::poll(&ready, 1, StuckWriteMs);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_)
                return true;
        }
        if (polled == 0) {
            *error = ETIMEDOUT;
            return false;
        }
        if (polled < 0 && errno != EINTR) {
            *error = errno;
            return false;
        }
        if (ready.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            *error = EIO;
            return false;
        }
    }
    while (::tcdrain(fd_) != 0) {
        if (errno == EINTR)
            continue;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_)
                return true;
        }
        *error = errno;
        return false;
    }
    return true;
}

bool LineWriter::restUntil(std::chrono::steady_clock::time_point until)
{
    std::unique_lock<std::mutex> lock(mutex_);
    return !wake_.wait_until(lock, until, [this] { return stopping_; });
}

}  // namespace brivel
