#include "sim/SettingsCommands.h"

#include "sim/LiveState.h"
#include "sim/SettingsImage.h"

#include "settings/ParameterBlockDecoder.h"

#include "link/Commands.h"

namespace brivel::sim {

namespace {

using Image = SettingsImage;

struct ByteSetting {
    quint8 code;
    int offset;
};

// Editors whose one payload byte is the stored value itself.
constexpr ByteSetting byteSettings[] = {
    {command::RpmPulseSource, Image::RpmPulseSource},
    {command::GasInjectorType, Image::GasInjectorType},
    {command::InjectorSetting24, Image::InjectorSetting24},
    {command::InjectorSetting30, Image::InjectorSetting30},
    {command::PressureSensor, Image::PressureSensor},
    {command::PressureSensor27, Image::PressureSensorSetting},
    {command::ReducerTempSensor, Image::ReducerTempSensor},
    {command::GasTempSensor, Image::GasTempSensor},
    {command::WorkingPressure, Image::WorkingPressure},
    {command::MinimumPressure, Image::MinimumPressure},
    {command::PressureErrorTime, Image::PressureErrorTime},
    {command::MaxRpmOnGas, Image::MaxRpmOnGas},
    {command::SwitchOverGasTemp, Image::SwitchOverGasTemp},
    {command::SwitchOverRpm, Image::SwitchOverRpm},
    {command::SwitchOverTime, Image::SwitchOverTime},
    {command::CylinderSequenceDelay, Image::CylinderSequenceDelay},
};

struct FlagSetting {
    quint8 code;
    int offset;
    quint8 mask;
};

// Editors that switch one flag bit by a payload of 0 or 1.
constexpr FlagSetting flagSettings[] = {
    {command::RpmSignalLevel, Image::EngineFlags, Image::RpmSignalHigh},
    {command::EngineType, Image::EngineFlags, Image::Turbo},
    {command::PositiveInjectors, Image::EngineFlags, Image::PositiveInjectors},
    {command::PetrolAtFirstMinimum, Image::SwitchOverFlags, Image::PetrolAtFirstMinimum},
};

}  // namespace

SettingsCommands::SettingsCommands(SettingsImage& settings, LiveState& live)
    : settings_(settings), live_(live)
{
}

std::optional<QByteArray> SettingsCommands::handle(quint8 code, const QByteArray& payload)
{
    if (code == command::ReadSettings)
        return settings_.reply(code);
    if (code == command::FactoryReset) {
        settings_.restoreFactorySettings();
        return settings_.reply(code);
    }
    if (!apply(code, payload))
        return std::nullopt;
    return live_.nextFrame(code);
}

bool SettingsCommands::apply(quint8 code, const QByteArray& payload)
{
    const quint8 first = payload.isEmpty() ? 0 : static_cast<quint8>(payload[0]);
    for (const ByteSetting& s : byteSettings)
        if (s.code == code) {
            settings_.set(s.offset, first);
            return true;
        }
    for (const FlagSetting& s : flagSettings)
        if (s.code == code) {
            settings_.setBit(s.offset, s.mask, first != 0);
            return true;
        }
    switch (code) {
        case command::CylinderCount:
            settings_.set(Image::CylinderCount, first);
            // A new engine runs on gas on all its cylinders, as the program
            // shows it at once; a code for no engine leaves the cylinders.
            if (const int cylinders =
                    settings::cylindersOfItem(settings::cylinderItemForCode(first)))
                settings_.set(Image::CylinderMask, static_cast<quint8>((1u << cylinders) - 1));
            return true;
        case command::WriteSettingsRegion:
            settings_.write(Image::WritableRegion, payload.left(Image::WritableRegionSize));
            return true;
        case command::LevelThresholds:
            // Four thresholds, then the sensor kind right behind them.
            settings_.write(Image::LevelThresholds, payload.left(5));
            return true;
        case command::WriteMap:
            settings_.write(Image::Map, payload.left(Image::MapEntries));
            return true;
        case command::ClearFaultMemory:
            settings_.clearFaultMemory();
            return true;
        case command::LevelEdit:
            // Opens (0x01) and closes (0x00) a threshold edit; nothing is stored.
            return true;
        default:
            return false;
    }
}

}  // namespace brivel::sim
