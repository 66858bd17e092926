#include "link/Commands.h"

namespace brivel::command {

QByteArray make(quint8 code, const QByteArray& payload)
{
    QByteArray out;
    out.reserve(payload.size() + 1);
    out.append(static_cast<char>(code));
    out.append(payload);
    return out;
}

QByteArray make(quint8 code, std::initializer_list<quint8> payload)
{
    QByteArray bytes;
    for (quint8 b : payload)
        bytes.append(static_cast<char>(b));
    return make(code, bytes);
}

std::optional<int> payloadSize(quint8 code)
{
    switch (code) {
        case FactoryReset:
        case AdaptationStart:
            return 0;
        case ReadSettings:
        case Poll:
        case CylinderCount:
        case RpmPulseSource:
        case RpmSignalLevel:
        case EngineType:
        case PositiveInjectors:
        case GasInjectorType:
        case InjectorSetting24:
        case InjectorSetting30:
        case PressureSensor:
        case PressureSensor27:
        case ReducerTempSensor:
        case GasTempSensor:
        case WorkingPressure:
        case MinimumPressure:
        case PetrolAtFirstMinimum:
        case PressureErrorTime:
        case MaxRpmOnGas:
        case SwitchOverGasTemp:
        case SwitchOverRpm:
        case SwitchOverTime:
        case CylinderSequenceDelay:
        case LevelEdit:
        case ClearFaultMemory:
        case MapCurve:
        case AdaptationStop:
            return 1;
        case Fuel:
            return 2;
        case AdaptationStep:
            return 3;
        case LevelThresholds:
        case AdaptationResult:
            return 5;
        case MapAux:
            return 20;
        case WriteMap:
        case AdaptationEnd:
            return MapSize;
        case WriteSettingsRegion:
            return SettingsRegionSize;
        default:
            return std::nullopt;
    }
}

}  // namespace brivel::command
