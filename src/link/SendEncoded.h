#pragma once

#include <QtCore/QByteArray>

#include <functional>

namespace brivel {

class SerialPort;

// Waits the given milliseconds between two writes of one command.
using PauseFunction = std::function<void(int ms)>;

// The pause of a real line: the controller's receiver needs a moment after
// each full piece. Blocks for at most 1 ms per piece.
void linePause(int ms);

// Line-codes a framed command and writes it to the port behind the uncoded
// lead byte, in pieces of at most 80 bytes with a pause after each full one.
// Port errors are raised as they come.
void SendEncoded(SerialPort& port, const QByteArray& frame, const PauseFunction& pause);

}  // namespace brivel
