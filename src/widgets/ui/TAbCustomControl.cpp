#include "widgets/ui/TAbCustomControl.h"

namespace brivel {

TAbCustomControl::TAbCustomControl(TAbFlashTimer& flashTimer, QWidget* parent)
    : InstrumentWidget(flashTimer, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

}  // namespace brivel
