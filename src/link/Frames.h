#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <optional>
#include <vector>

namespace brivel {

// Envelope bytes. Commands start with FrameLead behind the uncoded WireLead;
// replies start with FrameLead and carry their own length.
constexpr quint8 FrameLead = 0xAA;
constexpr quint8 WireLead = 0xCC;
// The controller's receiver takes at most this many bytes in one go.
constexpr int MaxWritePiece = 80;
constexpr int PauseAfterPieceMs = 1;

// The status-bar text before any controller has been accepted, and the one
// firmware version the program talks to.
inline const QString InitialStatusText = QStringLiteral(" BRIVEL ver.");
inline const QString AcceptedVersion = QStringLiteral("3.7.7");

// The additive checksum: the sum of the bytes modulo 256.
quint8 FrameChecksum(const QByteArray& bytes);
// 0xAA, the command (code byte and payload), then the checksum of both.
QByteArray FrameCommand(const QByteArray& command);
// The framed connect and poll commands, written without queueing.
QByteArray ConnectFrame();
QByteArray PollFrame();

// What goes on the wire for a framed command: 0xCC, then every frame byte
// line-coded.
QByteArray WireForm(const QByteArray& frame);

struct WritePiece {
    QByteArray bytes;
    bool pauseAfter = false;

    bool operator==(const WritePiece& other) const
    {
        return bytes == other.bytes && pauseAfter == other.pauseAfter;
    }
};
// Splits a wire form into the writes that carry it: one write when it fits
// in one piece, otherwise full pieces each followed by a pause, then the rest
// without a pause.
std::vector<WritePiece> SplitWrite(const QByteArray& wire);

// The total length a reply announces at offsets 1-2 (high byte first), once
// the buffer holds more than three bytes and starts with 0xAA.
std::optional<int> ReplyLength(const QByteArray& buffer);
// The length field of a first piece as far as the piece holds it; missing
// bytes count as 0.
int PieceLengthField(const QByteArray& piece);
// The code a reply echoes at offset 3, if it is that long.
std::optional<quint8> ReplyEcho(const QByteArray& reply);

// The firmware version of a settings reply from offsets 4-6 in decimal
// ("3.7.7"), or nothing when the reply is too short to carry it.
std::optional<QString> VersionText(const QByteArray& reply);
// The status-bar text for a settings reply: " BRIVEL ver. 3.07.07".
QString StatusVersionText(const QByteArray& reply);

// 500 zero bytes, decoded at disconnect so that every live indicator shows 0.
QByteArray FillerFrame();

}  // namespace brivel
