#pragma once

#include "settings/ParameterBlock.h"
#include "settings/StoredFaults.h"

#include <QtCore/QLocale>
#include <QtCore/QString>

#include <vector>

// The settings of an image as the three settings pages show them, page by
// page: each field by the caption the fitter reads beside its control, the
// value in the control's own words (a selector's item, a check box's yes or
// no, a slider read-out after the slider has taken the value onto one of its
// steps, in the read-out's picture) and the read-out's unit.
namespace brivel::report {

struct SheetRow {
    settings::Field field;
    QString name;
    QString value;
    QString unit;
};

struct SheetGroup {
    QString title;  // the page's tab caption
    std::vector<SheetRow> rows;
};

// Rows for fields the image does not hold are left out; a code the control
// has no item for reads "? (code)", where the window leaves the control
// empty.
std::vector<SheetGroup> settingsSheet(const settings::ParameterBlock& image,
                                      const settings::MessageLookup& text, const QLocale& locale);

}  // namespace brivel::report
