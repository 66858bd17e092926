#pragma once

#include "cars/CarRecords.h"
#include "cars/CarStore.h"
#include "settings/SettingsReview.h"
#include "settings/StoredFaults.h"

#include <QtCore/QList>
#include <QtCore/QLocale>
#include <QtCore/QString>

#include <optional>

// A car's history in the fitter's words, and its points as settings files.
namespace brivel::cars {

using settings::MessageLookup;

struct TimelineEntry {
    enum class Kind { Point, Faults, Adaptation, Recording };
    Kind kind = Kind::Point;
    RecordId id;
    QDateTime time;
    QString title;   // the point's reason, "Stored faults at connection", …
    QString detail;  // a point's changes, the fault list, the adaptation's text, the file
};

// Everything kept for the car, newest first.
QList<TimelineEntry> timeline(const CarHistory& history, const MessageLookup& text,
                              const QLocale& locale);

// What changed from `before` to `point` in one line, from the field table:
// "P. pracy 1,10 → 1,25 bar, Mapa 37 z 246 punktów"; the first point and a
// point without changed settings say so. At most `shown` changes are named,
// the rest counted.
QString pointSummary(const RestorePoint* before, const RestorePoint& point,
                     const MessageLookup& text, const QLocale& locale, int shown = 4);

// Two points side by side for the review dialog: what `b` holds that `a` does
// not, the columns headed by each point's reason and time.
settings::review::Content comparison(const RestorePoint& a, const RestorePoint& b,
                                     const MessageLookup& text, const QLocale& locale);

// "Połączenie, 12.03.2025 14:05"
QString pointLabel(const RestorePoint& point, const MessageLookup& text, const QLocale& locale);

// The point of the history with this id, or the one whose id alone starts
// with it; the newest point for an empty text. Nothing when none or several
// match.
std::optional<RestorePoint> findPoint(const CarHistory& history, const QString& idOrPrefix);

// Writes the point's image as a settings data file; the error's text, or
// empty on success.
QString exportPoint(const RestorePoint& point, const QString& path);

// A settings data file as a point of the car, marked "imported file".
struct Imported {
    std::optional<RestorePoint> point;
    QString error;  // when there is no point
};
Imported importPoint(const QString& path, const RecordId& carId, const QDateTime& time,
                     const Origin& origin = thisProgram());

}  // namespace brivel::cars
