#pragma once

#include "i18n/MessageTable.h"

#include <QtCore/QString>

#include <array>

namespace brivel {

// The maker's web address and mail link of the "Info" page, one entry per
// message-table column. Entry 0 is the working entry the page shows and opens;
// choosing a language copies that language's entries into it.
class LinkTable {
public:
    LinkTable();

    // The entries of a column; a column outside the table reads as empty.
    QString webAddress(int column) const;
    QString mailLink(int column) const;

    // The working entries.
    QString webAddress() const { return web_[MessageTable::Working]; }
    QString mailLink() const { return mail_[MessageTable::Working]; }

    // Copies a language column (1-5) into entry 0. Any other column is
    // refused and changes nothing.
    bool choose(int column);

private:
    std::array<QString, MessageTable::Columns> web_;
    std::array<QString, MessageTable::Columns> mail_;
};

}  // namespace brivel
