#include "BlockBuilder.h"
#include "settings/ParameterBlockDecoder.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <random>

using namespace brivel::settings;
namespace msg = brivel::msg;

namespace {

// Both entry points take whatever bytes come; a fuzzer drives them under the
// sanitizers, this only keeps them honest in an ordinary build.
QByteArray randomBytes(std::mt19937& rng, int size)
{
    QByteArray out(size, '\0');
    for (char& c : out)
        c = static_cast<char>(rng() & 0xFF);
    return out;
}

TEST(Robustness, DecoderTakesImagesOfEveryLengthUpToAWholeOne)
{
    std::mt19937 rng(7);
    const QLocale locale(QLocale::Polish, QLocale::Poland);
    const MessageLookup message = [](msg::Row row) { return QString::number(msg::number(row)); };
    for (int size = 0; size <= BlockSize + 2; ++size) {
        const SettingsDisplay d = decodeParameterBlock(randomBytes(rng, size), message, locale);
        EXPECT_EQ(d.injectionMap.has_value(), size >= 313) << size;
        EXPECT_EQ(d.Check_by_first.has_value(), size >= 560) << size;
        // Every entry an injector fault, each taking the next along; and
        // every entry empty.
        for (char fill : {'\x00', '\xFF'})
            decodeParameterBlock(QByteArray(size, fill), message, locale);
    }
}

TEST(Robustness, ReaderTakesFilesOfEveryLengthBehindTheMagic)
{
    std::mt19937 rng(11);
    const QByteArray magic(datafile::Magic, datafile::MagicSize);
    for (int size = 0; size <= 1300; ++size) {
        const auto contents = datafile::decode(magic + randomBytes(rng, size));
        EXPECT_EQ(contents.has_value(), magic.size() + size >= datafile::MinimumSize) << size;
        if (contents) {
            EXPECT_EQ(contents->settingsRegion().size(), SettingsRegionSize);
        }
    }
}

}  // namespace
