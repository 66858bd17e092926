#include "sim/CurrentFault.h"

namespace brivel::sim {

QString currentFaultName(CurrentFault fault)
{
    switch (fault) {
        case CurrentFault::Voltage:
            return QStringLiteral("voltage");
        case CurrentFault::GasPressureHigh:
            return QStringLiteral("gas-pressure-high");
        case CurrentFault::GasPressureLow:
            return QStringLiteral("gas-pressure-low");
        case CurrentFault::IgnitionVoltageLow:
            return QStringLiteral("ignition-voltage-low");
        case CurrentFault::PetrolInjectionSignal:
            return QStringLiteral("petrol-injection-signal");
        case CurrentFault::PetrolSystem:
            return QStringLiteral("petrol-system");
        case CurrentFault::Settings:
            return QStringLiteral("settings");
        case CurrentFault::SupplyVoltage:
            return QStringLiteral("supply-voltage");
    }
    return QString();
}

std::optional<CurrentFault> currentFaultFromName(const QString& name)
{
    for (int i = 0; i < CurrentFaultCount; ++i) {
        const auto fault = static_cast<CurrentFault>(i);
        if (currentFaultName(fault) == name)
            return fault;
    }
    return std::nullopt;
}

QStringList currentFaultNames()
{
    QStringList names;
    for (int i = 0; i < CurrentFaultCount; ++i)
        names << currentFaultName(static_cast<CurrentFault>(i));
    return names;
}

}  // namespace brivel::sim
