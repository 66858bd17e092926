#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

namespace brivel::sim {

// The faults the controller reports as present in its live frame, apart
// from the injector faults, which go by injector number.
enum class CurrentFault {
    Voltage,                // first fault byte, bit 2
    GasPressureHigh,        // bit 3
    GasPressureLow,         // bit 4
    IgnitionVoltageLow,     // bit 5
    PetrolInjectionSignal,  // bit 6
    PetrolSystem,           // bit 7: the petrol side misbehaves
    Settings,               // second fault byte, bit 0
    SupplyVoltage,          // bit 1
};

constexpr int CurrentFaultCount = 8;

// Names for the command line: "voltage", "gas-pressure-high", …
QString currentFaultName(CurrentFault fault);
std::optional<CurrentFault> currentFaultFromName(const QString& name);
QStringList currentFaultNames();

}  // namespace brivel::sim
