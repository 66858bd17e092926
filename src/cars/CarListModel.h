#pragma once

#include "cars/CarRecords.h"

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>

namespace brivel::cars {

class LibraryService;

// The "Samochody" window's list: the cars found for the search text, asked
// of the library as the fitter types and answered on its thread; only the
// answer to the latest question is shown. Adding and editing a car go
// through here too, and the list follows what was written.
class CarListModel : public QObject {
    Q_OBJECT
public:
    explicit CarListModel(LibraryService& library, QObject* parent = nullptr);

    const QList<Car>& cars() const { return cars_; }
    const QString& searchText() const { return text_; }

public slots:
    // Plate, VIN, owner or model; empty lists every car.
    void search(const QString& text);
    // Asks the library again for the same text.
    void refresh();
    // A car without an id is added, one with an id gets its new details.
    // False for an empty plate.
    bool saveCar(brivel::cars::Car car);

signals:
    void carsChanged(const QList<brivel::cars::Car>& cars);
    // A new car is in the library (or waits for it), the one that had its
    // plate already when another PC added it first.
    void carAdded(const brivel::cars::Car& car);
    // An edit was refused: `holder` has that plate.
    void plateTaken(const brivel::cars::Car& holder);

private:
    void found(quint64 request, const QList<Car>& cars, bool available);

    LibraryService& library_;
    QString text_;
    QList<Car> cars_;
    quint64 request_ = 0;
};

}  // namespace brivel::cars
