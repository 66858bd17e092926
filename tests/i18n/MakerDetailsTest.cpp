#include "i18n/MakerDetails.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QtCore/QUrl>

#include <set>

using namespace brivel;

static QString str(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(MakerDetails, Addresses_UseTheReservedExampleDomain)
{
    EXPECT_TRUE(str(MakerDetails::WebSite).endsWith(QStringLiteral(".example")));
    EXPECT_TRUE(str(MakerDetails::MailAddress).endsWith(QStringLiteral("@kvos.example")));
    EXPECT_EQ(QUrl(str(MakerDetails::HomePage)).host(), str(MakerDetails::WebSite));
    EXPECT_EQ(str(MakerDetails::MailLink),
              QStringLiteral("mailto:") + str(MakerDetails::MailAddress));
    EXPECT_FALSE(str(MakerDetails::Company).isEmpty());
    EXPECT_FALSE(str(MakerDetails::Street).isEmpty());
    EXPECT_FALSE(str(MakerDetails::PostalTown).isEmpty());
}

class WebAddressTest : public ::testing::TestWithParam<int> {};

TEST_P(WebAddressTest, WebAddress_IsAValidPageOfTheMakersSite)
{
    const QUrl url(str(MakerDetails::webAddress(GetParam())));
    EXPECT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), QStringLiteral("https"));
    EXPECT_EQ(url.host(), str(MakerDetails::WebSite));
}

INSTANTIATE_TEST_SUITE_P(MakerDetails, WebAddressTest, ::testing::Range(-1, 7));

TEST(MakerDetails, WebAddress_HasOnePagePerLanguageAndPolishForTheInitialColumn)
{
    std::set<QString> pages;
    for (int column :
         {MessageTable::German, MessageTable::English, MessageTable::Polish, MessageTable::Czech}) {
        pages.insert(str(MakerDetails::webAddress(column)));
    }
    EXPECT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages.count(str(MakerDetails::HomePage)), 0u);
    EXPECT_STREQ(MakerDetails::webAddress(MessageTable::Initial),
                 MakerDetails::webAddress(MessageTable::Polish));
    EXPECT_STREQ(MakerDetails::webAddress(MessageTable::Russian), MakerDetails::HomePage);
}
