#include "QtPrinters.h"
#include "VirtualClock.h"
#include "sim/ControllerEmulator.h"
#include "sim/SimOptions.h"

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
        OptionsCase{"UnknownOption", {"--turbo"}, "Unknown option 'turbo'.", {}}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
