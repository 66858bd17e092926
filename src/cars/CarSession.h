#pragma once

#include "cars/CarRecords.h"
#include "cars/CarStore.h"
#include "cars/LibraryOp.h"
#include "cars/LibraryStatus.h"

#include <QtCore/QObject>

#include <memory>
#include <optional>

namespace brivel {
class Clock;
class Timer;
}  // namespace brivel

namespace brivel::cars {

class LibraryService;

// Which car the controller on the line belongs to, as the bottom area shows it.
struct CarLine {
    enum class State {
        NoCar,        // no controller seen yet
        Waiting,      // the library is being asked
        LastVisit,    // found: its settings are those of the car's last visit
        Chosen,       // the fitter chose or added the car
        Unknown,      // no car has held these settings: choose or add one
        OlderVisit,   // a car held them at an earlier visit: offer it
        SeveralCars,  // they are the last visit of more than one car: offer them
        NoLibrary,    // the library cannot answer; records wait for it
    };
    State state = State::NoCar;
    std::optional<Car> car;  // LastVisit, Chosen
    QList<Car> offered;      // OlderVisit, SeveralCars

    // The fitter has not said which car it is yet (none matched, an older
    // visit, several cars, no library): records wait for the choice.
    bool awaitsChoice() const
    {
        return state == State::Unknown || state == State::OlderVisit ||
               state == State::SeveralCars || state == State::NoLibrary;
    }

    bool operator==(const CarLine& o) const
    {
        return state == o.state && car == o.car && offered == o.offered;
    }
    bool operator!=(const CarLine& o) const { return !(*this == o); }
};

// One visit of a car, as the window lives it: keeps every settings image the
// controller sends as a restore point of the current car (identical images in
// a row once), finds the car at connect, keeps the stored faults, the
// adaptation's results and the recordings with it, and knows whether single
// settings have changed since the last point. Nothing here waits for the
// library: records are handed to it and its answers come back as signals; a
// record made before the car is known is kept without one and given to the
// car when the fitter chooses it. Keeping a point is tied to the arrival of
// a settings image, never to a poll.
class CarSession : public QObject {
    Q_OBJECT
public:
    // How often a library with a problem is tried again.
    static constexpr int RetryIntervalMs = 30000;

    CarSession(LibraryService& library, Clock& clock, Origin origin = thisProgram(),
               QObject* parent = nullptr);
    ~CarSession() override;

    const CarLine& carLine() const { return line_; }
    const std::optional<Car>& currentCar() const { return line_.car; }
    // Single settings were sent since the last point: "Rozłącz" asks whether
    // to keep them first.
    bool changedSinceLastPoint() const { return changed_; }
    const LibraryStatus& libraryStatus() const;
    bool awaitsChoice() const { return line_.awaitsChoice(); }

public slots:
    // A connect attempt begins: a new visit, of a car not known yet.
    void linkConnecting();
    // A settings image arrived, and why it was read. The connect's image
    // starts the search for the car.
    void settingsImageReceived(const QByteArray& image, brivel::cars::PointReason reason);
    // The fitter changed a single setting in the controller.
    void settingChanged();
    void linkDisconnected();
    // The fitter clears the fault memory; `image` holds the list shown.
    void storedFaultsAboutToBeCleared(const QByteArray& image);
    // The adaptation ended with a result: its base and multiplier, whether it
    // was written, the info text, and the map written (empty when none).
    void adaptationFinished(int base, int multiplier, bool written, const QString& text,
                            const QByteArray& map);
    void recordingStarted(const QString& path);
    void recordingEnded(qint64 lengthMs);
    // The fitter says which car it is: records kept without a car are given
    // to it.
    void chooseCar(const brivel::cars::Car& car);
    // A new car (an id is given when it has none), chosen at once. A plate
    // that is there already means that car. False for an empty plate.
    bool addCar(brivel::cars::Car car);

signals:
    void carLineChanged(const brivel::cars::CarLine& line);
    void changedSinceLastPointChanged(bool changed);
    void pointKept(const brivel::cars::RestorePoint& point);
    void libraryStatusChanged(const brivel::cars::LibraryStatus& status);

private:
    void matched(quint64 request, const CarMatch& match, bool available);
    void carStored(const Car& requested, const Car& stored);
    void statusChanged(const LibraryStatus& status);
    void beginVisit();
    void setLine(CarLine line);
    void setChanged(bool changed);
    QDateTime now() const;
    // Keeps a record with the current car, holds it while the car is being
    // looked for, or keeps it without a car and remembers it for the choice.
    void keep(LibraryOp op);
    void keepPoint(RestorePoint point);
    void release(const QList<LibraryOp>& held);

    LibraryService& library_;
    Clock& clock_;
    Origin origin_;
    std::unique_ptr<Timer> retryTimer_;
    CarLine line_;
    bool changed_ = false;
    bool connected_ = false;
    quint64 matchRequest_ = 0;
    bool awaitingMatch_ = false;
    QList<LibraryOp> held_;
    AssignToCar unassigned_;
    QByteArray lastKeptHash_;
    // The connect point whose settings are the last visit of several cars:
    // kept once the fitter says which car, and only if it is new for that car.
    std::optional<RestorePoint> deferred_;
    QList<CarMatch::Candidate> candidates_;
    std::optional<RecordingEntry> recording_;
};

}  // namespace brivel::cars

Q_DECLARE_METATYPE(brivel::cars::CarLine)
