#pragma once

#include <QtCore/QByteArray>

#include <optional>

namespace brivel {

// Collects one reply of the controller from the pieces the port delivers,
// already line-decoded, and says when it is whole: when it holds exactly as
// many bytes as its length field announces. A reply that grows past its
// length never becomes whole; it is left to the reply time-out.
class ReplyAssembler {
public:
    // No length field can announce more; a buffer past it stays overrun and
    // can never become whole, so nothing is lost by not growing it further.
    static constexpr int MaxSize = 0xFFFF + 1;
    // No piece for this long ends a reply (and is the time a handshake gets).
    static constexpr int ReplyTimeoutMs = 3000;
    // However its pieces trickle in, a reply that has begun is over within
    // deadlineMs() of its first piece, and never later than this.
    static constexpr int MaxReplyMs = 5000;
    // The line runs at 7200 bit/s, ten bits to the byte.
    static constexpr int LineRate = 7200;
    static constexpr int BitsPerByte = 10;

    void clear();

    // A further piece, or any piece of the handshake's reply: the length is
    // the one the reply gathered so far announces (unknown until it holds
    // more than three bytes starting with 0xAA).
    void append(const QByteArray& piece);
    // The first piece of a poll or command reply: the length is read from
    // the piece itself, as far as it holds the field (missing bytes count as
    // 0), whatever its first byte.
    void appendFirst(const QByteArray& piece);

    const QByteArray& bytes() const { return bytes_; }
    // The length announced, or 0 while it is unknown.
    int expectedLength() const { return expected_; }
    bool isWhole() const { return expected_ > 0 && bytes_.size() == expected_; }

    // How long this reply may take from its first piece.
    int deadlineMs() const;
    // How long a reply of the given total length may take from its first
    // piece: the time the line needs for it twice over plus a whole reply
    // time-out, at most MaxReplyMs; MaxReplyMs while the length is unknown.
    static int deadlineMs(std::optional<int> length);

private:
    void add(const QByteArray& piece);

    QByteArray bytes_;
    int expected_ = 0;
};

}  // namespace brivel
