#include "PgServer.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QUuid>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>

namespace brivel::test {

namespace {

std::unique_ptr<PgServer>& theServer()
{
    static std::unique_ptr<PgServer> server;
    return server;
}

bool durableServer = false;

// The folder of initdb and pg_ctl: on the PATH, or where Debian keeps each
// server version.
QString serverBinaries()
{
    for (const QString& dir : qEnvironmentVariable("PATH").split(QLatin1Char(':'))) {
        if (QFile::exists(dir + QStringLiteral("/initdb")) &&
            QFile::exists(dir + QStringLiteral("/pg_ctl")))
            return dir;
    }
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(found.begin(), found.end(),
              [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& v : found) {
        const QString bin = versions.filePath(v + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/initdb")))
            return bin;
    }
    return QString();
}

}  // namespace

PgServer* PgServer::instance(QString* whyNot)
{
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        auto server = std::unique_ptr<PgServer>(new PgServer);
        if (server->setUp(&failure))
            theServer() = std::move(server);
    }
    if (!theServer() && whyNot)
        *whyNot = failure;
    return theServer().get();
}

void PgServer::setDurable(bool durable)
{
    durableServer = durable;
}

void PgServer::shutDown()
{
    theServer().reset();
}

bool PgServer::run(const QString& program, const QStringList& args, QString* output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    // The server's user may not enter the folder the tests run in.
    if (!dir_.isEmpty())
        p.setWorkingDirectory(dir_);
    if (user_.isEmpty()) {
        p.start(bin_ + QLatin1Char('/') + program, args);
    } else {
        p.start(QStringLiteral("runuser"),
                QStringList{QStringLiteral("-u"), user_, QStringLiteral("--"),
                            bin_ + QLatin1Char('/') + program} +
                    args);
    }
    const bool finished = p.waitForFinished(60000);
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool PgServer::setUp(QString* whyNot)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *whyNot = QStringLiteral(
            "Qt's PostgreSQL driver is missing: install libqt6sql6-psql "
            "(scripts/install-deps.sh)");
        return false;
    }
    bin_ = serverBinaries();
    if (bin_.isEmpty()) {
        *whyNot = QStringLiteral(
            "no PostgreSQL server binaries (initdb, pg_ctl): install the package postgresql "
            "(scripts/install-deps.sh)");
        return false;
    }
    // A short path: the socket's name must fit in 107 bytes.
    char pattern[] = "/tmp/brivel-pg-XXXXXX";
    if (!mkdtemp(pattern)) {
        *whyNot = QStringLiteral("cannot make a temporary folder");
        return false;
    }
    dir_ = QString::fromLocal8Bit(pattern);
    if (geteuid() == 0) {
        const passwd* pw = getpwnam("postgres");
        if (!pw) {
            *whyNot = QStringLiteral(
                "running as root and there is no `postgres` user to run the server: install "
                "the package postgresql (scripts/install-deps.sh)");
            return false;
        }
        if (chown(pattern, pw->pw_uid, pw->pw_gid) != 0) {
            *whyNot = QStringLiteral("cannot hand the temporary folder to `postgres`");
            return false;
        }
        user_ = QStringLiteral("postgres");
    }
    QString output;
    const QString data = dir_ + QStringLiteral("/data");
    if (!run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), QLatin1String(Superuser),
              QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
              QStringLiteral("UTF8"), QStringLiteral("--no-sync")},
             &output)) {
        *whyNot = QStringLiteral("initdb failed: ") + output;
        return false;
    }
    // The password role logs in with its password only; everyone else is
    // trusted on the socket.
    {
        QFile hba(data + QStringLiteral("/pg_hba.conf"));
        if (!hba.open(QIODevice::ReadOnly)) {
            *whyNot = QStringLiteral("cannot read pg_hba.conf");
            return false;
        }
        const QByteArray rest = hba.readAll();
        hba.close();
        if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *whyNot = QStringLiteral("cannot write pg_hba.conf");
            return false;
        }
        hba.write(QByteArrayLiteral("local all ") + PasswordUser + " scram-sha-256\n" + rest);
    }
    if (!start()) {
        *whyNot = QStringLiteral("the test server did not start: ") + dir_;
        return false;
    }
    if (!exec(QStringLiteral("postgres"), QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'secret'")
                                              .arg(QLatin1String(PasswordUser)))) {
        *whyNot = QStringLiteral("cannot make the password role");
        return false;
    }
    return true;
}

PgServer::~PgServer()
{
    if (!dir_.isEmpty()) {
        run(QStringLiteral("pg_ctl"),
            {QStringLiteral("-D"), dir_ + QStringLiteral("/data"), QStringLiteral("-m"),
             QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
        QDir(dir_).removeRecursively();
    }
}

bool PgServer::start()
{
    return run(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), dir_ + QStringLiteral("/data"), QStringLiteral("-l"),
                dir_ + QStringLiteral("/server.log"), QStringLiteral("-w"), QStringLiteral("-o"),
                QStringLiteral("-k %1 -c listen_addresses= -p %2%3")
                    .arg(dir_)
                    .arg(Port)
                    .arg(durableServer ? QString() : QStringLiteral(" -F")),
                QStringLiteral("start")});
}

bool PgServer::stop()
{
    return run(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), dir_ + QStringLiteral("/data"), QStringLiteral("-m"),
                QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
}

QVariant PgServer::value(const QString& database, const QString& sql)
{
    const QString name = QStringLiteral("pg-admin-") + QUuid::createUuid().toString(QUuid::Id128);
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(dir_);
        db.setPort(Port);
        db.setDatabaseName(database);
        db.setUserName(QLatin1String(Superuser));
        if (db.open()) {
            QSqlQuery q(db);
            if (!q.exec(sql))
                qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
            else if (q.next())
                result = q.value(0);
            else
                result = QStringLiteral("");
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

bool PgServer::exec(const QString& database, const QString& sql)
{
    return value(database, sql).isValid();
}

QString PgServer::createDatabase()
{
    const QString name = QStringLiteral("library_%1").arg(++databases_);
    // Copying the template's files is quicker than logging them (the test
    // server does not sync); servers before 15 know only that way.
    const QString create = QStringLiteral("CREATE DATABASE %1").arg(name);
    if (exec(QStringLiteral("postgres"), create + QStringLiteral(" STRATEGY FILE_COPY")) ||
        exec(QStringLiteral("postgres"), create))
        return name;
    return QString();
}

cars::LibraryConfig PgServer::config(const QString& database, const QString& outboxFile) const
{
    cars::LibraryConfig c;
    c.backend = cars::LibraryConfig::Backend::Postgres;
    c.host = dir_;
    c.port = Port;
    c.database = database;
    c.user = QLatin1String(Superuser);
    c.outboxFile = outboxFile;
    c.connectTimeoutSeconds = 2;
    return c;
}

}  // namespace brivel::test
