#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace brivel {

class SettingsStore;

enum class RtsControl { Disable, Enable, Handshake, Toggle };

// The flow flags that the stored "FlowControl" preset stands for.
struct FlowFlags {
    RtsControl rts = RtsControl::Disable;
    bool ctsOutputFlow = false;
    bool xonXoffOut = false;
    bool xonXoffIn = false;

    bool operator==(const FlowFlags& other) const
    {
        return rts == other.rts && ctsOutputFlow == other.ctsOutputFlow &&
               xonXoffOut == other.xonXoffOut && xonXoffIn == other.xonXoffIn;
    }
};

// The line settings of the port as they are stored between runs. Texts are
// kept in their canonical spelling ("Custom", "9600", "1", "8", "None").
struct PortSettings {
    QString port;
    QString baudRate = QStringLiteral("9600");
    int customBaudRate = 9600;
    QString stopBits = QStringLiteral("1");
    QString dataBits = QStringLiteral("8");
    QString parity = QStringLiteral("None");
    FlowFlags flow;

    bool isCustomRate() const { return baudRate == QLatin1String("Custom"); }
    // The rate the line runs at.
    int effectiveBaudRate() const;
    // The preset name of the current flow flags.
    QString flowControlName() const;
};

namespace port_settings {

// The group of the store that holds the port settings.
inline const QString Group = QStringLiteral("ComPort1");

const QStringList& baudRates();
const QStringList& stopBits();
const QStringList& dataBits();
const QStringList& parities();
const QStringList& flowControls();

// Reads the seven stored values into `settings`. Texts match without regard
// to case; an unknown or missing text falls back to its default. Raises
// PlatformError "Failed to load settings" when the store cannot be read or a
// custom rate is missing or not a whole number.
void load(const SettingsStore& store, PortSettings& settings);
// Raises PlatformError "Failed to store settings" when the store refuses.
void store(SettingsStore& store, const PortSettings& settings);

// The ports the "Porty" menu offers, at most 30: "COMn" names only for
// COM1 … COM30 and in number order, then the device names sorted as text.
QStringList offeredPorts(const QStringList& present);

}  // namespace port_settings

}  // namespace brivel
