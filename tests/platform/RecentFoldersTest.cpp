#include "TestPlatform.h"
#include "platform/RecentFolders.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>

using namespace brivel;
using Kind = RecentFolders::Kind;

namespace {

class RecentFoldersTest : public ::testing::Test {
protected:
    RecentFoldersTest()
    {
        QDir(dir.path()).mkpath(QStringLiteral("cars"));
        QDir(dir.path()).mkpath(QStringLiteral("drives"));
    }
    QString sub(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    test::MemorySettingsStore store;
    RecentFolders folders{store};
};

TEST_F(RecentFoldersTest, EachKindOpensWhereItsLastFileWasAndKeepsItInTheStore)
{
    EXPECT_EQ(folders.folder(Kind::SettingsFiles), QString());
    EXPECT_EQ(folders.folder(Kind::Recordings, sub("drives")), sub("drives"));

    folders.remember(Kind::SettingsFiles, sub("cars/golf.kvs"));
    folders.remember(Kind::Reports, sub("drives/report.html"));
    EXPECT_EQ(folders.folder(Kind::SettingsFiles), sub("cars"));
    EXPECT_EQ(folders.folder(Kind::Reports), sub("drives"));
    // A kind of its own: the recordings still open in their first folder.
    EXPECT_EQ(folders.folder(Kind::Recordings, sub("drives")), sub("drives"));
    EXPECT_EQ(store.values().value(QStringLiteral("Folders/SettingsFiles")).toString(),
              sub("cars"));
    EXPECT_GE(store.flushes, 1);

    // The next start reads the same store.
    RecentFolders next(store);
    EXPECT_EQ(next.folder(Kind::SettingsFiles), sub("cars"));
}

TEST_F(RecentFoldersTest, AFolderGoneOrAStoreThatFailsFallsBackToTheFirstFolder)
{
    folders.remember(Kind::Recordings, sub("old/drive.csv"));  // never existed
    EXPECT_EQ(folders.folder(Kind::Recordings, sub("drives")), sub("drives"));

    folders.remember(Kind::Recordings, sub("cars/drive.csv"));
    store.failReads = true;
    EXPECT_EQ(folders.folder(Kind::Recordings, sub("drives")), sub("drives"));
    store.failReads = false;

    // A store that cannot be written keeps the folder from before, silently.
    store.failWrites = true;
    folders.remember(Kind::Recordings, sub("drives/drive.csv"));
    EXPECT_EQ(folders.folder(Kind::Recordings), sub("cars"));
}

}  // namespace
