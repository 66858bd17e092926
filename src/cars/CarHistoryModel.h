#pragma once

#include "cars/CarStore.h"
#include "cars/History.h"
#include "settings/SettingsReview.h"

#include <QtCore/QLocale>
#include <QtCore/QObject>

#include <optional>

namespace brivel {
class Clock;
class MessageTable;
}  // namespace brivel

namespace brivel::cars {

class LibraryService;

// One car's history as its window shows it: the timeline newest first in
// the language chosen last, loaded on the library's thread and loaded again
// whenever something of the car is written. Points are compared, exported
// and imported here; the window only shows and forwards.
class CarHistoryModel : public QObject {
    Q_OBJECT
public:
    CarHistoryModel(LibraryService& library, const MessageTable& messages, const Clock& clock,
                    QObject* parent = nullptr);

    const CarHistory& history() const { return history_; }
    const QList<TimelineEntry>& entries() const { return entries_; }
    // The point of the timeline entry, when it is one.
    std::optional<RestorePoint> point(const RecordId& id) const;
    // The recording's file, when the entry is one.
    std::optional<QString> recordingPath(const RecordId& id) const;

    // The two points side by side, the older one first, in the review's words.
    std::optional<settings::review::Content> compare(const RecordId& a, const RecordId& b) const;
    // Writes the point as a settings data file; the error's text, or empty.
    QString exportPoint(const RecordId& id, const QString& path) const;
    // A settings data file as a point of the car, "imported file"; the
    // error's text, or empty.
    QString importFile(const QString& path);

public slots:
    void showCar(const brivel::cars::Car& car);
    // The language changed: the same history in the new words.
    void retell();

signals:
    void historyChanged(const brivel::cars::Car& car,
                        const QList<brivel::cars::TimelineEntry>& entries);

private:
    void loaded(quint64 request, const CarHistory& history, bool found, bool available);
    MessageLookup lookup() const;

    LibraryService& library_;
    const MessageTable& messages_;
    const Clock& clock_;
    CarHistory history_;
    QList<TimelineEntry> entries_;
    quint64 request_ = 0;
};

}  // namespace brivel::cars
