#pragma once

#include <QtCore/QDateTime>
#include <QtCore/QString>

namespace brivel::report {

// The car a report names. Every part may be empty; a car with none of them
// is no car, and the report then names none.
struct CarDetails {
    QString plate;
    QString vin;
    QString makeAndModel;
    QString owner;

    bool isEmpty() const
    {
        return plate.isEmpty() && vin.isEmpty() && makeAndModel.isEmpty() && owner.isEmpty();
    }
};

// The workshop's own details, entered once and printed at the head of every
// report.
struct WorkshopDetails {
    QString name;
    QString address;
    QString phone;
    QString fitter;

    friend bool operator==(const WorkshopDetails& a, const WorkshopDetails& b)
    {
        return a.name == b.name && a.address == b.address && a.phone == b.phone &&
               a.fitter == b.fitter;
    }
};

// What the last adaptation of the car came to, as whoever keeps it hands it
// over: when it ended, the multiplier in hundredths, the petrol time it was
// measured at (the map's base entry) and the advice shown with it.
struct AdaptationSummary {
    QDateTime endedAt;
    int multiplier = 0;
    int baseEntry = 0;
    QString advice;
};

}  // namespace brivel::report
