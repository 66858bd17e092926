#pragma once

#include <vector>

namespace brivel {

// Where each caption row (21–123 and the added captions) of the message
// table goes: the object that shows it and the property it sets. A row may
// reach two targets; rows that no control shows are not listed.
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
    // The control shows the row's working text from the start.
    Applied,
    // The control exists with a design text of its own, which differs from
    // the row's working text; a chosen language replaces it.
    DesignText,
    // The control arrives with a later page; once it is there the row must
    // reach it.
    Pending,
};

struct CaptionTarget {
    int row;
    const char* objectName;
    CaptionProperty property;
    int item;  // the combo-box item; 0 otherwise
    CaptionState state;
};

// Every target of the caption rows, in row order.
const std::vector<CaptionTarget>& captionTargets();

}  // namespace brivel
