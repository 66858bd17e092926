#include "widgets/ui/TAbGraphicControl.h"

namespace brivel {

TAbGraphicControl::TAbGraphicControl(TAbFlashTimer& flashTimer, QWidget* parent)
    : InstrumentWidget(flashTimer, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

}  // namespace brivel
