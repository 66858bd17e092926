#include "sim/DemoPort.h"

#include "sim/ControllerEmulator.h"
#include "sim/DriveProfile.h"
#include "sim/EmulatorPort.h"

#include "link/PortRouter.h"

namespace brivel::sim {

namespace {

// Long enough for the reducer to warm up past the adaptation's 60 °C and
// for a few rounds of the profile on gas.
constexpr int DemoDriveInMs = 6 * 60 * 1000;
// A poll's reply (80 ms on the line) comes in two pieces.
constexpr int DemoPieceIntervalMs = 50;
// Both learned curves.
constexpr quint8 DemoMapSelector = 3;

}  // namespace

void paceLikeTheDemo(ControllerEmulator& emulator)
{
    emulator.setPieceInterval(DemoPieceIntervalMs);
    emulator.setEngineOnDemand(true);
}

std::unique_ptr<SerialPort> makeDemoPort(Clock& clock)
{
    auto port = std::make_unique<EmulatorPort>(clock);
    paceLikeTheDemo(port->emulator());
    // Something to watch: the engine idles, revs and cruises, round after
    // round. The car has been driven to the workshop: warm, on gas, and the
    // controller has learned both curves on the way, so the map page and
    // the adaptation have something to work with as soon as it connects.
    // The drive is simulated when "Demo" is first opened, not at every start.
    port->setBeforeFirstOpen([](ControllerEmulator& emulator) {
        emulator.engine().setProfile(DriveProfile::demo());
        emulator.live().advance(DemoDriveInMs);
        emulator.live().setMapSelector(DemoMapSelector);
    });
    return port;
}

std::unique_ptr<PortRouter> makePortWithDemo(std::unique_ptr<SerialPort> device, Clock& clock)
{
    return std::make_unique<PortRouter>(std::move(device), makeDemoPort(clock), DemoPortName);
}

}  // namespace brivel::sim
