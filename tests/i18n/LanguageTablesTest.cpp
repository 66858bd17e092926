#include "i18n/Languages.h"
#include "i18n/LinkTable.h"
#include "i18n/MakerDetails.h"
#include "i18n/MessageTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <set>

using namespace brivel;

TEST(LinkTable, TheLinksStartPolishAndFollowTheChosenLanguage)
{
    LinkTable links;
    const QString mail = QString::fromUtf8(MakerDetails::MailLink);
    EXPECT_EQ(links.webAddress(), links.webAddress(MessageTable::Polish));
    EXPECT_EQ(links.mailLink(), mail);

    ASSERT_TRUE(links.setLanguage(MessageTable::Czech));
    EXPECT_EQ(links.webAddress(), QString::fromUtf8(MakerDetails::webAddress(MessageTable::Czech)));
    EXPECT_NE(links.webAddress(), links.webAddress(MessageTable::Polish));
    EXPECT_EQ(links.mailLink(), mail);  // the same in every language

    for (int column : {int(MessageTable::Initial), -1, MessageTable::Columns}) {
        EXPECT_FALSE(links.setLanguage(column));
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
    EXPECT_EQ(columns.count(MessageTable::Initial), 0u);
    EXPECT_FALSE(languageItem(QStringLiteral("polskipl")));
    EXPECT_EQ(languageItem(QString::fromUtf8(DefaultLanguage))->column, MessageTable::Polish);
}
