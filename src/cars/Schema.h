#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

// The library's tables, one schema for SQLite and PostgreSQL. Only the words
// for a byte string and for a key compared byte by byte differ between them,
// and how a writing transaction begins and a library is first looked at.
namespace brivel::cars::schema {

inline constexpr int CurrentVersion = 1;

// The table holding the version, one row with id 1.
inline const QString VersionTable = QStringLiteral("brivel_schema");

struct Dialect {
    QString bytes;      // a column of raw bytes
    QString binaryKey;  // text compared and sorted by its bytes
    QString begin;      // begins a transaction that writes
    QString probe;      // reads enough to tell a damaged library
};
Dialect sqlite();
Dialect postgres();

// The statements that take a library from version `to - 1` to `to`
// (`to` = 1 makes the first tables). They include setting the version.
QStringList migration(int to, const Dialect& dialect);

}  // namespace brivel::cars::schema
