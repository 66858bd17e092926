#include "cars/LibraryService.h"

#include "cars/Library.h"

#include <QtCore/QPointer>

namespace brivel::cars {

LibraryService::LibraryService(const LibraryConfig& config, QObject* parent)
    : QObject(parent), config_(config), library_(std::make_unique<Library>(config))
{
    status_.place = config.place();
    thread_.setObjectName(QStringLiteral("car library"));
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

LibraryService::~LibraryService()
{
    // The store's connection belongs to the thread: it is closed there.
    QMetaObject::invokeMethod(
        worker_, [this] { library_.reset(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

template <typename Job>
void LibraryService::post(Job&& job)
{
    ++pending_;
    // The job runs on the thread and hands back a reply that runs here.
    QMetaObject::invokeMethod(
        worker_,
        [this, job = std::forward<Job>(job)]() mutable {
            auto reply = job(*library_);
            const LibraryStatus status = library_->status();
            QMetaObject::invokeMethod(
                this,
                [this, reply = std::move(reply), status]() mutable {
                    reply();
                    answered(status);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void LibraryService::answered(const LibraryStatus& status)
{
    if (status != status_) {
        status_ = status;
        emit statusChanged(status_);
    }
    if (--pending_ == 0)
        emit idle();
}

void LibraryService::start()
{
    post([](Library& library) {
        library.start();
        return [] {};
    });
}

void LibraryService::retry()
{
    post([](Library& library) {
        library.retry();
        return [] {};
    });
}

void LibraryService::submit(const LibraryOp& op)
{
    post([this, op](Library& library) {
        const Library::Submitted s = library.submit(op);
        return [this, op, s] {
            using W = CarStore::Written;
            if (const auto* add = std::get_if<AddCar>(&op)) {
                if (s.outcome == W::Done || s.waiting)
                    emit carStored(add->car, s.car, s.waiting);
                return;
            }
            if (const auto* update = std::get_if<UpdateCar>(&op)) {
                if (s.outcome == W::PlateTaken)
                    emit plateTaken(update->car, s.car);
                else if (s.outcome == W::Done || s.waiting)
                    emit carUpdated(s.car, s.waiting);
                if (s.outcome == W::Done)
                    emit carChanged(s.car.id);
                return;
            }
            if (s.outcome != W::Done)
                return;
            const RecordId car = std::visit(
                [](const auto& o) -> RecordId {
                    using T = std::decay_t<decltype(o)>;
                    if constexpr (std::is_same_v<T, KeepPoint>)
                        return o.point.carId;
                    else if constexpr (std::is_same_v<T, KeepFaults>)
                        return o.faults.carId;
                    else if constexpr (std::is_same_v<T, KeepAdaptation>)
                        return o.adaptation.carId;
                    else if constexpr (std::is_same_v<T, KeepRecording>)
                        return o.recording.carId;
                    else if constexpr (std::is_same_v<T, AssignToCar>)
                        return o.carId;
                    else
                        return o.car.id;
                },
                op);
            if (!car.isEmpty())
                emit carChanged(car);
        };
    });
}

quint64 LibraryService::findCars(const QString& text, int limit)
{
    const quint64 request = ++nextRequest_;
    post([this, request, text, limit](Library& library) {
        std::optional<QList<Car>> cars;
        if (library.isOpen()) {
            cars = library.store().findCars(text, limit);
            if (!cars)
                library.queryFailed();
        }
        return [this, request, cars] {
            emit carsFound(request, cars.value_or(QList<Car>()), cars.has_value());
        };
    });
    return request;
}

quint64 LibraryService::match(const QByteArray& settingsHash)
{
    const quint64 request = ++nextRequest_;
    post([this, request, settingsHash](Library& library) {
        std::optional<CarMatch> m;
        if (library.isOpen()) {
            m = library.store().match(settingsHash);
            if (!m)
                library.queryFailed();
        }
        return [this, request, m] { emit matched(request, m.value_or(CarMatch()), m.has_value()); };
    });
    return request;
}

quint64 LibraryService::loadHistory(const RecordId& carId)
{
    const quint64 request = ++nextRequest_;
    post([this, request, carId](Library& library) {
        std::optional<std::optional<CarHistory>> h;
        if (library.isOpen()) {
            h = library.store().history(carId);
            if (!h)
                library.queryFailed();
        }
        return [this, request, h] {
            const bool found = h && *h;
            emit historyLoaded(request, found ? **h : CarHistory(), found, h.has_value());
        };
    });
    return request;
}

quint64 LibraryService::loadPoint(const RecordId& pointId)
{
    const quint64 request = ++nextRequest_;
    post([this, request, pointId](Library& library) {
        std::optional<std::optional<RestorePoint>> p;
        if (library.isOpen()) {
            p = library.store().point(pointId);
            if (!p)
                library.queryFailed();
        }
        return [this, request, p] {
            const bool found = p && *p;
            emit pointLoaded(request, found ? **p : RestorePoint(), found, p.has_value());
        };
    });
    return request;
}

}  // namespace brivel::cars
