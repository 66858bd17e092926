#include "settings/FieldText.h"

#include "settings/InjectorTypes.h"
#include "settings/ParameterBlockDecoder.h"
#include "settings/SettingsDisplay.h"

#include "i18n/MessageRows.h"

#include <algorithm>

namespace brivel::settings::fieldtext {

namespace {

// The message-table rows of the `Sel_cyl` and `Sel_Impuls` items.
constexpr msg::Row CylinderItemRows[] = {msg::Row::Cylinders3, msg::Row::Cylinders4,
                                         msg::Row::Cylinders5, msg::Row::Cylinders6,
                                         msg::Row::Cylinders8};
constexpr msg::Row PulseSourceItemRows[] = {
    msg::Row::SingleCoil,        msg::Row::DoubleCoil,        msg::Row::ImpulseCylinders3,
    msg::Row::ImpulseCylinders4, msg::Row::ImpulseCylinders5, msg::Row::ImpulseCylinders6,
    msg::Row::ImpulseCylinders8};
constexpr int PulseSourceItems = 7;

QString lookup(const MessageLookup& text, msg::Row row)
{
    return text ? text(row) : QString();
}

QString unknownCode(quint8 code)
{
    return QStringLiteral("? (%1)").arg(code);
}

QString withUnit(const QString& number, const char* unit)
{
    return *unit ? number + QLatin1Char(' ') + QString::fromUtf8(unit) : number;
}

int thresholdNumber(Field field)
{
    return static_cast<int>(field) - static_cast<int>(Field::LevelThreshold1) + 1;
}

QString codeText(Field field, quint8 code, const MessageLookup& text)
{
    switch (field) {
        case Field::CylinderCount: {
            const int item = cylinderItemForCode(code);
            return item == SettingsDisplay::NoSelection
                       ? unknownCode(code)
                       : lookup(text, CylinderItemRows[item]).trimmed();
        }
        case Field::RpmPulseSource:
            return code < PulseSourceItems ? lookup(text, PulseSourceItemRows[code]).trimmed()
                                           : unknownCode(code);
        case Field::GasInjectorType: {
            const int item = injectorItemForCode(code);
            return item == SettingsDisplay::NoSelection
                       ? unknownCode(code)
                       : QString::fromUtf8(InjectorTypes[item].text).trimmed();
        }
        case Field::LevelSensorKind:
            return code == 0   ? QStringLiteral("0-90 Ohm")
                   : code == 2 ? QStringLiteral("90-0 Ohm")
                               : unknownCode(code);
        case Field::ReducerTempSensor:
        case Field::GasTempSensor:
            return code == 1 ? QStringLiteral("2,2") : unknownCode(code);
        case Field::PressureSensor:
            return code == 4 ? QStringLiteral("KVOS 01") : unknownCode(code);
        default:
            return unknownCode(code);
    }
}

QString flagText(Field field, bool set, const MessageLookup& text)
{
    switch (field) {
        case Field::RpmSignalHigh:
            return set ? QStringLiteral("High 12V") : QStringLiteral("Low 5V");
        case Field::Turbo:
            return set ? QStringLiteral("Turbo") : QStringLiteral("Standard");
        case Field::FuelIsCng:
            return set ? QStringLiteral("CNG") : QStringLiteral("LPG");
        default:
            return lookup(text, set ? msg::Row::Yes : msg::Row::No);
    }
}

QString tableText(Field field, const ParameterBlock& block, const MessageLookup& text,
                  const QLocale& locale)
{
    if (field == Field::InjectionMap) {
        const auto map = block.injectionMap();
        const auto [low, high] = std::minmax_element(map->begin(), map->end());
        return multiplier(*low, locale) + QStringLiteral(" – ") + multiplier(*high, locale);
    }
    int entries = 0;
    for (int k = 0; k < FaultEntries; ++k)
        if (block.faultEntry(k) != EmptyFault)
            ++entries;
    return entries == 0 ? lookup(text, msg::Row::NoneOf) : QString::number(entries);
}

}  // namespace

QString absent()
{
    return QStringLiteral("—");
}

QString name(Field field, const MessageLookup& text)
{
    const BlockField& f = blockField(field);
    if (!f.nameRow)
        return QString::fromUtf8(f.name);
    QString n = lookup(text, *f.nameRow).trimmed();
    if (n.contains(QLatin1String("%1")))
        n = n.arg(thresholdNumber(field));
    return n;
}

QString multiplier(int hundredths, const QLocale& locale)
{
    return locale.toString(hundredths / 100.0, 'f', 2);
}

QString firmwareVersion(const ParameterBlock& block)
{
    const auto major = block.byte(Field::VersionMajor);
    const auto minor = block.byte(Field::VersionMinor);
    const auto patch = block.byte(Field::VersionPatch);
    if (!major || !minor || !patch)
        return absent();
    return QStringLiteral("%1.%2.%3")
        .arg(*major)
        .arg(*minor, 2, 16, QLatin1Char('0'))
        .arg(*patch, 2, 16, QLatin1Char('0'));
}

QString value(Field field, const ParameterBlock& block, const MessageLookup& text,
              const QLocale& locale)
{
    const BlockField& f = blockField(field);
    if (!block.holds(field))
        return absent();
    switch (f.encoding) {
        case Encoding::Frame:
            return QString::number(static_cast<quint8>(block.bytes()[f.offset]));
        case Encoding::Number:
            return withUnit(locale.toString(f.shown(*block.byte(field)), 'f', f.decimals), f.unit);
        case Encoding::Code:
            return codeText(field, *block.byte(field), text);
        case Encoding::Flag:
            return flagText(field, *block.flag(field), text);
        case Encoding::Bitmask: {
            QStringList cylinders;
            for (int i = 0; i < 8; ++i)
                if (*block.byte(field) & (1u << i))
                    cylinders.append(QString::number(i + 1));
            return cylinders.isEmpty() ? lookup(text, msg::Row::NoneOf)
                                       : cylinders.join(QLatin1Char(' '));
        }
        case Encoding::Table:
            return tableText(field, block, text, locale);
    }
    return absent();
}

}  // namespace brivel::settings::fieldtext
