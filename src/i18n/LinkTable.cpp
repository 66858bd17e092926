#include "i18n/LinkTable.h"

#include "i18n/MakerDetails.h"

namespace brivel {

namespace {

bool isColumn(int column)
{
    return column >= 0 && column < MessageTable::Columns;
}

}  // namespace

LinkTable::LinkTable()
{
    // The mail address is the same in every language.
    for (int column = 0; column < MessageTable::Columns; ++column) {
        web_[column] = QString::fromUtf8(MakerDetails::webAddress(column));
        mail_[column] = QString::fromUtf8(MakerDetails::MailLink);
    }
}

QString LinkTable::webAddress(int column) const
{
    return isColumn(column) ? web_[column] : QString();
}

QString LinkTable::mailLink(int column) const
{
    return isColumn(column) ? mail_[column] : QString();
}

bool LinkTable::setLanguage(int column)
{
    if (!isColumn(column) || column == MessageTable::Initial)
        return false;
    language_ = column;
    return true;
}

}  // namespace brivel
