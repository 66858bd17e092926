#pragma once

#include "i18n/MessageRows.h"

#include <QtCore/QString>

#include <array>

namespace brivel {

// Every user-visible text that changes with the interface language: one row per message
// (msg::Row), one column per language.
//
// The table keeps the language chosen last and answers every row in it: the run-time
// messages (fault texts, prompts, adaptation and time-out messages) when they are shown,
// the captions when the caption table applies them, the rows added after the classic 124
// alike. Before any language is chosen it answers the initial texts of column 0, Polish
// but for a few run-time messages worded apart from the Polish column. The texts
// themselves never change.
class MessageTable {
public:
    static constexpr int Rows = msg::RowCount;
    static constexpr int Columns = 6;

    enum Column { Initial = 0, German = 1, English = 2, Polish = 3, Russian = 4, Czech = 5 };

    MessageTable();

    // The row in the language chosen last: what the program shows for that message. A row
    // outside the table reads as an empty string.
    const QString& text(msg::Row row) const;

    // Chooses the language every row is answered in: a language column (1-5). Any other
    // column is refused and changes nothing.
    bool setLanguage(int column);
    // The column chosen last; Initial while none is.
    int language() const { return language_; }

    // A cell: the row's text in the given column, whatever language is chosen. For what
    // shows a language of its own (the kvs tool) and for checking the table. A cell
    // outside the table reads as an empty string.
    const QString& text(msg::Row row, int column) const;

private:
    static bool contains(msg::Row row, int column);
    static int indexOf(msg::Row row, int column) { return msg::number(row) * Columns + column; }

    // Row-major: the cell (row, column) sits at row * Columns + column.
    std::array<QString, Rows * Columns> texts_;
    int language_ = Initial;
};

}  // namespace brivel
