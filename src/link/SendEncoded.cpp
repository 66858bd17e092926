#include "link/SendEncoded.h"

#include "link/Frames.h"
#include "link/SerialPort.h"

namespace brivel {

void SendEncoded(SerialPort& port, const QByteArray& frame, const PauseFunction& pause)
{
    for (const WritePiece& piece : SplitWrite(WireForm(frame))) {
        port.write(piece.bytes);
        if (piece.pauseAfter && pause)
            pause(PauseAfterPieceMs);
    }
}

}  // namespace brivel
