#include "cars/CarHistoryModel.h"

#include "cars/LibraryService.h"
#include "i18n/MessageTable.h"
#include "platform/Clock.h"

namespace brivel::cars {

CarHistoryModel::CarHistoryModel(LibraryService& library, const MessageTable& messages,
                                 const Clock& clock, QObject* parent)
    : QObject(parent), library_(library), messages_(messages), clock_(clock)
{
    connect(&library_, &LibraryService::historyLoaded, this, &CarHistoryModel::loaded);
    connect(&library_, &LibraryService::carChanged, this, [this](const QString& carId) {
        if (!history_.car.id.isEmpty() && carId == history_.car.id)
            request_ = library_.loadHistory(carId);
    });
    connect(&library_, &LibraryService::carUpdated, this, [this](const Car& car, bool) {
        if (car.id == history_.car.id)
            request_ = library_.loadHistory(car.id);
    });
}

MessageLookup CarHistoryModel::lookup() const
{
    return [this](msg::Row row) { return messages_.text(row); };
}

void CarHistoryModel::showCar(const Car& car)
{
    history_ = CarHistory{car, {}, {}, {}, {}};
    entries_.clear();
    emit historyChanged(history_.car, entries_);
    request_ = library_.loadHistory(car.id);
}

void CarHistoryModel::loaded(quint64 request, const CarHistory& history, bool found, bool available)
{
    if (request != request_ || !found || !available)
        return;
    history_ = history;
    retell();
}

void CarHistoryModel::retell()
{
    entries_ = timeline(history_, lookup(), QLocale());
    emit historyChanged(history_.car, entries_);
}

std::optional<RestorePoint> CarHistoryModel::point(const RecordId& id) const
{
    for (const RestorePoint& p : history_.points)
        if (p.id == id)
            return p;
    return std::nullopt;
}

std::optional<QString> CarHistoryModel::recordingPath(const RecordId& id) const
{
    for (const RecordingEntry& r : history_.recordings)
        if (r.id == id)
            return r.path;
    return std::nullopt;
}

std::optional<settings::review::Content> CarHistoryModel::compare(const RecordId& a,
                                                                  const RecordId& b) const
{
    auto first = point(a);
    auto second = point(b);
    if (!first || !second)
        return std::nullopt;
    if (second->time < first->time)
        std::swap(first, second);
    return comparison(*first, *second, lookup(), QLocale());
}

QString CarHistoryModel::exportPoint(const RecordId& id, const QString& path) const
{
    const auto p = point(id);
    if (!p)
        return QString();
    return cars::exportPoint(*p, path);
}

QString CarHistoryModel::importFile(const QString& path)
{
    if (history_.car.id.isEmpty())
        return QString();
    const Imported imported = importPoint(path, history_.car.id, clock_.localDateTime().toUTC());
    if (!imported.point)
        return imported.error;
    library_.submit(KeepPoint{*imported.point});
    return QString();
}

}  // namespace brivel::cars
