#pragma once

#include "widgets/ui/TAbLED.h"

namespace brivel {

// The data-bound variant of the LED; the program uses it unbound, so it is
// the LED itself.
class TAbDBLED : public TAbLED {
    Q_OBJECT

public:
    using TAbLED::TAbLED;
};

}  // namespace brivel
