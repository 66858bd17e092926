#include "settings/SettingsReview.h"

#include "settings/FieldText.h"

#include "i18n/MessageRows.h"

namespace brivel::settings::review {

namespace {

using Coverage = std::array<quint8, SettingsRegionSize>;

bool insideRegion(const BlockField& f)
{
    return f.encoding != Encoding::Frame && f.offset >= SettingsRegionFirst &&
           f.end() <= SettingsRegionLast + 1;
}

// The bits of each region byte that some reviewed field describes.
const Coverage& coverage()
{
    static const Coverage covered = [] {
        Coverage c{};
        for (Field field : reviewedFields()) {
            const BlockField& f = blockField(field);
            for (int o = f.offset; o < f.end(); ++o)
                c[o - SettingsRegionFirst] |= f.mask;
        }
        return c;
    }();
    return covered;
}

quint8 otherBits(int offset)
{
    return static_cast<quint8>(~coverage()[offset - SettingsRegionFirst]);
}

int differingMapEntries(const ParameterBlock& controller, const ParameterBlock& file)
{
    const auto before = controller.injectionMap();
    const auto after = file.injectionMap();
    if (!before)
        return MapEntries;
    int count = 0;
    for (int k = 0; k < MapEntries; ++k)
        if ((*before)[k] != (*after)[k])
            ++count;
    return count;
}

bool fieldDiffers(Field field, const ParameterBlock& controller, const ParameterBlock& file)
{
    if (!controller.holds(field))
        return true;
    const BlockField& f = blockField(field);
    for (int o = f.offset; o < f.end(); ++o)
        if ((*controller.byteAt(o) ^ *file.byteAt(o)) & f.mask)
            return true;
    return false;
}

int differingOtherBytes(const ParameterBlock& controller, const ParameterBlock& file)
{
    int count = 0;
    for (int o = SettingsRegionFirst; o <= SettingsRegionLast; ++o) {
        const quint8 bits = otherBits(o);
        const auto f = file.byteAt(o);
        if (!f || bits == 0)
            continue;
        const auto c = controller.byteAt(o);
        if (!c || ((*c ^ *f) & bits))
            ++count;
    }
    return count;
}

void takeBits(QByteArray& payload, int offset, quint8 bits, const ParameterBlock& file)
{
    const auto f = file.byteAt(offset);
    if (!f)
        return;
    char& b = payload[offset - SettingsRegionFirst];
    b = static_cast<char>((static_cast<quint8>(b) & ~bits) | (*f & bits));
}

QString text(const MessageLookup& lookup, msg::Row row)
{
    return lookup ? lookup(row) : QString();
}

}  // namespace

const std::vector<Field>& reviewedFields()
{
    static const std::vector<Field> fields = [] {
        std::vector<Field> v;
        for (const BlockField& f : BlockFields)
            if (insideRegion(f))
                v.push_back(f.field);
        return v;
    }();
    return fields;
}

std::vector<Difference> differences(const ParameterBlock& controller, const ParameterBlock& file)
{
    std::vector<Difference> out;
    for (Field field : reviewedFields()) {
        if (!file.holds(field))
            continue;
        if (field == Field::InjectionMap) {
            if (const int n = differingMapEntries(controller, file))
                out.push_back({field, n});
        } else if (fieldDiffers(field, controller, file)) {
            out.push_back({field, 1});
        }
    }
    if (const int n = differingOtherBytes(controller, file))
        out.push_back({std::nullopt, n});
    return out;
}

bool warrantsWarning(const std::vector<Difference>& differences)
{
    for (const Difference& d : differences)
        if (d.field == Field::CylinderCount || d.field == Field::Turbo)
            return true;
    return false;
}

QByteArray blockWritePayload(const ParameterBlock& controller, const ParameterBlock& file,
                             const std::vector<Difference>& kept)
{
    QByteArray payload(SettingsRegionSize, '\0');
    for (int o = SettingsRegionFirst; o <= SettingsRegionLast; ++o) {
        const auto c = controller.byteAt(o);
        const auto f = file.byteAt(o);
        payload[o - SettingsRegionFirst] = static_cast<char>(c ? *c : f.value_or(0));
    }
    for (const Difference& d : kept) {
        if (d.isOtherData()) {
            for (int o = SettingsRegionFirst; o <= SettingsRegionLast; ++o)
                takeBits(payload, o, otherBits(o), file);
            continue;
        }
        const BlockField& f = blockField(*d.field);
        if (!insideRegion(f))
            continue;
        for (int o = f.offset; o < f.end(); ++o)
            takeBits(payload, o, f.mask, file);
    }
    return payload;
}

std::vector<Line> describe(const std::vector<Difference>& differences,
                           const ParameterBlock& controller, const ParameterBlock& file,
                           const MessageLookup& lookup, const QLocale& locale)
{
    std::vector<Line> lines;
    for (const Difference& d : differences) {
        Line line{d, {}, {}, {}, {}};
        if (d.isOtherData()) {
            line.name = text(lookup, msg::Row::OtherData);
            line.detail = text(lookup, msg::Row::BytesDiffer).arg(d.count);
        } else {
            line.name = fieldtext::name(*d.field, lookup);
            line.controller = fieldtext::value(*d.field, controller, lookup, locale);
            line.file = fieldtext::value(*d.field, file, lookup, locale);
            if (d.field == Field::InjectionMap)
                line.detail = text(lookup, msg::Row::MapPointsDiffer).arg(d.count).arg(MapEntries);
        }
        lines.push_back(line);
    }
    return lines;
}

Content content(const ParameterBlock& controller, const ParameterBlock& file,
                const MessageLookup& lookup, const QLocale& locale)
{
    Content c;
    c.title = text(lookup, msg::Row::ReviewTitle);
    c.intro = text(lookup, msg::Row::ReviewIntro);
    c.columns = {text(lookup, msg::Row::ColumnSetting), text(lookup, msg::Row::ColumnController),
                 text(lookup, msg::Row::ColumnFile)};
    c.send = text(lookup, msg::Row::Send);
    c.cancel = text(lookup, msg::Row::Cancel);
    const std::vector<Difference> found = differences(controller, file);
    if (warrantsWarning(found))
        c.warning = text(lookup, msg::Row::ReviewWarning);
    c.lines = describe(found, controller, file, lookup, locale);
    for (const Difference& d : found)
        if (d.field == Field::InjectionMap) {
            c.mapBefore = controller.injectionMap();
            c.mapAfter = file.injectionMap();
        }
    return c;
}

}  // namespace brivel::settings::review
