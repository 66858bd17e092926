#pragma once

#include "widgets/ui/TAbBinGControl.h"

namespace brivel {

// Base of the switches: an on/off widget whose face shows its state.
class TAbSwitch : public TAbBinGControl {
    Q_OBJECT

protected:
    TAbSwitch(TAbFlashTimer& flashTimer, QWidget* parent);
};

}  // namespace brivel
