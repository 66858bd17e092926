// The drive recording reader on arbitrary text: whatever it keeps is a whole
// live frame at a time that never goes back, the settings image is a whole
// settings reply, and writing the kept frames again reads back the same.
#include "FuzzCheck.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "live/DriveRecordFormat.h"
#include "live/DriveRecording.h"
#include "live/LiveFrame.h"

#include <QtCore/QByteArray>

#include <cstddef>
#include <cstdint>

using namespace brivel;

namespace {

void checkWhole(const QByteArray& reply)
{
    FUZZ_CHECK(static_cast<quint8>(reply[0]) == FrameLead);
    FUZZ_CHECK(ReplyLength(reply) == reply.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const DriveRecording recording = DriveRecording::parse(text);

    const QByteArray& image = recording.settingsImage();
    if (!image.isEmpty()) {
        checkWhole(image);
        const quint8 echo = static_cast<quint8>(image[3]);
        FUZZ_CHECK(echo == command::ReadSettings || echo == command::FactoryReset);
    }

    QByteArray again = record::headerLine();
    if (!image.isEmpty())
        again += record::settingsLine(0, image);
    for (int k = 0; k < recording.frameCount(); ++k) {
        const QByteArray frame = recording.frame(k);
        checkWhole(frame);
        FUZZ_CHECK(live::classify(frame) == live::FrameUse::Decode);
        FUZZ_CHECK(recording.timeMs(k) >= 0);
        if (k > 0)
            FUZZ_CHECK(recording.timeMs(k) >= recording.timeMs(k - 1));
        FUZZ_CHECK(recording.indexAt(recording.timeMs(k)) >= k);
        again += record::frameLine(recording.timeMs(k), frame);
    }
    FUZZ_CHECK(recording.indexAt(recording.startMs() - 1) == -1);

    const DriveRecording back = DriveRecording::parse(again);
    FUZZ_CHECK(back.frameCount() == recording.frameCount());
    FUZZ_CHECK(back.settingsImage() == image);
    for (int k = 0; k < back.frameCount(); ++k) {
        FUZZ_CHECK(back.timeMs(k) == recording.timeMs(k));
        FUZZ_CHECK(back.frame(k) == recording.frame(k));
    }
    return 0;
}
