#pragma once

#include "cars/LibraryOp.h"

#include <QtCore/QList>
#include <QtCore/QString>

namespace brivel::cars {

// The local file that holds the changes the library could not take yet, in
// the order they were made. Each entry is written whole and made durable
// before `append` returns; an entry cut short by a crash or a full disk, or
// damaged later, is passed over on reading, and the entries after it are
// still read. The caller keeps other processes out (see Library).
class Outbox {
public:
    explicit Outbox(QString path);

    const QString& path() const { return path_; }

    // Adds the changes at the end. False when they could not be written: the
    // file is then left as it was (the system's words in `lastError`).
    bool append(const QList<LibraryOp>& ops);
    // The changes held, oldest first.
    QList<LibraryOp> read() const;
    // Removes the first `count` changes (they have been written); the file
    // is replaced whole, or removed when nothing is left. False when it
    // could not be.
    bool dropFirst(int count);

    const QString& lastError() const { return error_; }

private:
    QString path_;
    QString error_;
};

}  // namespace brivel::cars
