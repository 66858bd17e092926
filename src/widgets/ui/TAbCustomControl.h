#pragma once

#include "widgets/ui/InstrumentWidget.h"

namespace brivel {

// Base of the controls the user operates: they take the focus.
class TAbCustomControl : public InstrumentWidget {
    Q_OBJECT

protected:
    TAbCustomControl(TAbFlashTimer& flashTimer, QWidget* parent);
};

}  // namespace brivel
