#include "widgets/ui/TAbSwitch.h"

namespace brivel {

TAbSwitch::TAbSwitch(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbBinGControl(flashTimer, parent)
{
}

}  // namespace brivel
