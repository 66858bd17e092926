#include "BlockBuilder.h"
#include "Bytes.h"
#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "ScriptedReviewDialog.h"
#include "TestPlatform.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "platform/RecentFolders.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsMenu.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsReview.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <utility>

using namespace brivel;
using namespace brivel::settings;
using brivel::test::bytes;
using Kind = test::ScriptedDialogs::Kind;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SettingsMenuTest : public ::testing::Test {
protected:
    SettingsMenuTest()
    {
        clock.setLocalDateTime(QDateTime(QDate(2024, 5, 6), QTime(10, 20, 37)));
        block = test::settingsBlock({{21, 3}, {22, 1}, {35, 45}, {66, 100}, {558, 1}, {560, 7}});
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // The link has shown the image the latest read asked for: it runs that
    // read's completion, once.
    void settingsRead()
    {
        ASSERT_FALSE(sender.queued.isEmpty());
        ASSERT_TRUE(sender.queued.last().completion);
        const CommandSender::Completion done = std::exchange(sender.queued.last().completion, {});
        done();
    }

    test::ScriptedDialogs dialogs;
    test::RecordingCommandSender sender;
    test::VirtualClock clock;
    MessageTable messages;
    SettingsModel settings{messages};
    int bannersHidden = 0;
    test::ScriptedReviewDialog review;
    test::MemorySettingsStore store;
    RecentFolders folders{store};
    SettingsMenu menu{dialogs, sender, settings, clock, messages, [this] { ++bannersHidden; },
                      review, folders};
    QTemporaryDir dir;
    QByteArray block;
};

TEST_F(SettingsMenuTest, ResetAnsweredNoDoesNothing)
{
    dialogs.confirmAnswers = {false};
    menu.Reset1Click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Kind::Question);
    EXPECT_EQ(
        dialogs.shown()[0].text,
        QStringLiteral("Czy chcesz wykonać reset sterownika i przywrócić ustawienia fabryczne ?"));
    EXPECT_TRUE(sender.queued.isEmpty());
    EXPECT_EQ(sender.busyEntered, 0);
    EXPECT_EQ(bannersHidden, 0);
}

TEST_F(SettingsMenuTest, ResetAnsweredYesHidesTheBannerAndRestoresTheFactorySettings)
{
    dialogs.confirmAnswers = {true};
    menu.Reset1Click();
    EXPECT_EQ(bannersHidden, 1);
    EXPECT_EQ(sender.busyEntered, 1);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued[0].retries, 5);
    EXPECT_EQ(sender.queued[0].command, bytes({0x26}));
    EXPECT_TRUE(sender.queued[0].firstFollowUp.isEmpty());
}

TEST_F(SettingsMenuTest, SaveReadsTheSettingsFirstAndWritesTheImageThatAnswers)
{
    dialogs.saveAnswers = {path("abc")};
    menu.Zapis1Click();
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("*.kvs data file (*.kvs)"));
    EXPECT_EQ(sender.busyEntered, 1);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued[0].retries, 5);
    EXPECT_EQ(sender.queued[0].command, bytes({0x66, 0x00}));
    EXPECT_TRUE(sender.queued[0].firstFollowUp.isEmpty());
    EXPECT_TRUE(sender.queued[0].secondFollowUp.isEmpty());
    EXPECT_FALSE(QFile::exists(path("abc.kvs")));

    settings.setParameterBlock(block);
    settingsRead();
    EXPECT_EQ(readFile(path("abc.kvs")), datafile::encode(block, 37));
    EXPECT_EQ(dialogs.messages(), QStringList());
}

TEST_F(SettingsMenuTest, BothFileDialogsOpenWhereTheSettingsFileUsedLastWas)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("cars")));
    menu.Odczyt1Click();  // cancelled: nothing remembered
    dialogs.saveAnswers = {path("cars/golf")};
    menu.Zapis1Click();
    menu.Odczyt1Click();
    menu.Zapis1Click();
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.shown()[0].folder, QString());
    EXPECT_EQ(dialogs.shown()[1].folder, QString());
    EXPECT_EQ(dialogs.shown()[2].kind, Kind::Open);
    EXPECT_EQ(dialogs.shown()[2].folder, path("cars"));
    EXPECT_EQ(dialogs.shown()[3].kind, Kind::Save);
    EXPECT_EQ(dialogs.shown()[3].folder, path("cars"));
    EXPECT_EQ(store.readString(QStringLiteral("Folders/SettingsFiles")), path("cars"));
}

TEST_F(SettingsMenuTest, CancelledSavesWriteNothing)
{
    menu.Zapis1Click();
    EXPECT_TRUE(sender.queued.isEmpty());
    EXPECT_EQ(sender.busyEntered, 0);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(SettingsMenuTest, ASaveThatCannotWriteShowsTheSystemsMessage)
{
    dialogs.saveAnswers = {path("missing/abc.kvs")};
    menu.Zapis1Click();
    settings.setParameterBlock(block);
    settingsRead();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].kind, Kind::Error);
    EXPECT_FALSE(dialogs.shown()[1].text.isEmpty());
}

TEST_F(SettingsMenuTest, LoadWritesTheSettingsRegionThenReadsItBack)
{
    writeFile(path("car.txt"), datafile::encode(block, 12));
    dialogs.openAnswers = {path("car.txt")};
    menu.Odczyt1Click();
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("*.kvs  data file (*.kvs)"));
    // First the controller's settings afresh, for the review to compare with.
    EXPECT_EQ(sender.busyEntered, 1);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued[0].command, bytes({0x66, 0x00}));
    EXPECT_TRUE(sender.queued[0].secondFollowUp.isEmpty());
    EXPECT_TRUE(review.shown.empty());

    settingsRead();
    EXPECT_EQ(review.shown.size(), 1u);
    EXPECT_EQ(sender.busyEntered, 2);
    ASSERT_EQ(sender.queued.size(), 2);
    EXPECT_EQ(sender.queued[1].command, QByteArray(1, '\x1A') + block.mid(21, 540));
    EXPECT_EQ(sender.queued[1].firstFollowUp, bytes({0x66, 0x00}));
    EXPECT_EQ(sender.queued[1].retries, 5);
    // The read that follows the block write only shows the result: nothing
    // is written twice, no file is saved.
    EXPECT_FALSE(sender.queued[1].completion);
    EXPECT_EQ(review.shown.size(), 1u);
}

TEST_F(SettingsMenuTest, LoadShowsTheReviewAndSendsOnlyTheTickedFields)
{
    // The controller runs 3 cylinders at 40 °C; the file says 4 at 45 °C.
    settings.setParameterBlock(
        test::settingsBlock({{21, 3}, {22, 0}, {35, 40}, {66, 100}, {558, 1}, {560, 7}}));
    writeFile(path("car.kvs"), datafile::encode(block, 12));
    dialogs.openAnswers = {path("car.kvs")};
    review.answer = [](const review::Content& c) {
        std::vector<bool> ticked;
        for (const review::Line& line : c.lines)
            ticked.push_back(line.difference.field != Field::CylinderCount);
        return std::optional<std::vector<bool>>(ticked);
    };
    menu.Odczyt1Click();
    settingsRead();
    ASSERT_EQ(review.shown.size(), 1u);
    EXPECT_FALSE(review.shown[0].warning.isEmpty());
    ASSERT_EQ(review.shown[0].lines.size(), 2u);
    ASSERT_EQ(sender.queued.size(), 2);
    const QByteArray payload = sender.queued[1].command.mid(1);
    EXPECT_EQ(payload[22 - 21], 0);   // unticked: the controller's
    EXPECT_EQ(payload[35 - 21], 45);  // ticked: the file's
    EXPECT_EQ(sender.busyEntered, 2);
}

TEST_F(SettingsMenuTest, OnlyTheLatestOfASaveAndALoadTakesTheRead)
{
    settings.setParameterBlock(block);
    writeFile(path("car.kvs"), datafile::encode(test::settingsBlock({{35, 50}}), 12));
    dialogs.openAnswers = {path("car.kvs")};
    menu.Odczyt1Click();
    dialogs.saveAnswers = {path("saved")};
    menu.Zapis1Click();
    // The queue keeps the latest read's completion only.
    settingsRead();
    EXPECT_TRUE(review.shown.empty());
    EXPECT_EQ(readFile(path("saved.kvs")).size(), 1219);

    dialogs.saveAnswers = {path("other")};
    menu.Zapis1Click();
    dialogs.openAnswers = {path("car.kvs")};
    menu.Odczyt1Click();
    settingsRead();
    EXPECT_EQ(review.shown.size(), 1u);
    EXPECT_FALSE(QFile::exists(path("other.kvs")));
}

TEST_F(SettingsMenuTest, LoadCancelledOrWithNothingDifferentSendsNothing)
{
    writeFile(path("car.kvs"), datafile::encode(block, 12));
    settings.setParameterBlock(test::settingsBlock({{35, 40}}));
    review.answer = [](const review::Content&) { return std::optional<std::vector<bool>>(); };
    dialogs.openAnswers = {path("car.kvs")};
    menu.Odczyt1Click();
    settingsRead();
    EXPECT_EQ(review.shown.size(), 1u);

    // The same settings in the controller, whatever its fault memory holds.
    QByteArray same = block;
    same[561] = 0x03;
    settings.setParameterBlock(same);
    dialogs.clear();
    dialogs.openAnswers = {path("car.kvs")};
    menu.Odczyt1Click();
    settingsRead();
    EXPECT_EQ(review.shown.size(), 1u);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].kind, Kind::Message);
    EXPECT_EQ(dialogs.shown()[1].text,
              messages.text(msg::Row::NothingDiffers, MessageTable::Initial));
    // Only the two reads went out, never a block write.
    EXPECT_EQ(sender.commands(), (QList<QByteArray>{bytes({0x66, 0x00}), bytes({0x66, 0x00})}));
}

struct BadFile {
    const char* name;
    QByteArray bytes;
};

class LoadRefuses : public SettingsMenuTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(LoadRefuses, WithDataFileErrorAndSendsNothing)
{
    writeFile(path("bad.kvs"), GetParam().bytes);
    dialogs.openAnswers = {path("bad.kvs")};
    menu.Odczyt1Click();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].kind, Kind::Message);
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("Data file error"));
    EXPECT_TRUE(sender.queued.isEmpty());
    EXPECT_EQ(sender.busyEntered, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadRefuses,
    ::testing::Values(BadFile{"ForeignMagic", "KVOS DATA FILE v3.07.08" + QByteArray(1200, '\0')},
                      BadFile{"ShortOfTheRegion",
                              datafile::encode(test::settingsBlock(), 5).left(1138)}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SettingsMenuTest, LoadOfAMissingFileShowsTheSystemsMessage)
{
    dialogs.openAnswers = {path("none.kvs")};
    menu.Odczyt1Click();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].kind, Kind::Error);
    EXPECT_TRUE(sender.queued.isEmpty());
}

}  // namespace

TEST_F(SettingsMenuTest, TheReviewWritesNumbersAsTheChosenLanguageDoesWithoutGroupSeparators)
{
    struct Case {
        int column;
        const char* controller;
        const char* file;
    };
    // 1500 rpm must never read as "1,500" or "1.500": in one language or
    // the other that is one and a half.
    const Case cases[] = {
        {MessageTable::German, "1500 rpm", "12000 rpm"},
        {MessageTable::Polish, "1500 rpm", "12000 rpm"},
        {MessageTable::English, "1500 rpm", "12000 rpm"},
        {MessageTable::Czech, "1500 rpm", "12000 rpm"},
    };
    settings.setParameterBlock(
        test::settingsBlock({{21, 3}, {22, 1}, {23, 15}, {24, 120}, {66, 100}, {558, 1}}));
    writeFile(path("car.kvs"),
              datafile::encode(test::settingsBlock(
                                   {{21, 3}, {22, 1}, {23, 120}, {24, 120}, {66, 100}, {558, 1}}),
                               12));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        messages.setLanguage(c.column);
        review.shown.clear();
        review.answer = [](const review::Content&) { return std::optional<std::vector<bool>>(); };
        dialogs.openAnswers = {path("car.kvs")};
        menu.Odczyt1Click();
        settingsRead();
        ASSERT_EQ(review.shown.size(), 1u);
        const auto& lines = review.shown[0].lines;
        const auto rpm = std::find_if(lines.begin(), lines.end(), [](const review::Line& l) {
            return l.difference.field == Field::SwitchOverRpm;
        });
        ASSERT_NE(rpm, lines.end());
        EXPECT_EQ(rpm->controller, QString::fromUtf8(c.controller));
        EXPECT_EQ(rpm->file, QString::fromUtf8(c.file));
    }
}
