#include "LibraryFixture.h"

#include "i18n/MessageTable.h"
#include "sim/SettingsImage.h"

#include <QtCore/QFile>

namespace brivel::test {

namespace {

// The run's server stops when the tests are done, while Qt is still there.
class StopServer : public ::testing::Environment {
public:
    void TearDown() override { PgServer::shutDown(); }
};

const auto* const stopServer = ::testing::AddGlobalTestEnvironment(new StopServer);

}  // namespace

std::string backendName(const ::testing::TestParamInfo<Backend>& info)
{
    return info.param == Backend::Postgres ? "PostgreSQL" : "SQLite";
}

void LibraryTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    if (postgres()) {
        QString whyNot;
        server = PgServer::instance(&whyNot);
        if (!server)
            GTEST_SKIP() << whyNot.toStdString();
    }
    freshLibrary(QStringLiteral("library"));
}

void LibraryTest::freshLibrary(const QString& name)
{
    const QString outbox = path(name + QStringLiteral("-outbox.bin"));
    if (postgres()) {
        database = server->createDatabase();
        ASSERT_FALSE(database.isEmpty());
        config = server->config(database, outbox);
    } else {
        folder = path(name);
        config = cars::LibraryConfig{};
        config.backend = cars::LibraryConfig::Backend::Sqlite;
        config.file = folder + QStringLiteral("/library.sqlite");
        config.outboxFile = outbox;
    }
}

void LibraryTest::takeDown()
{
    if (postgres()) {
        ASSERT_TRUE(server->stop());
        return;
    }
    // The library's folder cannot be made while a file holds its name; an
    // open library's folder is put aside.
    if (QFile::exists(folder)) {
        ASSERT_TRUE(QFile::rename(folder, folder + QStringLiteral("-aside")));
    }
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
}

void LibraryTest::bringBack()
{
    if (postgres()) {
        ASSERT_TRUE(server->start());
        return;
    }
    QFile::remove(folder);
    if (QFile::exists(folder + QStringLiteral("-aside"))) {
        ASSERT_TRUE(QFile::rename(folder + QStringLiteral("-aside"), folder));
    }
}

settings::MessageLookup english()
{
    static const MessageTable table;
    return [](msg::Row row) { return table.text(row, MessageTable::English); };
}

QByteArray carImage(int workingPressure, const QByteArray& faults, int cylinderCode)
{
    sim::SettingsImage image;
    image.set(sim::SettingsImage::WorkingPressure, static_cast<quint8>(workingPressure));
    image.set(sim::SettingsImage::CylinderCount, static_cast<quint8>(cylinderCode));
    image.clearFaultMemory();
    if (!faults.isEmpty())
        image.setFaultMemory(faults);
    return image.reply(0x66);
}

}  // namespace brivel::test
