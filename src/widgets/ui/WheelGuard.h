#pragma once

#include <QtCore/QObject>

class QWidget;

namespace brivel {

// The wheel of a control that sends belongs to it only while the user has
// given it the focus on purpose: clicked it, tabbed to it, or moved the
// focus there through an edit of his own. A wheel turned over any other
// control goes on to what lies under it, so scrolling past a page never
// changes a setting. Focus a window hands back on activation, or that the
// control got when the window first showed, is no such choice.
class WheelGuard final : public QObject {
    Q_OBJECT
public:
    // Guards `control` for its lifetime: it takes the focus by click or Tab
    // only, never by the wheel, and its wheel events pass on while it has
    // not been chosen.
    static void guard(QWidget* control);
    // Whether a wheel may act on `control` now.
    static bool takesWheel(const QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace brivel
