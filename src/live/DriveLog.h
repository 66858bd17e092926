#pragma once

#include "i18n/MessageRows.h"

#include <QtCore/QtGlobal>

#include <array>
#include <vector>

namespace brivel {

class DriveRecording;

// A whole drive recording as channels over time, for the drive-log plot:
// every frame is decoded once, each reading scaled as its indicator shows
// it, and the moments a fault appears are marked.
namespace drivelog {

enum class Channel {
    Rpm,
    ManifoldPressure,
    GasPressure,
    PetrolTime,  // cylinder 1
    GasTime,
    Lambda1,
    Lambda2,
    GasTemp,
    ReducerTemp,
    Battery,
    Fuel,  // 1 on gas, 0 on petrol
};
inline constexpr int ChannelCount = 11;

struct ChannelInfo {
    Channel channel;
    msg::Row name;
    const char* unit;
    // The range a strip shows when it starts; a reading outside widens it.
    float from;
    float to;
    bool shownAtStart;
};

const std::array<ChannelInfo, ChannelCount>& channels();
const ChannelInfo& channelInfo(Channel channel);

// A fault that appeared in frame `index` (the fault bits changed and name at
// least one fault).
struct FaultMark {
    qint64 timeMs;
    quint8 faultFlags1;
    quint8 injectorFaults;
    quint8 faultFlags2;
};

class DriveLog {
public:
    DriveLog() = default;
    static DriveLog fromRecording(const DriveRecording& recording);

    int size() const { return static_cast<int>(times_.size()); }
    bool isEmpty() const { return times_.empty(); }
    qint64 startMs() const { return times_.empty() ? 0 : times_.front(); }
    qint64 endMs() const { return times_.empty() ? 0 : times_.back(); }
    const std::vector<qint64>& times() const { return times_; }
    const std::vector<float>& values(Channel c) const
    {
        return values_[static_cast<std::size_t>(c)];
    }
    const std::vector<FaultMark>& faults() const { return faults_; }

    // For building a log without a recording (tests, benchmarks).
    void append(qint64 timeMs, const std::array<float, ChannelCount>& readings);
    void addFault(const FaultMark& mark) { faults_.push_back(mark); }

private:
    std::vector<qint64> times_;
    std::array<std::vector<float>, ChannelCount> values_;
    std::vector<FaultMark> faults_;
};

// What one pixel column of a strip covers: the lowest and highest reading of
// the frames whose time falls into it. `count` 0: no frame does.
struct ColumnRange {
    float min = 0;
    float max = 0;
    int count = 0;
};

// Decimation for drawing: the span [fromMs, toMs) split into `columns`
// equal columns, each with the min and max of its frames. The cost grows
// with the frames inside the span, never with the whole recording, and what
// is drawn grows only with the width.
std::vector<ColumnRange> decimate(const std::vector<qint64>& times,
                                  const std::vector<float>& values, double fromMs, double toMs,
                                  int columns);

// The plot's visible time span within the drive, and how pointer positions
// map onto it. Zoom and pan keep the time under the pointer where it is,
// as far as the drive's ends allow.
class TimeSpan {
public:
    // The shortest span a zoom reaches.
    static constexpr double MinimumMs = 2000;

    TimeSpan() = default;
    TimeSpan(double startMs, double endMs);

    double fromMs() const { return from_; }
    double toMs() const { return to_; }
    double lengthMs() const { return to_ - from_; }
    bool isWholeDrive() const { return from_ == start_ && to_ == end_; }

    // Pointer x in [0, width) to time and back.
    double timeAt(double x, double width) const;
    double xAt(double ms, double width) const;

    // `factor` < 1 zooms in, > 1 out, around the time under x.
    void zoomAround(double x, double width, double factor);
    // Moves the span by dx pixels: the time under the pointer follows it.
    void panBy(double dx, double width);
    void wholeDrive();

private:
    void keepInside();

    double start_ = 0;
    double end_ = 0;
    double from_ = 0;
    double to_ = 0;
};

}  // namespace drivelog
}  // namespace brivel
