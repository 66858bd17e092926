#include "BlockBuilder.h"
#include "FullDisk.h"
#include "QtPrinters.h"
#include "settings/SettingsFileIo.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

using namespace brivel::settings;
using brivel::test::settingsBlock;

namespace {

namespace df = datafile;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsFileIo : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    const QByteArray block = settingsBlock({{22, 5}, {20, 0xFF}, {66, 123}});
};

TEST_F(SettingsFileIo, SavedFileLoadsBackTheSettings)
{
    const QString file = df::fileNameFor(path(QStringLiteral("car")));
    EXPECT_EQ(df::save(file, block, 37), QString()) << file.toStdString();
    EXPECT_EQ(readAll(path(QStringLiteral("car.kvs"))), df::encode(block, 37));
    const df::LoadResult loaded = df::load(file);
    EXPECT_EQ(loaded.error, QString());
    ASSERT_TRUE(loaded.contents.has_value());
    EXPECT_EQ(loaded.contents->settingsRegion(), block.mid(21, 540));
}

TEST_F(SettingsFileIo, LoadingAnyExtensionWorks)
{
    const QString file = path(QStringLiteral("car.txt"));
    ASSERT_EQ(df::save(file, block, 3), QString());
    EXPECT_TRUE(df::load(file).contents.has_value());
}

TEST_F(SettingsFileIo, ForeignOrShortFilesAreDataFileErrors)
{
    const QByteArray good = df::encode(block, 37);
    QByteArray foreign = good;
    foreign[5] = 'X';
    for (const QByteArray& bytes : {foreign, good.left(1138), QByteArray("hello")}) {
        const QString file = path(QStringLiteral("bad.kvs"));
        ASSERT_EQ(df::writeAtomically(file, bytes), QString());
        const df::LoadResult loaded = df::load(file);
        EXPECT_EQ(loaded.error, QStringLiteral("Data file error"));
        EXPECT_FALSE(loaded.contents.has_value());
    }
}

TEST_F(SettingsFileIo, FileSystemFailuresGiveTheSystemsMessage)
{
    const df::LoadResult missing = df::load(path(QStringLiteral("none.kvs")));
    EXPECT_FALSE(missing.contents.has_value());
    EXPECT_FALSE(missing.error.isEmpty());
    EXPECT_NE(missing.error, QStringLiteral("Data file error"));

    const QString error = df::save(path(QStringLiteral("no/such/folder/car.kvs")), block, 1);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("no/such/folder/car.kvs"))));
}

TEST_F(SettingsFileIo, InterruptedSaveLeavesTheOldFileAsItWas)
{
    const QString file = path(QStringLiteral("car.kvs"));
    ASSERT_EQ(df::save(file, block, 10), QString());
    const QByteArray before = readAll(file);

    const QByteArray other = settingsBlock({{22, 0}, {20, 0x07}});
    QString error;
    {
        const brivel::test::FullDisk diskFull(500);
        error = df::save(file, other, 20);
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(file), before);
    // Nothing half-written is left beside it either.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("car.kvs")});

    EXPECT_EQ(df::save(file, other, 20), QString());
    EXPECT_EQ(readAll(file), df::encode(other, 20));
}

}  // namespace
