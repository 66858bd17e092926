#pragma once

#include <QtCore/QtGlobal>

namespace brivel {

// Round to the nearest integer, ties to even, whatever the FPU's rounding
// mode. Infinities and NaN come back unchanged.
double roundHalfEven(double x);

// The same, clamped into the int range; NaN gives 0.
int roundToInt(double x);

// A number as the controller takes it: rounded ties to even, then the low
// 8 bits of the result.
quint8 payloadByte(double value);

}  // namespace brivel
