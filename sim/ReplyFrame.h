#pragma once

#include <QtCore/QByteArray>

namespace brivel::sim {

// Fills in the envelope of a reply of any length: the lead byte, the total
// length (high byte first), the echoed code and the check byte, which this
// controller forms like the command checksum, as the sum of every byte
// before it modulo 256.
QByteArray sealReply(QByteArray reply, quint8 echo);
// The check byte the reply should end with.
quint8 replyCheckByte(const QByteArray& reply);

}  // namespace brivel::sim
