#include "widgets/FormatPicture.h"

#include <QtCore/QStringList>

#include <algorithm>
#include <cmath>

namespace brivel::picture {

namespace {

QStringList splitSections(const QString& picture)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : picture) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

struct Parsed {
    QString prefix;  // literal text before the first digit placeholder
    QString suffix;  // literal text after the last one (and stray text between)
    int intPlaces = 0;
    int minInt = 0;
    int maxFrac = 0;
    int minFrac = 0;
    bool grouping = false;
    bool hasDigits = false;
};

Parsed parse(const QString& section)
{
    Parsed p;
    bool afterPoint = false;
    int firstZeroInInt = -1;
    int lastZeroInFrac = -1;
    QChar quote;
    for (const QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                (p.hasDigits ? p.suffix : p.prefix) += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'0' || c == u'#') {
            p.hasDigits = true;
            if (afterPoint) {
                ++p.maxFrac;
                if (c == u'0')
                    lastZeroInFrac = p.maxFrac;
            } else {
                if (c == u'0' && firstZeroInInt < 0)
                    firstZeroInInt = p.intPlaces;
                ++p.intPlaces;
            }
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
            p.hasDigits = true;
        } else if (c == u',' && !afterPoint) {
            p.grouping = true;
        } else {
            (p.hasDigits ? p.suffix : p.prefix) += c;
        }
    }
    // Placeholders left of the leftmost "0" of the integer part are optional.
    p.minInt = firstZeroInInt < 0 ? 0 : p.intPlaces - firstZeroInInt;
    p.minFrac = lastZeroInFrac < 0 ? 0 : lastZeroInFrac;
    return p;
}

// |value| rounded half away from zero to `decimals` places, as integer and
// fraction digit strings (the fraction exactly `decimals` long).
void roundedDigits(double magnitude, int decimals, QString& intDigits, QString& fracDigits)
{
    // 'f' gives the exact decimal expansion; cutting it after enough places
    // cannot turn a value below a tie into one at or above it.
    const QString exact = QString::number(magnitude, 'f', decimals + 30);
    const int point = exact.indexOf(u'.');
    QString digits = exact.left(point) + exact.mid(point + 1, decimals);
    const bool up = exact.at(point + 1 + decimals) >= u'5';
    if (up) {
        int i = digits.size() - 1;
        while (i >= 0 && digits.at(i) == u'9') {
            digits[i] = u'0';
            --i;
        }
        if (i < 0)
            digits.prepend(u'1');
        else
            digits[i] = QChar(digits.at(i).unicode() + 1);
    }
    intDigits = digits.left(digits.size() - decimals);
    fracDigits = digits.right(decimals);
    while (intDigits.size() > 1 && intDigits.startsWith(u'0'))
        intDigits.remove(0, 1);
}

QString group(const QString& digits, const QString& separator)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits.at(i);
    }
    return out;
}

}  // namespace

QString formatFloat(double value, const QString& picture, const QLocale& locale)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (picture.isEmpty())
        return locale.toString(value, 'g', 7);

    const QStringList sections = splitSections(picture);
    QString section = sections.at(0);
    bool signInPicture = false;
    if (value < 0 && sections.size() > 1 && !sections.at(1).isEmpty()) {
        section = sections.at(1);
        signInPicture = true;
    }
    Parsed p = parse(section);
    if (!p.hasDigits)
        return p.prefix + p.suffix;

    QString intDigits;
    QString fracDigits;
    roundedDigits(std::fabs(value), p.maxFrac, intDigits, fracDigits);
    const bool isZero =
        intDigits == QLatin1String("0") &&
        std::all_of(fracDigits.cbegin(), fracDigits.cend(), [](QChar c) { return c == u'0'; });

    if (isZero && sections.size() > 2 && !sections.at(2).isEmpty()) {
        p = parse(sections.at(2));
        signInPicture = true;
        if (!p.hasDigits)
            return p.prefix + p.suffix;
        roundedDigits(0.0, p.maxFrac, intDigits, fracDigits);
    }

    while (fracDigits.size() > p.minFrac && fracDigits.endsWith(u'0'))
        fracDigits.chop(1);
    if (intDigits == QLatin1String("0") && p.minInt == 0)
        intDigits.clear();
    while (intDigits.size() < p.minInt)
        intDigits.prepend(u'0');
    if (p.grouping)
        intDigits = group(intDigits, locale.groupSeparator());

    QString out = p.prefix;
    if (value < 0 && !isZero && !signInPicture)
        out += locale.negativeSign();
    out += intDigits;
    if (!fracDigits.isEmpty())
        out += locale.decimalPoint() + fracDigits;
    out += p.suffix;
    return out;
}

QString widthTemplate(const QString& picture)
{
    QString longest;
    for (const QString& section : splitSections(picture)) {
        if (section.size() > longest.size())
            longest = section;
    }
    return longest;
}

}  // namespace brivel::picture
