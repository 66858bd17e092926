// The review of a settings file: behind a first byte that says where, the
// input is split into the controller's image and the file's. Whatever they hold, the differences
// stay inside the settings region, the block write is always the region's 540 bytes, keeping
// everything writes the file's region (when the file holds all of it) and
// keeping nothing the controller's,
// and an image holding the region differs from itself in nothing.
#include "FuzzCheck.h"

#include "i18n/MessageTable.h"
#include "settings/SettingsReview.h"

#include <QtCore/QByteArray>
#include <QtCore/QLocale>

#include <cstddef>
#include <cstdint>

using namespace brivel;
using namespace brivel::settings;

namespace {

const MessageTable& table()
{
    static const MessageTable t;
    return t;
}

// The region a block write takes from `preferred`, with the other image's
// bytes where `preferred` does not hold them.
QByteArray regionOf(const ParameterBlock& preferred, const ParameterBlock& other)
{
    QByteArray region(SettingsRegionSize, '\0');
    for (int o = SettingsRegionFirst; o <= SettingsRegionLast; ++o)
        region[o - SettingsRegionFirst] =
            static_cast<char>(preferred.byteAt(o).value_or(other.byteAt(o).value_or(0)));
    return region;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype half = size > 0 ? 1 + data[0] * bytes.size() / 256 : 0;
    const ParameterBlock controller(bytes.mid(1, half - 1));
    const ParameterBlock file(bytes.mid(half));

    const auto found = review::differences(controller, file);
    for (const review::Difference& d : found) {
        FUZZ_CHECK(d.count > 0);
        if (d.field) {
            const BlockField& f = blockField(*d.field);
            FUZZ_CHECK(f.offset >= SettingsRegionFirst && f.end() <= SettingsRegionLast + 1);
            FUZZ_CHECK(file.holds(*d.field));
        }
    }
    const QByteArray all = review::blockWritePayload(controller, file, found);
    const QByteArray none = review::blockWritePayload(controller, file, {});
    FUZZ_CHECK(all.size() == SettingsRegionSize && none.size() == SettingsRegionSize);
    FUZZ_CHECK(none == regionOf(controller, file));
    // A file always holds the whole region; an image cut inside the map
    // leaves its map out of the review, and the write keeps the controller's.
    if (file.settingsRegion())
        FUZZ_CHECK(all == regionOf(file, controller));
    if (controller.settingsRegion())
        FUZZ_CHECK(review::differences(controller, controller).empty());

    const auto content = review::content(
        controller, file, [](msg::Row row) { return table().text(row, MessageTable::Polish); },
        QLocale(QLocale::Polish));
    FUZZ_CHECK(content.lines.size() == found.size());
    FUZZ_CHECK(content.warning.isEmpty() == !review::warrantsWarning(found));
    return 0;
}
