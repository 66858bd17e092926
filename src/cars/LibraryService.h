#pragma once

#include "cars/CarStore.h"
#include "cars/LibraryConfig.h"
#include "cars/LibraryOp.h"
#include "cars/LibraryStatus.h"

#include <QtCore/QObject>
#include <QtCore/QThread>

#include <memory>

namespace brivel::cars {

class Library;

// The car library for the window: all its work runs on a thread of its own,
// so that a slow disk, a locked file or a server that does not answer never
// makes the window wait. Every call returns at once; answers come back as
// signals on the caller's thread, in the order the calls were made. Queries
// carry a request number so that a view can take the answer to its latest
// question only.
class LibraryService : public QObject {
    Q_OBJECT
public:
    explicit LibraryService(const LibraryConfig& config, QObject* parent = nullptr);
    // Finishes the work asked for, then closes the library.
    ~LibraryService() override;

    const LibraryConfig& config() const { return config_; }
    const LibraryStatus& status() const { return status_; }
    // Work asked for and not answered yet.
    bool busy() const { return pending_ > 0; }

    // Opens the library and writes what waits in the outbox.
    void start();
    // Opens it again after a problem and writes what waits.
    void retry();
    // Writes a change, or keeps it in the outbox until it can be written.
    void submit(const LibraryOp& op);

    quint64 findCars(const QString& text, int limit = 200);
    quint64 match(const QByteArray& settingsHash);
    quint64 loadHistory(const RecordId& carId);
    quint64 loadPoint(const RecordId& pointId);

signals:
    void statusChanged(const brivel::cars::LibraryStatus& status);
    // AddCar: the car as stored: the one asked for, or the car that had the
    // plate already. `waiting`: not written yet.
    void carStored(const brivel::cars::Car& requested, const brivel::cars::Car& stored,
                   bool waiting);
    void carUpdated(const brivel::cars::Car& car, bool waiting);
    // UpdateCar refused: `holder` has that plate.
    void plateTaken(const brivel::cars::Car& edited, const brivel::cars::Car& holder);
    // Something of this car was written (a view of its history reloads).
    void carChanged(const QString& carId);

    // `available` false: the library could not answer (status() says why).
    void carsFound(quint64 request, const QList<brivel::cars::Car>& cars, bool available);
    void matched(quint64 request, const brivel::cars::CarMatch& match, bool available);
    // `found` false: no such car (or the library could not answer).
    void historyLoaded(quint64 request, const brivel::cars::CarHistory& history, bool found,
                       bool available);
    void pointLoaded(quint64 request, const brivel::cars::RestorePoint& point, bool found,
                     bool available);

    // Everything asked for has been answered.
    void idle();

private:
    template <typename Job>
    void post(Job&& job);
    void answered(const LibraryStatus& status);

    LibraryConfig config_;
    LibraryStatus status_;
    QThread thread_;
    QObject* worker_ = nullptr;
    std::unique_ptr<Library> library_;  // used on the thread only
    int pending_ = 0;
    quint64 nextRequest_ = 0;
};

}  // namespace brivel::cars
