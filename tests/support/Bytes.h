#pragma once

#include <QtCore/QByteArray>

#include <initializer_list>

namespace brivel::test {

// A byte string written as numbers: bytes({0xAA, 0x55, 0x01, 0x00}).
inline QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(list.size()));
    for (int b : list)
        out.append(static_cast<char>(b));
    return out;
}

}  // namespace brivel::test
