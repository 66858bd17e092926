#pragma once

#include "settings/BlockLayout.h"

#include <QtCore/QByteArray>

namespace brivel::settings::datafile {
struct Contents;
}

namespace brivel::sim {

// The controller's settings image: what it answers to a settings read, with
// the firmware version, the settings, the injection map and the fault memory
// at their places. Offsets count from the reply's lead byte.
class SettingsImage {
public:
    using Field = settings::Field;

    static constexpr int Size = settings::BlockSize;
    static constexpr int Version = settings::offsetOf(Field::VersionMajor);
    static constexpr int CylinderMask = settings::offsetOf(Field::ActiveGasCylinders);
    static constexpr int RpmPulseSource = settings::offsetOf(Field::RpmPulseSource);
    static constexpr int CylinderCount = settings::offsetOf(Field::CylinderCount);
    static constexpr int SwitchOverRpm = settings::offsetOf(Field::SwitchOverRpm);
    static constexpr int MaxRpmOnGas = settings::offsetOf(Field::MaxRpmOnGas);
    static constexpr int LevelThresholds = settings::offsetOf(Field::LevelThreshold1);
    static constexpr int LevelSensorKind = settings::offsetOf(Field::LevelSensorKind);
    static constexpr int ReducerTempSensor = settings::offsetOf(Field::ReducerTempSensor);
    static constexpr int GasTempSensor = settings::offsetOf(Field::GasTempSensor);
    static constexpr int PressureSensor = settings::offsetOf(Field::PressureSensor);
    static constexpr int EngineFlags = settings::offsetOf(Field::Turbo);
    static constexpr int SwitchOverGasTemp = settings::offsetOf(Field::SwitchOverGasTemp);
    static constexpr int WorkingPressure = settings::offsetOf(Field::WorkingPressure);
    static constexpr int MinimumPressure = settings::offsetOf(Field::MinimumPressure);
    static constexpr int PressureErrorTime = settings::offsetOf(Field::PressureErrorTime);
    static constexpr int SwitchOverTime = settings::offsetOf(Field::SwitchOverTime);
    static constexpr int CylinderSequenceDelay = settings::offsetOf(Field::CylinderSequenceDelay);
    static constexpr int GasInjectorType = settings::offsetOf(Field::GasInjectorType);
    static constexpr int Map = settings::offsetOf(Field::InjectionMap);
    static constexpr int MapEntries = settings::MapEntries;
    static constexpr int WritableRegion = settings::SettingsRegionFirst;
    static constexpr int WritableRegionSize = settings::SettingsRegionSize;
    static constexpr int SwitchOverFlags = settings::offsetOf(Field::PetrolAtFirstMinimum);
    static constexpr int FaultMemory = settings::offsetOf(Field::FaultMemory);
    static constexpr int FaultEntries = settings::FaultEntries;
    static constexpr quint8 EmptyFault = settings::EmptyFault;

    // Where this controller keeps the settings that come with the injector
    // type (0x24, 0x30) and the pressure sensor (0x27): offsets the program
    // leaves alone, so they travel with the settings region of a data file.
    static constexpr int PressureSensorSetting = 32;
    static constexpr int InjectorSetting24 = 46;
    static constexpr int InjectorSetting30 = 47;

    // Engine flag bits at EngineFlags, and the switch-over flag bits.
    static constexpr quint8 RpmSignalHigh = settings::blockField(Field::RpmSignalHigh).mask;
    static constexpr quint8 Turbo = settings::blockField(Field::Turbo).mask;
    static constexpr quint8 PositiveInjectors = settings::blockField(Field::PositiveInjectors).mask;
    static constexpr quint8 PetrolAtFirstMinimum =
        settings::blockField(Field::PetrolAtFirstMinimum).mask;

    SettingsImage();

    // Back to what the controller leaves the factory with.
    void restoreFactorySettings();

    quint8 at(int offset) const { return static_cast<quint8>(bytes_[offset]); }
    void set(int offset, quint8 value) { bytes_[offset] = static_cast<char>(value); }
    void setBit(int offset, quint8 mask, bool on);
    // Writes `data` from `offset` on, as far as the image reaches.
    void write(int offset, const QByteArray& data);
    void setVersion(quint8 major, quint8 minor, quint8 patch);
    void clearFaultMemory();
    // A fault memory holding `entries` from the first entry on, the rest
    // empty; entries past the fortieth are dropped.
    void setFaultMemory(const QByteArray& entries);
    // Takes a data file's image bytes from offset 7 on: the settings, the
    // map, the cylinder mask and the fault memory of the controller the file
    // was saved from. The firmware version stays this controller's own.
    void restoreFrom(const settings::datafile::Contents& contents);
    // How many cylinders the cylinder-count code stands for (4 when unknown).
    int cylinders() const;

    // The image as a reply to the given command code.
    QByteArray reply(quint8 echo) const;

private:
    QByteArray bytes_;
};

}  // namespace brivel::sim
