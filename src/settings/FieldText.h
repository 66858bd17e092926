#pragma once

#include "settings/ParameterBlock.h"
#include "settings/StoredFaults.h"

#include <QtCore/QLocale>
#include <QtCore/QString>

// A settings field in the fitter's words: its name as the message table
// gives it in a language, and its value with its unit, the way the settings
// pages would show it. The field table of BlockLayout.h is the one source of
// offsets, bits, scales and units; the review of a settings file and the
// `kvs` tool both read fields through here.
namespace brivel::settings::fieldtext {

// The field's name; a level threshold's carries its number.
QString name(Field field, const MessageLookup& text);

// The value the image holds for the field, with its unit ("1500 rpm",
// "0,71 V", "4 cyl.", "Turbo", "tak"); "—" when the image does not hold it.
// A code without an item of its own is shown as "? (code)". The map reads as
// the range of its multipliers, the fault memory as the number of entries.
QString value(Field field, const ParameterBlock& block, const MessageLookup& text,
              const QLocale& locale);

// "3.07.07": the first number in decimal, the others as two hex digits.
QString firmwareVersion(const ParameterBlock& block);

// A map multiplier in hundredths as the chart's axis reads it ("1,05").
QString multiplier(int hundredths, const QLocale& locale);

// The text shown for a field the image does not hold.
QString absent();

}  // namespace brivel::settings::fieldtext
