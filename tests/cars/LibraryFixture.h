#pragma once

#include "PgServer.h"
#include "cars/CarStore.h"
#include "cars/LibraryConfig.h"
#include "settings/StoredFaults.h"

#include <gtest/gtest.h>

#include <QtCore/QByteArray>
#include <QtCore/QTemporaryDir>

#include <string>

namespace brivel::test {

enum class Backend { Sqlite, Postgres };

std::string backendName(const ::testing::TestParamInfo<Backend>& info);

// A fresh, empty library for each test, on the backend of the test's
// parameter: an SQLite file in a temporary folder, or a new database of the
// run's own PostgreSQL server (skipped, saying what to install, where the
// server cannot run).
class LibraryTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;

    bool postgres() const { return GetParam() == Backend::Postgres; }
    QString path(const QString& name) const { return dir.filePath(name); }

    // Points `config` at a new, empty library named `name`.
    void freshLibrary(const QString& name);

    // The library cannot be reached (a server that is stopped, a file whose
    // folder cannot be made) and comes back.
    void takeDown();
    void bringBack();

    QTemporaryDir dir;
    cars::LibraryConfig config;
    PgServer* server = nullptr;
    QString database;
    QString folder;  // SQLite: the library's folder
};

// A whole settings image as the controller sends it, with the working
// pressure in hundredths of a bar, the first entries of the fault memory
// and the cylinder count's code.
QByteArray carImage(int workingPressure, const QByteArray& faults = QByteArray(),
                    int cylinderCode = 1);

// The message table's English texts.
settings::MessageLookup english();

// Opens a store on `config` for the test's own checks.
struct OpenStore {
    explicit OpenStore(const cars::LibraryConfig& config) : store(config) { ok = store.open(); }
    cars::CarStore store;
    bool ok = false;
};

}  // namespace brivel::test
