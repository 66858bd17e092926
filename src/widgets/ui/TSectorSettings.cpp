#include "widgets/ui/TSectorSettings.h"

namespace brivel {

TSectorSettings::TSectorSettings(QObject* parent) : QObject(parent) {}

void TSectorSettings::setSector1Color(const QColor& sector1Color)
{
    if (sector1Color_ == sector1Color)
        return;
    sector1Color_ = sector1Color;
    emit changed();
}

void TSectorSettings::setSector2Color(const QColor& sector2Color)
{
    if (sector2Color_ == sector2Color)
        return;
    sector2Color_ = sector2Color;
    emit changed();
}

void TSectorSettings::setSector3Color(const QColor& sector3Color)
{
    if (sector3Color_ == sector3Color)
        return;
    sector3Color_ = sector3Color;
    emit changed();
}

void TSectorSettings::setSector1From(int sector1From)
{
    if (sector1From_ == sector1From)
        return;
    sector1From_ = sector1From;
    emit changed();
}

void TSectorSettings::setSector1To(int sector1To)
{
    if (sector1To_ == sector1To)
        return;
    sector1To_ = sector1To;
    emit changed();
}

void TSectorSettings::setSector2From(int sector2From)
{
    if (sector2From_ == sector2From)
        return;
    sector2From_ = sector2From;
    emit changed();
}

void TSectorSettings::setSector2To(int sector2To)
{
    if (sector2To_ == sector2To)
        return;
    sector2To_ = sector2To;
    emit changed();
}

void TSectorSettings::setSector3From(int sector3From)
{
    if (sector3From_ == sector3From)
        return;
    sector3From_ = sector3From;
    emit changed();
}

void TSectorSettings::setSector3To(int sector3To)
{
    if (sector3To_ == sector3To)
        return;
    sector3To_ = sector3To;
    emit changed();
}

void TSectorSettings::setOffset(int offset)
{
    if (offset_ == offset)
        return;
    offset_ = offset;
    emit changed();
}

void TSectorSettings::setWidthOffset(int widthOffset)
{
    if (widthOffset_ == widthOffset)
        return;
    widthOffset_ = widthOffset;
    emit changed();
}

QColor TSectorSettings::color(int sector) const
{
    switch (sector) {
        case 0:
            return sector1Color_;
        case 1:
            return sector2Color_;
        default:
            return sector3Color_;
    }
}

signalmath::SectorBounds TSectorSettings::bounds(int sector) const
{
    switch (sector) {
        case 0:
            return {sector1From_, sector1To_};
        case 1:
            return {sector2From_, sector2To_};
        default:
            return {sector3From_, sector3To_};
    }
}

std::array<signalmath::SectorBounds, 3> TSectorSettings::allBounds() const
{
    return {bounds(0), bounds(1), bounds(2)};
}

void TSectorSettings::setSector(int sector, const QColor& color, int from, int to)
{
    QColor* c = sector == 0 ? &sector1Color_ : sector == 1 ? &sector2Color_ : &sector3Color_;
    int* f = sector == 0 ? &sector1From_ : sector == 1 ? &sector2From_ : &sector3From_;
    int* t = sector == 0 ? &sector1To_ : sector == 1 ? &sector2To_ : &sector3To_;
    if (sector < 0 || sector > 2 || (*c == color && *f == from && *t == to))
        return;
    *c = color;
    *f = from;
    *t = to;
    emit changed();
}

}  // namespace brivel
