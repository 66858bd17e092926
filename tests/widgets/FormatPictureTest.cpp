#include "KitTest.h"

#include "widgets/FormatPicture.h"

namespace brivel::picture {
namespace {

using test::ScopedLocale;

struct PictureCase {
    const char* picture;
    double value;
    const char* english;
    const char* polish;
};

class FormatPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(FormatPicture, WithEnglishPointAndPolishComma)
{
    const PictureCase& c = GetParam();
    const QString picture = QString::fromUtf8(c.picture);
    {
        ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(formatFloat(c.value, picture), QString::fromUtf8(c.english));
    }
    {
        ScopedLocale polish(QLocale(QLocale::Polish, QLocale::Poland));
        EXPECT_EQ(formatFloat(c.value, picture), QString::fromUtf8(c.polish));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatPicture,
    ::testing::Values(
        PictureCase{"##0.0", 12.34, "12.3", "12,3"}, PictureCase{"##0.0", 0.0, "0.0", "0,0"},
        PictureCase{"##0.0", 12.25, "12.3", "12,3"},           // exact tie: away from zero
        PictureCase{"##0.0", double(12.45f), "12.4", "12,4"},  // a single just below the tie
        PictureCase{"##0.0", 12.97, "13.0", "13,0"},           // carries into the units
        PictureCase{"##0.0", -128.0, "-128.0", "-128,0"},
        PictureCase{"##0.0", -0.04, "0.0", "0,0"},            // no negative zero
        PictureCase{"##0.0", 9999.96, "10000.0", "10000,0"},  // more digits than places
        PictureCase{"##0", 3.5, "4", "4"}, PictureCase{"###0", 25500.0, "25500", "25500"},
        PictureCase{"0.00", 0.7, "0.70", "0,70"}, PictureCase{"#0.00", 1.25, "1.25", "1,25"},
        PictureCase{"#.##", 0.5, ".5", ",5"}, PictureCase{"0.0#", 1.5, "1.5", "1,5"},
        PictureCase{"0.0#", 1.234, "1.23", "1,23"}, PictureCase{"000", 7.0, "007", "007"},
        PictureCase{"#,##0", 1234567.0, "1,234,567", "1\u00a0234\u00a0567"},
        PictureCase{"0.0;(0.0)", -1.5, "(1.5)", "(1,5)"},
        PictureCase{"0.0;-0.0;'zero'", 0.0, "zero", "zero"},
        PictureCase{"0.0' V'", 1.5, "1.5 V", "1,5 V"}));

TEST(WidthTemplate, IsThePictureOrItsLongestSection)
{
    EXPECT_EQ(widthTemplate(QStringLiteral("##0.0")), QStringLiteral("##0.0"));
    EXPECT_EQ(widthTemplate(QStringLiteral("0.0;(0.0)")), QStringLiteral("(0.0)"));
}

TEST(FormatPictureSpecials, NotANumberAndEmptyPicture)
{
    EXPECT_EQ(formatFloat(std::nan(""), QStringLiteral("##0.0")), QStringLiteral("NAN"));
    EXPECT_EQ(formatFloat(2.5, QString()), QStringLiteral("2.5"));
}

}  // namespace
}  // namespace brivel::picture
