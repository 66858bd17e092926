#include "widgets/ui/TArrowSettings.h"

namespace brivel {

TArrowSettings::TArrowSettings(QObject* parent) : QObject(parent) {}

void TArrowSettings::setShape(int shape)
{
    if (shape_ == shape)
        return;
    shape_ = shape;
    emit changed();
}

void TArrowSettings::setColorPen(const QColor& colorPen)
{
    if (colorPen_ == colorPen)
        return;
    colorPen_ = colorPen;
    emit changed();
}

void TArrowSettings::setColorBrush(const QColor& colorBrush)
{
    if (colorBrush_ == colorBrush)
        return;
    colorBrush_ = colorBrush;
    emit changed();
}

void TArrowSettings::setCenterColorPen(const QColor& centerColorPen)
{
    if (centerColorPen_ == centerColorPen)
        return;
    centerColorPen_ = centerColorPen;
    emit changed();
}

void TArrowSettings::setCenterColorBrush(const QColor& centerColorBrush)
{
    if (centerColorBrush_ == centerColorBrush)
        return;
    centerColorBrush_ = centerColorBrush;
    emit changed();
}

void TArrowSettings::setCapColorPen(const QColor& capColorPen)
{
    if (capColorPen_ == capColorPen)
        return;
    capColorPen_ = capColorPen;
    emit changed();
}

void TArrowSettings::setCapColorBrush(const QColor& capColorBrush)
{
    if (capColorBrush_ == capColorBrush)
        return;
    capColorBrush_ = capColorBrush;
    emit changed();
}

}  // namespace brivel
