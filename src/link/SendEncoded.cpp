#include "link/SendEncoded.h"

#include "link/Frames.h"
#include "link/SerialPort.h"

#include <QtCore/QThread>

namespace brivel {

void linePause(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

void SendEncoded(SerialPort& port, const QByteArray& frame, const PauseFunction& pause)
{
    for (const WritePiece& piece : SplitWrite(WireForm(frame))) {
        port.write(piece.bytes);
        if (piece.pauseAfter && pause)
            pause(PauseAfterPieceMs);
    }
}

}  // namespace brivel
