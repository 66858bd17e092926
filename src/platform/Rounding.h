#pragma once

namespace brivel {

// Round to the nearest integer, ties to even, whatever the FPU's rounding
// mode. Infinities and NaN come back unchanged.
double roundHalfEven(double x);

// The same, clamped into the int range; NaN gives 0.
int roundToInt(double x);

}  // namespace brivel
