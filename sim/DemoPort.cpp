#include "sim/DemoPort.h"

#include "sim/EmulatorPort.h"

#include "link/PortRouter.h"

namespace brivel::sim {

std::unique_ptr<SerialPort> makeDemoPort(Clock& clock) {
    return std::make_unique<EmulatorPort>(clock);
}

std::unique_ptr<PortRouter> makePortWithDemo(std::unique_ptr<SerialPort> device, Clock& clock) {
    return std::make_unique<PortRouter>(std::move(device), makeDemoPort(clock), DemoPortName);
}

}  // namespace brivel::sim
