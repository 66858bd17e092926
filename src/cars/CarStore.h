#pragma once

#include "cars/CarRecords.h"
#include "cars/LibraryConfig.h"
#include "cars/LibraryOp.h"
#include "cars/LibraryStatus.h"
#include "cars/Schema.h"

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

#include <optional>

namespace brivel::cars {

// Which car a settings image belongs to.
struct CarMatch {
    enum class Kind {
        Unknown,      // no car has held these settings
        LastVisit,    // exactly one car's latest point holds them
        SeveralCars,  // they are the latest point of more than one car
        OlderVisit,   // cars held them once, but not at their latest point
    };
    struct Candidate {
        Car car;
        QByteArray latestImageHash;  // the whole image of the car's latest point
    };

    // No more cars are offered than a line can name; the most recent first.
    static constexpr int MostOffered = 12;

    Kind kind = Kind::Unknown;
    QList<Candidate> candidates;  // LastVisit: the one car; else the cars to offer
    int carsInAll = 0;            // the cars found, offered or not
};

// A car with everything kept for it; each list oldest first.
struct CarHistory {
    Car car;
    QList<RestorePoint> points;
    QList<FaultSnapshot> faults;
    QList<AdaptationEntry> adaptations;
    QList<RecordingEntry> recordings;
};

// The library's database through Qt SQL: one connection, used from the
// thread that opened it. Every write is one transaction with bound values,
// and writing a change again keeps what is there. A failure leaves the store
// closed or open as the failure allows, and `status()` says what happened.
class CarStore {
public:
    enum class OpenMode {
        CreateIfMissing,
        ExistingOnly,  // an SQLite file that does not exist is reported Missing
    };

    explicit CarStore(LibraryConfig config);
    ~CarStore();
    CarStore(const CarStore&) = delete;
    CarStore& operator=(const CarStore&) = delete;

    // Opens the database and brings its tables to the current version. A
    // library of a newer version is closed again untouched (NewerSchema).
    bool open(OpenMode mode = OpenMode::CreateIfMissing);
    void close();
    bool isOpen() const { return open_; }
    // The problem of the last call that failed, or none.
    const LibraryStatus& status() const { return status_; }
    const LibraryConfig& config() const { return config_; }

    enum class Written {
        Done,
        PlateTaken,  // UpdateCar: another car has the new plate (`car` is it)
        Invalid,     // nothing to write: an empty plate, a car that is not there
        Failed,      // not written; try again later (status() says why)
    };
    struct WriteResult {
        Written outcome = Written::Failed;
        Car car;  // AddCar: the car stored (the one that had the plate already)
    };
    WriteResult write(const LibraryOp& op);
    // All of them in one transaction, or none.
    bool writeAll(const QList<LibraryOp>& ops);

    // Queries; nothing when the library failed.
    // Cars whose plate starts with `text` (spaces and case aside), then cars
    // whose plate, VIN, make, model, engine, owner or phone contains it;
    // every car for an empty text. At most `limit`.
    std::optional<QList<Car>> findCars(const QString& text, int limit = 200);
    std::optional<std::optional<Car>> car(const RecordId& id);
    std::optional<std::optional<Car>> carByPlate(const QString& plate);
    std::optional<CarMatch> match(const QByteArray& settingsHash);
    std::optional<std::optional<CarHistory>> history(const RecordId& carId);
    std::optional<std::optional<RestorePoint>> point(const RecordId& id);
    // The version the library's tables are at (after open).
    int schemaVersion() const { return version_; }

private:
    bool openOnce(OpenMode mode);
    const schema::Dialect& dialect() const;
    bool prepareTables();
    bool failed(const QSqlError& error);
    bool failedToOpen();
    bool fail(Problem problem, const QString& detail);
    // A prepared query of the connection, kept for the next use; null when
    // it could not be prepared (error_ says why).
    QSqlQuery* prepared(const QString& sql);
    // Runs a prepared query with `values` bound in order and returns its
    // rows, so that no statement stays open; nothing when it failed.
    using Rows = QList<QVariantList>;
    std::optional<Rows> run(const QString& sql, const QVariantList& values);
    bool runPlain(const QString& sql);
    template <typename Fn>
    bool transaction(Fn&& body);
    WriteResult apply(const LibraryOp& op);
    // The car's latest point becomes this one if it is later than the one
    // the car has.
    bool noteLatest(const QString& car, const RecordId& pointId);
    // The car a record names, as the library holds it (an alias followed);
    // a null value for none. Nothing when the query failed.
    std::optional<QVariant> carOf(const RecordId& id);
    std::optional<QList<Car>> cars(const QString& where, const QVariantList& values);

    LibraryConfig config_;
    QString connection_;
    bool open_ = false;
    bool postgres_ = false;
    int version_ = 0;
    LibraryStatus status_;
    QSqlError error_;
    QHash<QString, QSqlQuery> prepared_;
};

}  // namespace brivel::cars

Q_DECLARE_METATYPE(brivel::cars::CarMatch)
Q_DECLARE_METATYPE(brivel::cars::CarHistory)
