#pragma once

#include "platform/Rounding.h"

#include <QtCore/QtGlobal>

namespace brivel {

// A number as the controller takes it: rounded ties to even, then the low
// 8 bits of the result.
quint8 payloadByte(double value);

}  // namespace brivel
