#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "link/PortSettings.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

using namespace brivel;
using brivel::test::MemorySettingsStore;

namespace {

QString errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const PlatformError& e) {
        return e.text();
    }
    return QString();
}

}  // namespace

TEST(PortSettings, FirstRunLeavesTheNameEmptyAndFallsBackTo9600)
{
    MemorySettingsStore store;
    PortSettings settings;
    port_settings::load(store, settings);
    EXPECT_EQ(settings.port, QString());
    EXPECT_EQ(settings.baudRate, QStringLiteral("9600"));
    EXPECT_EQ(settings.effectiveBaudRate(), 9600);
    EXPECT_EQ(settings.flowControlName(), QStringLiteral("None"));
}

TEST(PortSettings, StoresWhatTheProgramRunsWith)
{
    MemorySettingsStore store;
    PortSettings settings;
    settings.port = QStringLiteral("ttyUSB0");
    settings.baudRate = QStringLiteral("Custom");
    settings.customBaudRate = 7200;
    port_settings::store(store, settings);

    const auto& v = store.values();
    EXPECT_EQ(v.value("ComPort1/Port").toString(), QStringLiteral("ttyUSB0"));
    EXPECT_EQ(v.value("ComPort1/BaudRate").toString(), QStringLiteral("Custom"));
    EXPECT_EQ(v.value("ComPort1/CustomBaudRate").toInt(), 7200);
    EXPECT_EQ(v.value("ComPort1/StopBits").toString(), QStringLiteral("1"));
    EXPECT_EQ(v.value("ComPort1/DataBits").toString(), QStringLiteral("8"));
    EXPECT_EQ(v.value("ComPort1/Parity").toString(), QStringLiteral("None"));
    EXPECT_EQ(v.value("ComPort1/FlowControl").toString(), QStringLiteral("None"));
    EXPECT_TRUE(store.hasGroup(QStringLiteral("ComPort1")));
}

TEST(PortSettings, CustomRateIsWrittenOnlyForTheCustomKind)
{
    MemorySettingsStore store;
    PortSettings settings;
    settings.baudRate = QStringLiteral("19200");
    port_settings::store(store, settings);
    EXPECT_FALSE(store.contains(QStringLiteral("ComPort1/CustomBaudRate")));
}

struct LoadCase {
    const char* name;
    QMap<QString, QString> stored;
    QString baudRate;
    int effectiveRate;
    QString stopBits;
    QString dataBits;
    QString parity;
};

class PortSettingsLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(PortSettingsLoad, MatchesTextsWithoutRegardToCaseAndFallsBack)
{
    const LoadCase& c = GetParam();
    MemorySettingsStore store;
    for (auto it = c.stored.begin(); it != c.stored.end(); ++it)
        store.writeString(QStringLiteral("ComPort1/") + it.key(), it.value());
    PortSettings settings;
    port_settings::load(store, settings);
    EXPECT_EQ(settings.baudRate, c.baudRate);
    EXPECT_EQ(settings.effectiveBaudRate(), c.effectiveRate);
    EXPECT_EQ(settings.stopBits, c.stopBits);
    EXPECT_EQ(settings.dataBits, c.dataBits);
    EXPECT_EQ(settings.parity, c.parity);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortSettingsLoad,
    ::testing::Values(
        LoadCase{"lowerCaseCustom",
                 {{"BaudRate", "custom"}, {"CustomBaudRate", "7200"}},
                 "Custom",
                 7200,
                 "1",
                 "8",
                 "None"},
        LoadCase{"standardRate", {{"BaudRate", "19200"}}, "19200", 19200, "1", "8", "None"},
        LoadCase{"unknownTextsFallBack",
                 {{"BaudRate", "7200"}, {"StopBits", "3"}, {"DataBits", "9"}, {"Parity", "odd?"}},
                 "9600",
                 9600,
                 "1",
                 "8",
                 "None"},
        LoadCase{"otherTextsInAnyCase",
                 {{"StopBits", "1.5"}, {"DataBits", "7"}, {"Parity", "EVEN"}},
                 "9600",
                 9600,
                 "1.5",
                 "7",
                 "Even"}),
    [](const ::testing::TestParamInfo<LoadCase>& param) { return std::string(param.param.name); });

TEST(PortSettings, ValuesReadBeforeAFailureStayApplied)
{
    MemorySettingsStore store;
    store.writeString(QStringLiteral("ComPort1/Port"), QStringLiteral("ttyUSB1"));
    store.writeString(QStringLiteral("ComPort1/BaudRate"), QStringLiteral("Custom"));
    test::TestSerialPort port;
    EXPECT_EQ(errorOf([&] { port.loadSettings(store); }),
              QStringLiteral("Failed to load settings"));
    EXPECT_EQ(port.portName(), QStringLiteral("ttyUSB1"));
    EXPECT_EQ(port.settings().baudRate, QStringLiteral("Custom"));
}

TEST(PortSettings, CustomKindWithoutAUsableRateFailsToLoad)
{
    for (const char* rate : {"", "fast"}) {
        MemorySettingsStore store;
        store.writeString(QStringLiteral("ComPort1/BaudRate"), QStringLiteral("Custom"));
        if (*rate)
            store.writeString(QStringLiteral("ComPort1/CustomBaudRate"), QLatin1String(rate));
        PortSettings settings;
        EXPECT_EQ(errorOf([&] { port_settings::load(store, settings); }),
                  QStringLiteral("Failed to load settings"))
            << rate;
    }
}

TEST(PortSettings, UnreadableOrUnwritableStoreGivesTheFixedTexts)
{
    MemorySettingsStore store;
    PortSettings settings;
    store.failReads = true;
    EXPECT_EQ(errorOf([&] { port_settings::load(store, settings); }),
              QStringLiteral("Failed to load settings"));
    store.failWrites = true;
    EXPECT_EQ(errorOf([&] { port_settings::store(store, settings); }),
              QStringLiteral("Failed to store settings"));
}

TEST(PortSettings, FlowPresetsSetTheFlagsAndCustomKeepsThem)
{
    MemorySettingsStore store;
    PortSettings settings;
    store.writeString(QStringLiteral("ComPort1/FlowControl"), QStringLiteral("hardware"));
    port_settings::load(store, settings);
    EXPECT_EQ(settings.flow.rts, RtsControl::Handshake);
    EXPECT_TRUE(settings.flow.ctsOutputFlow);
    EXPECT_EQ(settings.flowControlName(), QStringLiteral("Hardware"));

    store.writeString(QStringLiteral("ComPort1/FlowControl"), QStringLiteral("Software"));
    port_settings::load(store, settings);
    EXPECT_EQ(settings.flowControlName(), QStringLiteral("Software"));
    EXPECT_EQ(settings.flow.rts, RtsControl::Disable);

    // "Custom" leaves the flags as they are: the program's own, RTS held off.
    PortSettings ours;
    store.writeString(QStringLiteral("ComPort1/FlowControl"), QStringLiteral("Custom"));
    port_settings::load(store, ours);
    EXPECT_EQ(ours.flow.rts, RtsControl::Disable);
    EXPECT_EQ(ours.flowControlName(), QStringLiteral("None"));
}

TEST(PortSettings, OfferedPortsKeepTheComItemOrderAndDevicesInTextOrder)
{
    EXPECT_EQ(port_settings::offeredPorts({"COM5", "COM1", "COM31", "COM30"}),
              QStringList({"COM1", "COM5", "COM30"}));
    EXPECT_EQ(port_settings::offeredPorts({"COM10", "COM2"}), QStringList({"COM2", "COM10"}));
    EXPECT_EQ(port_settings::offeredPorts({"ttyUSB0", "ttyS1", "ttyS0", "ttyACM0", "ttyS10"}),
              QStringList({"ttyACM0", "ttyS0", "ttyS1", "ttyS10", "ttyUSB0"}));
}

TEST(PortSettings, AFullMenuKeepsThePluggedInAdaptersOverBuiltInPorts)
{
    QStringList present;
    for (int i = 0; i < 32; ++i)
        present << QStringLiteral("ttyS%1").arg(i);
    present << QStringLiteral("ttyUSB0") << QStringLiteral("ttyACM0");
    const QStringList offered = port_settings::offeredPorts(present);
    EXPECT_EQ(offered.size(), 30);
    EXPECT_TRUE(offered.contains(QStringLiteral("ttyUSB0")));
    EXPECT_TRUE(offered.contains(QStringLiteral("ttyACM0")));
    EXPECT_EQ(offered.first(), QStringLiteral("ttyACM0"));
    EXPECT_EQ(offered[1], QStringLiteral("ttyS0"));
    EXPECT_EQ(offered[2], QStringLiteral("ttyS1"));
    EXPECT_EQ(offered[3], QStringLiteral("ttyS10"));
}

TEST(SerialPort, ChangingTheNameOfAnOpenPortReopensIt)
{
    test::TestSerialPort port;
    port.setPortName(QStringLiteral("ttyS0"));
    port.open();
    port.open();
    EXPECT_EQ(port.opens, 1);
    port.setPortName(QStringLiteral("ttyS1"));
    EXPECT_EQ(port.closes, 1);
    EXPECT_EQ(port.opens, 2);
    EXPECT_TRUE(port.isOpen());
    port.close();
    port.close();
    EXPECT_EQ(port.closes, 2);
}

TEST(SerialPort, CustomRateAppliesOnlyWhenItChangesAndTheKindIsCustom)
{
    test::TestSerialPort port;
    port.setPortName(QStringLiteral("ttyS0"));
    port.open();
    const int applied = port.lineSettingsApplied;
    port.setCustomBaudRate(7200);  // kind still 9600
    EXPECT_EQ(port.lineSettingsApplied, applied);
    port.setBaudRate(QStringLiteral("Custom"));
    EXPECT_EQ(port.lineSettingsApplied, applied + 1);
    port.setCustomBaudRate(7200);  // same value again
    EXPECT_EQ(port.lineSettingsApplied, applied + 1);
    EXPECT_EQ(port.settings().effectiveBaudRate(), 7200);
}

TEST(SerialPort, ReceiveEventCarriesTheBytesWaitingAndIsDroppedWhenClosed)
{
    test::TestSerialPort port;
    QList<int> events;
    port.setReceiveHandler([&](int waiting) { events << waiting; });
    port.feed("x");  // closed: nothing arrives
    port.setPortName(QStringLiteral("ttyS0"));
    port.open();
    port.feed(QByteArray("\xAA\x00", 2));
    port.feed(QByteArray("\x05", 1));
    EXPECT_EQ(events, QList<int>({2, 3}));
    EXPECT_EQ(port.read(10), QByteArray("\xAA\x00\x05", 3));
}
