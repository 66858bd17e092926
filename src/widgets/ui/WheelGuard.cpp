#include "widgets/ui/WheelGuard.h"

#include <QtGui/QFocusEvent>
#include <QtWidgets/QWidget>

namespace brivel {

namespace {

const char* const ChosenProperty = "brivelWheelChosen";

// Focus that the user moved there, or that an edit of his moved there.
bool chosenFocus(Qt::FocusReason reason)
{
    switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            return true;
        default:
            return false;
    }
}

// Focus that only goes away for a while: a popup of the control's own, or
// another window; it comes back to the same choice.
bool passingFocusLoss(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

}  // namespace

void WheelGuard::guard(QWidget* control)
{
    if (control->focusPolicy() & Qt::WheelFocus)
        control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new WheelGuard(control));
}

bool WheelGuard::takesWheel(const QWidget* control)
{
    return control->hasFocus() && control->property(ChosenProperty).toBool();
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (chosenFocus(static_cast<QFocusEvent*>(event)->reason()))
                control->setProperty(ChosenProperty, true);
            break;
        case QEvent::FocusOut:
            if (!passingFocusLoss(static_cast<QFocusEvent*>(event)->reason()))
                control->setProperty(ChosenProperty, false);
            break;
        case QEvent::MouseButtonPress:
            // A click is a choice, also on a control that already held the
            // focus the window gave it when it showed.
            control->setProperty(ChosenProperty, true);
            break;
        case QEvent::Wheel:
            if (!takesWheel(control)) {
                // Unaccepted, the wheel goes on to the parent: the page
                // scrolls, the control stays as it is.
                event->ignore();
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace brivel
