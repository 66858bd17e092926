#pragma once

#include "i18n/MessageTable.h"

namespace brivel::messagedata {

// The built-in texts of one MessageTable row, UTF-8, in column order
// (working, German, English, Polish, Russian, Czech).
struct Row {
    int number;  // the row's own number, checked against its place in the table
    const char* columns[MessageTable::Columns];
};

// MessageTable::Rows entries, row 0 first.
extern const Row initialRows[];

}  // namespace brivel::messagedata
