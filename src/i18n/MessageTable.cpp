#include "i18n/MessageTable.h"

#include "i18n/MessageTableData.h"

namespace brivel {

MessageTable::MessageTable()
{
    for (int i = 0; i < Rows; ++i) {
        const messagedata::RowTexts& row = messagedata::initialRows[i];
        for (int column = 0; column < Columns; ++column) {
            texts_[indexOf(row.row, column)] = QString::fromUtf8(row.columns[column]);
        }
    }
}

bool MessageTable::contains(msg::Row row, int column)
{
    return msg::number(row) >= 0 && msg::number(row) < Rows && column >= 0 && column < Columns;
}

const QString& MessageTable::text(msg::Row row, int column) const
{
    static const QString outside;
    return contains(row, column) ? texts_[indexOf(row, column)] : outside;
}

const QString& MessageTable::text(msg::Row row) const
{
    return text(row, language_);
}

bool MessageTable::setLanguage(int column)
{
    if (column == Initial || !contains(msg::Row{}, column)) {
        return false;
    }
    language_ = column;
    return true;
}

}  // namespace brivel
