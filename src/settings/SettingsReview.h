#pragma once

#include "settings/ParameterBlock.h"
#include "settings/StoredFaults.h"

#include <QtCore/QByteArray>
#include <QtCore/QLocale>
#include <QtCore/QString>

#include <array>
#include <optional>
#include <vector>

// The review of a settings file before it is written into the controller:
// what in the file differs from the controller's current image, field by
// field, and the block write that takes only the fields the fitter keeps.
namespace brivel::settings::review {

// One thing that differs. A field of the settings region (offsets 21-560)
// as the field table has it; the map is one item; the bits of the region
// that no field describes are one more item, "other controller data", so
// that keeping every item writes the file's region whole.
struct Difference {
    std::optional<Field> field;  // empty: the other controller data
    // The map: the entries that differ; the other data: the bytes that do.
    int count = 0;

    bool isOtherData() const { return !field.has_value(); }
    bool operator==(const Difference& o) const { return field == o.field && count == o.count; }
    bool operator!=(const Difference& o) const { return !(*this == o); }
};

// The fields a review may list, in the order of the field table: every
// field that lies inside the settings region.
const std::vector<Field>& reviewedFields();

// Everything in the file's image that the block write would change in the
// controller's. A field the file's image does not hold is not listed (the
// write keeps the controller's); one the controller's image does not hold
// is listed, since nothing is known of it.
std::vector<Difference> differences(const ParameterBlock& controller, const ParameterBlock& file);

// The cylinder count or the engine type differs: the file may be another
// car's.
bool warrantsWarning(const std::vector<Difference>& differences);

// The 540 bytes of the block write: the kept items from the file, every
// other bit from the controller. Bytes that only one image holds come from
// that one; neither holding them gives 0.
QByteArray blockWritePayload(const ParameterBlock& controller, const ParameterBlock& file,
                             const std::vector<Difference>& kept);

// A difference in words, in the language of `text`: the name, and what the
// controller holds against what the file holds. The map and the other data
// also say how much of them differs (`detail`).
struct Line {
    Difference difference;
    QString name;
    QString controller;
    QString file;
    QString detail;
};
std::vector<Line> describe(const std::vector<Difference>& differences,
                           const ParameterBlock& controller, const ParameterBlock& file,
                           const MessageLookup& text, const QLocale& locale);

// What the review dialog shows: its texts in one language, the lines (all
// ticked at first), the warning when there is one, and the two maps for the
// map line's plot.
struct Content {
    QString title;
    QString intro;
    QString warning;  // empty: no warning
    std::array<QString, 3> columns;
    QString send;
    QString cancel;
    std::vector<Line> lines;
    std::optional<std::array<quint8, MapEntries>> mapBefore;
    std::optional<std::array<quint8, MapEntries>> mapAfter;
};
Content content(const ParameterBlock& controller, const ParameterBlock& file,
                const MessageLookup& text, const QLocale& locale);

}  // namespace brivel::settings::review
