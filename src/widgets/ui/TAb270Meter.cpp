#include "widgets/ui/TAb270Meter.h"

namespace brivel {

TAb270Meter::TAb270Meter(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbRMeter(flashTimer, parent, 225.0, 270.0)
{
}

}  // namespace brivel
