#pragma once

#include "widgets/ui/InstrumentWidget.h"

namespace brivel {

// Common base of the display widgets: they show state and take no focus.
class TAbGraphicControl : public InstrumentWidget {
    Q_OBJECT

protected:
    TAbGraphicControl(TAbFlashTimer& flashTimer, QWidget* parent);
};

}  // namespace brivel
