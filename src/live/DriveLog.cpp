#include "live/DriveLog.h"

#include "live/DriveRecording.h"
#include "live/LiveFrame.h"

#include <algorithm>
#include <cmath>

namespace brivel::drivelog {

namespace {

// Fault bits as the "Error" page reads them: a flag bit reads 0 while its
// fault is present.
bool namesAFault(quint8 flags1, quint8 injectors, quint8 flags2)
{
    return (flags1 & 0xFC) != 0xFC || injectors != 0xFF || (flags2 & 0x03) != 0x03;
}

}  // namespace

const std::array<ChannelInfo, ChannelCount>& channels()
{
    static const std::array<ChannelInfo, ChannelCount> table = {{
        {Channel::Rpm, msg::Row::ChannelRpm, "rpm", 0, 6000, true},
        {Channel::ManifoldPressure, msg::Row::ChannelMap, "kPa", 0, 120, true},
        {Channel::GasPressure, msg::Row::ChannelGasPressure, "bar", 0, 2.5f, true},
        {Channel::PetrolTime, msg::Row::ChannelPetrolTime, "ms", 0, 20, true},
        {Channel::GasTime, msg::Row::ChannelGasTime, "ms", 0, 20, true},
        {Channel::Lambda1, msg::Row::ChannelLambda1, "V", 0, 1, true},
        {Channel::Lambda2, msg::Row::ChannelLambda2, "V", 0, 1, false},
        {Channel::GasTemp, msg::Row::ChannelGasTemp, "°C", 0, 100, false},
        {Channel::ReducerTemp, msg::Row::ChannelReducerTemp, "°C", 0, 100, false},
        {Channel::Battery, msg::Row::ChannelBattery, "V", 10, 15, false},
        {Channel::Fuel, msg::Row::ChannelFuel, "", 0, 1, true},
    }};
    return table;
}

const ChannelInfo& channelInfo(Channel channel)
{
    return channels()[static_cast<std::size_t>(channel)];
}

void DriveLog::append(qint64 timeMs, const std::array<float, ChannelCount>& readings)
{
    times_.push_back(timeMs);
    for (int c = 0; c < ChannelCount; ++c)
        values_[static_cast<std::size_t>(c)].push_back(readings[static_cast<std::size_t>(c)]);
}

DriveLog DriveLog::fromRecording(const DriveRecording& recording)
{
    DriveLog log;
    const int n = recording.frameCount();
    log.times_.reserve(static_cast<std::size_t>(n));
    for (auto& v : log.values_)
        v.reserve(static_cast<std::size_t>(n));
    bool faulty = false;
    quint8 last1 = 0xFF, lastInjectors = 0xFF, last2 = 0xFF;
    for (int i = 0; i < n; ++i) {
        const QByteArray frame = recording.frame(i);
        if (live::classify(frame) != live::FrameUse::Decode)
            continue;
        const live::LiveReadings r = live::readLiveFrame(frame);
        // The lambda read-outs show nothing while the controller is idle.
        const float lambda1 = r.active ? r.lambda1 : 0.0f;
        const float lambda2 = r.active ? r.lambda2 : 0.0f;
        log.append(recording.timeMs(i),
                   {r.rpm, r.manifoldPressure, r.gasPressure, r.petrolTimes[0], r.gasTime, lambda1,
                    lambda2, r.gasTemp, r.reducerTemp, r.battery, r.gasSelected ? 1.0f : 0.0f});
        const bool changed =
            r.faultFlags1 != last1 || r.injectorFaults != lastInjectors || r.faultFlags2 != last2;
        const bool now = namesAFault(r.faultFlags1, r.injectorFaults, r.faultFlags2);
        if (now && (changed || !faulty))
            log.faults_.push_back(
                {recording.timeMs(i), r.faultFlags1, r.injectorFaults, r.faultFlags2});
        faulty = now;
        last1 = r.faultFlags1;
        lastInjectors = r.injectorFaults;
        last2 = r.faultFlags2;
    }
    return log;
}

std::vector<ColumnRange> decimate(const std::vector<qint64>& times,
                                  const std::vector<float>& values, double fromMs, double toMs,
                                  int columns)
{
    std::vector<ColumnRange> out(static_cast<std::size_t>(std::max(columns, 0)));
    if (columns <= 0 || !(toMs > fromMs) || times.empty())
        return out;
    const double perColumn = columns / (toMs - fromMs);
    auto it = std::lower_bound(times.begin(), times.end(), static_cast<qint64>(std::ceil(fromMs)));
    for (auto i = static_cast<std::size_t>(it - times.begin()); i < times.size(); ++i) {
        const double t = static_cast<double>(times[i]);
        if (t >= toMs)
            break;
        const int c = std::min(columns - 1, static_cast<int>((t - fromMs) * perColumn));
        ColumnRange& col = out[static_cast<std::size_t>(c)];
        const float v = values[i];
        if (col.count == 0) {
            col.min = col.max = v;
        } else {
            col.min = std::min(col.min, v);
            col.max = std::max(col.max, v);
        }
        ++col.count;
    }
    return out;
}

TimeSpan::TimeSpan(double startMs, double endMs)
    : start_(startMs), end_(std::max(endMs, startMs + 1)), from_(start_), to_(end_)
{
}

double TimeSpan::timeAt(double x, double width) const
{
    return width > 0 ? from_ + x / width * lengthMs() : from_;
}

double TimeSpan::xAt(double ms, double width) const
{
    return (ms - from_) / lengthMs() * width;
}

void TimeSpan::zoomAround(double x, double width, double factor)
{
    if (width <= 0 || !(factor > 0))
        return;
    const double anchor = timeAt(x, width);
    const double whole = end_ - start_;
    const double length = std::clamp(lengthMs() * factor, std::min(MinimumMs, whole), whole);
    from_ = anchor - x / width * length;
    to_ = from_ + length;
    keepInside();
}

void TimeSpan::panBy(double dx, double width)
{
    if (width <= 0)
        return;
    const double shift = -dx / width * lengthMs();
    from_ += shift;
    to_ += shift;
    keepInside();
}

void TimeSpan::wholeDrive()
{
    from_ = start_;
    to_ = end_;
}

void TimeSpan::keepInside()
{
    const double length = to_ - from_;
    if (from_ < start_) {
        from_ = start_;
        to_ = start_ + length;
    }
    if (to_ > end_) {
        to_ = end_;
        from_ = std::max(start_, end_ - length);
    }
}

}  // namespace brivel::drivelog
