#pragma once

#include "i18n/MessageRows.h"

#include <QtCore/QtGlobal>

#include <array>
#include <cstddef>
#include <optional>

namespace brivel::settings {

// Every field of the controller's settings image that the program reads or
// writes. Offsets count from the reply's lead byte 0xAA, so the image is the
// whole reply, envelope included; its last byte is the reply's check byte,
// whose offset depends on the image's length and so is not in the table.
enum class Field {
    LeadByte,
    FrameLength,
    Echo,
    VersionMajor,
    VersionMinor,
    VersionPatch,
    ActiveGasCylinders,
    RpmPulseSource,
    CylinderCount,
    SwitchOverRpm,
    MaxRpmOnGas,
    LevelThreshold1,
    LevelThreshold2,
    LevelThreshold3,
    LevelThreshold4,
    LevelSensorKind,
    ReducerTempSensor,
    GasTempSensor,
    PressureSensor,
    RpmSignalHigh,
    Turbo,
    PositiveInjectors,
    SwitchOverGasTemp,
    WorkingPressure,
    MinimumPressure,
    PressureErrorTime,
    SwitchOverTime,
    CylinderSequenceDelay,
    GasInjectorType,
    InjectionMap,
    PetrolAtFirstMinimum,
    FuelIsCng,
    FaultMemory,
};

// How a field's stored bytes turn into what a fitter reads.
enum class Encoding {
    Frame,    // the reply's envelope
    Number,   // shown value = stored byte × scale, in `unit`
    Code,     // a code; `values` says what each one means
    Flag,     // one bit (`mask`) of a byte: set or clear
    Bitmask,  // bit i stands for cylinder i + 1
    Table,    // a run of bytes with a layout of its own
};

struct BlockField {
    Field field;
    int offset;
    int width;    // bytes
    quint8 mask;  // the bit of a flag; 0xFF for whole bytes
    const char* name;
    const char* description;
    Encoding encoding;
    double scale;  // Number: shown value per stored unit
    int decimals;  // Number: decimals worth showing
    const char* unit;
    const char* values;  // Code, Flag, Table: what the stored values mean
    // The message-table row of the name a fitter knows the field by (the
    // caption of its control where it has one); none for the envelope. A
    // level threshold's row takes its number (1-4) as %1.
    std::optional<msg::Row> nameRow;

    constexpr int end() const { return offset + width; }
    // The value a fitter reads for a stored byte of a Number field.
    constexpr double shown(quint8 stored) const { return stored * scale; }
};

// The layout, in offset order. Every field's offset is written here and
// nowhere else; the emulator's image uses it too.
inline constexpr std::array<BlockField, 33> BlockFields = {{
    {Field::LeadByte, 0, 1, 0xFF, "lead", "Lead byte of the reply", Encoding::Frame, 1, 0, "",
     "always 0xAA", std::nullopt},
    {Field::FrameLength, 1, 2, 0xFF, "length", "Length of the whole reply, high byte first",
     Encoding::Frame, 1, 0, "bytes", "", std::nullopt},
    {Field::Echo, 3, 1, 0xFF, "echo", "Command the reply answers", Encoding::Frame, 1, 0, "",
     "0x66 settings read, 0x26 factory reset", std::nullopt},
    {Field::VersionMajor, 4, 1, 0xFF, "version_major", "Firmware version, first number",
     Encoding::Number, 1, 0, "", "shown in decimal", msg::Row::Firmware},
    {Field::VersionMinor, 5, 1, 0xFF, "version_minor", "Firmware version, second number",
     Encoding::Number, 1, 0, "", "shown as two hexadecimal digits", msg::Row::Firmware},
    {Field::VersionPatch, 6, 1, 0xFF, "version_patch", "Firmware version, third number",
     Encoding::Number, 1, 0, "", "shown as two hexadecimal digits", msg::Row::Firmware},
    {Field::ActiveGasCylinders, 20, 1, 0xFF, "active_gas_cylinders", "Cylinders that run on gas",
     Encoding::Bitmask, 1, 0, "", "bit 0 cylinder 1 ... bit 7 cylinder 8",
     msg::Row::ActiveGasInjectors},
    {Field::RpmPulseSource, 21, 1, 0xFF, "rpm_pulse_source", "Where the engine speed is taken",
     Encoding::Code, 1, 0, "",
     "0 single coil, 1 double coil, 2-6 injector of a 3, 4, 5, 6 or 8 cylinder engine",
     msg::Row::Impulse},
    {Field::CylinderCount, 22, 1, 0xFF, "cylinder_count", "Number of cylinders", Encoding::Code, 1,
     0, "", "0-3 = 3-6 cylinders, 5 = 8 cylinders", msg::Row::CylinderCount},
    {Field::SwitchOverRpm, 23, 1, 0xFF, "switch_over_rpm", "Engine speed for switching to gas",
     Encoding::Number, 100, 0, "rpm", "", msg::Row::SwitchOverRpm},
    {Field::MaxRpmOnGas, 24, 1, 0xFF, "max_rpm_on_gas", "Highest engine speed on gas",
     Encoding::Number, 100, 0, "rpm", "", msg::Row::MaxRpmOnGas},
    {Field::LevelThreshold1, 25, 1, 0xFF, "level_threshold_1", "Tank sensor voltage, level 1",
     Encoding::Number, 1.0 / 51, 2, "V", "", msg::Row::LevelThreshold},
    {Field::LevelThreshold2, 26, 1, 0xFF, "level_threshold_2", "Tank sensor voltage, level 2",
     Encoding::Number, 1.0 / 51, 2, "V", "", msg::Row::LevelThreshold},
    {Field::LevelThreshold3, 27, 1, 0xFF, "level_threshold_3", "Tank sensor voltage, level 3",
     Encoding::Number, 1.0 / 51, 2, "V", "", msg::Row::LevelThreshold},
    {Field::LevelThreshold4, 28, 1, 0xFF, "level_threshold_4", "Tank sensor voltage, level 4",
     Encoding::Number, 1.0 / 51, 2, "V", "", msg::Row::LevelThreshold},
    {Field::LevelSensorKind, 29, 1, 0xFF, "level_sensor_kind", "Tank level sensor", Encoding::Code,
     1, 0, "", "0 = 0-90 Ohm, 2 = 90-0 Ohm", msg::Row::LevelSensorType},
    {Field::ReducerTempSensor, 30, 1, 0xFF, "reducer_temp_sensor", "Reducer temperature sensor",
     Encoding::Code, 1, 0, "", "1 = 2.2 kOhm", msg::Row::ReducerTempSensor},
    {Field::GasTempSensor, 31, 1, 0xFF, "gas_temp_sensor", "Gas temperature sensor", Encoding::Code,
     1, 0, "", "1 = 2.2 kOhm", msg::Row::GasTempSensor},
    {Field::PressureSensor, 33, 1, 0xFF, "pressure_sensor", "Gas and manifold pressure sensor",
     Encoding::Code, 1, 0, "", "4 = KVOS 01", msg::Row::PressureSensor},
    {Field::RpmSignalHigh, 34, 1, 0x02, "rpm_signal_high", "Engine speed signal level",
     Encoding::Flag, 1, 0, "", "clear = low 5 V, set = high 12 V", msg::Row::RpmSignal},
    {Field::Turbo, 34, 1, 0x08, "turbo", "Turbocharged engine", Encoding::Flag, 1, 0, "",
     "clear = standard, set = turbo", msg::Row::EngineType},
    {Field::PositiveInjectors, 34, 1, 0x80, "positive_injectors",
     "Petrol injectors switched on the positive side", Encoding::Flag, 1, 0, "", "set = yes",
     msg::Row::PositiveInjectors},
    {Field::SwitchOverGasTemp, 35, 1, 0xFF, "switch_over_gas_temp",
     "Gas temperature for switching to gas", Encoding::Number, 1, 0, "°C", "",
     msg::Row::SwitchOverTemperature},
    {Field::WorkingPressure, 36, 1, 0xFF, "working_pressure", "Working pressure for adaptation",
     Encoding::Number, 0.01, 2, "bar", "", msg::Row::WorkingPressure},
    {Field::MinimumPressure, 40, 1, 0xFF, "minimum_pressure", "Minimum gas pressure",
     Encoding::Number, 0.01, 2, "bar", "", msg::Row::MinimumPressure},
    {Field::PressureErrorTime, 41, 1, 0xFF, "pressure_error_time",
     "How long a pressure fault may last", Encoding::Number, 10, 0, "ms", "",
     msg::Row::PressureErrorTime},
    {Field::SwitchOverTime, 42, 1, 0xFF, "switch_over_time", "Switch-over time to gas",
     Encoding::Number, 0.5, 1, "s", "", msg::Row::SwitchOverTime},
    {Field::CylinderSequenceDelay, 43, 1, 0xFF, "cylinder_sequence_delay",
     "Delay between cylinders when switching", Encoding::Number, 10, 0, "ms", "",
     msg::Row::CylinderSequence},
    {Field::GasInjectorType, 45, 1, 0xFF, "gas_injector_type", "Gas injectors", Encoding::Code, 1,
     0, "",
     "8 Valtek/Dorn 1 Ohm, 9 Valtek/Dorn 2 Ohm, 3 Valtek/Dorn 3 Ohm, 1 Matrix, 6 BRC, "
     "7 Keihin",
     msg::Row::GasInjector},
    {Field::InjectionMap, 66, 246, 0xFF, "injection_map",
     "Gas/petrol multiplier per petrol injection time", Encoding::Table, 0.01, 2, "",
     "entry k for 1.0 + (k - 1) x 0.1 ms, in hundredths", msg::Row::MapTab},
    {Field::PetrolAtFirstMinimum, 558, 1, 0x01, "petrol_at_first_minimum",
     "Switch to petrol at the first minimum-pressure event", Encoding::Flag, 1, 0, "", "set = yes",
     msg::Row::PetrolAtFirstDrop},
    {Field::FuelIsCng, 558, 1, 0x02, "fuel_is_cng", "Fuel", Encoding::Flag, 1, 0, "",
     "clear = LPG, set = CNG", msg::Row::FuelType},
    {Field::FaultMemory, 561, 40, 0xFF, "fault_memory", "Stored faults, oldest first",
     Encoding::Table, 1, 0, "", "one code per entry, 0xFF = empty", msg::Row::StoredFaults},
}};

constexpr const BlockField& blockField(Field field)
{
    return BlockFields[static_cast<std::size_t>(field)];
}

constexpr int offsetOf(Field field)
{
    return blockField(field).offset;
}

constexpr bool tableIsInFieldOrder()
{
    for (std::size_t i = 0; i < BlockFields.size(); ++i)
        if (static_cast<std::size_t>(BlockFields[i].field) != i)
            return false;
    return true;
}
static_assert(tableIsInFieldOrder(), "BlockFields must list the fields in the order of Field");

// The length of the image the controller sends, check byte included.
inline constexpr int BlockSize = 602;
inline constexpr int MapEntries = 246;
inline constexpr int FaultEntries = 40;
inline constexpr quint8 EmptyFault = 0xFF;
// The part of the image that the block write 0x1A replaces, offsets 21-560:
// everything from the pulse source to the byte before the fault memory.
inline constexpr int SettingsRegionFirst = 21;
inline constexpr int SettingsRegionLast = 560;
inline constexpr int SettingsRegionSize = SettingsRegionLast - SettingsRegionFirst + 1;

static_assert(blockField(Field::InjectionMap).width == MapEntries);
static_assert(blockField(Field::FaultMemory).width == FaultEntries);
static_assert(offsetOf(Field::FaultMemory) == SettingsRegionLast + 1);

}  // namespace brivel::settings
