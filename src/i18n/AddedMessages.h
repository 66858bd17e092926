#pragma once

#include "i18n/MessageRows.h"

// Being replaced by msg::Row: the numbers of the rows added after the classic
// table, under their old names.
namespace brivel::msg {

enum AddedRow : int {
    ReviewTitle = number(Row::ReviewTitle),
    ReviewIntro = number(Row::ReviewIntro),
    ColumnSetting = number(Row::ColumnSetting),
    ColumnController = number(Row::ColumnController),
    ColumnFile = number(Row::ColumnFile),
    ReviewWarning = number(Row::ReviewWarning),
    Send = number(Row::Send),
    Cancel = number(Row::Cancel),
    NothingDiffers = number(Row::NothingDiffers),
    MapPointsDiffer = number(Row::MapPointsDiffer),
    OtherData = number(Row::OtherData),
    BytesDiffer = number(Row::BytesDiffer),
    Yes = number(Row::Yes),
    No = number(Row::No),
    LevelThreshold = number(Row::LevelThreshold),
    SwitchOverRpm = number(Row::SwitchOverRpm),
    MaxRpmOnGas = number(Row::MaxRpmOnGas),
    MinimumPressure = number(Row::MinimumPressure),
    MapUndo = number(Row::MapUndo),
    MapRedo = number(Row::MapRedo),
    ModemManagerAdvice = number(Row::ModemManagerAdvice),
    BrlttyAdvice = number(Row::BrlttyAdvice),
    SettingsHeading = number(Row::SettingsHeading),
    NoFaultMemory = number(Row::NoFaultMemory),
    NoneOf = number(Row::NoneOf),
    Firmware = number(Row::Firmware),
    RecordItem = number(Row::RecordItem),
    ReplayItem = number(Row::ReplayItem),
    ReplayRefused = number(Row::ReplayRefused),
    RecordingCannotWrite = number(Row::RecordingCannotWrite),
    NotARecording = number(Row::NotARecording),
    ReplayPlayHint = number(Row::ReplayPlayHint),
    ReplaySliderHint = number(Row::ReplaySliderHint),
    RecordingsFilter = number(Row::RecordingsFilter),
    PortGone = number(Row::PortGone),
    PortError = number(Row::PortError),
};

}  // namespace brivel::msg
