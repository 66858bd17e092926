#include "QtPrinters.h"
#include "VirtualClock.h"
#include "sim/ControllerEmulator.h"
#include "sim/SimOptions.h"
#include "settings/SettingsFileIo.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace brivel;
using namespace brivel::sim;
using brivel::test::VirtualClock;

namespace {

struct OptionsCase {
    const char* name;
    QStringList arguments;
    QString error;  // empty when the arguments are good
    std::function<void(ControllerEmulator&)> check;
};

class KvosSimOptions : public ::testing::TestWithParam<OptionsCase> {};

quint8 liveByte(ControllerEmulator& emulator, int offset)
{
    return static_cast<quint8>(emulator.live().nextFrame(0x55)[offset]);
}

TEST_P(KvosSimOptions, SetTheEmulatorUpOrSayWhatIsWrong)
{
    const OptionsCase& c = GetParam();
    VirtualClock clock;
    ControllerEmulator emulator(clock);
    SimOptions options;
    QString error;
    const bool ok = options.parse(QStringList{"kvos-sim"} + c.arguments, &error) &&
                    options.applyTo(emulator, &error);
    EXPECT_EQ(ok, c.error.isEmpty());
    EXPECT_EQ(error, c.error);
    if (ok && c.check)
        c.check(emulator);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, KvosSimOptions,
    ::testing::Values(
        OptionsCase{"IdleByDefault",
                    {},
                    {},
                    [](ControllerEmulator& e) {
                        EXPECT_EQ(e.engine().profile().name(), QStringLiteral("idle"));
                        EXPECT_EQ(liveByte(e, 31), 3);
                        EXPECT_EQ(liveByte(e, 34), 0xFF);
                        EXPECT_EQ(liveByte(e, 35), 0xFF);
                        EXPECT_EQ(liveByte(e, 48), 0xFF);
                        EXPECT_TRUE(e.faults().none());
                    }},
        OptionsCase{"DemoProfile",
                    {"--profile", "demo"},
                    {},
                    [](ControllerEmulator& e) {
                        EXPECT_EQ(e.engine().profile().name(), QStringLiteral("demo"));
                    }},
        OptionsCase{"EngineFaults",
                    {"--engine-fault", "gas-pressure-low", "--engine-fault", "injector-3",
                     "--engine-fault", "supply-voltage"},
                    {},
                    [](ControllerEmulator& e) {
                        EXPECT_EQ(liveByte(e, 34), 0xEF);
                        EXPECT_EQ(liveByte(e, 35), 0xFB);
                        EXPECT_EQ(liveByte(e, 48), 0xFD);
                    }},
        OptionsCase{"TankLevel",
                    {"--tank-level", "1"},
                    {},
                    [](ControllerEmulator& e) { EXPECT_EQ(liveByte(e, 31), 1); }},
        OptionsCase{
            "LineFault",
            {"--fault", "silence"},
            {},
            [](ControllerEmulator& e) { EXPECT_TRUE(e.faults().has(EmulatorFault::Silence)); }},
        OptionsCase{"UnknownProfile", {"--profile", "race"}, "unknown profile \"race\"", {}},
        OptionsCase{
            "UnknownEngineFault", {"--engine-fault", "fire"}, "unknown engine fault \"fire\"", {}},
        OptionsCase{"NoSuchInjector",
                    {"--engine-fault", "injector-9"},
                    "unknown engine fault \"injector-9\"",
                    {}},
        OptionsCase{"TankTooFull", {"--tank-level", "5"}, "tank level must be 0 to 4", {}},
        OptionsCase{"UnknownLineFault", {"--fault", "nope"}, "unknown fault \"nope\"", {}},
        OptionsCase{"UnknownOption", {"--turbo"}, "Unknown option 'turbo'.", {}},
        OptionsCase{"StoredFaults",
                    {"--stored-fault", "3", "--stored-fault", "0", "--stored-fault", "0x07"},
                    {},
                    [](ControllerEmulator& e) {
                        EXPECT_EQ(e.settings().at(561), 0x03);
                        EXPECT_EQ(e.settings().at(562), 0x00);
                        EXPECT_EQ(e.settings().at(563), 0x07);
                        EXPECT_EQ(e.settings().at(564), 0xFF);
                    }},
        OptionsCase{
            "StoredFaultNoByte", {"--stored-fault", "256"}, "stored fault \"256\" is no byte", {}},
        OptionsCase{"StoredFaultNoNumber",
                    {"--stored-fault", "gas"},
                    "stored fault \"gas\" is no byte",
                    {}},
        OptionsCase{"TooManyStoredFaults",
                    [] {
                        QStringList args;
                        for (int i = 0; i < 41; ++i)
                            args << "--stored-fault"
                                 << "1";
                        return args;
                    }(),
                    "at most 40 stored faults",
                    {}}),
    [](const auto& p) { return std::string(p.param.name); });

class KvosSimSettingsFile : public ::testing::Test {
protected:
    bool apply(const QStringList& arguments)
    {
        SimOptions options;
        return options.parse(QStringList{"kvos-sim"} + arguments, &error) &&
               options.applyTo(emulator, &error);
    }

    QTemporaryDir dir;
    VirtualClock clock;
    ControllerEmulator emulator{clock};
    QString error;
};

TEST_F(KvosSimSettingsFile, StartsFromTheFilesSettingsMapAndFaults)
{
    // A customer's image: 6 cylinders, turbo, its own map and stored faults.
    QByteArray customer = emulator.settings().reply(0x66);
    customer[4] = 9;  // a firmware the emulator does not have
    customer[20] = 0x3F;
    customer[22] = 3;
    customer[34] = 0x08;
    for (int o = 66; o < 312; ++o)
        customer[o] = static_cast<char>(o & 0xFF);
    customer[561] = 0x05;
    const QString path = dir.filePath(QStringLiteral("customer.kvs"));
    ASSERT_EQ(settings::datafile::save(path, customer, 12), QString());

    ASSERT_TRUE(apply({"--settings", path, "--stored-fault", "0x2A"})) << error.toStdString();
    const QByteArray image = emulator.settings().reply(0x66);
    EXPECT_EQ(image.mid(20, 3), customer.mid(20, 3));
    EXPECT_EQ(static_cast<quint8>(image[34]), 0x08);
    EXPECT_EQ(image.mid(66, 246), customer.mid(66, 246));
    EXPECT_EQ(static_cast<quint8>(image[4]), 3);  // still this controller's firmware
    // The faults given on the command line replace the file's.
    EXPECT_EQ(static_cast<quint8>(image[561]), 0x2A);
    EXPECT_EQ(static_cast<quint8>(image[562]), 0xFF);
}

TEST_F(KvosSimSettingsFile, DamagedOrMissingFileIsAnError)
{
    const QString shortFile = dir.filePath(QStringLiteral("short.kvs"));
    const QByteArray whole = settings::datafile::encode(emulator.settings().reply(0x66), 3);
    ASSERT_EQ(settings::datafile::writeAtomically(shortFile, whole.left(1000)), QString());
    const QByteArray before = emulator.settings().reply(0x66);
    EXPECT_FALSE(apply({"--settings", shortFile}));
    EXPECT_EQ(error, QStringLiteral("settings file \"%1\": Data file error").arg(shortFile));
    EXPECT_EQ(emulator.settings().reply(0x66), before);

    const QString missing = dir.filePath(QStringLiteral("none.kvs"));
    EXPECT_FALSE(apply({"--settings", missing}));
    EXPECT_TRUE(error.startsWith(QStringLiteral("settings file \"%1\": ").arg(missing)));
    EXPECT_FALSE(error.endsWith(QStringLiteral("Data file error")));
}

}  // namespace
