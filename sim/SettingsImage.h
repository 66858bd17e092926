#pragma once

#include <QtCore/QByteArray>

namespace brivel::sim {

// The controller's settings image: what it answers to a settings read, with
// the firmware version, the settings, the injection map and the fault memory
// at their places. Offsets count from the reply's lead byte.
class SettingsImage {
public:
    static constexpr int Size = 602;
    static constexpr int Version = 4;
    static constexpr int CylinderMask = 20;
    static constexpr int RpmPulseSource = 21;
    static constexpr int CylinderCount = 22;
    static constexpr int SwitchOverRpm = 23;
    static constexpr int MaxRpmOnGas = 24;
    static constexpr int LevelThresholds = 25;
    static constexpr int LevelSensorKind = 29;
    static constexpr int ReducerTempSensor = 30;
    static constexpr int GasTempSensor = 31;
    static constexpr int PressureSensor = 33;
    static constexpr int EngineFlags = 34;
    static constexpr int SwitchOverGasTemp = 35;
    static constexpr int WorkingPressure = 36;
    static constexpr int MinimumPressure = 40;
    static constexpr int PressureErrorTime = 41;
    static constexpr int SwitchOverTime = 42;
    static constexpr int CylinderSequenceDelay = 43;
    static constexpr int GasInjectorType = 45;
    static constexpr int Map = 66;
    static constexpr int MapEntries = 246;
    static constexpr int WritableRegion = 21;  // the block write covers 21-560
    static constexpr int WritableRegionSize = 540;
    static constexpr int SwitchOverFlags = 558;
    static constexpr int FaultMemory = 561;
    static constexpr int FaultEntries = 40;
    static constexpr quint8 EmptyFault = 0xFF;

    // Engine flag bits at EngineFlags, and the switch-over flag bit.
    static constexpr quint8 RpmSignalHigh = 0x02;
    static constexpr quint8 Turbo = 0x08;
    static constexpr quint8 PositiveInjectors = 0x80;
    static constexpr quint8 PetrolAtFirstMinimum = 0x01;

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
    // How many cylinders the cylinder-count code stands for (4 when unknown).
    int cylinders() const;

    // The image as a reply to the given command code.
    QByteArray reply(quint8 echo) const;

private:
    QByteArray bytes_;
};

}  // namespace brivel::sim
