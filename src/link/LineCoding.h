#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

namespace brivel {

// The two one-byte keys of the line coding. The program codes what it sends
// under SendKey and decodes what it receives under ReceiveKey; the controller
// does the inverse, so neither side's receive transform undoes its own send.
constexpr quint8 SendKey = 0x5E;
constexpr quint8 ReceiveKey = 0x93;

// The per-byte transform of the send direction.
quint8 EncodeLineByte(quint8 byte, quint8 key = SendKey);
// The per-byte transform of the receive direction; under the same key it
// undoes EncodeLineByte.
quint8 DecodeLineByte(quint8 byte, quint8 key = ReceiveKey);

// Both transforms over a whole byte string.
QByteArray EncodeLine(const QByteArray& bytes, quint8 key = SendKey);
QByteArray DecodeLine(const QByteArray& bytes, quint8 key = ReceiveKey);

}  // namespace brivel
