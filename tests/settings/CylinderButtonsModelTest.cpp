#include "BlockBuilder.h"
#include "i18n/MessageTable.h"
#include "settings/BlockLayout.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>

using namespace brivel;
using namespace brivel::settings;
using Colour = CylinderButtonsModel::OffColour;

namespace {

constexpr int Mask = 20;
constexpr int Count = 22;

class CylinderButtonsModelTest : public ::testing::Test {
protected:
    MessageTable messages;
    SettingsModel settings{messages};
    CylinderButtonsModel model{settings};
    QSignalSpy told{&model, &CylinderButtonsModel::buttonsChanged};
};

}  // namespace

TEST_F(CylinderButtonsModelTest, AnImageSetsFittedCheckedAndColourAndTheMaskFollows)
{
    // Four cylinders, 1, 2 and 4 on gas.
    settings.setParameterBlock(test::settingsBlock({{Count, 1}, {Mask, 0x0B}}));
    ASSERT_EQ(told.count(), 1);
    const auto buttons = told.at(0).at(0).value<CylinderButtonsModel::Buttons>();
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(model.button(k).enabled, k < 4) << k;
        EXPECT_EQ(model.button(k).offColour, k < 4 ? Colour::Red : Colour::Grey) << k;
        EXPECT_EQ(buttons[k].checked, model.button(k).checked) << k;
    }
    EXPECT_EQ(model.cylinderButtonMask(), 0x0B);

    // A cylinder count the window does not know leaves the first three
    // buttons' colour as it was and enables every button.
    settings.setParameterBlock(test::settingsBlock({{Count, 4}, {Mask, 0x00}}));
    EXPECT_EQ(told.count(), 2);
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(model.button(k).enabled) << k;
        EXPECT_EQ(model.button(k).offColour, k < 3 ? Colour::Red : Colour::Grey) << k;
    }
    EXPECT_EQ(model.cylinderButtonMask(), 0x00);
}

TEST_F(CylinderButtonsModelTest, ClicksToggleFittedCylindersOnlyAndADisconnectGreysAll)
{
    settings.setParameterBlock(test::settingsBlock({{Count, 0}, {Mask, 0x07}}));
    EXPECT_TRUE(model.toggle(1));
    EXPECT_EQ(model.cylinderButtonMask(), 0x05);
    EXPECT_FALSE(model.toggle(3));  // three cylinders: the fourth is not fitted
    EXPECT_FALSE(model.toggle(8));
    EXPECT_EQ(model.cylinderButtonMask(), 0x05);
    EXPECT_EQ(told.count(), 2);  // the image and the one real toggle

    model.greyOut();
    EXPECT_EQ(told.count(), 3);
    EXPECT_EQ(model.cylinderButtonMask(), 0x00);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(model.button(k).offColour, Colour::Grey) << k;
}

TEST_F(CylinderButtonsModelTest, TheFaultListClearedLeavesTheButtonsAlone)
{
    settings.setParameterBlock(test::settingsBlock({{Count, 0}, {Mask, 0x07}}));
    model.toggle(0);
    settings.clearStoredFaultText();
    settings.chooseEngineType(1);
    EXPECT_EQ(told.count(), 2);
    EXPECT_EQ(model.cylinderButtonMask(), 0x06);
}
