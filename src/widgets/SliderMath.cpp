#include "widgets/SliderMath.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>

namespace brivel::slidermath {

int clampDigit(const Range& range, qint64 digit)
{
    const qint64 lo = std::min(range.digitalFrom, range.digitalTo);
    const qint64 hi = std::max(range.digitalFrom, range.digitalTo);
    return int(std::clamp(digit, lo, hi));
}

int digitForValue(const Range& range, double value)
{
    const double lo = std::min(range.valueFrom, range.valueTo);
    const double hi = std::max(range.valueFrom, range.valueTo);
    if (std::isnan(value))
        value = range.valueFrom;
    return clampDigit(range, signalmath::valueToDigit(range, std::clamp(value, lo, hi)));
}

double valueForDigit(const Range& range, int digit)
{
    return signalmath::digitToValue(range, clampDigit(range, digit));
}

int digitAfterKey(const Range& range, int current, Key key, int changeSmall, int changeLarge)
{
    qint64 next = current;
    switch (key) {
        case Key::PageUp:
            next += changeLarge;
            break;
        case Key::PageDown:
            next -= changeLarge;
            break;
        case Key::End:
            next = range.digitalTo;
            break;
        case Key::Home:
            next = range.digitalFrom;
            break;
        case Key::Left:
        case Key::Down:
            next -= changeSmall;
            break;
        case Key::Up:
        case Key::Right:
            next += changeSmall;
            break;
    }
    return clampDigit(range, next);
}

int digitAtTrackOffset(const Range& range, double offset, double trackLength)
{
    if (trackLength <= 0)
        return range.digitalFrom;
    const double clamped = std::clamp(offset, 0.0, trackLength);
    return clampDigit(
        range, qint64(roundToInt(range.digitalSpan() / trackLength * clamped)) + range.digitalFrom);
}

bool inGripBand(double gripCentreOffset, double offset, int buttonSize)
{
    return offset >= gripCentreOffset - 0.2 * buttonSize &&
           offset <= gripCentreOffset + 0.4 * buttonSize;
}

}  // namespace brivel::slidermath
