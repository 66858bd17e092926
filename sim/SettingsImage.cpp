#include "sim/SettingsImage.h"

#include "sim/ReplyFrame.h"

#include "settings/InjectorTypes.h"
#include "settings/SettingsFile.h"

namespace brivel::sim {

namespace {

constexpr bool programLeavesAlone(int offset)
{
    for (const settings::BlockField& f : settings::BlockFields)
        if (offset >= f.offset && offset < f.end())
            return false;
    return true;
}

static_assert(programLeavesAlone(SettingsImage::PressureSensorSetting) &&
                  programLeavesAlone(SettingsImage::InjectorSetting24) &&
                  programLeavesAlone(SettingsImage::InjectorSetting30),
              "the emulator's own settings must not sit on a field the program reads");

// Where the image's copy of a data file starts: behind the firmware version.
constexpr int FirstRestoredOffset = SettingsImage::Version + 3;

}  // namespace

SettingsImage::SettingsImage() : bytes_(Size, '\0')
{
    restoreFactorySettings();
}

void SettingsImage::restoreFactorySettings()
{
    bytes_.fill('\0');
    setVersion(3, 7, 7);
    set(CylinderMask, 0x0F);
    set(RpmPulseSource, 0);
    set(CylinderCount, 1);  // 4 cylinders
    set(SwitchOverRpm, 15);
    set(MaxRpmOnGas, 60);
    // 0.71, 1.49, 2.20 and 2.80 V for a 0-90 Ohm sensor.
    const quint8 thresholds[] = {0x24, 0x4C, 0x70, 0x8F};
    for (int i = 0; i < 4; ++i)
        set(LevelThresholds + i, thresholds[i]);
    set(LevelSensorKind, 0);
    set(ReducerTempSensor, 1);
    set(GasTempSensor, 1);
    set(PressureSensor, 4);
    set(PressureSensorSetting, 4);
    set(EngineFlags, 0);
    set(SwitchOverGasTemp, 35);
    set(WorkingPressure, 100);
    set(MinimumPressure, 60);
    set(PressureErrorTime, 20);
    set(SwitchOverTime, 20);
    set(CylinderSequenceDelay, 10);
    const settings::InjectorType& injector = settings::InjectorTypes[0];
    set(GasInjectorType, injector.code);
    set(InjectorSetting24, injector.setting24);
    set(InjectorSetting30, injector.setting30);
    // A gas/petrol multiplier that falls from 1.40 at short petrol times to
    // 1.10 at the longest, as a tuned map roughly does.
    for (int k = 0; k < MapEntries; ++k)
        set(Map + k, static_cast<quint8>(140 - (k * 30) / (MapEntries - 1)));
    set(SwitchOverFlags, 0);
    clearFaultMemory();
}

void SettingsImage::setBit(int offset, quint8 mask, bool on)
{
    set(offset, on ? (at(offset) | mask) : (at(offset) & ~mask));
}

void SettingsImage::write(int offset, const QByteArray& data)
{
    for (qsizetype i = 0; i < data.size() && offset + i < Size - 1; ++i)
        bytes_[offset + i] = data[i];
}

void SettingsImage::setVersion(quint8 major, quint8 minor, quint8 patch)
{
    set(Version, major);
    set(Version + 1, minor);
    set(Version + 2, patch);
}

void SettingsImage::clearFaultMemory()
{
    for (int i = 0; i < FaultEntries; ++i)
        set(FaultMemory + i, EmptyFault);
}

void SettingsImage::setFaultMemory(const QByteArray& entries)
{
    clearFaultMemory();
    write(FaultMemory, entries.left(FaultEntries));
}

void SettingsImage::restoreFrom(const settings::datafile::Contents& contents)
{
    for (int o = FirstRestoredOffset; o < Size - 1; ++o)
        if (const auto b = contents.byteAt(o))
            set(o, *b);
}

int SettingsImage::cylinders() const
{
    switch (at(CylinderCount)) {
        case 0:
            return 3;
        case 1:
            return 4;
        case 2:
            return 5;
        case 3:
            return 6;
        case 5:
            return 8;
        default:
            return 4;
    }
}

QByteArray SettingsImage::reply(quint8 echo) const
{
    return sealReply(bytes_, echo);
}

}  // namespace brivel::sim
