#include "widgets/ui/TMinMax.h"

namespace brivel {

TMinMax::TMinMax(QObject* parent) : QObject(parent) {}

void TMinMax::setMin(float min)
{
    if (min_ == min)
        return;
    min_ = min;
    emit changed();
}

void TMinMax::setMax(float max)
{
    if (max_ == max)
        return;
    max_ = max;
    emit changed();
}

void TMinMax::setMinTimeMs(qint64 minTimeMs)
{
    if (minTimeMs_ == minTimeMs)
        return;
    minTimeMs_ = minTimeMs;
    emit changed();
}

void TMinMax::setMaxTimeMs(qint64 maxTimeMs)
{
    if (maxTimeMs_ == maxTimeMs)
        return;
    maxTimeMs_ = maxTimeMs;
    emit changed();
}

void TMinMax::setMinColor(const QColor& minColor)
{
    if (minColor_ == minColor)
        return;
    minColor_ = minColor;
    emit changed();
}

void TMinMax::setMaxColor(const QColor& maxColor)
{
    if (maxColor_ == maxColor)
        return;
    maxColor_ = maxColor;
    emit changed();
}

void TMinMax::setUseSectorCol(bool useSectorCol)
{
    if (useSectorCol_ == useSectorCol)
        return;
    useSectorCol_ = useSectorCol;
    emit changed();
}

void TMinMax::setMinVisible(bool minVisible)
{
    if (minVisible_ == minVisible)
        return;
    minVisible_ = minVisible;
    emit changed();
}

void TMinMax::setMaxVisible(bool maxVisible)
{
    if (maxVisible_ == maxVisible)
        return;
    maxVisible_ = maxVisible;
    emit changed();
}

void TMinMax::reset()
{
    if (min_ == kMinStart && max_ == kMaxStart)
        return;
    min_ = kMinStart;
    max_ = kMaxStart;
    minTimeMs_ = 0;
    maxTimeMs_ = 0;
    emit changed();
}

bool TMinMax::record(float value, qint64 nowMs)
{
    bool moved = false;
    if (value < min_) {
        min_ = value;
        minTimeMs_ = nowMs;
        moved = true;
    }
    if (value > max_) {
        max_ = value;
        maxTimeMs_ = nowMs;
        moved = true;
    }
    return moved;
}

}  // namespace brivel
