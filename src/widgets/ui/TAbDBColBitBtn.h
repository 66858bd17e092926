#pragma once

#include "widgets/ui/TAbColBitBtn.h"

namespace brivel {

// The data-bound variant of the coloured button. The program uses it
// unbound, so it is the button itself under the name the window's design
// gives it.
using TAbDBColBitBtn = TAbColBitBtn;

}  // namespace brivel
