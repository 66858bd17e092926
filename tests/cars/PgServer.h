#pragma once

#include "cars/LibraryConfig.h"

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QTemporaryDir>
#include <QtCore/QVariant>

#include <memory>

namespace brivel::test {

// A PostgreSQL server of the test run's own: made with initdb in a
// temporary folder and listening only on a Unix socket there. The server
// refuses to run as root, so a root test run makes it the `postgres` user's.
// One server serves a whole test executable; each test takes a fresh
// database of it.
class PgServer {
public:
    // The running server, started at the first call; null, with the reason
    // (what to install) in `whyNot`, when it cannot be.
    static PgServer* instance(QString* whyNot);
    // Stops the server of the run, if one was started.
    static void shutDown();
    // The server makes each commit durable, as a real one does (tests run
    // it without, for speed). Before the first `instance`.
    static void setDurable(bool durable);

    ~PgServer();

    // A new empty database; its name.
    QString createDatabase();
    // The library's settings for a database of this server.
    cars::LibraryConfig config(const QString& database, const QString& outboxFile) const;
    // Runs SQL as the server's superuser in `database`; false when it fails.
    bool exec(const QString& database, const QString& sql);
    // The first value of the first row; an invalid value when it fails.
    QVariant value(const QString& database, const QString& sql);

    // The server goes away at once, as if its machine were switched off, and
    // comes back.
    bool stop();
    bool start();

    const QString& socketDir() const { return dir_; }
    int port() const { return Port; }
    static constexpr const char* Superuser = "brivel";
    // A role that logs in only with its password ("secret").
    static constexpr const char* PasswordUser = "carpw";

private:
    static constexpr int Port = 5432;

    PgServer() = default;
    bool setUp(QString* whyNot);
    bool run(const QString& program, const QStringList& args, QString* output = nullptr);

    QString bin_;
    QString dir_;
    QString user_;  // the system user that runs the server; empty: this one
    int databases_ = 0;
};

}  // namespace brivel::test
