#include "widgets/ui/TBarSettings.h"

namespace brivel {

TBarSettings::TBarSettings(QObject* parent) : QObject(parent)
{
    bevel_ = new TAbSBevel(this);
    connect(bevel_, &TAbSBevel::changed, this, &TBarSettings::changed);
}

void TBarSettings::setStyle(Style style)
{
    if (style_ == style)
        return;
    style_ = style;
    emit changed();
}

void TBarSettings::setOptions(Options options)
{
    if (options_ == options)
        return;
    options_ = options;
    emit changed();
}

void TBarSettings::setColor(const QColor& color)
{
    if (color_ == color)
        return;
    color_ = color;
    emit changed();
}

void TBarSettings::setBkColor(const QColor& bkColor)
{
    if (bkColor_ == bkColor)
        return;
    bkColor_ = bkColor;
    emit changed();
}

void TBarSettings::setBkBrightness(int bkBrightness)
{
    bkBrightness = qBound(0, bkBrightness, 100);
    if (bkBrightness_ == bkBrightness)
        return;
    bkBrightness_ = bkBrightness;
    emit changed();
}

void TBarSettings::setBkAuto(bool bkAuto)
{
    if (bkAuto_ == bkAuto)
        return;
    bkAuto_ = bkAuto;
    emit changed();
}

void TBarSettings::setMinWidth(int minWidth)
{
    minWidth = qMax(1, minWidth);
    if (minWidth_ == minWidth)
        return;
    minWidth_ = minWidth;
    emit changed();
}

void TBarSettings::setMinHeight(int minHeight)
{
    minHeight = qMax(1, minHeight);
    if (minHeight_ == minHeight)
        return;
    minHeight_ = minHeight;
    emit changed();
}

QColor TBarSettings::unlitColor(const QColor& lit) const
{
    const double k = bkBrightness_ / 100.0;
    if (bkAuto_) {
        return QColor::fromRgbF(float(bkColor_.redF() + (lit.redF() - bkColor_.redF()) * k),
                                float(bkColor_.greenF() + (lit.greenF() - bkColor_.greenF()) * k),
                                float(bkColor_.blueF() + (lit.blueF() - bkColor_.blueF()) * k));
    }
    return QColor::fromRgbF(float(bkColor_.redF() + (1.0 - bkColor_.redF()) * k),
                            float(bkColor_.greenF() + (1.0 - bkColor_.greenF()) * k),
                            float(bkColor_.blueF() + (1.0 - bkColor_.blueF()) * k));
}

}  // namespace brivel
