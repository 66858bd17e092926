#include "link/PortSettings.h"

#include "platform/PlatformError.h"
#include "platform/SettingsStore.h"

#include <QtCore/QRegularExpression>

#include <algorithm>

namespace brivel {

namespace {

QString key(const char* value)
{
    return port_settings::Group + QLatin1Char('/') + QLatin1String(value);
}

// The canonical spelling of `text` in `list`, or an empty text.
QString match(const QStringList& list, const QString& text)
{
    for (const QString& candidate : list)
        if (candidate.compare(text, Qt::CaseInsensitive) == 0)
            return candidate;
    return QString();
}

FlowFlags presetFlags(const QString& name, const FlowFlags& current)
{
    FlowFlags flags;
    if (name == QLatin1String("Hardware")) {
        flags.rts = RtsControl::Handshake;
        flags.ctsOutputFlow = true;
    } else if (name == QLatin1String("Software")) {
        flags.xonXoffIn = true;
        flags.xonXoffOut = true;
    } else if (name != QLatin1String("None")) {
        return current;
    }
    return flags;
}

[[noreturn]] void loadFailed()
{
    throw PlatformError(QStringLiteral("Failed to load settings"));
}

}  // namespace

int PortSettings::effectiveBaudRate() const
{
    return isCustomRate() ? customBaudRate : baudRate.toInt();
}

QString PortSettings::flowControlName() const
{
    for (const QString& name :
         {QStringLiteral("Hardware"), QStringLiteral("Software"), QStringLiteral("None")})
        if (presetFlags(name, flow) == flow)
            return name;
    return QStringLiteral("Custom");
}

namespace port_settings {

const QStringList& baudRates()
{
    static const QStringList list = {
        QStringLiteral("Custom"), QStringLiteral("110"),    QStringLiteral("300"),
        QStringLiteral("600"),    QStringLiteral("1200"),   QStringLiteral("2400"),
        QStringLiteral("4800"),   QStringLiteral("9600"),   QStringLiteral("14400"),
        QStringLiteral("19200"),  QStringLiteral("38400"),  QStringLiteral("56000"),
        QStringLiteral("57600"),  QStringLiteral("115200"), QStringLiteral("128000"),
        QStringLiteral("256000")};
    return list;
}

const QStringList& stopBits()
{
    static const QStringList list = {QStringLiteral("1"), QStringLiteral("1.5"),
                                     QStringLiteral("2")};
    return list;
}

const QStringList& dataBits()
{
    static const QStringList list = {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                                     QStringLiteral("8")};
    return list;
}

const QStringList& parities()
{
    static const QStringList list = {QStringLiteral("None"), QStringLiteral("Odd"),
                                     QStringLiteral("Even"), QStringLiteral("Mark"),
                                     QStringLiteral("Space")};
    return list;
}

const QStringList& flowControls()
{
    static const QStringList list = {QStringLiteral("Hardware"), QStringLiteral("Software"),
                                     QStringLiteral("None"), QStringLiteral("Custom")};
    return list;
}

void load(const SettingsStore& store, PortSettings& settings)
{
    try {
        settings.port = store.readString(key("Port"));

        const QString rate = match(baudRates(), store.readString(key("BaudRate")));
        settings.baudRate = rate.isEmpty() ? QStringLiteral("9600") : rate;
        if (settings.isCustomRate()) {
            const std::optional<int> custom = store.readInt(key("CustomBaudRate"));
            if (!custom)
                loadFailed();
            settings.customBaudRate = *custom;
        }

        const QString stop = match(stopBits(), store.readString(key("StopBits")));
        settings.stopBits = stop.isEmpty() ? QStringLiteral("1") : stop;
        const QString data = match(dataBits(), store.readString(key("DataBits")));
        settings.dataBits = data.isEmpty() ? QStringLiteral("8") : data;
        const QString parity = match(parities(), store.readString(key("Parity")));
        settings.parity = parity.isEmpty() ? QStringLiteral("None") : parity;

        // An unknown flow text counts as "Custom", which keeps the flags as they are.
        const QString flow = match(flowControls(), store.readString(key("FlowControl")));
        settings.flow = presetFlags(flow, settings.flow);
    } catch (const PlatformError& error) {
        if (error.text() == QLatin1String("Failed to load settings"))
            throw;
        loadFailed();
    }
}

void store(SettingsStore& store, const PortSettings& settings)
{
    try {
        store.ensureGroup(Group);
        store.writeString(key("Port"), settings.port);
        store.writeString(key("BaudRate"), settings.baudRate);
        if (settings.isCustomRate())
            store.writeInt(key("CustomBaudRate"), settings.customBaudRate);
        store.writeString(key("StopBits"), settings.stopBits);
        store.writeString(key("DataBits"), settings.dataBits);
        store.writeString(key("Parity"), settings.parity);
        store.writeString(key("FlowControl"), settings.flowControlName());
        store.flush();
    } catch (const PlatformError&) {
        throw PlatformError(QStringLiteral("Failed to store settings"));
    }
}

QStringList offeredPorts(const QStringList& present)
{
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"));
    constexpr int MenuItems = 30;
    // "COMn" ports have their fixed places COM1 … COM30, in number order.
    QStringList comPorts;
    QStringList devices;
    for (const QString& name : present) {
        if (name.isEmpty() || comPorts.contains(name) || devices.contains(name))
            continue;
        const QRegularExpressionMatch m = comName.match(name);
        if (!m.hasMatch()) {
            devices.append(name);
            continue;
        }
        const int number = m.captured(1).toInt();
        if (number >= 1 && number <= MenuItems)
            comPorts.append(name);
    }
    std::sort(comPorts.begin(), comPorts.end(), [](const QString& a, const QString& b) {
        return a.mid(3).toInt() < b.mid(3).toInt();
    });
    std::sort(devices.begin(), devices.end());
    // Many machines list dozens of built-in ttyS ports that are not there;
    // when the menu must drop some, the USB and ACM adapters a fitter plugs
    // in are the ones to keep.
    if (comPorts.size() + devices.size() > MenuItems) {
        auto isBuiltIn = [](const QString& name) { return name.startsWith(QLatin1String("ttyS")); };
        std::stable_partition(devices.begin(), devices.end(),
                              [&](const QString& name) { return !isBuiltIn(name); });
        devices = devices.mid(0, std::max<qsizetype>(0, MenuItems - comPorts.size()));
        std::sort(devices.begin(), devices.end());
    }
    return comPorts + devices;
}

}  // namespace port_settings

}  // namespace brivel
