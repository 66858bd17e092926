#include "link/Rounding.h"

namespace brivel {

quint8 payloadByte(double value)
{
    return static_cast<quint8>(static_cast<unsigned>(roundToInt(value)) & 0xFFu);
}

}  // namespace brivel
