#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QList>

#include <initializer_list>
#include <utility>

namespace brivel::test {

// Replies as the controller forms them, before line coding, and the commands
// the program wrote, as the controller reads them.

// Sets the length field from the size and recomputes the check byte.
QByteArray sealed(QByteArray reply);
// 0xAA, the length, the echo, `length` − 5 body bytes of `fill`, and an
// additive check byte.
QByteArray replyFrame(quint8 echo, int length, quint8 fill = 0);
// The 602-byte settings image with the given firmware version.
QByteArray settingsReply(quint8 echo = 0x66, quint8 major = 3, quint8 minor = 7, quint8 patch = 7);
// A 57-byte live reply of filler bytes 0x22.
QByteArray liveReply(quint8 echo = 0x55);
// A 57-byte live reply with every fault flag clear and every reading 0, then
// the given bytes set at their offsets.
QByteArray liveFrame(std::initializer_list<std::pair<int, int>> bytes = {});
// The bytes as they travel from the controller.
QByteArray controllerLine(const QByteArray& reply);
// Splits what the program wrote into its command frames, decoded as the
// controller reads them. Bytes that start no frame are returned as they are.
QList<QByteArray> commandFrames(const QByteArray& wire);
// The code byte of each frame.
QList<int> commandCodes(const QList<QByteArray>& frames);

}  // namespace brivel::test
