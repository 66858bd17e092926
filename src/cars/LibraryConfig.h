#pragma once

#include <QtCore/QString>

namespace brivel {
class SettingsStore;
}

namespace brivel::cars {

// Where the car library lives. By default an SQLite file in the user's data
// folder; a workshop with several PCs points each of them at one PostgreSQL
// server through the `[Library]` section of the settings file:
//
//   [Library]
//   Backend=postgresql
//   Host=server.local
//   Port=5432
//   Database=brivel
//   User=brivel
//
// (or Service=NAME for an entry of the PostgreSQL service file). The password
// is never read from the settings file: the client library finds it in the
// password file (~/.pgpass or PGPASSFILE) or the service file.
struct LibraryConfig {
    enum class Backend { Sqlite, Postgres };

    Backend backend = Backend::Sqlite;
    QString file;  // SQLite: the database file
    QString host;  // PostgreSQL; a path is the folder of the server's socket
    int port = 5432;
    QString database;
    QString user;
    QString service;
    // Records that could not be written yet wait in this file.
    QString outboxFile;
    int connectTimeoutSeconds = 5;

    // Where the library is, for messages: the file, or user@host:port/database.
    QString place() const;
    bool operator==(const LibraryConfig& o) const;
};

// The program's data folder: $XDG_DATA_HOME (or ~/.local/share) /KVOS/Brivel.
QString defaultDataFolder();

// The configuration the settings store holds; what it leaves out takes the
// defaults (SQLite "library.sqlite" and the outbox "library-outbox.bin" in
// `dataFolder`). An unknown backend name reads as SQLite.
LibraryConfig readLibraryConfig(const SettingsStore& store,
                                const QString& dataFolder = defaultDataFolder());

// The same, read from the settings file at `iniPath` (the tools' way).
LibraryConfig readLibraryConfig(const QString& iniPath,
                                const QString& dataFolder = defaultDataFolder());

// The user's settings file the window keeps its values in.
QString userSettingsFile();

}  // namespace brivel::cars
