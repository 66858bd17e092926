#include "settings/SettingsFile.h"

#include "settings/BlockLayout.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "link/Rounding.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>

namespace brivel::settings::datafile {

namespace {

constexpr int NonceBase = 0x03;
constexpr int SecondsPerMinute = 60;
constexpr int FillerBase = 0x55;

quint8 at(const QByteArray& bytes, int i)
{
    return static_cast<quint8>(bytes[i]);
}

// V taken as a 64-bit two's-complement number and shifted by a count read
// as a signed byte: 0-63 shift, 64-127 shift everything out, and a negative
// count shifts by its low five bits only. The low 8 bits of the result.
quint8 shifted(qint32 v, int countByte, bool left)
{
    const auto bits = static_cast<quint64>(static_cast<qint64>(v));
    const int count = countByte & 0xFF;
    int by = 0;
    if (count < 64)
        by = count;
    else if (count < 128)
        return 0;
    else
        by = count & 0x1F;
    return static_cast<quint8>((left ? bits << by : bits >> by) & 0xFFu);
}

int normalisedSeconds(int seconds)
{
    return ((seconds % SecondsPerMinute) + SecondsPerMinute) % SecondsPerMinute;
}

static_assert(MinimumSize == FirstPairOffset + 2 * (SettingsRegionLast - FirstStoredOffset) + 2,
              "the last byte of a loadable file is the stored byte of image offset 560");

}  // namespace

quint8 nonceByte(int seconds)
{
    return static_cast<quint8>(4 * normalisedSeconds(seconds) + NonceBase);
}

quint8 keyStreamByte(quint8 key, int offset)
{
    return static_cast<quint8>((key + offset + 1) & 0xFF);
}

quint8 fillerByte(int offset, quint8 c)
{
    const qint32 p = offset + 1;
    const qint32 cp = static_cast<qint32>(c) * p;
    quint8 f = static_cast<quint8>((p ^ FillerBase) & 0xFF);
    // Each rule that applies replaces what the earlier ones gave.
    if (p % 5 == 0)
        f = shifted((0xFF - cp) | p, c, true);
    if (p % 6 == 0)
        f = shifted((0xAA - cp) | p, c, false);
    if (p % 9 == 0)
        f = shifted((0x5F - (cp + 0x08)) | p, c, true);
    if (p % 7 == 0)
        f = shifted((0x7F - cp) | p, p & 0xFF, true);
    return f;
}

QByteArray encode(const QByteArray& block, int seconds)
{
    const int n = normalisedSeconds(seconds);
    const quint8 key = block.isEmpty() ? 0 : static_cast<quint8>(block.back());
    QByteArray file(Magic, MagicSize);
    file.append(static_cast<char>(nonceByte(n)));
    file.append(static_cast<char>(key ^ n));
    const int last = static_cast<int>(block.size()) - 2;
    for (int o = FirstStoredOffset; o <= last; ++o) {
        const quint8 c = at(block, o);
        file.append(static_cast<char>(fillerByte(o, c)));
        file.append(static_cast<char>(c ^ keyStreamByte(key, o)));
    }
    return file;
}

std::optional<quint8> Contents::byteAt(int offset) const
{
    const int i = offset - FirstStoredOffset;
    if (i < 0 || i >= stored.size())
        return std::nullopt;
    return static_cast<quint8>(stored[i]);
}

QByteArray Contents::settingsRegion() const
{
    return stored.mid(SettingsRegionFirst - FirstStoredOffset, SettingsRegionSize);
}

QByteArray Contents::image() const
{
    const int size = static_cast<int>(stored.size()) + FirstStoredOffset + 1;
    QByteArray image;
    image.reserve(size);
    image.append(static_cast<char>(FrameLead));
    image.append(static_cast<char>((size >> 8) & 0xFF));
    image.append(static_cast<char>(size & 0xFF));
    image.append(static_cast<char>(command::ReadSettings));
    image.append(stored);
    image.append(static_cast<char>(key));
    return image;
}

std::optional<Contents> decode(const QByteArray& file)
{
    if (!file.startsWith(QByteArray::fromRawData(Magic, MagicSize)))
        return std::nullopt;
    if (file.size() < MinimumSize)
        return std::nullopt;
    const double n = roundHalfEven((at(file, NonceOffset) - NonceBase) / 4.0);
    Contents contents;
    contents.key = static_cast<quint8>(at(file, KeyOffset) ^ (static_cast<int>(n) & 0xFF));
    const int size = static_cast<int>(file.size());
    contents.stored.reserve((size - FirstPairOffset) / 2);
    for (int i = FirstPairOffset + 1, o = FirstStoredOffset; i < size; i += 2, ++o)
        contents.stored.append(static_cast<char>(at(file, i) ^ keyStreamByte(contents.key, o)));
    return contents;
}

QString fileNameFor(const QString& chosen)
{
    const QString name = QFileInfo(QDir::fromNativeSeparators(chosen)).fileName();
    if (name.contains(QLatin1Char('.')))
        return chosen;
    return chosen + QStringLiteral(".kvs");
}

}  // namespace brivel::settings::datafile
