#pragma once

#include <QtCore/QByteArray>

#include <functional>

namespace brivel {

class SerialPort;

// Rests the line the given milliseconds between two writes of one command:
// the controller's receiver needs a moment after each full piece.
using PauseFunction = std::function<void(int ms)>;

// Line-codes a framed command and writes it to the port behind the uncoded
// lead byte, in pieces of at most 80 bytes with a pause after each full one.
// Port errors are raised as they come.
void SendEncoded(SerialPort& port, const QByteArray& frame, const PauseFunction& pause);

}  // namespace brivel
