#pragma once

#include <QtCore/QLocale>
#include <QtCore/QString>

// Numeric pictures such as "##0.0", "###0" or "#0.00", as the read-outs,
// scales and sliders use them:
//   "0"  a digit that is always shown,
//   "#"  a digit shown only when significant,
//   "."  the decimal separator of the locale (the first one counts),
//   ","  anywhere in the integer part: group thousands with the locale's
//        group separator,
//   text in single or double quotes, and any other character, is copied.
// Up to three sections separated by ";" give the pictures for positive,
// negative and zero values; the negative section is written without a sign.
// The value is rounded to the last digit shown, ties away from zero, on its
// exact binary value (a single 12.45 is 12.4499998 and shows as "12.4").
namespace brivel::picture {

QString formatFloat(double value, const QString& picture, const QLocale& locale = QLocale());

// The text a read-out measures to size its value box: the picture itself, or
// its longest section when it has several.
QString widthTemplate(const QString& picture);

}  // namespace brivel::picture
