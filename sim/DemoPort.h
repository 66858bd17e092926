#pragma once

#include <QtCore/QString>

#include <memory>

namespace brivel {
class Clock;
class PortRouter;
class SerialPort;
}  // namespace brivel

namespace brivel::sim {

// The port name under which the window offers the emulated controller.
inline const QString DemoPortName = QStringLiteral("Demo");

// The emulated controller as a port of its own, paced by `clock` (the
// window's clock, so real time), its engine driven through the demo
// profile. `clock` must outlive the port.
std::unique_ptr<SerialPort> makeDemoPort(Clock& clock);

class ControllerEmulator;

// How the demo's controller wakes the program: about as often as a
// controller behind a USB adapter would (a reply in two pieces), and not at
// all for its engine while nobody is connected.
void paceLikeTheDemo(ControllerEmulator& emulator);

// The window's port: `device` under every name but "Demo", the emulated
// controller under "Demo".
std::unique_ptr<PortRouter> makePortWithDemo(std::unique_ptr<SerialPort> device, Clock& clock);

}  // namespace brivel::sim
