#include "map/ui/MapPaintBox.h"

#include <QtGui/QMouseEvent>

namespace brivel {

MapPaintBox::MapPaintBox(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    // Transparent: the chart under it shows through.
    setAutoFillBackground(false);
}

void MapPaintBox::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->buttons(), event->modifiers(), event->position().toPoint());
}

void MapPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void MapPaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

}  // namespace brivel
