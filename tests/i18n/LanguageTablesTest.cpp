#include "i18n/Languages.h"
#include "i18n/LinkTable.h"
#include "i18n/MakerDetails.h"
#include "i18n/MessageTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace brivel;

namespace {

std::vector<QString> allTexts(const MessageTable& table)
{
    std::vector<QString> texts;
    for (int row = 0; row < MessageTable::Rows; ++row)
        for (int column = 0; column < MessageTable::Columns; ++column)
            texts.push_back(table.text(row, column));
    return texts;
}

}  // namespace

class UseLanguageTest : public ::testing::TestWithParam<int> {};

TEST_P(UseLanguageTest, RunTimeMessagesTakeTheLanguageAndNothingElseChanges)
{
    MessageTable table;
    const int column = GetParam();
    std::vector<QString> expected = allTexts(table);
    for (int row = 0; row <= MessageTable::LastRuntimeRow; ++row)
        expected[row * MessageTable::Columns] = table.text(row, column);
    for (int row : MessageTable::AddedRuntimeRows)
        expected[row * MessageTable::Columns] = table.text(row, column);

    ASSERT_TRUE(table.useLanguage(column));
    EXPECT_EQ(allTexts(table), expected);
}

INSTANTIATE_TEST_SUITE_P(MessageTable, UseLanguageTest,
                         ::testing::Values(MessageTable::German, MessageTable::English,
                                           MessageTable::Polish, MessageTable::Czech));

TEST(MessageTable, UseLanguage_RefusesTheWorkingColumnAndColumnsOutsideTheTable)
{
    MessageTable table;
    ASSERT_TRUE(table.useLanguage(MessageTable::English));
    const std::vector<QString> english = allTexts(table);
    for (int column : {int(MessageTable::Working), -1, MessageTable::Columns}) {
        EXPECT_FALSE(table.useLanguage(column)) << column;
        EXPECT_EQ(allTexts(table), english) << column;
    }
}

TEST(LinkTable, TheWorkingEntryStartsPolishAndFollowsTheChosenLanguage)
{
    LinkTable links;
    const QString mail = QString::fromUtf8(MakerDetails::MailLink);
    EXPECT_EQ(links.webAddress(), links.webAddress(MessageTable::Polish));
    EXPECT_EQ(links.mailLink(), mail);

    ASSERT_TRUE(links.choose(MessageTable::Czech));
    EXPECT_EQ(links.webAddress(), QString::fromUtf8(MakerDetails::webAddress(MessageTable::Czech)));
    EXPECT_NE(links.webAddress(), links.webAddress(MessageTable::Polish));
    EXPECT_EQ(links.mailLink(), mail);  // the same in every language

    for (int column : {int(MessageTable::Working), -1, MessageTable::Columns}) {
        EXPECT_FALSE(links.choose(column));
        EXPECT_EQ(links.webAddress(), links.webAddress(MessageTable::Czech));
    }
    EXPECT_EQ(links.webAddress(MessageTable::Columns), QString());
}

struct FlagCase {
    const char* flag;
    const char* item;
};

class FlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagTest, AFlagNamesTheItemAfterItsG)
{
    EXPECT_EQ(languageItemOfFlag(QString::fromUtf8(GetParam().flag)),
              QString::fromUtf8(GetParam().item));
}

INSTANTIATE_TEST_SUITE_P(Languages, FlagTest,
                         ::testing::Values(FlagCase{"GNiemieckiDE", "NiemieckiDE"},
                                           FlagCase{"GCeski", "Ceski"},
                                           FlagCase{"GRussian", "Russian"},
                                           FlagCase{"PolskiPL", ""}, FlagCase{"GPolski", ""},
                                           FlagCase{"G", ""}, FlagCase{"", ""}));

TEST(Languages, OnlyRussianCannotBeChosenAndEachLanguageHasItsOwnColumn)
{
    std::set<int> columns;
    for (const LanguageItem& item : languageItems()) {
        EXPECT_EQ(item.selectable, item.column != MessageTable::Russian) << item.itemName;
        columns.insert(item.column);
        EXPECT_EQ(languageItem(QString::fromUtf8(item.itemName))->column, item.column);
    }
    EXPECT_EQ(columns.size(), std::size_t(LanguageCount));
    EXPECT_EQ(columns.count(MessageTable::Working), 0u);
    EXPECT_FALSE(languageItem(QStringLiteral("polskipl")));
    EXPECT_EQ(languageItem(QString::fromUtf8(DefaultLanguage))->column, MessageTable::Polish);
}
