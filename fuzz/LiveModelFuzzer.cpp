// The live model fed arbitrary replies, as the link hands them over, with
// disconnects in between, and an adaptation record following it now and
// then. Every reading stays finite and within what its field can encode, a
// reply that is no frame changes nothing and tells no one, the lambda range
// tops only ever latch upwards, and the fault list is whole lines.
#include "FuzzCheck.h"

#include "i18n/MessageTable.h"
#include "live/LiveFrame.h"
#include "live/LiveModel.h"
#include "map/AdaptationRecord.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QtCore/QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace brivel;

namespace {

constexpr int MaxFrames = 16;
constexpr int MaxFrame = 700;

const MessageTable& messages()
{
    static const MessageTable table;
    return table;
}

bool within(float value, float low, float high)
{
    return std::isfinite(value) && value >= low && value <= high;
}

void checkSnapshot(const LiveSnapshot& s)
{
    const float maxPetrol = live::petrolTimeMs(0xFF, 0xFF);
    for (float t : s.petrolTimes)
        FUZZ_CHECK(within(t, 0, maxPetrol));
    FUZZ_CHECK(within(s.gasTime, 0, live::gasTimeMs(0xFF, 0xFF, 0xFF)));
    FUZZ_CHECK(within(s.rpm, 0, 1e6f) && within(s.rpmThousands, 0, 1e3f));
    FUZZ_CHECK(within(s.lambda1, 0, live::lambdaVolts(0xFF)));
    FUZZ_CHECK(within(s.lambda2, 0, live::lambdaVolts(0xFF)));
    FUZZ_CHECK(within(s.battery, 0, live::batteryVolts(0xFF) + 0.01f));
    FUZZ_CHECK(std::isfinite(s.gasPressure) && std::isfinite(s.manifoldPressure));
    FUZZ_CHECK(std::isfinite(s.gasTemp) && std::isfinite(s.reducerTemp));
    for (float top : {s.lambda1Top, s.lambda2Top})
        FUZZ_CHECK(top == LiveSnapshot::LambdaTopUnlatched ||
                   top == LiveSnapshot::LambdaTopLatched);
    FUZZ_CHECK(s.faultText.isEmpty() || s.faultText.endsWith(QStringLiteral("\r\n")));
    // One line per fault flag at most.
    FUZZ_CHECK(s.faultText.count(QStringLiteral("\r\n")) <= 24);
    FUZZ_CHECK(s.tankVoltageText.isEmpty() || s.tankVoltageText.size() <= 8);
}

bool sameReadings(const LiveSnapshot& a, const LiveSnapshot& b)
{
    return a.rpm == b.rpm && a.petrolTimes == b.petrolTimes && a.gasTime == b.gasTime &&
           a.lambda1 == b.lambda1 && a.battery == b.battery && a.faultText == b.faultText &&
           a.levelLit == b.levelLit && a.active == b.active && a.sampleIndex == b.sampleIndex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    LiveModel model(messages());
    bool adaptation = false;
    int told = 0;
    map::AdaptationRecord record;
    QObject::connect(&model, &LiveModel::changed, [&](const LiveSnapshot& s, LiveChanges changes) {
        ++told;
        // What a running adaptation keeps of every decoded frame.
        if (adaptation && (changes & FrameDecoded))
            record.record(s.frame);
    });
    for (int i = 0; i < MaxFrames && in.remaining_bytes() > 0; ++i) {
        const int what = in.ConsumeIntegralInRange<int>(0, 7);
        if (what == 0) {
            model.linkDisconnected();
            checkSnapshot(model.snapshot());
            continue;
        }
        if (what == 1)
            adaptation = !adaptation;
        const auto n = in.ConsumeIntegralInRange<int>(0, MaxFrame);
        const std::string bytes = in.ConsumeBytesAsString(static_cast<std::size_t>(n));
        const QByteArray frame(bytes.data(), static_cast<qsizetype>(bytes.size()));
        const LiveSnapshot before = model.snapshot();
        const int toldBefore = told;
        model.liveReplyReceived(frame);
        const LiveSnapshot& after = model.snapshot();
        checkSnapshot(after);
        if (live::classify(frame) != live::FrameUse::Decode) {
            FUZZ_CHECK(sameReadings(before, after));
            FUZZ_CHECK(told == toldBefore);
        } else {
            FUZZ_CHECK(told == toldBefore + 1);
            FUZZ_CHECK(after.frame == frame);
        }
        FUZZ_CHECK(after.lambda1Top <= before.lambda1Top);
        FUZZ_CHECK(after.lambda2Top <= before.lambda2Top);
    }
    return 0;
}
