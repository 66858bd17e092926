#include "BlockBuilder.h"
#include "i18n/MessageTable.h"
#include "settings/BlockLayout.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/ParameterBlockDecoder.h"

#include <gtest/gtest.h>

#include <QtCore/QLocale>

using namespace brivel;
using namespace brivel::settings;
using Colour = CylinderButtonsModel::OffColour;

namespace {

constexpr int Mask = 20;
constexpr int Count = 22;

void showImage(CylinderButtonsModel& model, const QByteArray& block)
{
    static const MessageTable table;
    model.show(decodeParameterBlock(
                   block, [](msg::Row row) { return table.text(row); }, QLocale::c())
                   .cylinders);
}

}  // namespace

TEST(CylinderButtonsModel, AnImageSetsFittedCheckedAndColourAndTheMaskFollows)
{
    CylinderButtonsModel model;
    int told = 0;
    model.addListener([&told] { ++told; });
    // Four cylinders, 1, 2 and 4 on gas.
    showImage(model, test::settingsBlock({{Count, 1}, {Mask, 0x0B}}));
    EXPECT_EQ(told, 1);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(model.button(k).enabled, k < 4) << k;
        EXPECT_EQ(model.button(k).offColour, k < 4 ? Colour::Red : Colour::Grey) << k;
    }
    EXPECT_EQ(model.cylinderButtonMask(), 0x0B);

    // A cylinder count the window does not know leaves the first three
    // buttons' colour as it was and enables every button.
    showImage(model, test::settingsBlock({{Count, 4}, {Mask, 0x00}}));
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(model.button(k).enabled) << k;
        EXPECT_EQ(model.button(k).offColour, k < 3 ? Colour::Red : Colour::Grey) << k;
    }
    EXPECT_EQ(model.cylinderButtonMask(), 0x00);
}

TEST(CylinderButtonsModel, ClicksToggleFittedCylindersOnlyAndADisconnectGreysAll)
{
    CylinderButtonsModel model;
    showImage(model, test::settingsBlock({{Count, 0}, {Mask, 0x07}}));
    EXPECT_TRUE(model.toggle(1));
    EXPECT_EQ(model.cylinderButtonMask(), 0x05);
    EXPECT_FALSE(model.toggle(3));  // three cylinders: the fourth is not fitted
    EXPECT_FALSE(model.toggle(8));
    EXPECT_EQ(model.cylinderButtonMask(), 0x05);

    model.greyOut();
    EXPECT_EQ(model.cylinderButtonMask(), 0x00);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(model.button(k).offColour, Colour::Grey) << k;
}
