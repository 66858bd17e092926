#include "i18n/CaptionTable.h"
#include "i18n/MessageTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

using namespace brivel;
using msg::Row;

TEST(CaptionTable, EveryCaptionRowHasATargetOrAReasonWhyNothingShowsIt)
{
    std::set<int> shownNowhere;
    for (const UnappliedCaption& row : unappliedCaptions()) {
        EXPECT_GT(std::strlen(row.reason), 0u) << row.row;
        EXPECT_TRUE(shownNowhere.insert(msg::number(row.row)).second) << row.row;
    }
    EXPECT_EQ(shownNowhere,
              (std::set<int>{24, 26, 27, 31, 85, 86, 95, 107, 108, 109, 110, 111, 120}));
    // The run-time messages (rows 0-20) are no captions.
    std::set<int> routed;
    int previous = msg::number(Row::AdaptationCancelled) + 1;
    for (const CaptionTarget& target : captionTargets()) {
        EXPECT_GE(msg::number(target.row), previous) << "rows in order";
        previous = msg::number(target.row);
        routed.insert(previous);
        EXPECT_EQ(shownNowhere.count(previous), 0u) << target.row;
    }
    for (int row = 21; row < msg::number(msg::FirstAdded); ++row)
        EXPECT_TRUE(routed.count(row) || shownNowhere.count(row)) << row;
    // Of the added rows only these are captions of controls; the rest are
    // read when their dialog or message is shown.
    const std::set<Row> addedCaptions = {Row::MapUndo,
                                         Row::MapRedo,
                                         Row::RecordItem,
                                         Row::ReplayItem,
                                         Row::ReplayPlayHint,
                                         Row::ReplaySliderHint,
                                         Row::ReportItem,
                                         Row::WorkshopItem,
                                         Row::DriveLogItem,
                                         Row::DriveLogWholeDrive,
                                         Row::DriveLogExport,
                                         Row::DriveLogHint,
                                         Row::ChannelRpm,
                                         Row::ChannelMap,
                                         Row::ChannelGasPressure,
                                         Row::ChannelPetrolTime,
                                         Row::ChannelGasTime,
                                         Row::ChannelLambda1,
                                         Row::ChannelLambda2,
                                         Row::ChannelGasTemp,
                                         Row::ChannelReducerTemp,
                                         Row::ChannelBattery,
                                         Row::ChannelFuel,
                                         Row::CarsItem,
                                         Row::KeepPointItem,
                                         Row::OtherPortItem};
    for (int row = msg::number(msg::FirstAdded); row < MessageTable::Rows; ++row)
        EXPECT_EQ(routed.count(row), addedCaptions.count(Row(row))) << row;
}

// The captions of the left column and the "Diagnostyka" page follow the map
// page's "Gaz" and "Petrol" buttons.
TEST(CaptionTable, DerivedCaptionsAreTheButtonsCaptionsWithTheirSuffix)
{
    std::map<std::string, std::pair<Row, std::string>> derived;
    for (const CaptionTarget& target : captionTargets())
        if (target.row == Row::Gas || target.row == Row::Petrol)
            derived[target.objectName] = {target.row, target.suffix};
    const Row gas = Row::Gas;
    const Row petrol = Row::Petrol;
    const std::map<std::string, std::pair<Row, std::string>> expected = {
        {"BitBtn1", {gas, ""}},
        {"Gaz_0", {gas, ""}},
        {"Gaz_1", {gas, ""}},
        {"Gaz_2", {gas, ""}},
        {"Gaz_1A", {gas, " [ms]"}},
        {"BitBtn2", {petrol, ""}},
        {"Benzyna_1", {petrol, " 1"}},
        {"Benzyna_2", {petrol, " 2"}},
        {"Benzyna_3", {petrol, " 3"}},
        {"Benzyna_4", {petrol, " 4"}},
        {"Benzyna_5", {petrol, " 5"}},
        {"Benzyna_6", {petrol, " 6"}},
        {"Benzyna_7", {petrol, " 7"}},
        {"Benzyna_8", {petrol, " 8"}},
        {"Benzyna_1A", {petrol, " [ms]"}},
    };
    EXPECT_EQ(derived, expected);
}

TEST(CaptionTable, RowsWithTwoTargetsAndComboItemsAreAllThere)
{
    std::multiset<Row> sliderRows;
    std::set<int> impulseItems;
    for (const CaptionTarget& target : captionTargets()) {
        if (target.row == Row::PressureErrorTime || target.row == Row::SwitchOverTemperature ||
            target.row == Row::SwitchOverTime || target.row == Row::CylinderSequence)
            sliderRows.insert(target.row);
        if (QLatin1String(target.objectName) == QLatin1String("Sel_Impuls"))
            impulseItems.insert(target.item);
    }
    // A Name2 and a label for each.
    EXPECT_EQ(sliderRows,
              (std::multiset<Row>{Row::PressureErrorTime, Row::PressureErrorTime,
                                  Row::SwitchOverTemperature, Row::SwitchOverTemperature,
                                  Row::SwitchOverTime, Row::SwitchOverTime, Row::CylinderSequence,
                                  Row::CylinderSequence}));
    EXPECT_EQ(impulseItems, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
}
