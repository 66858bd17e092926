// The map correction fed arbitrary sequences of mouse presses, releases,
// "X" clicks, spin-button steps and acknowledgements, starting from an
// arbitrary map. After every event each entry is within one byte, entry
// numbers stay 1-246, a step changes the map only the way it says, and every
// map write sends exactly the map, never a wrapped or clamped value.
#include "FuzzCheck.h"

#include "map/InjectionMap.h"
#include "map/MapCorrection.h"
#include "map/MapPlot.h"

#include "link/CommandSender.h"
#include "link/Commands.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QtCore/QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

using namespace brivel;
using namespace brivel::map;

namespace {

using Step = MapCorrection::Step;
using Values = std::array<qint32, InjectionMap::Entries>;

constexpr int MaxEvents = 32;

class CheckingSender final : public CommandSender {
public:
    struct Queued {
        int retries;
        QByteArray command;
        QByteArray firstFollowUp;
        QByteArray secondFollowUp;
    };

    void queueCommand(int retries, const QByteArray& command, const QByteArray& firstFollowUp,
                      const QByteArray& secondFollowUp, Completion completion) override
    {
        FUZZ_CHECK(!completion);
        FUZZ_CHECK(!pending);
        queued.push_back({retries, command, firstFollowUp, secondFollowUp});
    }
    bool commandPending() const override { return pending; }
    void enterBusyState() override { FUZZ_CHECK(false); }
    void setSlowPolling(bool) override { FUZZ_CHECK(false); }

    std::vector<Queued> queued;
    bool pending = false;
};

Values valuesOf(const InjectionMap& map)
{
    Values values{};
    for (int k = 1; k <= InjectionMap::Entries; ++k)
        values[k - 1] = map.value(k);
    return values;
}

void checkMap(const InjectionMap& map)
{
    for (int i = 0; i < InjectionMap::Entries; ++i) {
        const InjectionMap::Entry& e = map.entries()[i];
        FUZZ_CHECK(e.number == i + 1);
        FUZZ_CHECK(InjectionMap::fitsInByte(e.value));
    }
}

void checkSelection(const MapCorrection& correction)
{
    if (correction.hasRange())
        FUZZ_CHECK(correction.rangeStartX() < correction.rangeEndX());
    for (int x : {correction.rangeStartX(), correction.rangeEndX()}) {
        const int entry = MapCorrection::entryAt(x);
        FUZZ_CHECK(entry >= 1 && entry <= InjectionMap::Entries);
    }
    FUZZ_CHECK(correction.panelHeight() == MapCorrection::PanelHeightSpinOnly ||
               correction.panelHeight() == MapCorrection::PanelHeightWithClear);
}

// What a step did to the map, against what it was before.
void checkStep(Step result, int d, const Values& before, const InjectionMap& map,
               const MapCorrection& correction, CheckingSender& sender, std::size_t sentBefore)
{
    const Values after = valuesOf(map);
    if (result != Step::Applied) {
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(sender.queued.size() == sentBefore);
        return;
    }
    FUZZ_CHECK(sender.queued.size() == sentBefore + 1);
    const CheckingSender::Queued& q = sender.queued.back();
    FUZZ_CHECK(q.retries == CommandSender::RetriesForMapSteps);
    FUZZ_CHECK(q.command.size() == 1 + InjectionMap::Entries);
    FUZZ_CHECK(static_cast<quint8>(q.command[0]) == command::WriteMap);
    for (int k = 1; k <= InjectionMap::Entries; ++k)
        FUZZ_CHECK(static_cast<quint8>(q.command[k]) == after[k - 1]);
    FUZZ_CHECK(q.firstFollowUp == command::make(command::MapAux, MapCorrection::auxPayload()));
    FUZZ_CHECK(q.secondFollowUp.isEmpty());

    if (!correction.hasRange()) {
        for (int i = 0; i < InjectionMap::Entries; ++i)
            FUZZ_CHECK(after[i] == before[i] + d);
        return;
    }
    // A tent between the two ends of the range; outside it nothing moves.
    const int l = MapCorrection::entryAt(correction.rangeStartX());
    const int r = MapCorrection::entryAt(correction.rangeEndX());
    FUZZ_CHECK(l <= r);
    for (int k = 1; k <= InjectionMap::Entries; ++k)
        if (k < l || k > r)
            FUZZ_CHECK(after[k - 1] == before[k - 1]);
    FUZZ_CHECK(after != before);
}

int column(FuzzedDataProvider& in)
{
    // Mostly where a press on the selection area lands, now and then anywhere.
    if (in.ConsumeBool())
        return in.ConsumeIntegralInRange(-2, MapPlot::Width + 1);
    return in.ConsumeIntegral<int>();
}

Qt::MouseButtons buttons(FuzzedDataProvider& in)
{
    const auto bits = in.ConsumeIntegral<quint8>();
    Qt::MouseButtons b;
    if (bits & 1)
        b |= Qt::LeftButton;
    if (bits & 2)
        b |= Qt::RightButton;
    if (bits & 4)
        b |= Qt::MiddleButton;
    return b;
}

Qt::KeyboardModifiers modifiers(FuzzedDataProvider& in)
{
    const auto bits = in.ConsumeIntegral<quint8>();
    Qt::KeyboardModifiers m;
    if (bits & 1)
        m |= Qt::ShiftModifier;
    if (bits & 2)
        m |= Qt::ControlModifier;
    if (bits & 4)
        m |= Qt::AltModifier;
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    QByteArray block(InjectionMap::BlockEnd, '\0');
    const std::string values = in.ConsumeBytesAsString(InjectionMap::Entries);
    std::copy(values.begin(), values.end(), block.begin() + InjectionMap::BlockOffset);
    InjectionMap map;
    FUZZ_CHECK(map.load(block));
    CheckingSender sender;
    MapCorrection correction(map, sender);

    // A bounded number of events keeps each run short.
    for (int i = 0; i < MaxEvents && in.remaining_bytes() > 0; ++i) {
        const int event = in.ConsumeIntegralInRange(0, 6);
        if (event == 0) {
            const Qt::MouseButtons b = buttons(in);
            const Qt::KeyboardModifiers m = modifiers(in);
            correction.press(b, m, column(in));
        } else if (event == 1) {
            correction.release();
        } else if (event == 2) {
            correction.clearRange();
            FUZZ_CHECK(!correction.startMarkerMs() && !correction.endMarkerMs());
        } else if (event == 3 || event == 4) {
            const int d = event == 3 ? +1 : -1;
            const Values before = valuesOf(map);
            const std::size_t sentBefore = sender.queued.size();
            const Step result = correction.step(d);
            FUZZ_CHECK((result == Step::Dropped) == sender.pending);
            checkStep(result, d, before, map, correction, sender, sentBefore);
            // The write waits for its echo.
            if (result == Step::Applied)
                sender.pending = true;
        } else {
            // The echo comes back, or the link gives up: either way the
            // queue is free again.
            sender.pending = in.ConsumeBool() && sender.pending;
        }
        checkMap(map);
        checkSelection(correction);
    }
    return 0;
}
