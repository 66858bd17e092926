#pragma once

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace brivel::cars {

// What keeps the library from taking records, if anything.
enum class Problem {
    None,
    Missing,        // no library file yet (only the tools open without making one)
    DriverMissing,  // Qt's driver for the backend is not installed
    Unreachable,    // the server does not answer or refuses the login
    CannotOpen,     // the file cannot be opened or made (a folder, no rights)
    Damaged,        // the file is no database, or a damaged or cut-short one
    Locked,         // another program holds the file
    NewerSchema,    // made by a newer program: left alone
    CannotWrite,    // a write failed (a full disk, a read-only file)
};

struct LibraryStatus {
    Problem problem = Problem::None;
    QString place;          // the file or the server
    QString detail;         // the system's or the server's words
    int schemaVersion = 0;  // NewerSchema: the library's version
    int waiting = 0;        // records waiting to be written (outbox and memory)
    int unsaved = 0;        // of those, records the outbox could not take either

    bool fine() const { return problem == Problem::None && waiting == 0; }
    bool operator==(const LibraryStatus& o) const
    {
        return problem == o.problem && place == o.place && detail == o.detail &&
               schemaVersion == o.schemaVersion && waiting == o.waiting && unsaved == o.unsaved;
    }
    bool operator!=(const LibraryStatus& o) const { return !(*this == o); }
};

}  // namespace brivel::cars

Q_DECLARE_METATYPE(brivel::cars::LibraryStatus)
