#include "link/Frames.h"

#include "link/Commands.h"
#include "link/LineCoding.h"

namespace brivel {

namespace {

constexpr int FillerFrameSize = 500;
constexpr int VersionOffset = 4;

quint8 byteAt(const QByteArray& bytes, int i)
{
    return static_cast<quint8>(bytes[i]);
}

}  // namespace

quint8 FrameChecksum(const QByteArray& bytes)
{
    quint8 sum = 0;
    for (char b : bytes)
        sum = static_cast<quint8>(sum + static_cast<quint8>(b));
    return sum;
}

QByteArray FrameCommand(const QByteArray& command)
{
    QByteArray frame;
    frame.reserve(command.size() + 2);
    frame.append(static_cast<char>(FrameLead));
    frame.append(command);
    frame.append(static_cast<char>(FrameChecksum(frame)));
    return frame;
}

QByteArray ConnectFrame()
{
    const char command[] = {static_cast<char>(command::ReadSettings),
                            static_cast<char>(command::ConnectPayload)};
    return FrameCommand(QByteArray(command, sizeof command));
}

QByteArray PollFrame()
{
    const char command[] = {static_cast<char>(command::Poll), 0x01};
    return FrameCommand(QByteArray(command, sizeof command));
}

QByteArray WireForm(const QByteArray& frame)
{
    QByteArray wire;
    wire.reserve(frame.size() + 1);
    wire.append(static_cast<char>(WireLead));
    wire.append(EncodeLine(frame));
    return wire;
}

std::vector<WritePiece> SplitWrite(const QByteArray& wire)
{
    if (wire.size() <= MaxWritePiece)
        return {WritePiece{wire, false}};
    std::vector<WritePiece> pieces;
    const qsizetype whole = wire.size() / MaxWritePiece;
    for (qsizetype i = 0; i < whole; ++i)
        pieces.push_back({wire.mid(i * MaxWritePiece, MaxWritePiece), true});
    const qsizetype rest = wire.size() % MaxWritePiece;
    if (rest > 0)
        pieces.push_back({wire.right(rest), false});
    return pieces;
}

std::optional<int> ReplyLength(const QByteArray& buffer)
{
    if (buffer.size() <= 3 || byteAt(buffer, 0) != FrameLead)
        return std::nullopt;
    return byteAt(buffer, 1) * 256 + byteAt(buffer, 2);
}

int PieceLengthField(const QByteArray& piece)
{
    const int high = piece.size() > 1 ? byteAt(piece, 1) : 0;
    const int low = piece.size() > 2 ? byteAt(piece, 2) : 0;
    return high * 256 + low;
}

std::optional<quint8> ReplyEcho(const QByteArray& reply)
{
    if (reply.size() <= 3)
        return std::nullopt;
    return byteAt(reply, 3);
}

std::optional<QString> VersionText(const QByteArray& reply)
{
    if (reply.size() < VersionOffset + 3)
        return std::nullopt;
    return QStringLiteral("%1.%2.%3")
        .arg(byteAt(reply, VersionOffset))
        .arg(byteAt(reply, VersionOffset + 1))
        .arg(byteAt(reply, VersionOffset + 2));
}

QString StatusVersionText(const QByteArray& reply)
{
    if (reply.size() < VersionOffset + 3)
        return InitialStatusText;
    auto hex = [&](int offset) {
        return QStringLiteral("%1").arg(byteAt(reply, offset), 2, 16, QLatin1Char('0')).toUpper();
    };
    return InitialStatusText + QStringLiteral(" %1.%2.%3")
                                   .arg(byteAt(reply, VersionOffset))
                                   .arg(hex(VersionOffset + 1), hex(VersionOffset + 2));
}

QByteArray FillerFrame()
{
    return QByteArray(FillerFrameSize, '\0');
}

}  // namespace brivel
