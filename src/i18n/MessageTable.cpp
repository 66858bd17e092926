#include "i18n/MessageTable.h"

#include "i18n/MessageTableData.h"

namespace brivel {

MessageTable::MessageTable()
{
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            texts_[indexOf(row, column)] =
                QString::fromUtf8(messagedata::initialRows[row].columns[column]);
        }
    }
}

bool MessageTable::contains(int row, int column)
{
    return row >= 0 && row < Rows && column >= 0 && column < Columns;
}

const QString& MessageTable::text(int row, int column) const
{
    static const QString outside;
    return contains(row, column) ? texts_[indexOf(row, column)] : outside;
}

QString MessageTable::message(int row) const
{
    return text(row, Working);
}

bool MessageTable::isRuntimeRow(int row)
{
    if (row >= 0 && row <= LastRuntimeRow)
        return true;
    for (int added : AddedRuntimeRows)
        if (row == added)
            return true;
    return false;
}

bool MessageTable::setWorking(int row, const QString& text)
{
    if (!isWritable(row)) {
        return false;
    }
    texts_[indexOf(row, Working)] = text;
    return true;
}

bool MessageTable::useLanguage(int column)
{
    if (column == Working || !contains(0, column)) {
        return false;
    }
    for (int row = 0; row <= LastRuntimeRow; ++row) {
        setWorking(row, text(row, column));
    }
    for (int row : AddedRuntimeRows) {
        setWorking(row, text(row, column));
    }
    return true;
}

}  // namespace brivel
