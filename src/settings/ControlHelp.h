#pragma once

#include "settings/BlockLayout.h"
#include "settings/StoredFaults.h"

#include <QtCore/QLocale>
#include <QtCore/QString>

#include <optional>
#include <vector>

// The help a fitter gets on every control that sends a setting: the field's
// name, what it means and, for a number, the range the control offers with
// its unit. The field table gives the name row, unit and decimals; the
// message table the words, in the language chosen.
namespace brivel::settings::help {

struct Range {
    double from;
    double to;
};

struct SendingControl {
    const char* objectName;
    Field field;
    // The range the control offers, in the field's unit; none for a choice.
    std::optional<Range> range;
    // The threshold slider edits whichever threshold is marked.
    bool everyThreshold = false;
};

// Every control of the settings pages, the cylinder buttons included, whose
// input sends a setting to the controller.
const std::vector<SendingControl>& sendingControls();

// The row that says what the field means.
msg::Row meaningRow(Field field);

// The control's tool tip: name, meaning and (for a number) range, one a line.
QString toolTip(const SendingControl& control, const MessageLookup& text, const QLocale& locale);

}  // namespace brivel::settings::help
