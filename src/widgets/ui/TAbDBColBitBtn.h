#pragma once

#include "widgets/ui/TAbColBitBtn.h"

namespace brivel {

// The data-bound variant of the coloured button; the program uses it
// unbound, so it is the button itself.
class TAbDBColBitBtn : public TAbColBitBtn {
    Q_OBJECT

public:
    using TAbColBitBtn::TAbColBitBtn;
};

}  // namespace brivel
