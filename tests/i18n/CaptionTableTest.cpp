#include "i18n/CaptionTable.h"
#include "i18n/MessageTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace brivel;

TEST(CaptionTable, EveryCaptionRowHasATargetOrIsShownNowhere)
{
    const std::set<int> shownNowhere = {24, 26, 27, 31, 85, 86, 95, 107, 108, 109, 110, 111, 120};
    std::set<int> routed;
    int previous = MessageTable::LastRuntimeRow;
    for (const CaptionTarget& target : captionTargets()) {
        EXPECT_GE(target.row, previous) << "rows in order";
        previous = target.row;
        routed.insert(target.row);
        EXPECT_EQ(shownNowhere.count(target.row), 0u) << target.row;
    }
    for (int row = MessageTable::LastRuntimeRow + 1; row <= MessageTable::HelpRow; ++row)
        EXPECT_TRUE(routed.count(row) || shownNowhere.count(row)) << row;
}

TEST(CaptionTable, RowsWithTwoTargetsAndComboItemsAreAllThere)
{
    int sliderRows = 0;
    std::set<int> impulseItems;
    for (const CaptionTarget& target : captionTargets()) {
        if (target.row >= 99 && target.row <= 103 && target.row != 100)
            ++sliderRows;
        if (QLatin1String(target.objectName) == QLatin1String("Sel_Impuls"))
            impulseItems.insert(target.item);
    }
    EXPECT_EQ(sliderRows, 8);  // a Name2 and a label for each of 99, 101, 102, 103
    EXPECT_EQ(impulseItems, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
}
