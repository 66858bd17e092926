#pragma once

#include "i18n/MessageTable.h"

namespace brivel::messagedata {

// The built-in texts of one MessageTable row, UTF-8, in column order
// (initial, German, English, Polish, Russian, Czech).
struct RowTexts {
    msg::Row row;  // the row, checked against its place in the table
    const char* columns[MessageTable::Columns];
};

// MessageTable::Rows entries, in row order.
extern const RowTexts initialRows[];

}  // namespace brivel::messagedata
