#include "widgets/ui/TAbCustomControl.h"

#include "widgets/ui/WheelGuard.h"

namespace brivel {

TAbCustomControl::TAbCustomControl(TAbFlashTimer& flashTimer, QWidget* parent)
    : InstrumentWidget(flashTimer, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    WheelGuard::guard(this);
}

}  // namespace brivel
