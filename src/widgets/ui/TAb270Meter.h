#pragma once

#include "widgets/ui/TAbRMeter.h"

namespace brivel {

// Round dial whose scale runs clockwise through 270 degrees, from the lower
// left (225 degrees from twelve o'clock) to the lower right.
class TAb270Meter : public TAbRMeter {
    Q_OBJECT

public:
    explicit TAb270Meter(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);
};

}  // namespace brivel
