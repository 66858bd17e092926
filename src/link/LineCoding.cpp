#include "link/LineCoding.h"

#include <array>

namespace brivel {

namespace {

constexpr quint8 rotateLeft(quint8 b)
{
    return static_cast<quint8>((b << 1) | (b >> 7));
}
constexpr quint8 rotateRight(quint8 b)
{
    return static_cast<quint8>((b >> 1) | (b << 7));
}
constexpr quint8 swapNibbles(quint8 b)
{
    return static_cast<quint8>((b << 4) | (b >> 4));
}
// Inverts every bit but bit 1, which ends up 0.
constexpr quint8 invertKeepingBit1Clear(quint8 b)
{
    return static_cast<quint8>(~b & 0xFD);
}

}  // namespace

quint8 EncodeLineByte(quint8 byte, quint8 key)
{
    quint8 r = rotateLeft(byte);
    // Bit 1 of r is bit 0 of the input in both branches, which is what lets
    // the decoder tell them apart.
    if ((byte & 0x01) == 0)
        r = invertKeepingBit1Clear(r);
    return static_cast<quint8>(swapNibbles(r) ^ key);
}

quint8 DecodeLineByte(quint8 byte, quint8 key)
{
    quint8 e = swapNibbles(static_cast<quint8>(byte ^ key));
    if ((e & 0x02) == 0)
        e = invertKeepingBit1Clear(e);
    return rotateRight(e);
}

QByteArray EncodeLine(const QByteArray& bytes, quint8 key)
{
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = static_cast<char>(EncodeLineByte(static_cast<quint8>(bytes[i]), key));
    return out;
}

QByteArray DecodeLine(const QByteArray& bytes, quint8 key)
{
    // The receive path runs on every piece of every reply, so the default
    // direction goes through a table built once.
    static const std::array<quint8, 256> table = [] {
        std::array<quint8, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[c] = DecodeLineByte(static_cast<quint8>(c), ReceiveKey);
        return t;
    }();
    QByteArray out(bytes.size(), Qt::Uninitialized);
    if (key == ReceiveKey) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            out[i] = static_cast<char>(table[static_cast<quint8>(bytes[i])]);
    } else {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            out[i] = static_cast<char>(DecodeLineByte(static_cast<quint8>(bytes[i]), key));
    }
    return out;
}

}  // namespace brivel
