#include "cars/History.h"

#include "cars/CarTexts.h"
#include "i18n/MessageRows.h"
#include "settings/FieldText.h"
#include "settings/ParameterBlock.h"
#include "settings/SettingsFileIo.h"

#include <QtCore/QRegularExpression>

#include <algorithm>

namespace brivel::cars {

namespace {

using settings::Field;
using settings::ParameterBlock;

const QString Arrow = QStringLiteral(" → ");

QString row(const MessageLookup& text, msg::Row r)
{
    return text ? text(r) : QString();
}

QString change(const QString& name, const QString& before, const QString& after)
{
    return name + QLatin1Char(' ') + before + Arrow + after;
}

QString oneLine(const QString& s)
{
    return s.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts)
        .replaceInStrings(QRegularExpression(QStringLiteral("^\\s+|\\s+$")), QString())
        .join(QStringLiteral("; "));
}

// "1,10 bar → 1,25 bar" reads "1,10 → 1,25 bar".
QString withoutUnit(Field field, const QString& value)
{
    const settings::BlockField& f = settings::blockField(field);
    const QString unit = QLatin1Char(' ') + QString::fromUtf8(f.unit);
    if (f.encoding == settings::Encoding::Number && *f.unit && value.endsWith(unit))
        return value.left(value.size() - unit.size());
    return value;
}

int rank(TimelineEntry::Kind kind)
{
    // At the same moment the point comes first, then what was seen with it.
    switch (kind) {
        case TimelineEntry::Kind::Point:
            return 0;
        case TimelineEntry::Kind::Faults:
            return 1;
        case TimelineEntry::Kind::Adaptation:
            return 2;
        case TimelineEntry::Kind::Recording:
            return 3;
    }
    return 4;
}

}  // namespace

QString pointSummary(const RestorePoint* before, const RestorePoint& point,
                     const MessageLookup& text, const QLocale& locale, int shown)
{
    if (!before)
        return row(text, msg::Row::FirstPoint);
    const ParameterBlock a(before->image);
    const ParameterBlock b(point.image);
    QStringList changes;
    const QString fa = settings::fieldtext::firmwareVersion(a);
    const QString fb = settings::fieldtext::firmwareVersion(b);
    if (fa != fb)
        changes << change(row(text, msg::Row::Firmware), fa, fb);
    if (a.span(Field::ActiveGasCylinders) != b.span(Field::ActiveGasCylinders))
        changes << change(settings::fieldtext::name(Field::ActiveGasCylinders, text),
                          settings::fieldtext::value(Field::ActiveGasCylinders, a, text, locale),
                          settings::fieldtext::value(Field::ActiveGasCylinders, b, text, locale));
    namespace review = settings::review;
    for (const review::Line& l : review::describe(review::differences(a, b), a, b, text, locale)) {
        if (l.difference.isOtherData())
            changes << l.name + QStringLiteral(" (") + l.detail + QLatin1Char(')');
        else if (l.difference.field == Field::InjectionMap)
            changes << l.name + QLatin1Char(' ') +
                           row(text, msg::Row::MapPointsChanged)
                               .arg(l.difference.count)
                               .arg(settings::MapEntries);
        else
            changes << change(l.name, withoutUnit(*l.difference.field, l.controller), l.file);
    }
    if (a.span(Field::FaultMemory) != b.span(Field::FaultMemory))
        changes << change(settings::fieldtext::name(Field::FaultMemory, text),
                          settings::fieldtext::value(Field::FaultMemory, a, text, locale),
                          settings::fieldtext::value(Field::FaultMemory, b, text, locale));
    if (changes.isEmpty())
        return row(text, msg::Row::NoSettingChanged);
    if (changes.size() > shown) {
        const int more = static_cast<int>(changes.size()) - shown;
        changes = changes.mid(0, shown);
        changes << row(text, msg::Row::MoreChanges).arg(more);
    }
    return changes.join(QStringLiteral(", "));
}

QList<TimelineEntry> timeline(const CarHistory& h, const MessageLookup& text, const QLocale& locale)
{
    QList<TimelineEntry> entries;
    const RestorePoint* before = nullptr;
    for (const RestorePoint& p : h.points) {
        entries.append({TimelineEntry::Kind::Point, p.id, p.time,
                        cars::text::reason(p.reason, text), pointSummary(before, p, text, locale)});
        before = &p;
    }
    for (const FaultSnapshot& f : h.faults)
        entries.append(
            {TimelineEntry::Kind::Faults, f.id, f.time,
             row(text, f.moment == FaultMoment::AtConnect ? msg::Row::FaultsKeptAtConnect
                                                          : msg::Row::FaultsKeptBeforeClear),
             oneLine(settings::storedFaultText(ParameterBlock(f.image), text))});
    for (const AdaptationEntry& a : h.adaptations) {
        QString title =
            row(text, msg::Row::AdaptationKept).arg(locale.toString(a.multiplier / 100.0, 'f', 2));
        if (!a.written)
            title += QStringLiteral(", ") + row(text, msg::Row::AdaptationNotWritten);
        entries.append({TimelineEntry::Kind::Adaptation, a.id, a.time, title, oneLine(a.text)});
    }
    for (const RecordingEntry& r : h.recordings)
        entries.append({TimelineEntry::Kind::Recording, r.id, r.start,
                        row(text, msg::Row::RecordingKept).arg(cars::text::duration(r.lengthMs)),
                        r.path});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TimelineEntry& x, const TimelineEntry& y) {
                         if (x.time != y.time)
                             return x.time > y.time;
                         return rank(x.kind) < rank(y.kind);
                     });
    return entries;
}

QString pointLabel(const RestorePoint& point, const MessageLookup& text, const QLocale& locale)
{
    return cars::text::reason(point.reason, text) + QStringLiteral(", ") +
           locale.toString(point.time.toLocalTime(), QLocale::ShortFormat);
}

settings::review::Content comparison(const RestorePoint& a, const RestorePoint& b,
                                     const MessageLookup& text, const QLocale& locale)
{
    settings::review::Content c =
        settings::review::content(ParameterBlock(a.image), ParameterBlock(b.image), text, locale);
    // Nothing is written from a comparison, and both points are the car's
    // own: no warning that a file may be another car's.
    c.intro.clear();
    c.send.clear();
    c.warning.clear();
    c.columns[1] = pointLabel(a, text, locale);
    c.columns[2] = pointLabel(b, text, locale);
    return c;
}

std::optional<RestorePoint> findPoint(const CarHistory& history, const QString& idOrPrefix)
{
    if (history.points.isEmpty())
        return std::nullopt;
    const QString wanted = idOrPrefix.trimmed().toLower();
    if (wanted.isEmpty())
        return history.points.back();
    std::optional<RestorePoint> found;
    for (const RestorePoint& p : history.points) {
        if (p.id.toLower() == wanted)
            return p;
        if (p.id.toLower().startsWith(wanted)) {
            if (found)
                return std::nullopt;
            found = p;
        }
    }
    return found;
}

QString exportPoint(const RestorePoint& point, const QString& path)
{
    return settings::datafile::save(path, point.image, point.time.time().second());
}

Imported importPoint(const QString& path, const RecordId& carId, const QDateTime& time,
                     const Origin& origin)
{
    const settings::datafile::LoadResult loaded = settings::datafile::load(path);
    if (!loaded.contents)
        return {std::nullopt, loaded.error};
    RestorePoint p = makePoint(loaded.contents->image(), PointReason::ImportedFile, time, origin);
    p.carId = carId;
    return {p, QString()};
}

}  // namespace brivel::cars
