#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <optional>

// The settings data file (".kvs"): a text magic, a nonce and a key byte,
// then each stored image byte from offset 4 to the byte before the check
// byte, preceded by a filler byte and masked with a key stream. The key is
// the image's check byte; the nonce hides it a little by the second of the
// minute at which the file was written.
namespace brivel::settings::datafile {

inline constexpr char Magic[] = "KVOS DATA FILE v3.07.07";
inline constexpr int MagicSize = sizeof(Magic) - 1;
inline constexpr int NonceOffset = 23;
inline constexpr int KeyOffset = 24;
inline constexpr int FirstPairOffset = 25;
// The image offset of the first stored byte.
inline constexpr int FirstStoredOffset = 4;
// A file that does not reach image offset 560 cannot fill the block write.
inline constexpr int MinimumSize = 1139;

inline const QString DataFileError = QStringLiteral("Data file error");

// The bytes of the file for an image, written at `seconds` past the minute
// (0-59). 25 + 2 × (L - 5) bytes for an image of L bytes; an image of five
// bytes or fewer stores nothing after the key.
QByteArray encode(const QByteArray& block, int seconds);

quint8 nonceByte(int seconds);
// The filler written before the stored byte `c` of image offset `offset`.
quint8 fillerByte(int offset, quint8 c);
// The key stream: image offset `offset` is stored XOR this.
quint8 keyStreamByte(quint8 key, int offset);

// What a file holds: the image bytes from offset 4 on (without the check
// byte) and the key recovered from the header.
struct Contents {
    QByteArray stored;
    quint8 key = 0;

    std::optional<quint8> byteAt(int offset) const;
    // The block write's payload: image offsets 21-560.
    QByteArray settingsRegion() const;
    // The settings image the file was saved from, as the controller sent it:
    // the envelope of a settings reply (0xAA, the length, 0x66) rebuilt in
    // front of the stored bytes and the key behind them, which is the
    // image's check byte.
    QByteArray image() const;
};

// Reads a file's bytes. Nothing ("Data file error") when the magic is wrong
// or the file is too short to hold image offsets 21-560; any other bytes
// decode, whatever they hold.
std::optional<Contents> decode(const QByteArray& file);

// The name a save writes to: ".kvs" appended when the chosen file name has
// no extension ("abc" becomes "abc.kvs", "abc.txt" stays).
QString fileNameFor(const QString& chosen);

}  // namespace brivel::settings::datafile
