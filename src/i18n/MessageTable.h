#pragma once

#include "i18n/AddedMessages.h"

#include <QtCore/QString>

#include <array>

namespace brivel {

// Every user-visible text that changes with the interface language: one row per message,
// one column per language.
//
// Column 0 is the working column the rest of the program reads. Rows 0-20 are run-time
// messages (fault texts, prompts, adaptation and time-out messages); the language switch
// copies the chosen language into their column 0. Rows 21-123 are the captions, items,
// hints and chart titles of the window; rows from 124 on were added later (AddedMessages.h). The
// table starts from built-in constants, with Polish texts in column 0; only column 0 of the
// run-time messages (rows 0-20 and AddedRuntimeRows) may change afterwards.
class MessageTable {
public:
    // The 124 rows of the classic table, then the rows added after them.
    static constexpr int Rows = msg::EndOfAdded;
    static constexpr int Columns = 6;
    // Rows 0..LastRuntimeRow are the first run-time messages; with AddedRuntimeRows they are
    // the only ones whose column 0 may be rewritten.
    static constexpr int LastRuntimeRow = 20;
    // The help text of the "Help" page, the last caption row.
    static constexpr int HelpRow = 123;
    // The run-time messages among the added rows; like rows 0-20, the language switch
    // copies the chosen language into their column 0.
    static constexpr std::array<int, 6> AddedRuntimeRows = {
        msg::ReplayRefused, msg::RecordingCannotWrite,
        msg::NotARecording, msg::RecordingsFilter,
        msg::PortGone,      msg::PortError};
    // The port went away under the link (%1 the port, %2 the system's reason).
    static constexpr int PortGoneRow = msg::PortGone;
    // The system refused the port a read or its use (%1 the port, %2 the reason).
    static constexpr int PortErrorRow = msg::PortError;

    enum Column { Working = 0, German = 1, English = 2, Polish = 3, Russian = 4, Czech = 5 };

    MessageTable();

    // The text at (row, column). A cell outside the table reads as an empty string.
    const QString& text(int row, int column) const;

    // The working text (column 0) of a row: what the program shows for that message.
    QString message(int row) const;

    // Replaces the working text (column 0) of a run-time message row (0-20 and the added
    // run-time messages). Any other row, and any row outside the table, is refused: the
    // table stays unchanged and the call returns false.
    bool setWorking(int row, const QString& text);

    // The rows a language switch copies into the working column: 0-20 and the added
    // run-time messages.
    static bool isRuntimeRow(int row);
    // The classic caption rows a language switch applies to the window: 21-123.
    static bool isCaptionRow(int row) { return row > LastRuntimeRow && row <= HelpRow; }
    static bool isWritable(int row) { return isRuntimeRow(row); }

    // Makes the run-time messages read in a language: copies their cells of a language
    // column (1-5) into the working column. Any other column is refused and changes
    // nothing. The captions' working texts never change.
    bool useLanguage(int column);

private:
    static bool contains(int row, int column);
    static int indexOf(int row, int column) { return row * Columns + column; }

    // Row-major: the cell (row, column) sits at row * Columns + column.
    std::array<QString, Rows * Columns> texts_;
};

}  // namespace brivel
