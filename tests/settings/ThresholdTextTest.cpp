#include "QtPrinters.h"
#include "settings/ThresholdText.h"

#include <gtest/gtest.h>

using namespace brivel::settings;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Polish(QLocale::Polish, QLocale::Poland);
const QLocale German(QLocale::German, QLocale::Germany);
const QLocale Czech(QLocale::Czech, QLocale::CzechRepublic);

struct SliderCase {
    float value;
    const char* comma;
};

class SliderText : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SliderText, HasAtMostThreeSignificantDigits)
{
    const QString comma = QString::fromUtf8(GetParam().comma);
    EXPECT_EQ(threshold::sliderText(GetParam().value, Polish), comma);
    EXPECT_EQ(threshold::sliderText(GetParam().value, English),
              QString(comma).replace(QLatin1Char(','), QLatin1Char('.')));
}

INSTANTIATE_TEST_SUITE_P(Threshold, SliderText,
                         ::testing::Values(SliderCase{0.7f, "0,7"}, SliderCase{1.25f, "1,25"},
                                           SliderCase{1.6f, "1,6"}, SliderCase{5.0f, "5"},
                                           SliderCase{0.0f, "0"}, SliderCase{0.05f, "0,05"},
                                           SliderCase{4.99f, "4,99"}));

TEST(ThresholdText, StoredVoltagesAreShownWithTwoDecimals)
{
    EXPECT_EQ(threshold::storedText(0x24, Polish), QStringLiteral("0,71"));
    EXPECT_EQ(threshold::storedText(0xFF, Polish), QStringLiteral("5,00"));
    EXPECT_EQ(threshold::storedText(0x00, English), QStringLiteral("0.00"));
    EXPECT_EQ(threshold::storedText(0x70, English), QStringLiteral("2.20"));
}

TEST(ThresholdText, EveryStoredValueReadsBackUnchangedInEveryLocale)
{
    for (const QLocale& locale : {English, Polish, German, Czech, QLocale::c()})
        for (int b = 0; b <= 255; ++b) {
            const QString text = threshold::storedText(static_cast<quint8>(b), locale);
            const auto volts = threshold::parse(text, locale);
            ASSERT_TRUE(volts.has_value()) << text.toStdString();
            EXPECT_EQ(threshold::storedByte(*volts), b) << text.toStdString();
        }
}

TEST(ThresholdText, PresetsAreWrittenAndParsedAlikeInEveryLocale)
{
    const quint8 rising[] = {0x24, 0x4C, 0x70, 0x8F};
    for (const QLocale& locale : {English, Polish, German, Czech}) {
        const auto up = threshold::presetTexts(0, locale);
        const auto down = threshold::presetTexts(1, locale);
        ASSERT_TRUE(up && down);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(threshold::storedByte(*threshold::parse((*up)[i], locale)), rising[i]);
            EXPECT_EQ(threshold::storedByte(*threshold::parse((*down)[i], locale)), rising[3 - i]);
        }
    }
    EXPECT_EQ(*threshold::presetTexts(1, Polish),
              (std::array<QString, 4>{"2,80", "2,20", "1,50", "0,70"}));
    EXPECT_EQ(*threshold::presetTexts(0, English),
              (std::array<QString, 4>{"0.70", "1.50", "2.20", "2.80"}));
    EXPECT_FALSE(threshold::presetTexts(-1, English).has_value());
}

struct ParseCase {
    const char* text;
    double volts;  // negative: no number
};

class ThresholdParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ThresholdParse, TakesEitherSeparatorInAnyLocale)
{
    for (const QLocale& locale : {English, Polish}) {
        const auto volts = threshold::parse(QString::fromUtf8(GetParam().text), locale);
        if (GetParam().volts < 0) {
            EXPECT_FALSE(volts.has_value()) << GetParam().text;
        } else {
            ASSERT_TRUE(volts.has_value()) << GetParam().text;
            EXPECT_DOUBLE_EQ(*volts, GetParam().volts);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Threshold, ThresholdParse,
                         ::testing::Values(ParseCase{"0,70", 0.70}, ParseCase{"0.70", 0.70},
                                           ParseCase{"1,6", 1.6}, ParseCase{" 2.8 ", 2.8},
                                           ParseCase{"5", 5.0}, ParseCase{"0,00", 0.0},
                                           ParseCase{"", -1}, ParseCase{"abc", -1},
                                           ParseCase{"nan", -1}, ParseCase{"inf", -1},
                                           ParseCase{"1,2,3", -1}));

TEST(ThresholdText, VoltsAreStoredTimes51TiesToEven)
{
    EXPECT_EQ(threshold::storedByte(0.70), 0x24);  // 35.7
    EXPECT_EQ(threshold::storedByte(1.50), 0x4C);  // 76.5, a tie
    EXPECT_EQ(threshold::storedByte(1.60), 0x52);
    EXPECT_EQ(threshold::storedByte(5.00), 0xFF);
}

}  // namespace

TEST(ThresholdText, WhileTheSliderMovesTheBoxShowsWhatTheControllerWillHold)
{
    struct Case {
        float slider;
        const char* held;
    };
    // The slider moves in hundredths of a volt, the controller keeps 51ths.
    const Case cases[] = {{1.60f, "1,61"}, {0.70f, "0,71"}, {1.50f, "1,49"},
                          {5.00f, "5,00"}, {0.00f, "0,00"}, {2.20f, "2,20"}};
    for (const Case& c : cases)
        EXPECT_EQ(threshold::heldText(c.slider, Polish), QString::fromUtf8(c.held)) << c.slider;
}
