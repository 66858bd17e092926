#pragma once

#include "settings/BlockLayout.h"

#include <QtCore/QByteArray>

#include <initializer_list>
#include <utility>

namespace brivel::test {

// A settings reply as the controller sends it: envelope, zeroed settings, an
// empty fault memory and a check byte, with the given bytes set on top.
inline QByteArray settingsBlock(std::initializer_list<std::pair<int, int>> bytes = {},
                                int size = settings::BlockSize)
{
    QByteArray block(size, '\0');
    block[0] = static_cast<char>(0xAA);
    block[1] = static_cast<char>(size >> 8);
    block[2] = static_cast<char>(size & 0xFF);
    block[3] = 0x66;
    for (int k = 0; k < settings::FaultEntries; ++k)
        if (settings::offsetOf(settings::Field::FaultMemory) + k < size - 1)
            block[settings::offsetOf(settings::Field::FaultMemory) + k] =
                static_cast<char>(settings::EmptyFault);
    block[size - 1] = 0x5A;
    for (const auto& [offset, value] : bytes)
        block[offset] = static_cast<char>(value);
    return block;
}

}  // namespace brivel::test
