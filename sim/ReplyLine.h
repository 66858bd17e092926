#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

#include <deque>

namespace brivel::sim {

// The controller's transmitter at 7200 bit/s, 10 bits per byte: replies go
// out one after another, each byte arriving at the program a byte time after
// the one before it. Times are in microseconds of the emulator's clock.
class ReplyLine {
public:
    static constexpr int LineRate = 7200;
    static constexpr int BitsPerByte = 10;

    // The moment the last of `count` bytes, started at `startUs`, has arrived.
    static qint64 arrivalUs(qint64 startUs, qsizetype count);

    // Queues bytes to go out no earlier than `startUs`. Held-back bytes are
    // handed over only together, when the last of them has arrived.
    void send(const QByteArray& bytes, qint64 startUs, bool heldBack = false);
    // Every byte that has arrived by `nowUs` and not been taken yet.
    QByteArray takeArrived(qint64 nowUs);
    bool idle() const { return queue_.empty(); }
    void clear() { queue_.clear(); }

private:
    struct Transfer {
        QByteArray bytes;
        qint64 startUs;
        bool heldBack;
        qsizetype taken = 0;
    };
    std::deque<Transfer> queue_;
    qint64 freeAtUs_ = 0;
};

}  // namespace brivel::sim
