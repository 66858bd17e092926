#pragma once

#include "i18n/MessageTable.h"

#include <QtCore/QString>

#include <array>

namespace brivel {

// The maker's web address and mail link of the "Info" page, one entry per
// message-table column. Like the message table it keeps the language chosen
// last and answers in it; before any is chosen, the initial entries.
class LinkTable {
public:
    LinkTable();

    // The entries of a column; a column outside the table reads as empty.
    QString webAddress(int column) const;
    QString mailLink(int column) const;

    // The entries in the language chosen last: what the page shows and opens.
    QString webAddress() const { return web_[language_]; }
    QString mailLink() const { return mail_[language_]; }

    // Chooses a language column (1-5). Any other column is refused and
    // changes nothing.
    bool setLanguage(int column);

private:
    std::array<QString, MessageTable::Columns> web_;
    std::array<QString, MessageTable::Columns> mail_;
    int language_ = MessageTable::Initial;
};

}  // namespace brivel
