#pragma once

#include "cars/CarStore.h"
#include "cars/Outbox.h"

#include <QtCore/QList>

namespace brivel::cars {

// The library as the program uses it: the store, and the outbox for what the
// store cannot take now. A change that cannot be written goes to the outbox
// (or, when even that cannot be written, is held in memory) and is written,
// in the order made, when the store opens again; nothing made is dropped.
// One thread uses it (the library's own).
class Library {
public:
    explicit Library(LibraryConfig config);

    // Opens the store and writes what waits.
    void start();
    // Opens the store again if it is closed, and writes what waits.
    void retry();

    struct Submitted {
        CarStore::Written outcome = CarStore::Written::Failed;
        Car car;               // AddCar: the car stored; PlateTaken: the plate's car
        bool waiting = false;  // not written yet: in the outbox or in memory
    };
    Submitted submit(const LibraryOp& op);

    // The store for queries while it is open; a failed query calls
    // `queryFailed`.
    CarStore& store() { return store_; }
    bool isOpen() const { return store_.isOpen(); }
    void queryFailed();

    LibraryStatus status() const;
    int waiting() const { return outboxCount_ + static_cast<int>(memory_.size()); }

private:
    void down();
    void queue(const LibraryOp& op);
    // Writes what waits, oldest first; stops at the first change the store
    // does not take.
    void flush();
    int countOutbox();

    CarStore store_;
    Outbox outbox_;
    QList<LibraryOp> memory_;
    int outboxCount_ = 0;
};

}  // namespace brivel::cars
