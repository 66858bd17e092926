#include "sim/CommandReader.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "link/LineCoding.h"

namespace brivel::sim {

void CommandReader::feed(const QByteArray& wire)
{
    for (char c : wire) {
        const quint8 byte = static_cast<quint8>(c);
        if (!collecting_) {
            if (byte == WireLead) {
                collecting_ = true;
                expected_ = -1;
                frame_.clear();
            }
            continue;
        }
        // The program codes under its send key; that key undoes it here.
        frame_.append(static_cast<char>(DecodeLineByte(byte, SendKey)));
        if (frame_.size() == 2) {
            const auto payload = command::payloadSize(static_cast<quint8>(frame_[1]));
            expected_ = payload ? *payload + 3 : -1;
        }
        if (expected_ > 0 && frame_.size() == expected_)
            finishFrame();
    }
}

void CommandReader::lineQuiet()
{
    if (collecting_)
        finishFrame();
}

void CommandReader::reset()
{
    collecting_ = false;
    expected_ = -1;
    frame_.clear();
}

std::vector<QByteArray> CommandReader::takeFrames()
{
    std::vector<QByteArray> frames;
    frames.swap(frames_);
    return frames;
}

void CommandReader::finishFrame()
{
    if (frame_.size() >= 3)
        frames_.push_back(frame_);
    reset();
}

}  // namespace brivel::sim
