#include "sim/ReplyFrame.h"

#include "link/Frames.h"

namespace brivel::sim {

QByteArray sealReply(QByteArray reply, quint8 echo)
{
    const qsizetype length = reply.size();
    reply[0] = static_cast<char>(FrameLead);
    reply[1] = static_cast<char>((length >> 8) & 0xFF);
    reply[2] = static_cast<char>(length & 0xFF);
    reply[3] = static_cast<char>(echo);
    reply[length - 1] = static_cast<char>(replyCheckByte(reply));
    return reply;
}

quint8 replyCheckByte(const QByteArray& reply)
{
    return FrameChecksum(reply.left(reply.size() - 1));
}

}  // namespace brivel::sim
