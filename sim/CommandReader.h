#pragma once

#include <QtCore/QByteArray>

#include <vector>

namespace brivel::sim {

// The controller's receiver: finds commands in the bytes from the program.
// A command starts at the uncoded lead byte 0xCC; the bytes behind it are
// decoded, and the code byte tells how long the payload is. A frame whose
// code is unknown, or that was cut short, ends when the line falls quiet.
class CommandReader {
public:
    void feed(const QByteArray& wire);
    // The line has been quiet for a while: whatever was collected counts as
    // a whole frame.
    void lineQuiet();
    void reset();

    bool collecting() const { return collecting_; }
    // Complete frames since the last call: 0xAA, code, payload, checksum.
    std::vector<QByteArray> takeFrames();

private:
    void finishFrame();

    bool collecting_ = false;
    int expected_ = -1;  // frame size, once the code is known
    QByteArray frame_;
    std::vector<QByteArray> frames_;
};

}  // namespace brivel::sim
