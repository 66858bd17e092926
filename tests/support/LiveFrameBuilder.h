#pragma once

#include <QtCore/QByteArray>

#include <initializer_list>
#include <utility>

namespace brivel::test {

// A complete live reply of 57 bytes with every fault flag clear, then the
// given bytes set at their offsets.
inline QByteArray liveFrame(std::initializer_list<std::pair<int, int>> bytes = {})
{
    QByteArray f(57, '\0');
    f[0] = char(0xAA);
    f[2] = 57;
    f[3] = 0x55;
    f[34] = char(0xFF);
    f[35] = char(0xFF);
    f[48] = char(0xFF);
    for (const auto& [offset, value] : bytes)
        f[offset] = char(value);
    return f;
}

}  // namespace brivel::test
