#include "cars/CarSession.h"

#include "cars/LibraryService.h"
#include "platform/Clock.h"

namespace brivel::cars {

namespace {

// The record's car, and where its id goes in an assignment.
struct CarSlot {
    RecordId* car = nullptr;
    QList<RecordId>* ids = nullptr;
    RecordId id;
};

CarSlot slotOf(LibraryOp& op, AssignToCar& assign)
{
    if (auto* p = std::get_if<KeepPoint>(&op))
        return {&p->point.carId, &assign.points, p->point.id};
    if (auto* f = std::get_if<KeepFaults>(&op))
        return {&f->faults.carId, &assign.faults, f->faults.id};
    if (auto* a = std::get_if<KeepAdaptation>(&op))
        return {&a->adaptation.carId, &assign.adaptations, a->adaptation.id};
    if (auto* r = std::get_if<KeepRecording>(&op))
        return {&r->recording.carId, &assign.recordings, r->recording.id};
    return {};
}

}  // namespace

CarSession::CarSession(LibraryService& library, Clock& clock, Origin origin, QObject* parent)
    : QObject(parent),
      library_(library),
      clock_(clock),
      origin_(std::move(origin)),
      retryTimer_(clock.createTimer())
{
    retryTimer_->setInterval(RetryIntervalMs);
    retryTimer_->setCallback([this] { library_.retry(); });
    connect(&library_, &LibraryService::matched, this, &CarSession::matched);
    connect(
        &library_, &LibraryService::carStored, this,
        [this](const Car& requested, const Car& stored, bool) { carStored(requested, stored); });
    connect(&library_, &LibraryService::statusChanged, this, &CarSession::statusChanged);
    statusChanged(library_.status());
}

CarSession::~CarSession() = default;

const LibraryStatus& CarSession::libraryStatus() const
{
    return library_.status();
}

QDateTime CarSession::now() const
{
    return clock_.localDateTime().toUTC();
}

void CarSession::statusChanged(const LibraryStatus& status)
{
    // While records wait or the library has a problem, it is tried again now
    // and then; an outbox left by an earlier run is written at the start.
    retryTimer_->setEnabled(!status.fine());
    emit libraryStatusChanged(status);
}

void CarSession::setLine(CarLine line)
{
    if (line == line_)
        return;
    line_ = std::move(line);
    emit carLineChanged(line_);
}

void CarSession::setChanged(bool changed)
{
    if (changed == changed_)
        return;
    changed_ = changed;
    emit changedSinceLastPointChanged(changed_);
}

void CarSession::beginVisit()
{
    held_.clear();
    unassigned_ = AssignToCar{};
    lastKeptHash_.clear();
    deferred_.reset();
    candidates_.clear();
    awaitingMatch_ = false;
    setChanged(false);
}

void CarSession::linkConnecting()
{
    connected_ = false;
    beginVisit();
    setLine(CarLine{});
}

void CarSession::settingsImageReceived(const QByteArray& image, PointReason reason)
{
    if (reason == PointReason::Connect && !connected_) {
        beginVisit();
        connected_ = true;
        awaitingMatch_ = true;
        matchRequest_ = library_.match(settingsHash(image));
        setLine(CarLine{CarLine::State::Waiting, std::nullopt, {}});
    }
    // A fresh image holds every single change made before it.
    setChanged(false);
    const QDateTime at = now();
    if (reason == PointReason::Connect && holdsStoredFaults(image))
        keep(KeepFaults{
            FaultSnapshot{newRecordId(), {}, at, FaultMoment::AtConnect, image, origin_}});
    keepPoint(makePoint(image, reason, at, origin_));
}

void CarSession::keepPoint(RestorePoint point)
{
    if (point.imageHash == lastKeptHash_)
        return;
    lastKeptHash_ = point.imageHash;
    keep(KeepPoint{point});
}

void CarSession::keep(LibraryOp op)
{
    if (awaitingMatch_) {
        held_.append(op);
        return;
    }
    CarSlot slot = slotOf(op, unassigned_);
    if (line_.car) {
        *slot.car = line_.car->id;
    } else if (!slot.ids->contains(slot.id)) {
        slot.ids->append(slot.id);
    }
    library_.submit(op);
    if (const auto* p = std::get_if<KeepPoint>(&op))
        emit pointKept(p->point);
}

void CarSession::release(const QList<LibraryOp>& held)
{
    for (const LibraryOp& op : held)
        keep(op);
}

void CarSession::matched(quint64 request, const CarMatch& match, bool available)
{
    if (!awaitingMatch_ || request != matchRequest_)
        return;
    awaitingMatch_ = false;
    const QList<LibraryOp> held = std::exchange(held_, {});
    candidates_ = match.candidates;
    using S = CarLine::State;
    if (!available) {
        setLine(CarLine{S::NoLibrary, std::nullopt, {}});
        release(held);
        return;
    }
    QList<Car> offered;
    for (const CarMatch::Candidate& c : match.candidates)
        offered.append(c.car);
    switch (match.kind) {
        case CarMatch::Kind::LastVisit: {
            const CarMatch::Candidate& found = match.candidates.first();
            setLine(CarLine{S::LastVisit, found.car, {}});
            // The image the car was last seen with is kept already.
            QList<LibraryOp> rest = held;
            if (!rest.isEmpty())
                if (const auto* p = std::get_if<KeepPoint>(&rest.first()))
                    if (p->point.imageHash == found.latestImageHash)
                        rest.removeFirst();
            release(rest);
            return;
        }
        case CarMatch::Kind::SeveralCars: {
            setLine(CarLine{S::SeveralCars, std::nullopt, offered});
            QList<LibraryOp> rest = held;
            if (!rest.isEmpty())
                if (const auto* p = std::get_if<KeepPoint>(&rest.first())) {
                    deferred_ = p->point;
                    rest.removeFirst();
                }
            release(rest);
            return;
        }
        case CarMatch::Kind::OlderVisit:
            setLine(CarLine{S::OlderVisit, std::nullopt, offered});
            break;
        case CarMatch::Kind::Unknown:
            setLine(CarLine{S::Unknown, std::nullopt, {}});
            break;
    }
    release(held);
}

void CarSession::chooseCar(const Car& car)
{
    if (car.id.isEmpty())
        return;
    const QList<LibraryOp> held = std::exchange(held_, {});
    awaitingMatch_ = false;
    setLine(CarLine{CarLine::State::Chosen, car, {}});
    if (!unassigned_.isEmpty()) {
        AssignToCar assign = std::exchange(unassigned_, AssignToCar{});
        assign.carId = car.id;
        library_.submit(assign);
    }
    if (deferred_) {
        const RestorePoint point = *std::exchange(deferred_, std::nullopt);
        bool known = false;
        for (const CarMatch::Candidate& c : candidates_)
            if (c.car.id == car.id && c.latestImageHash == point.imageHash)
                known = true;
        if (!known)
            keep(KeepPoint{point});
    }
    release(held);
}

bool CarSession::addCar(Car car)
{
    car.plate = tidyPlate(car.plate);
    if (plateKey(car.plate).isEmpty())
        return false;
    if (car.id.isEmpty())
        car.id = newRecordId();
    library_.submit(AddCar{car});
    chooseCar(car);
    return true;
}

void CarSession::carStored(const Car& requested, const Car& stored)
{
    // The plate was another car's already: that car is the one.
    if (line_.car && line_.car->id == requested.id && stored != *line_.car)
        setLine(CarLine{line_.state, stored, line_.offered});
}

void CarSession::settingChanged()
{
    if (connected_)
        setChanged(true);
}

void CarSession::linkDisconnected()
{
    connected_ = false;
    setChanged(false);
    if (awaitingMatch_) {
        awaitingMatch_ = false;
        release(std::exchange(held_, {}));
    }
    // The visit happened even if the fitter never said which car it was.
    if (deferred_)
        keep(KeepPoint{*std::exchange(deferred_, std::nullopt)});
}

void CarSession::storedFaultsAboutToBeCleared(const QByteArray& image)
{
    if (holdsStoredFaults(image))
        keep(KeepFaults{
            FaultSnapshot{newRecordId(), {}, now(), FaultMoment::BeforeClear, image, origin_}});
}

void CarSession::adaptationFinished(int base, int multiplier, bool written, const QString& text,
                                    const QByteArray& map)
{
    AdaptationEntry a;
    a.id = newRecordId();
    a.time = now();
    a.base = base;
    a.multiplier = multiplier;
    a.written = written;
    a.text = text;
    a.map = map;
    a.origin = origin_;
    keep(KeepAdaptation{a});
}

void CarSession::recordingStarted(const QString& path)
{
    recording_ = RecordingEntry{newRecordId(), {}, path, now(), 0, origin_};
    keep(KeepRecording{*recording_});
}

void CarSession::recordingEnded(qint64 lengthMs)
{
    if (!recording_)
        return;
    recording_->lengthMs = lengthMs;
    keep(KeepRecording{*std::exchange(recording_, std::nullopt)});
}

}  // namespace brivel::cars
