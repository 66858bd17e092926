#include "cars/CarStore.h"

#include "cars/Schema.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QUuid>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlDriver>
#include <QtSql/QSqlRecord>

namespace brivel::cars {

namespace {

const QString SqliteDriver = QStringLiteral("QSQLITE");
const QString PostgresDriver = QStringLiteral("QPSQL");
constexpr int BusyTimeoutMs = 5000;
constexpr int TransactionAttempts = 5;

// SQLite's primary result codes the library tells apart.
enum SqliteCode {
    SqlitePerm = 3,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoError = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADb = 26,
};

const QString CarColumns =
    QStringLiteral("id, plate, vin, make, model, engine, owner, phone, notes");
const QString PointColumns = QStringLiteral(
    "id, car_id, taken_at, reason, controller_version, image, image_hash, settings_hash, "
    "program_version, pc_name");

// Qt binds a null string as NULL; the library's text columns are never NULL.
QVariant text(const QString& s)
{
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

QVariant bytes(const QByteArray& b)
{
    return b.isNull() ? QVariant(QByteArrayLiteral("")) : QVariant(b);
}

QVariant noCar()
{
    return QVariant(QMetaType::fromType<QString>());
}

QString searchKey(const Car& c)
{
    return QStringList{tidyPlate(c.plate), plateKey(c.plate), c.vin,  c.make, c.model,
                       c.engine,           c.owner,           c.phone}
        .join(QLatin1Char('\n'))
        .toLower();
}

// The first line of a driver's message: the rest repeats it or is empty.
QString firstLine(const QString& s)
{
    return s.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
}

QString describe(const QSqlError& e)
{
    const QString db = firstLine(e.databaseText());
    const QString driver = firstLine(e.driverText());
    if (db.isEmpty())
        return driver;
    return db;
}

int sqliteCode(const QSqlError& e)
{
    return e.nativeErrorCode().toInt() & 0xFF;
}

bool transient(const QSqlError& e, bool postgres)
{
    if (postgres) {
        const QString state = e.nativeErrorCode();
        return state == QLatin1String("40001") || state == QLatin1String("40P01");
    }
    const int code = sqliteCode(e);
    return code == SqliteBusy || code == SqliteLocked;
}

Problem classify(const QSqlError& e, bool postgres)
{
    if (postgres) {
        const QString state = e.nativeErrorCode();
        if (state.isEmpty() || state.startsWith(QLatin1String("08")) ||
            state.startsWith(QLatin1String("57P")) || e.type() == QSqlError::ConnectionError)
            return Problem::Unreachable;
        if (state.startsWith(QLatin1String("XX")))
            return Problem::Damaged;
        if (state == QLatin1String("55P03"))
            return Problem::Locked;
        return Problem::CannotWrite;
    }
    switch (sqliteCode(e)) {
        case SqliteBusy:
        case SqliteLocked:
            return Problem::Locked;
        case SqliteCorrupt:
        case SqliteNotADb:
            return Problem::Damaged;
        case SqlitePerm:
        case SqliteCantOpen:
            return Problem::CannotOpen;
        case SqliteReadOnly:
        case SqliteIoError:
        case SqliteFull:
        default:
            return Problem::CannotWrite;
    }
}

template <typename T>
QList<QVariant> idValues(const QList<T>& ids)
{
    QList<QVariant> v;
    for (const T& id : ids)
        v.append(id);
    return v;
}

Car carFromRow(const QVariantList& r)
{
    Car c;
    c.id = r[0].toString();
    c.plate = r[1].toString();
    c.vin = r[2].toString();
    c.make = r[3].toString();
    c.model = r[4].toString();
    c.engine = r[5].toString();
    c.owner = r[6].toString();
    c.phone = r[7].toString();
    c.notes = r[8].toString();
    return c;
}

RestorePoint pointFromRow(const QVariantList& r)
{
    RestorePoint p;
    p.id = r[0].toString();
    p.carId = r[1].toString();
    p.time = fromStoredTime(r[2].toLongLong());
    p.reason = reasonOfKey(r[3].toString()).value_or(PointReason::Manual);
    p.controllerVersion = r[4].toString();
    p.image = r[5].toByteArray();
    p.imageHash = r[6].toByteArray();
    p.settingsHash = r[7].toByteArray();
    p.origin = {r[8].toString(), r[9].toString()};
    return p;
}

// The smallest key above every key that starts with `prefix`.
QString keyAfter(const QString& prefix)
{
    QString next = prefix;
    next.back() = QChar(static_cast<char16_t>(next.back().unicode() + 1));
    return next;
}

QString likeContains(const QString& s)
{
    QString escaped;
    for (const QChar c : s) {
        if (c == QLatin1Char('!') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped.append(QLatin1Char('!'));
        escaped.append(c);
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

}  // namespace

CarStore::CarStore(LibraryConfig config)
    : config_(std::move(config)), postgres_(config_.backend == LibraryConfig::Backend::Postgres)
{
    status_.place = config_.place();
}

CarStore::~CarStore()
{
    close();
}

bool CarStore::open(OpenMode mode)
{
    close();
    status_ = LibraryStatus{};
    status_.place = config_.place();
    // Two PCs opening an empty server at once both make the tables; the one
    // that loses finds them made at its next try.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (openOnce(mode))
            return true;
        if (status_.problem != Problem::CannotWrite)
            break;
    }
    return false;
}

bool CarStore::openOnce(OpenMode mode)
{
    close();
    const QString driver = postgres_ ? PostgresDriver : SqliteDriver;
    if (!QSqlDatabase::isDriverAvailable(driver))
        return fail(Problem::DriverMissing, postgres_ ? QStringLiteral("libqt6sql6-psql")
                                                      : QStringLiteral("libqt6sql6-sqlite"));
    if (!postgres_) {
        const QFileInfo file(config_.file);
        if (mode == OpenMode::ExistingOnly && !file.exists())
            return fail(Problem::Missing, QString());
        if (file.isDir())
            return fail(Problem::CannotOpen, QString());
        QDir().mkpath(file.absolutePath());
    }

    connection_ = QStringLiteral("brivel-cars-") + QUuid::createUuid().toString(QUuid::Id128);
    bool opened = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection_);
        if (postgres_) {
            db.setHostName(config_.host);
            db.setPort(config_.port);
            db.setDatabaseName(config_.database);
            db.setUserName(config_.user);
            QStringList options{
                QStringLiteral("connect_timeout=%1").arg(config_.connectTimeoutSeconds),
                QStringLiteral("application_name=brivel")};
            if (!config_.service.isEmpty())
                options << QStringLiteral("service=%1").arg(config_.service);
            db.setConnectOptions(options.join(QLatin1Char(';')));
        } else {
            db.setDatabaseName(config_.file);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        }
        opened = db.open();
        if (!opened)
            error_ = db.lastError();
    }
    if (!opened) {
        const Problem p = postgres_ ? Problem::Unreachable : classify(error_, false);
        return fail(p == Problem::CannotWrite ? Problem::CannotOpen : p, describe(error_));
    }
    open_ = true;

    if (!runPlain(dialect().probe))
        return failedToOpen();

    const QStringList tables = QSqlDatabase::database(connection_, false).tables();
    if (tables.contains(schema::VersionTable)) {
        const auto rows = run(QStringLiteral("SELECT version FROM brivel_schema WHERE id = 1"), {});
        if (!rows)
            return failedToOpen();
        version_ = rows->isEmpty() ? 0 : rows->first()[0].toInt();
        if (version_ > schema::CurrentVersion) {
            const int newer = version_;
            close();
            status_.problem = Problem::NewerSchema;
            status_.schemaVersion = newer;
            status_.detail.clear();
            return false;
        }
    } else {
        version_ = 0;
    }

    if (!postgres_) {
        // Readers never wait for a writer, and a crash mid-write leaves the
        // last whole transaction.
        if (!runPlain(QStringLiteral("PRAGMA journal_mode=WAL")) ||
            !runPlain(QStringLiteral("PRAGMA synchronous=FULL")) ||
            !runPlain(QStringLiteral("PRAGMA foreign_keys=ON")))
            return failedToOpen();
    }
    return prepareTables();
}

const schema::Dialect& CarStore::dialect() const
{
    static const schema::Dialect sqlite = schema::sqlite();
    static const schema::Dialect postgres = schema::postgres();
    return postgres_ ? postgres : sqlite;
}

bool CarStore::prepareTables()
{
    while (version_ < schema::CurrentVersion) {
        const int to = version_ + 1;
        const QStringList statements = schema::migration(to, dialect());
        const bool done = transaction([&] {
            for (const QString& s : statements)
                if (!runPlain(s))
                    return false;
            if (to > 1 &&
                !run(QStringLiteral("UPDATE brivel_schema SET version = ? WHERE id = 1"), {to}))
                return false;
            return true;
        });
        if (!done) {
            close();
            return false;
        }
        version_ = to;
    }
    status_.problem = Problem::None;
    status_.detail.clear();
    return true;
}

void CarStore::close()
{
    prepared_.clear();
    if (!connection_.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(connection_);
        connection_.clear();
    }
    open_ = false;
}

bool CarStore::fail(Problem problem, const QString& detail)
{
    status_.problem = problem;
    status_.detail = detail;
    close();
    return false;
}

bool CarStore::failedToOpen()
{
    failed(error_);
    close();
    return false;
}

bool CarStore::failed(const QSqlError& error)
{
    Problem problem = classify(error, postgres_);
    if (postgres_ && open_ && problem != Problem::Unreachable) {
        // A statement that failed on a dropped connection says little of
        // why; the connection's state says whether the server went away.
        prepared_.clear();
        QSqlQuery probe(QSqlDatabase::database(connection_, false));
        if (!probe.exec(QStringLiteral("SELECT 1")))
            problem = Problem::Unreachable;
    }
    status_.problem = problem;
    status_.detail = describe(error);
    return false;
}

QSqlQuery* CarStore::prepared(const QString& sql)
{
    auto it = prepared_.find(sql);
    if (it != prepared_.end())
        return &it.value();
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        error_ = q.lastError();
        return nullptr;
    }
    return &prepared_.insert(sql, q).value();
}

std::optional<CarStore::Rows> CarStore::run(const QString& sql, const QVariantList& values)
{
    if (!open_) {
        error_ = QSqlError(QStringLiteral("closed"), QString(), QSqlError::ConnectionError);
        return std::nullopt;
    }
    QSqlQuery* q = prepared(sql);
    if (!q)
        return std::nullopt;
    for (int i = 0; i < values.size(); ++i)
        q->bindValue(i, values[i]);
    if (!q->exec()) {
        error_ = q->lastError();
        // A statement the server no longer knows (a new session) is
        // prepared afresh next time.
        prepared_.remove(sql);
        return std::nullopt;
    }
    Rows rows;
    if (q->isSelect()) {
        const int columns = q->record().count();
        while (q->next()) {
            QVariantList row;
            row.reserve(columns);
            for (int c = 0; c < columns; ++c)
                row.append(q->value(c));
            rows.append(row);
        }
    }
    // An SQLite statement left open would hold its snapshot of the file.
    q->finish();
    return rows;
}

bool CarStore::runPlain(const QString& sql)
{
    if (!open_)
        return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    if (!q.exec(sql)) {
        error_ = q.lastError();
        return false;
    }
    return true;
}

template <typename Fn>
bool CarStore::transaction(Fn&& body)
{
    for (int attempt = 1;; ++attempt) {
        if (!open_)
            return false;
        if (!runPlain(dialect().begin)) {
            if (attempt < TransactionAttempts && transient(error_, postgres_))
                continue;
            return failed(error_);
        }
        if (body() && runPlain(QStringLiteral("COMMIT")))
            return true;
        const QSqlError error = error_;
        QSqlQuery(QSqlDatabase::database(connection_, false)).exec(QStringLiteral("ROLLBACK"));
        if (attempt < TransactionAttempts && transient(error, postgres_))
            continue;
        return failed(error);
    }
}

std::optional<QVariant> CarStore::carOf(const RecordId& id)
{
    if (id.isEmpty())
        return noCar();
    auto rows = run(QStringLiteral("SELECT id FROM cars WHERE id = ?"), {id});
    if (!rows)
        return std::nullopt;
    if (!rows->isEmpty())
        return QVariant(id);
    rows = run(QStringLiteral("SELECT car_id FROM car_aliases WHERE alias_id = ?"), {id});
    if (!rows)
        return std::nullopt;
    return rows->isEmpty() ? noCar() : rows->first()[0];
}

bool CarStore::noteLatest(const QString& car, const RecordId& pointId)
{
    // Points are written in any order (from the outbox, from other PCs):
    // the car keeps the one with the latest time, the larger id breaking a tie.
    return run(QStringLiteral(
                   "UPDATE cars SET latest_point_id = p.id, latest_taken_at = p.taken_at, "
                   "latest_settings_hash = p.settings_hash, latest_image_hash = p.image_hash "
                   "FROM (SELECT id, taken_at, settings_hash, image_hash FROM points "
                   "WHERE id = ? AND car_id = ?) AS p "
                   "WHERE cars.id = ? AND (cars.latest_taken_at IS NULL OR "
                   "cars.latest_taken_at < p.taken_at OR (cars.latest_taken_at = p.taken_at "
                   "AND cars.latest_point_id < p.id))"),
               {pointId, car, car})
        .has_value();
}

CarStore::WriteResult CarStore::apply(const LibraryOp& op)
{
    const auto done = [] { return WriteResult{Written::Done, {}}; };
    const auto failedWrite = [] { return WriteResult{Written::Failed, {}}; };

    if (const auto* add = std::get_if<AddCar>(&op)) {
        Car car = add->car;
        car.plate = tidyPlate(car.plate);
        const QString key = plateKey(car.plate);
        if (key.isEmpty() || car.id.isEmpty())
            return {Written::Invalid, {}};
        if (!run(QStringLiteral("INSERT INTO cars (id, plate, plate_key, vin, make, model, engine, "
                                "owner, phone, notes, search_key) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                 {car.id, car.plate, key, text(car.vin), text(car.make), text(car.model),
                  text(car.engine), text(car.owner), text(car.phone), text(car.notes),
                  searchKey(car)}))
            return failedWrite();
        const auto byId = cars(QStringLiteral("id = ?"), {car.id});
        if (!byId)
            return failedWrite();
        if (!byId->isEmpty())
            return {Written::Done, byId->first()};
        // The plate was there already: that car is the one meant, and this
        // id stands for it from now on.
        const auto byPlate = cars(QStringLiteral("plate_key = ?"), {key});
        if (!byPlate)
            return failedWrite();
        if (byPlate->isEmpty())
            return {Written::Invalid, {}};
        if (!run(QStringLiteral("INSERT INTO car_aliases (alias_id, car_id) VALUES (?, ?) "
                                "ON CONFLICT DO NOTHING"),
                 {car.id, byPlate->first().id}))
            return failedWrite();
        return {Written::Done, byPlate->first()};
    }

    if (const auto* update = std::get_if<UpdateCar>(&op)) {
        Car car = update->car;
        car.plate = tidyPlate(car.plate);
        const QString key = plateKey(car.plate);
        const auto id = carOf(car.id);
        if (!id)
            return failedWrite();
        if (key.isEmpty() || id->isNull())
            return {Written::Invalid, {}};
        car.id = id->toString();
        const auto holders = cars(QStringLiteral("plate_key = ? AND id <> ?"), {key, car.id});
        if (!holders)
            return failedWrite();
        if (!holders->isEmpty())
            return {Written::PlateTaken, holders->first()};
        if (!run(QStringLiteral("UPDATE cars SET plate = ?, plate_key = ?, vin = ?, make = ?, "
                                "model = ?, engine = ?, owner = ?, phone = ?, notes = ?, "
                                "search_key = ? WHERE id = ?"),
                 {car.plate, key, text(car.vin), text(car.make), text(car.model), text(car.engine),
                  text(car.owner), text(car.phone), text(car.notes), searchKey(car), car.id}))
            return failedWrite();
        return {Written::Done, car};
    }

    if (const auto* keep = std::get_if<KeepPoint>(&op)) {
        const RestorePoint& p = keep->point;
        const auto car = carOf(p.carId);
        if (!car)
            return failedWrite();
        if (!run(QStringLiteral("INSERT INTO points (") + PointColumns +
                     QStringLiteral(
                         ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                 {p.id, *car, toStoredTime(p.time), reasonKey(p.reason), text(p.controllerVersion),
                  bytes(p.image), QString::fromLatin1(p.imageHash),
                  QString::fromLatin1(p.settingsHash), text(p.origin.programVersion),
                  text(p.origin.pcName)}))
            return failedWrite();
        if (!car->isNull() && !noteLatest(car->toString(), p.id))
            return failedWrite();
        return done();
    }

    if (const auto* keep = std::get_if<KeepFaults>(&op)) {
        const FaultSnapshot& f = keep->faults;
        const auto car = carOf(f.carId);
        if (!car)
            return failedWrite();
        if (!run(QStringLiteral("INSERT INTO fault_snapshots (id, car_id, taken_at, moment, image, "
                                "program_version, pc_name) VALUES (?, ?, ?, ?, ?, ?, ?) "
                                "ON CONFLICT DO NOTHING"),
                 {f.id, *car, toStoredTime(f.time), momentKey(f.moment), bytes(f.image),
                  text(f.origin.programVersion), text(f.origin.pcName)}))
            return failedWrite();
        return done();
    }

    if (const auto* keep = std::get_if<KeepAdaptation>(&op)) {
        const AdaptationEntry& a = keep->adaptation;
        const auto car = carOf(a.carId);
        if (!car)
            return failedWrite();
        if (!run(
                QStringLiteral("INSERT INTO adaptations (id, car_id, taken_at, base, multiplier, "
                               "written, info, map, program_version, pc_name) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                {a.id, *car, toStoredTime(a.time), a.base, a.multiplier, a.written ? 1 : 0,
                 text(a.text), bytes(a.map), text(a.origin.programVersion), text(a.origin.pcName)}))
            return failedWrite();
        return done();
    }

    if (const auto* keep = std::get_if<KeepRecording>(&op)) {
        const RecordingEntry& r = keep->recording;
        const auto car = carOf(r.carId);
        if (!car)
            return failedWrite();
        // Kept at the start and again with its length at the end, in
        // whatever order they are written again; a car given meanwhile stays.
        if (!run(QStringLiteral(
                     "INSERT INTO recordings (id, car_id, started_at, length_ms, path, "
                     "program_version, pc_name) VALUES (?, ?, ?, ?, ?, ?, ?) "
                     "ON CONFLICT (id) DO UPDATE SET length_ms = CASE WHEN excluded.length_ms > "
                     "recordings.length_ms THEN excluded.length_ms ELSE "
                     "recordings.length_ms END"),
                 {r.id, *car, toStoredTime(r.start), r.lengthMs, text(r.path),
                  text(r.origin.programVersion), text(r.origin.pcName)}))
            return failedWrite();
        if (!car->isNull() &&
            !run(QStringLiteral("UPDATE recordings SET car_id = ? WHERE id = ? AND car_id IS NULL"),
                 {*car, r.id}))
            return failedWrite();
        return done();
    }

    const auto& assign = std::get<AssignToCar>(op);
    const auto car = carOf(assign.carId);
    if (!car)
        return failedWrite();
    if (car->isNull())
        return {Written::Invalid, {}};
    const std::pair<const char*, const QList<RecordId>*> tables[] = {
        {"points", &assign.points},
        {"fault_snapshots", &assign.faults},
        {"adaptations", &assign.adaptations},
        {"recordings", &assign.recordings},
    };
    for (const auto& [table, ids] : tables) {
        const QString sql =
            QStringLiteral("UPDATE %1 SET car_id = ? WHERE id = ? AND car_id IS NULL")
                .arg(QLatin1String(table));
        for (const RecordId& id : *ids)
            if (!run(sql, {*car, id}))
                return failedWrite();
    }
    for (const RecordId& id : assign.points)
        if (!noteLatest(car->toString(), id))
            return failedWrite();
    return done();
}

CarStore::WriteResult CarStore::write(const LibraryOp& op)
{
    WriteResult result;
    const bool ok = transaction([&] {
        result = apply(op);
        return result.outcome != Written::Failed;
    });
    if (!ok)
        result = {Written::Failed, {}};
    return result;
}

bool CarStore::writeAll(const QList<LibraryOp>& ops)
{
    return transaction([&] {
        for (const LibraryOp& op : ops)
            if (apply(op).outcome == Written::Failed)
                return false;
        return true;
    });
}

std::optional<QList<Car>> CarStore::cars(const QString& where, const QVariantList& values)
{
    const auto rows =
        run(QStringLiteral("SELECT ") + CarColumns + QStringLiteral(" FROM cars WHERE ") + where +
                QStringLiteral(" ORDER BY plate_key"),
            values);
    if (!rows) {
        failed(error_);
        return std::nullopt;
    }
    QList<Car> found;
    for (const QVariantList& r : *rows)
        found.append(carFromRow(r));
    return found;
}

std::optional<QList<Car>> CarStore::findCars(const QString& search, int limit)
{
    const QString key = plateKey(search);
    std::optional<Rows> rows;
    if (key.isEmpty())
        rows = run(QStringLiteral("SELECT ") + CarColumns +
                       QStringLiteral(" FROM cars ORDER BY plate_key LIMIT ?"),
                   {limit});
    else
        rows = run(QStringLiteral("SELECT ") + CarColumns +
                       QStringLiteral(" FROM cars WHERE plate_key >= ? AND plate_key < ? "
                                      "ORDER BY plate_key LIMIT ?"),
                   {key, keyAfter(key), limit});
    if (!rows) {
        failed(error_);
        return std::nullopt;
    }
    QList<Car> found;
    QSet<QString> ids;
    for (const QVariantList& r : *rows) {
        found.append(carFromRow(r));
        ids.insert(found.back().id);
    }
    if (key.isEmpty() || found.size() >= limit)
        return found;
    rows = run(QStringLiteral("SELECT ") + CarColumns +
                   QStringLiteral(" FROM cars WHERE search_key LIKE ? ESCAPE '!' "
                                  "ORDER BY plate_key LIMIT ?"),
               {likeContains(search.simplified().toLower()), limit});
    if (!rows) {
        failed(error_);
        return std::nullopt;
    }
    for (const QVariantList& r : *rows) {
        if (found.size() >= limit)
            break;
        const Car c = carFromRow(r);
        if (!ids.contains(c.id))
            found.append(c);
    }
    return found;
}

std::optional<std::optional<Car>> CarStore::car(const RecordId& id)
{
    const auto resolved = carOf(id);
    if (!resolved) {
        failed(error_);
        return std::nullopt;
    }
    if (resolved->isNull())
        return std::optional<Car>();
    const auto found = cars(QStringLiteral("id = ?"), {*resolved});
    if (!found)
        return std::nullopt;
    return found->isEmpty() ? std::optional<Car>() : std::optional<Car>(found->first());
}

std::optional<std::optional<Car>> CarStore::carByPlate(const QString& plate)
{
    const auto found = cars(QStringLiteral("plate_key = ?"), {plateKey(plate)});
    if (!found)
        return std::nullopt;
    return found->isEmpty() ? std::optional<Car>() : std::optional<Car>(found->first());
}

std::optional<CarMatch> CarStore::match(const QByteArray& settingsHash)
{
    const QString hash = QString::fromLatin1(settingsHash);
    CarMatch result;
    // Cars whose latest point holds these settings.
    auto count =
        run(QStringLiteral("SELECT COUNT(*) FROM cars WHERE latest_settings_hash = ?"), {hash});
    if (!count) {
        failed(error_);
        return std::nullopt;
    }
    result.carsInAll = count->first()[0].toInt();
    if (result.carsInAll > 0) {
        const auto rows = run(QStringLiteral("SELECT ") + CarColumns +
                                  QStringLiteral(", latest_image_hash FROM cars "
                                                 "WHERE latest_settings_hash = ? "
                                                 "ORDER BY latest_taken_at DESC, id LIMIT ?"),
                              {hash, CarMatch::MostOffered});
        if (!rows) {
            failed(error_);
            return std::nullopt;
        }
        result.kind =
            result.carsInAll == 1 ? CarMatch::Kind::LastVisit : CarMatch::Kind::SeveralCars;
        for (const QVariantList& r : *rows)
            result.candidates.append({carFromRow(r), r[9].toByteArray()});
        return result;
    }
    // Cars that held them at an earlier visit, the most recent first.
    count = run(QStringLiteral("SELECT COUNT(DISTINCT car_id) FROM points "
                               "WHERE settings_hash = ? AND car_id IS NOT NULL"),
                {hash});
    if (!count) {
        failed(error_);
        return std::nullopt;
    }
    result.carsInAll = count->first()[0].toInt();
    if (result.carsInAll == 0)
        return result;
    result.kind = CarMatch::Kind::OlderVisit;
    const auto holders = run(QStringLiteral("SELECT car_id FROM points "
                                            "WHERE settings_hash = ? AND car_id IS NOT NULL "
                                            "GROUP BY car_id ORDER BY MAX(taken_at) DESC LIMIT ?"),
                             {hash, CarMatch::MostOffered});
    if (!holders) {
        failed(error_);
        return std::nullopt;
    }
    QStringList marks;
    QVariantList ids;
    for (const QVariantList& h : *holders) {
        marks << QStringLiteral("?");
        ids << h[0];
    }
    const auto found = cars(QStringLiteral("id IN (%1)").arg(marks.join(QLatin1Char(','))), ids);
    if (!found)
        return std::nullopt;
    for (const QVariant& id : ids)
        for (const Car& c : *found)
            if (c.id == id.toString())
                result.candidates.append({c, QByteArray()});
    return result;
}

std::optional<std::optional<CarHistory>> CarStore::history(const RecordId& carId)
{
    const auto found = car(carId);
    if (!found)
        return std::nullopt;
    if (!*found)
        return std::optional<CarHistory>();
    CarHistory h;
    h.car = **found;
    const QVariantList id{h.car.id};
    const auto fail = [this] {
        failed(error_);
        return std::nullopt;
    };

    auto rows = run(QStringLiteral("SELECT ") + PointColumns +
                        QStringLiteral(" FROM points WHERE car_id = ? ORDER BY taken_at, id"),
                    id);
    if (!rows)
        return fail();
    for (const QVariantList& r : *rows)
        h.points.append(pointFromRow(r));

    rows = run(QStringLiteral("SELECT id, taken_at, moment, image, program_version, pc_name "
                              "FROM fault_snapshots WHERE car_id = ? ORDER BY taken_at, id"),
               id);
    if (!rows)
        return fail();
    for (const QVariantList& r : *rows)
        h.faults.append({r[0].toString(),
                         h.car.id,
                         fromStoredTime(r[1].toLongLong()),
                         momentOfKey(r[2].toString()).value_or(FaultMoment::AtConnect),
                         r[3].toByteArray(),
                         {r[4].toString(), r[5].toString()}});

    rows = run(QStringLiteral("SELECT id, taken_at, base, multiplier, written, info, map, "
                              "program_version, pc_name FROM adaptations WHERE car_id = ? "
                              "ORDER BY taken_at, id"),
               id);
    if (!rows)
        return fail();
    for (const QVariantList& r : *rows) {
        AdaptationEntry a;
        a.id = r[0].toString();
        a.carId = h.car.id;
        a.time = fromStoredTime(r[1].toLongLong());
        a.base = r[2].toInt();
        a.multiplier = r[3].toInt();
        a.written = r[4].toInt() != 0;
        a.text = r[5].toString();
        a.map = r[6].toByteArray();
        a.origin = {r[7].toString(), r[8].toString()};
        h.adaptations.append(a);
    }

    rows = run(QStringLiteral("SELECT id, started_at, length_ms, path, program_version, pc_name "
                              "FROM recordings WHERE car_id = ? ORDER BY started_at, id"),
               id);
    if (!rows)
        return fail();
    for (const QVariantList& r : *rows)
        h.recordings.append({r[0].toString(),
                             h.car.id,
                             r[3].toString(),
                             fromStoredTime(r[1].toLongLong()),
                             r[2].toLongLong(),
                             {r[4].toString(), r[5].toString()}});
    return std::optional<CarHistory>(h);
}

std::optional<std::optional<RestorePoint>> CarStore::point(const RecordId& id)
{
    const auto rows =
        run(QStringLiteral("SELECT ") + PointColumns + QStringLiteral(" FROM points WHERE id = ?"),
            {id});
    if (!rows) {
        failed(error_);
        return std::nullopt;
    }
    if (rows->isEmpty())
        return std::optional<RestorePoint>();
    return std::optional<RestorePoint>(pointFromRow(rows->first()));
}

}  // namespace brivel::cars
