#include "cars/Schema.h"

namespace brivel::cars::schema {

namespace {

// Ids are the program's UUIDs; times are milliseconds since the epoch (UTC).
// A record's car is empty until the fitter says which car it was.
const char* const Version1[] = {
    "CREATE TABLE brivel_schema (id INTEGER PRIMARY KEY, version INTEGER NOT NULL)",
    "CREATE TABLE cars ("
    " id VARCHAR(40) PRIMARY KEY,"
    " plate TEXT NOT NULL,"
    " plate_key %KEY% NOT NULL UNIQUE,"
    " vin TEXT NOT NULL, make TEXT NOT NULL, model TEXT NOT NULL, engine TEXT NOT NULL,"
    " owner TEXT NOT NULL, phone TEXT NOT NULL, notes TEXT NOT NULL,"
    " search_key TEXT NOT NULL,"
    // The car's latest point, kept with the car so that finding the car of
    // a settings image at connect is one look in an index.
    " latest_point_id VARCHAR(40),"
    " latest_taken_at BIGINT,"
    " latest_settings_hash VARCHAR(64),"
    " latest_image_hash VARCHAR(64))",
    "CREATE INDEX cars_by_latest_settings ON cars (latest_settings_hash)",
    // A car added on two PCs at once is one car: the id that lost stands
    // for the one that won.
    "CREATE TABLE car_aliases ("
    " alias_id VARCHAR(40) PRIMARY KEY,"
    " car_id VARCHAR(40) NOT NULL REFERENCES cars(id))",
    "CREATE TABLE points ("
    " id VARCHAR(40) PRIMARY KEY,"
    " car_id VARCHAR(40) REFERENCES cars(id),"
    " taken_at BIGINT NOT NULL,"
    " reason VARCHAR(20) NOT NULL,"
    " controller_version TEXT NOT NULL,"
    " image %BYTES% NOT NULL,"
    " image_hash VARCHAR(64) NOT NULL,"
    " settings_hash VARCHAR(64) NOT NULL,"
    " program_version TEXT NOT NULL,"
    " pc_name TEXT NOT NULL)",
    "CREATE INDEX points_by_car ON points (car_id, taken_at)",
    // Which cars held these settings, and when: from the index alone.
    "CREATE INDEX points_by_settings ON points (settings_hash, car_id, taken_at)",
    "CREATE TABLE fault_snapshots ("
    " id VARCHAR(40) PRIMARY KEY,"
    " car_id VARCHAR(40) REFERENCES cars(id),"
    " taken_at BIGINT NOT NULL,"
    " moment VARCHAR(20) NOT NULL,"
    " image %BYTES% NOT NULL,"
    " program_version TEXT NOT NULL,"
    " pc_name TEXT NOT NULL)",
    "CREATE INDEX faults_by_car ON fault_snapshots (car_id, taken_at)",
    "CREATE TABLE adaptations ("
    " id VARCHAR(40) PRIMARY KEY,"
    " car_id VARCHAR(40) REFERENCES cars(id),"
    " taken_at BIGINT NOT NULL,"
    " base INTEGER NOT NULL,"
    " multiplier INTEGER NOT NULL,"
    " written INTEGER NOT NULL,"
    " info TEXT NOT NULL,"
    " map %BYTES% NOT NULL,"
    " program_version TEXT NOT NULL,"
    " pc_name TEXT NOT NULL)",
    "CREATE INDEX adaptations_by_car ON adaptations (car_id, taken_at)",
    "CREATE TABLE recordings ("
    " id VARCHAR(40) PRIMARY KEY,"
    " car_id VARCHAR(40) REFERENCES cars(id),"
    " started_at BIGINT NOT NULL,"
    " length_ms BIGINT NOT NULL,"
    " path TEXT NOT NULL,"
    " program_version TEXT NOT NULL,"
    " pc_name TEXT NOT NULL)",
    "CREATE INDEX recordings_by_car ON recordings (car_id, started_at)",
    "INSERT INTO brivel_schema (id, version) VALUES (1, 1)",
};

QString inDialect(const char* statement, const Dialect& d)
{
    return QString::fromLatin1(statement)
        .replace(QLatin1String("%BYTES%"), d.bytes)
        .replace(QLatin1String("%KEY%"), d.binaryKey);
}

}  // namespace

Dialect sqlite()
{
    // SQLite compares text by its bytes unless told otherwise. A writer takes
    // the file's write lock at once, so that two writers wait for each other
    // instead of one failing when it turns from reading to writing. Reading
    // the schema reads the header and the first pages: a file that is no
    // database, or is cut short, fails there.
    return {QStringLiteral("BLOB"), QStringLiteral("TEXT"), QStringLiteral("BEGIN IMMEDIATE"),
            QStringLiteral("SELECT COUNT(*) FROM sqlite_master")};
}

Dialect postgres()
{
    // A server's default collation sorts by language; a prefix search over a
    // range of keys needs the bytes' order.
    return {QStringLiteral("BYTEA"), QStringLiteral("TEXT COLLATE \"C\""), QStringLiteral("BEGIN"),
            QStringLiteral("SELECT 1")};
}

QStringList migration(int to, const Dialect& dialect)
{
    QStringList statements;
    if (to == 1)
        for (const char* s : Version1)
            statements << inDialect(s, dialect);
    // Later versions: their statements here, ending with
    // "UPDATE brivel_schema SET version = N WHERE id = 1".
    return statements;
}

}  // namespace brivel::cars::schema
