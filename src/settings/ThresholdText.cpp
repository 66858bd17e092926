#include "settings/ThresholdText.h"

#include "link/Rounding.h"

#include <cmath>

namespace brivel::settings::threshold {

namespace {

constexpr double StepsPerVolt = 51.0;
constexpr std::array<double, 4> RisingPreset = {0.70, 1.50, 2.20, 2.80};

QLocale withoutGrouping(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

// Decimals that keep at most three significant digits, and never more than two.
int decimalsFor(double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude >= 100.0)
        return 0;
    if (magnitude >= 10.0)
        return 1;
    return 2;
}

}  // namespace

QString voltageText(double volts, const QLocale& locale)
{
    if (!std::isfinite(volts))
        return QString();
    // One rounding to the digits shown, so that no value is rounded twice.
    const int decimals = decimalsFor(volts);
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(volts * scale) / scale;
    return withoutGrouping(locale).toString(rounded, 'f', 2);
}

QString storedText(quint8 stored, const QLocale& locale)
{
    return voltageText(stored / StepsPerVolt, locale);
}

QString sliderText(float value, const QLocale& locale)
{
    return withoutGrouping(locale).toString(static_cast<double>(value), 'g', 3);
}

QString heldText(float value, const QLocale& locale)
{
    return storedText(payloadByte(static_cast<double>(value) * StepsPerVolt), locale);
}

std::optional<double> parse(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = withoutGrouping(locale).toDouble(trimmed, &ok);
    if (!ok) {
        // Written under another decimal separator: a box never holds more
        // than one separator, so a point and a comma both mean the decimals.
        QString plain = trimmed;
        plain.replace(QLatin1Char(','), QLatin1Char('.'));
        value = withoutGrouping(QLocale::c()).toDouble(plain, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

quint8 storedByte(double volts)
{
    return payloadByte(volts * StepsPerVolt);
}

std::optional<std::array<QString, 4>> presetTexts(int sensorItem, const QLocale& locale)
{
    if (sensorItem != 0 && sensorItem != 1)
        return std::nullopt;
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i) {
        const int source = sensorItem == 0 ? i : 3 - i;
        texts[i] = voltageText(RisingPreset[source], locale);
    }
    return texts;
}

}  // namespace brivel::settings::threshold
