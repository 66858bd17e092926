#include "cars/LibraryConfig.h"

#include "platform/SettingsStore.h"

#include <QtCore/QDir>
#include <QtCore/QSettings>
#include <QtCore/QStandardPaths>

#include <functional>

namespace brivel::cars {

namespace {

const QString SqliteFileName = QStringLiteral("library.sqlite");
const QString OutboxFileName = QStringLiteral("library-outbox.bin");

LibraryConfig read(const std::function<QString(const QString&)>& value, const QString& dataFolder)
{
    LibraryConfig c;
    const QString backend = value(QStringLiteral("Library/Backend")).trimmed().toLower();
    if (backend == QLatin1String("postgresql") || backend == QLatin1String("postgres") ||
        backend == QLatin1String("pg"))
        c.backend = LibraryConfig::Backend::Postgres;
    const QString file = value(QStringLiteral("Library/File")).trimmed();
    c.file = file.isEmpty() ? QDir(dataFolder).filePath(SqliteFileName) : file;
    c.host = value(QStringLiteral("Library/Host")).trimmed();
    bool ok = false;
    const int port = value(QStringLiteral("Library/Port")).trimmed().toInt(&ok);
    if (ok && port > 0 && port < 65536)
        c.port = port;
    c.database = value(QStringLiteral("Library/Database")).trimmed();
    c.user = value(QStringLiteral("Library/User")).trimmed();
    c.service = value(QStringLiteral("Library/Service")).trimmed();
    const QString outbox = value(QStringLiteral("Library/Outbox")).trimmed();
    c.outboxFile = outbox.isEmpty() ? QDir(dataFolder).filePath(OutboxFileName) : outbox;
    return c;
}

}  // namespace

QString LibraryConfig::place() const
{
    if (backend == Backend::Sqlite)
        return file;
    if (!service.isEmpty() && host.isEmpty())
        return QStringLiteral("service=%1").arg(service);
    QString where = host.isEmpty() ? QStringLiteral("localhost") : host;
    if (!user.isEmpty())
        where = user + QLatin1Char('@') + where;
    return QStringLiteral("%1:%2/%3").arg(where).arg(port).arg(database);
}

bool LibraryConfig::operator==(const LibraryConfig& o) const
{
    return backend == o.backend && file == o.file && host == o.host && port == o.port &&
           database == o.database && user == o.user && service == o.service &&
           outboxFile == o.outboxFile && connectTimeoutSeconds == o.connectTimeoutSeconds;
}

QString defaultDataFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("KVOS/Brivel"));
}

LibraryConfig readLibraryConfig(const SettingsStore& store, const QString& dataFolder)
{
    return read([&store](const QString& key) { return store.readString(key); }, dataFolder);
}

LibraryConfig readLibraryConfig(const QString& iniPath, const QString& dataFolder)
{
    const QSettings settings(iniPath, QSettings::IniFormat);
    return read([&settings](const QString& key) { return settings.value(key).toString(); },
                dataFolder);
}

QString userSettingsFile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("KVOS"),
                     QStringLiteral("Brivel"))
        .fileName();
}

}  // namespace brivel::cars
