#include "sim/DemoPort.h"

#include "sim/DriveProfile.h"
#include "sim/EmulatorPort.h"

#include "link/PortRouter.h"

namespace brivel::sim {

std::unique_ptr<SerialPort> makeDemoPort(Clock& clock)
{
    auto port = std::make_unique<EmulatorPort>(clock);
    // Something to watch: the engine warms up, revs, cruises and goes over
    // to gas by itself, round after round.
    port->emulator().engine().setProfile(DriveProfile::demo());
    return port;
}

std::unique_ptr<PortRouter> makePortWithDemo(std::unique_ptr<SerialPort> device, Clock& clock)
{
    return std::make_unique<PortRouter>(std::move(device), makeDemoPort(clock), DemoPortName);
}

}  // namespace brivel::sim
