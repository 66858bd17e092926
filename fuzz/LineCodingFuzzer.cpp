// The line coding and the frame helpers, fed arbitrary bytes: once as what
// arrives from the controller (decoded, then read as a reply envelope), once
// as a command the program frames, codes and cuts into writes.
#include "FuzzCheck.h"

#include "link/Frames.h"
#include "link/LineCoding.h"

#include <QtCore/QByteArray>
#include <QtCore/QStringList>

#include <cstddef>
#include <cstdint>

using namespace brivel;

namespace {

int byteAt(const QByteArray& bytes, int i)
{
    return static_cast<quint8>(bytes[i]);
}

void checkCoding(const QByteArray& bytes)
{
    // The receive path decodes through a table; it must agree with the
    // transform byte for byte.
    const QByteArray decoded = DecodeLine(bytes);
    FUZZ_CHECK(decoded.size() == bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        FUZZ_CHECK(static_cast<quint8>(decoded[i]) ==
                   DecodeLineByte(static_cast<quint8>(bytes[i])));
    // What the controller codes under the receive key comes back unchanged,
    // and so does anything coded and decoded under one key.
    FUZZ_CHECK(DecodeLine(EncodeLine(bytes, ReceiveKey)) == bytes);
    if (!bytes.isEmpty()) {
        const auto key = static_cast<quint8>(bytes[0]);
        FUZZ_CHECK(DecodeLine(EncodeLine(bytes, key), key) == bytes);
    }
}

void checkReplyEnvelope(const QByteArray& reply)
{
    const int size = static_cast<int>(reply.size());
    const auto length = ReplyLength(reply);
    FUZZ_CHECK(length.has_value() == (size > 3 && byteAt(reply, 0) == FrameLead));
    if (length)
        FUZZ_CHECK(*length == byteAt(reply, 1) * 256 + byteAt(reply, 2));

    const int field = PieceLengthField(reply);
    FUZZ_CHECK(field >= 0 && field <= 0xFFFF);
    if (size >= 3)
        FUZZ_CHECK(field == byteAt(reply, 1) * 256 + byteAt(reply, 2));

    const auto echo = ReplyEcho(reply);
    FUZZ_CHECK(echo.has_value() == (size > 3));
    if (echo)
        FUZZ_CHECK(*echo == byteAt(reply, 3));

    const auto version = VersionText(reply);
    FUZZ_CHECK(version.has_value() == (size >= 7));
    if (version)
        FUZZ_CHECK(version->split(QLatin1Char('.')).size() == 3);
    const QString status = StatusVersionText(reply);
    FUZZ_CHECK(status.startsWith(InitialStatusText));
    FUZZ_CHECK((status == InitialStatusText) == !version.has_value());
}

void checkSending(const QByteArray& command)
{
    const QByteArray frame = FrameCommand(command);
    FUZZ_CHECK(frame.size() == command.size() + 2);
    FUZZ_CHECK(byteAt(frame, 0) == FrameLead);
    FUZZ_CHECK(frame.mid(1, command.size()) == command);
    FUZZ_CHECK(FrameChecksum(frame.chopped(1)) == static_cast<quint8>(frame.back()));

    const QByteArray wire = WireForm(frame);
    FUZZ_CHECK(byteAt(wire, 0) == WireLead);
    // The controller decodes the program's bytes under the send key.
    FUZZ_CHECK(DecodeLine(wire.mid(1), SendKey) == frame);

    const std::vector<WritePiece> pieces = SplitWrite(wire);
    QByteArray joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const WritePiece& piece = pieces[i];
        FUZZ_CHECK(!piece.bytes.isEmpty() && piece.bytes.size() <= MaxWritePiece);
        // Only a frame that needs more than one write pauses, after each
        // full piece; the rest goes last and alone is shorter.
        const bool full = piece.bytes.size() == MaxWritePiece;
        FUZZ_CHECK(piece.pauseAfter == (full && wire.size() > MaxWritePiece));
        FUZZ_CHECK(full || i + 1 == pieces.size());
        joined += piece.bytes;
    }
    FUZZ_CHECK(joined == wire);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkCoding(bytes);
    checkReplyEnvelope(DecodeLine(bytes));
    checkReplyEnvelope(bytes);
    checkSending(bytes);
    return 0;
}
