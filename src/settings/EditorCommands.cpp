#include "settings/EditorCommands.h"

#include "settings/InjectorTypes.h"
#include "settings/SettingsDisplay.h"
#include "settings/ThresholdText.h"

#include "link/Commands.h"
#include "link/Rounding.h"

namespace brivel::settings::editor {

namespace {

constexpr int EightCylinderItem = 4;
constexpr quint8 EightCylinderCode = 0x05;
constexpr quint8 PressureSensorCode = 0x04;
constexpr quint8 TempSensorCode = 0x01;
constexpr quint8 EditStarts = 0x01;
constexpr quint8 EditEnds = 0x00;

QueuedCommand one(quint8 code, quint8 payload)
{
    return {command::make(code, {payload}), {}, {}};
}

// A selector's item as the controller takes it; an empty selector is -1.
quint8 itemByte(int item)
{
    return static_cast<quint8>(static_cast<unsigned>(item) & 0xFFu);
}

quint8 flagByte(bool on)
{
    return on ? 1 : 0;
}

}  // namespace

void CylinderCountChange::applyTo(ParameterBlock& block) const
{
    block.patch(offsetOf(Field::CylinderCount), countCode);
    if (activeGasCylinders)
        block.patch(offsetOf(Field::ActiveGasCylinders), *activeGasCylinders);
}

CylinderCountChange cylinderCount(int item)
{
    // All fitted cylinders on gas: 3, 4, 5, 6 or 8 low bits.
    static constexpr quint8 masks[] = {0x07, 0x0F, 0x1F, 0x3F, 0xFF};
    CylinderCountChange change;
    if (item >= 0 && item <= EightCylinderItem) {
        change.countCode = item == EightCylinderItem ? EightCylinderCode : quint8(item);
        change.activeGasCylinders = masks[item];
    } else {
        change.countCode = itemByte(SettingsDisplay::NoSelection);
    }
    change.command = one(command::CylinderCount, change.countCode);
    return change;
}

QueuedCommand pulseSource(int item)
{
    return one(command::RpmPulseSource, itemByte(item));
}

QueuedCommand rpmSignalLevel(int item)
{
    return one(command::RpmSignalLevel, itemByte(item));
}

QueuedCommand engineType(int item)
{
    return one(command::EngineType, itemByte(item));
}

QueuedCommand positiveInjectors(bool checked)
{
    return one(command::PositiveInjectors, flagByte(checked));
}

std::optional<QueuedCommand> injectorType(int item)
{
    if (item < 0 || item >= static_cast<int>(InjectorTypes.size()))
        return std::nullopt;
    const InjectorType& t = InjectorTypes[item];
    return QueuedCommand{command::make(command::GasInjectorType, {t.code}),
                         command::make(command::InjectorSetting24, {t.setting24}),
                         command::make(command::InjectorSetting30, {t.setting30})};
}

QueuedCommand pressureSensor()
{
    return {command::make(command::PressureSensor, {PressureSensorCode}),
            command::make(command::PressureSensor27, {PressureSensorCode}),
            {}};
}

QueuedCommand reducerTempSensor()
{
    return one(command::ReducerTempSensor, TempSensorCode);
}

QueuedCommand gasTempSensor()
{
    return one(command::GasTempSensor, TempSensorCode);
}

QueuedCommand workingPressure(float bar)
{
    return one(command::WorkingPressure, payloadByte(static_cast<double>(bar) * 100));
}

QueuedCommand minimumPressure(float bar)
{
    return one(command::MinimumPressure, payloadByte(static_cast<double>(bar) * 100));
}

quint8 cylinderMask(const std::array<bool, 8>& checked)
{
    quint8 mask = 0;
    for (int i = 0; i < 8; ++i)
        if (checked[i])
            mask |= static_cast<quint8>(1u << i);
    return mask;
}

QueuedCommand fuelSwitch(bool showsGas, quint8 mask)
{
    return {command::make(command::Fuel, {showsGas ? command::FuelPetrol : command::FuelGas, mask}),
            {},
            {}};
}

std::optional<QueuedCommand> cylinderButton(bool onGas, quint8 maskAfterToggle)
{
    if (!onGas)
        return std::nullopt;
    return QueuedCommand{command::make(command::Fuel, {command::FuelGas, maskAfterToggle}), {}, {}};
}

QueuedCommand switchOver(SwitchOverSlider slider, float value)
{
    const double v = static_cast<double>(value);
    switch (slider) {
        case SwitchOverSlider::Temp_LPG_changer:
            return one(command::SwitchOverGasTemp, payloadByte(v));
        case SwitchOverSlider::RPM_Prog_przel:
            return one(command::SwitchOverRpm, payloadByte(v / 100));
        case SwitchOverSlider::T_przel_to_LPG:
            return one(command::SwitchOverTime, payloadByte(v * 2));
        case SwitchOverSlider::T_CYL_seqence:
            return one(command::CylinderSequenceDelay, payloadByte(v / 10));
        case SwitchOverSlider::T_zwloki_changer:
            return one(command::PressureErrorTime, payloadByte(v / 10));
        case SwitchOverSlider::RPM_Max_To_Petrol:
            return one(command::MaxRpmOnGas, payloadByte(v / 100));
    }
    return {};
}

QueuedCommand petrolAtFirstMinimum(bool checked)
{
    return one(command::PetrolAtFirstMinimum, flagByte(checked));
}

QueuedCommand levelEditStart()
{
    return one(command::LevelEdit, EditStarts);
}

std::optional<quint8> levelSensorCode(int item, std::optional<quint8> storedKind)
{
    if (item == 0)
        return 0;
    if (item == 1)
        return 2;
    return storedKind;
}

std::optional<QueuedCommand> levelThresholds(const std::array<QString, 4>& boxTexts,
                                             quint8 sensorCode, const QLocale& locale)
{
    QByteArray payload;
    for (const QString& text : boxTexts) {
        const auto volts = threshold::parse(text, locale);
        if (!volts)
            return std::nullopt;
        payload.append(static_cast<char>(threshold::storedByte(*volts)));
    }
    payload.append(static_cast<char>(sensorCode));
    return QueuedCommand{command::make(command::LevelThresholds, payload),
                         command::make(command::LevelEdit, {EditEnds}),
                         {}};
}

QueuedCommand writeSettingsRegion(const QByteArray& region)
{
    return {command::make(command::WriteSettingsRegion, region),
            command::make(command::ReadSettings, {command::ReadPayload}),
            {}};
}

QueuedCommand readForSave()
{
    return {command::make(command::ReadSettings, {command::ReadPayload}), {}, {}};
}

QueuedCommand factoryReset()
{
    return {command::make(command::FactoryReset), {}, {}};
}

}  // namespace brivel::settings::editor
