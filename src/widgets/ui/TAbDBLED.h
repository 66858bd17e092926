#pragma once

#include "widgets/ui/TAbLED.h"

namespace brivel {

// The data-bound variant of the LED. The program uses it unbound, so it is
// the LED itself under the name the window's design gives it.
using TAbDBLED = TAbLED;

}  // namespace brivel
