#include "i18n/CaptionTable.h"
#include "i18n/MessageTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

using namespace brivel;

TEST(CaptionTable, EveryCaptionRowHasATargetOrAReasonWhyNothingShowsIt)
{
    std::set<int> shownNowhere;
    for (const UnappliedCaption& row : unappliedCaptions()) {
        EXPECT_GT(std::strlen(row.reason), 0u) << row.row;
        EXPECT_TRUE(shownNowhere.insert(row.row).second) << row.row;
    }
    EXPECT_EQ(shownNowhere,
              (std::set<int>{24, 26, 27, 31, 85, 86, 95, 107, 108, 109, 110, 111, 120}));
    std::set<int> routed;
    int previous = MessageTable::LastRuntimeRow;
    for (const CaptionTarget& target : captionTargets()) {
        EXPECT_GE(target.row, previous) << "rows in order";
        previous = target.row;
        routed.insert(target.row);
        EXPECT_EQ(shownNowhere.count(target.row), 0u) << target.row;
    }
    for (int row = MessageTable::LastRuntimeRow + 1; row < msg::FirstAdded; ++row)
        EXPECT_TRUE(routed.count(row) || shownNowhere.count(row)) << row;
    // Of the added rows only these are captions of controls; the rest are
    // read when their dialog or message is shown.
    const std::set<int> addedCaptions = {msg::MapUndo,        msg::MapRedo,
                                         msg::RecordItem,     msg::ReplayItem,
                                         msg::ReplayPlayHint, msg::ReplaySliderHint};
    for (int row = msg::FirstAdded; row < MessageTable::Rows; ++row)
        EXPECT_EQ(routed.count(row), addedCaptions.count(row)) << row;
}

// The captions of the left column and the "Diagnostyka" page follow the map
// page's "Gaz" and "Petrol" buttons.
TEST(CaptionTable, DerivedCaptionsAreTheButtonsCaptionsWithTheirSuffix)
{
    std::map<std::string, std::pair<int, std::string>> derived;
    for (const CaptionTarget& target : captionTargets())
        if (target.row == 78 || target.row == 79)
            derived[target.objectName] = {target.row, target.suffix};
    const std::map<std::string, std::pair<int, std::string>> expected = {
        {"BitBtn1", {78, ""}},     {"Gaz_0", {78, ""}},       {"Gaz_1", {78, ""}},
        {"Gaz_2", {78, ""}},       {"Gaz_1A", {78, " [ms]"}}, {"BitBtn2", {79, ""}},
        {"Benzyna_1", {79, " 1"}}, {"Benzyna_2", {79, " 2"}}, {"Benzyna_3", {79, " 3"}},
        {"Benzyna_4", {79, " 4"}}, {"Benzyna_5", {79, " 5"}}, {"Benzyna_6", {79, " 6"}},
        {"Benzyna_7", {79, " 7"}}, {"Benzyna_8", {79, " 8"}}, {"Benzyna_1A", {79, " [ms]"}},
    };
    EXPECT_EQ(derived, expected);
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
