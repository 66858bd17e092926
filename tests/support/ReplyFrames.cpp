#include "ReplyFrames.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "link/LineCoding.h"

namespace brivel::test {

QByteArray sealed(QByteArray reply)
{
    const qsizetype length = reply.size();
    reply[1] = static_cast<char>(length >> 8);
    reply[2] = static_cast<char>(length & 0xFF);
    reply[length - 1] = static_cast<char>(FrameChecksum(reply.left(length - 1)));
    return reply;
}

QByteArray replyFrame(quint8 echo, int length, quint8 fill)
{
    QByteArray reply(length, static_cast<char>(fill));
    reply[0] = static_cast<char>(FrameLead);
    reply[3] = static_cast<char>(echo);
    return sealed(reply);
}

QByteArray settingsReply(quint8 echo, quint8 major, quint8 minor, quint8 patch)
{
    QByteArray reply = replyFrame(echo, 602, 0x11);
    reply[4] = static_cast<char>(major);
    reply[5] = static_cast<char>(minor);
    reply[6] = static_cast<char>(patch);
    return sealed(reply);
}

QByteArray liveReply(quint8 echo)
{
    return replyFrame(echo, 57, 0x22);
}

QByteArray liveFrame(std::initializer_list<std::pair<int, int>> bytes)
{
    QByteArray frame = replyFrame(0x55, 57);
    frame[34] = static_cast<char>(0xFF);
    frame[35] = static_cast<char>(0xFF);
    frame[48] = static_cast<char>(0xFF);
    for (const auto& [offset, value] : bytes)
        frame[offset] = static_cast<char>(value);
    return sealed(frame);
}

QByteArray controllerLine(const QByteArray& reply)
{
    return EncodeLine(reply, ReceiveKey);
}

QList<QByteArray> commandFrames(const QByteArray& wire)
{
    QList<QByteArray> frames;
    qsizetype i = 0;
    while (i < wire.size()) {
        if (static_cast<quint8>(wire[i]) != WireLead || i + 2 >= wire.size()) {
            frames << wire.mid(i);
            break;
        }
        const quint8 code = DecodeLineByte(static_cast<quint8>(wire[i + 2]), SendKey);
        const auto payload = command::payloadSize(code);
        const qsizetype size = payload ? 3 + *payload : wire.size() - i - 1;
        frames << DecodeLine(wire.mid(i + 1, size), SendKey);
        i += 1 + size;
    }
    return frames;
}

QList<int> commandCodes(const QList<QByteArray>& frames)
{
    QList<int> codes;
    for (const QByteArray& frame : frames)
        codes << (frame.size() > 1 ? static_cast<quint8>(frame[1]) : -1);
    return codes;
}

}  // namespace brivel::test
