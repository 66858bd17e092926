#pragma once

#include "widgets/ui/InstrumentWidget.h"

namespace brivel {

// Base of the controls the user operates: they take the focus, and the
// wheel only once the user has chosen them (WheelGuard).
class TAbCustomControl : public InstrumentWidget {
    Q_OBJECT

protected:
    TAbCustomControl(TAbFlashTimer& flashTimer, QWidget* parent);
};

}  // namespace brivel
