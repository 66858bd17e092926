// The settings data file, both ways. Arbitrary bytes are read as a file
// (as they come, and behind the magic so that they get past it); and they
// are taken as a settings image, written at a second of the minute taken
// from the input, and read back.
#include "FuzzCheck.h"

#include "settings/BlockLayout.h"
#include "settings/SettingsFile.h"

#include <QtCore/QByteArray>

#include <cstddef>
#include <cstdint>

using namespace brivel::settings;
namespace datafile = brivel::settings::datafile;

namespace {

const QByteArray& magic()
{
    static const QByteArray m(datafile::Magic, datafile::MagicSize);
    return m;
}

// The shortest image whose file reaches image offset 560.
constexpr int ShortestLoadableImage = SettingsRegionLast + 2;

void checkRead(const QByteArray& file)
{
    const auto contents = datafile::decode(file);
    const bool readable = file.startsWith(magic()) && file.size() >= datafile::MinimumSize;
    FUZZ_CHECK(contents.has_value() == readable);
    if (!contents)
        return;
    const qsizetype pairs = (file.size() - datafile::FirstPairOffset) / 2;
    FUZZ_CHECK(contents->stored.size() == pairs);
    FUZZ_CHECK(contents->settingsRegion().size() == SettingsRegionSize);
    FUZZ_CHECK(!contents->byteAt(datafile::FirstStoredOffset - 1));
    FUZZ_CHECK(!contents->byteAt(datafile::FirstStoredOffset + static_cast<int>(pairs)));

    // Written again under the key it was read with, an image of what was
    // read stores the same bytes; only the fillers may differ.
    QByteArray image(datafile::FirstStoredOffset, '\0');
    image += contents->stored;
    image += static_cast<char>(contents->key);
    const QByteArray again = datafile::encode(image, 0);
    FUZZ_CHECK(again.size() == datafile::FirstPairOffset + 2 * pairs);
    for (qsizetype i = datafile::FirstPairOffset + 1; i < again.size(); i += 2)
        FUZZ_CHECK(again[i] == file[i]);
}

void checkRoundTrip(const QByteArray& block, int seconds)
{
    const qsizetype size = block.size();
    const quint8 key = block.isEmpty() ? 0 : static_cast<quint8>(block.back());
    const QByteArray file = datafile::encode(block, seconds);
    const qsizetype stored = size > 5 ? size - 5 : 0;
    FUZZ_CHECK(file.size() == datafile::FirstPairOffset + 2 * stored);
    FUZZ_CHECK(file.startsWith(magic()));
    FUZZ_CHECK(static_cast<quint8>(file[datafile::NonceOffset]) == 4 * seconds + 3);
    FUZZ_CHECK(static_cast<quint8>(file[datafile::KeyOffset]) == (key ^ seconds));

    const auto contents = datafile::decode(file);
    FUZZ_CHECK(contents.has_value() == (size >= ShortestLoadableImage));
    if (!contents)
        return;
    FUZZ_CHECK(contents->key == key);
    FUZZ_CHECK(contents->stored == block.mid(datafile::FirstStoredOffset, stored));
    FUZZ_CHECK(contents->settingsRegion() == block.mid(SettingsRegionFirst, SettingsRegionSize));
    for (int o = datafile::FirstStoredOffset; o <= size - 2; ++o)
        FUZZ_CHECK(contents->byteAt(o) == static_cast<quint8>(block[o]));
    FUZZ_CHECK(!contents->byteAt(static_cast<int>(size) - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkRead(bytes);
    checkRead(magic() + bytes);
    const int seconds = size > 0 ? data[0] % 60 : 0;
    checkRoundTrip(bytes, seconds);
    return 0;
}
