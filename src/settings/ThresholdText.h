#pragma once

#include <QtCore/QLocale>
#include <QtCore/QString>

#include <array>
#include <optional>

// The texts of the four tank-level threshold boxes. A box holds a voltage
// (0-5.00 V, stored as volt × 51) and is the only record of it between a
// decoded image and the command that sends it, so what is written into a box
// must always read back: every text here is written with the locale's
// decimal separator, and parsing takes either separator.
namespace brivel::settings::threshold {

// A stored threshold as a box shows it: the voltage to three significant
// digits, written with two decimals ("0,71" for 36 under a decimal comma).
QString storedText(quint8 stored, const QLocale& locale);
// A voltage written the same way (the presets of the sensor kinds).
QString voltageText(double volts, const QLocale& locale);

// The slider's value while it moves: general format, at most three
// significant digits, no trailing zeros ("0,7", "1,25", "5").
QString sliderText(float value, const QLocale& locale);
// What the controller will hold once the slider's value is sent (volts ×
// 51, rounded, one byte), written as a stored threshold: the slider moves in
// hundredths of a volt, the controller keeps 51ths ("1,61" for 1.60).
QString heldText(float value, const QLocale& locale);

// A box's text as a voltage. Takes the locale's own digits and separator, or
// a decimal point or comma whatever the locale; surrounding blanks are
// ignored. Nothing for an empty, non-numeric or non-finite text.
std::optional<double> parse(const QString& text, const QLocale& locale);

// The voltage as the controller stores it: volt × 51, rounded ties to even,
// low 8 bits.
quint8 storedByte(double volts);

// The texts a sensor kind presets in the four boxes: item 0 ("0-90 Ohm")
// rises 0.70, 1.50, 2.20, 2.80 V, item 1 ("90-0 Ohm") falls through the same
// voltages. Nothing for any other item.
std::optional<std::array<QString, 4>> presetTexts(int sensorItem, const QLocale& locale);

}  // namespace brivel::settings::threshold
