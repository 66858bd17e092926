#pragma once

#include <QtCore/QtGlobal>

#include <array>

// The signal model shared by every analog widget of the kit: a value range
// mapped onto a digital range, and a digit mapped onto a per-mille position of
// the scale. Pure functions, so the rules can be checked without widgets.
namespace brivel::signalmath {

struct Range {
    int digitalFrom = 0;
    int digitalTo = 1000;
    float valueFrom = 0.0f;
    float valueTo = 100.0f;

    // D and S of the model.
    int digitalSpan() const { return digitalTo - digitalFrom; }
    double valueSpan() const { return double(valueTo) - double(valueFrom); }
};

// round((v - ValueFrom) * D / S + DigitalFrom); DigitalFrom when S is zero or
// v is not a number.
int valueToDigit(const Range& range, double value);

// (d - DigitalFrom) * S / D + ValueFrom; ValueFrom when D is zero.
double digitToValue(const Range& range, int digit);

// round(1000 / D * (d - DigitalFrom)): the place on the scale in per-mille,
// not clamped (below 0 and above 1000 are the overflow states). 0 when D is 0.
int digitToPermille(const Range& range, int digit);

enum class Overflow { None, Below, Above };

Overflow overflowOf(int permille);
// The position as drawn: overflowing positions stick to the scale's ends.
int drawnPermille(int permille);

struct SectorBounds {
    int from = 0;
    int to = 0;
};
using SectorFlags = std::array<bool, 3>;

// Sector n holds p when its From <= p <= its To.
SectorFlags sectorsContaining(int permille, const std::array<SectorBounds, 3>& sectors);
// Index (0..2) of the last sector in the order 1, 2, 3 that holds p; -1 when
// none does.
int lastSectorContaining(int permille, const std::array<SectorBounds, 3>& sectors);

}  // namespace brivel::signalmath
