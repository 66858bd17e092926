#pragma once

#include "widgets/SignalMath.h"

// Step rules of the sliders: every value a slider holds lies on a step of its
// digital range.
namespace brivel::slidermath {

using signalmath::Range;

int clampDigit(const Range& range, qint64 digit);

// The step a value lands on: the value is clamped to the value range first.
int digitForValue(const Range& range, double value);

// The value of a step (the step clamped to the digital range first).
double valueForDigit(const Range& range, int digit);

enum class Key { PageUp, PageDown, End, Home, Left, Down, Up, Right };

// The step after a key; relative moves are clamped to the digital range.
int digitAfterKey(const Range& range, int current, Key key, int changeSmall, int changeLarge);

// The step under the pointer while dragging. `offset` is the distance from the
// DigitalFrom end of the track (left of a horizontal, bottom of a vertical
// slider), clamped to the track.
int digitAtTrackOffset(const Range& range, double offset, double trackLength);

// Where the grip catches the pointer when the track does not: from 0.2 grip
// lengths before to 0.4 after its centre, measured from the DigitalFrom end.
bool inGripBand(double gripCentreOffset, double offset, int buttonSize);

}  // namespace brivel::slidermath
