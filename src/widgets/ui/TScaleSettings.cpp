#include "widgets/ui/TScaleSettings.h"

namespace brivel {

TScaleSettings::TScaleSettings(QObject* parent) : QObject(parent)
{
    font_.setPixelSize(10);
}

void TScaleSettings::setSteps(int steps)
{
    steps = qMax(1, steps);
    if (steps_ == steps)
        return;
    steps_ = steps;
    emit changed();
}

void TScaleSettings::setSubSteps(int subSteps)
{
    subSteps = qMax(1, subSteps);
    if (subSteps_ == subSteps)
        return;
    subSteps_ = subSteps;
    emit changed();
}

void TScaleSettings::setValueFormat(const QString& valueFormat)
{
    if (valueFormat_ == valueFormat)
        return;
    valueFormat_ = valueFormat;
    emit changed();
}

void TScaleSettings::setColor(const QColor& color)
{
    if (color_ == color)
        return;
    color_ = color;
    emit changed();
}

void TScaleSettings::setPointerColor(const QColor& pointerColor)
{
    if (pointerColor_ == pointerColor)
        return;
    pointerColor_ = pointerColor;
    emit changed();
}

void TScaleSettings::setDrawLine(bool drawLine)
{
    if (drawLine_ == drawLine)
        return;
    drawLine_ = drawLine;
    emit changed();
}

void TScaleSettings::setPosLeftTop(bool posLeftTop)
{
    if (posLeftTop_ == posLeftTop)
        return;
    posLeftTop_ = posLeftTop;
    emit changed();
}

void TScaleSettings::setFont(const QFont& font)
{
    if (font_ == font)
        return;
    font_ = font;
    emit changed();
}

}  // namespace brivel
