#pragma once

#include "i18n/MessageRows.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <ostream>

// Readable failure messages for Qt values and message rows in GoogleTest.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{';
    for (int i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *os << '}';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << bytes.toHex(' ').toUpper().toStdString();
}

namespace brivel::msg {

inline std::ostream& operator<<(std::ostream& os, Row row)
{
    return os << "row " << number(row);
}

}  // namespace brivel::msg
