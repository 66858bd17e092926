#pragma once

#include "i18n/MessageRows.h"

#include <vector>

namespace brivel {

// Where each caption row of the message table goes: the object that
// shows it and the property it sets. A row may reach several targets, some of
// them with a suffix (the captions derived from the "Gaz" and "Petrol"
// buttons); the rows that nothing shows are listed apart, each with its
// reason.
enum class CaptionProperty {
    Text,         // a label's, button's or menu item's text
    TabCaption,   // the caption of the page's tab
    GroupTitle,   // a group box's title
    ComboItem,    // one item of a combo box; the selection stays
    Name1,        // SignalSettings.Name1 of an instrument
    Name2,        // SignalSettings.Name2 of an instrument
    TextOff,      // the text a switch shows when off
    MenuTitle,    // a top-level menu's title
    SeriesTitle,  // a chart series' title
    AxisTitle,    // a chart axis' title
    Hint,         // a tool tip
    MemoText,     // a memo's text
};

// Whether the target's control exists and what it shows before any language
// is chosen.
enum class CaptionState {
    // The control shows the row's initial text from the start.
    Applied,
    // The control is built with a design text of its own, which a chosen
    // language replaces; mostly it differs from the row's initial text.
    DesignText,
};

struct CaptionTarget {
    msg::Row row;
    const char* objectName;
    CaptionProperty property;
    int item = 0;  // the combo-box item; 0 otherwise
    CaptionState state = CaptionState::Applied;
    // Follows the row's text in the target: " [ms]", " 1".
    const char* suffix = "";
};

// Every target of the caption rows, in row order.
const std::vector<CaptionTarget>& captionTargets();

// A caption row that no control of the window shows.
struct UnappliedCaption {
    msg::Row row;
    const char* reason;
};

// In row order.
const std::vector<UnappliedCaption>& unappliedCaptions();

}  // namespace brivel
