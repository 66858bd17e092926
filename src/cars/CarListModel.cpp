#include "cars/CarListModel.h"

#include "cars/LibraryService.h"

namespace brivel::cars {

CarListModel::CarListModel(LibraryService& library, QObject* parent)
    : QObject(parent), library_(library)
{
    connect(&library_, &LibraryService::carsFound, this, &CarListModel::found);
    connect(&library_, &LibraryService::carStored, this,
            [this](const Car&, const Car& stored, bool) {
                emit carAdded(stored);
                refresh();
            });
    connect(&library_, &LibraryService::carUpdated, this, [this] { refresh(); });
    connect(&library_, &LibraryService::plateTaken, this,
            [this](const Car&, const Car& holder) { emit plateTaken(holder); });
}

void CarListModel::search(const QString& text)
{
    text_ = text;
    refresh();
}

void CarListModel::refresh()
{
    request_ = library_.findCars(text_.trimmed());
}

void CarListModel::found(quint64 request, const QList<Car>& cars, bool available)
{
    // An older question's answer, or none at all: the list stays.
    if (request != request_ || !available)
        return;
    if (cars == cars_)
        return;
    cars_ = cars;
    emit carsChanged(cars_);
}

bool CarListModel::saveCar(Car car)
{
    car.plate = tidyPlate(car.plate);
    if (plateKey(car.plate).isEmpty())
        return false;
    if (car.id.isEmpty()) {
        car.id = newRecordId();
        library_.submit(AddCar{car});
    } else {
        library_.submit(UpdateCar{car});
    }
    return true;
}

}  // namespace brivel::cars
