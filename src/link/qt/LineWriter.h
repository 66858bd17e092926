#pragma once

#include <QtCore/QByteArray>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace brivel {

// Writes the pieces of the commands to a serial device on a thread of its
// own, so that the window never waits for the line: each piece is written,
// drained to the line (tcdrain, and at least the time the line needs for
// it, since some adapters report drained while their own buffer still
// holds the bytes), then the line rests as told before the next piece.
// The writer touches nothing but the descriptor and its queue; a failure
// is handed to `failed` on the writer's thread, once, and the writer stops
// writing.
class LineWriter {
public:
    using FailureHandler = std::function<void(int error)>;

    // `fd` must stay open until stop() has returned.
    LineWriter(int fd, int bitsPerSecond, FailureHandler failed);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void write(const QByteArray& piece);
    void pause(int ms);
    // The line's rate changed; pieces from now on take its time.
    void setBitsPerSecond(int bitsPerSecond);
    // Throws away what has not gone out, and waits for the thread to end.
    void stop();

    // Microseconds the line needs for `bytes` at `bitsPerSecond`, 10 bits a byte.
    static qint64 lineTimeUs(qsizetype bytes, int bitsPerSecond);

private:
    struct Job {
        QByteArray bytes;
        int pauseMs = 0;
    };

    void run();
    bool writeAll(const QByteArray& bytes, int* error);
    // Waits until `until` unless stopped first; false when stopped.
    bool restUntil(std::chrono::steady_clock::time_point until);

    const int fd_;
    std::atomic<int> bitsPerSecond_;
    FailureHandler failed_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace brivel
