#include "widgets/ui/TLED.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QPalette>

namespace brivel {

TLED::TLED(QObject* parent) : QObject(parent)
{
    colorOff_ = QGuiApplication::palette().color(QPalette::Button);
}

void TLED::setShape(Shape shape)
{
    if (shape_ == shape)
        return;
    shape_ = shape;
    emit changed();
}

void TLED::setColorOn(const QColor& colorOn)
{
    if (colorOn_ == colorOn)
        return;
    colorOn_ = colorOn;
    emit changed();
}

void TLED::setColorOff(const QColor& colorOff)
{
    if (colorOff_ == colorOff)
        return;
    colorOff_ = colorOff;
    emit changed();
}

void TLED::setWidth(int width)
{
    width = qMax(1, width);
    if (width_ == width)
        return;
    width_ = width;
    emit changed();
}

void TLED::setHeight(int height)
{
    height = qMax(1, height);
    if (height_ == height)
        return;
    height_ = height;
    emit changed();
}

}  // namespace brivel
