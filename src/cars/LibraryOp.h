#pragma once

#include "cars/CarRecords.h"

#include <QtCore/QJsonObject>
#include <QtCore/QList>

#include <optional>
#include <variant>

// A change to the library, as the program makes it and as the outbox keeps
// it until it is written. Each one can be written again without effect: the
// records carry their own ids, a car's plate is unique, and an assignment
// only gives a car to records that have none.
namespace brivel::cars {

// A new car. When another car already has its plate, that car is the one
// meant: records made for this one are written for that one.
struct AddCar {
    Car car;
};

// New details of a car (found by id).
struct UpdateCar {
    Car car;
};

struct KeepPoint {
    RestorePoint point;
};

struct KeepFaults {
    FaultSnapshot faults;
};

struct KeepAdaptation {
    AdaptationEntry adaptation;
};

// A recording, kept when it starts and again with its length when it ends.
struct KeepRecording {
    RecordingEntry recording;
};

// Records kept before their car was known, given to the car chosen.
struct AssignToCar {
    RecordId carId;
    QList<RecordId> points;
    QList<RecordId> faults;
    QList<RecordId> adaptations;
    QList<RecordId> recordings;

    bool isEmpty() const
    {
        return points.isEmpty() && faults.isEmpty() && adaptations.isEmpty() &&
               recordings.isEmpty();
    }
};

using LibraryOp = std::variant<AddCar, UpdateCar, KeepPoint, KeepFaults, KeepAdaptation,
                               KeepRecording, AssignToCar>;

QJsonObject toJson(const LibraryOp& op);
// Nothing for an object that is no change the program makes.
std::optional<LibraryOp> opFromJson(const QJsonObject& json);

}  // namespace brivel::cars

Q_DECLARE_METATYPE(brivel::cars::LibraryOp)
