#pragma once

#include "live/LiveSnapshot.h"

#include <QtCore/QtGlobal>

#include <array>
#include <functional>

namespace brivel {

class LiveModel;

// What the map chart takes from each decoded live frame: the map selector,
// the operating point as the read-outs show it, and the learned-curve
// samples gathered so far.
struct MapFrame {
    using SampleTable = std::array<quint8, 256>;

    quint8 mapSelector;
    double petrolMs;     // Skala_PB_time1, cylinder 1
    double manifoldKpa;  // P_MAP_edit
    quint8 lastSampleIndex;
    const SampleTable& petrolSamples;  // MapSamplesA
    const SampleTable& gasSamples;     // MapSamplesB
};

// Where the map and the adaptation meet the live frames: the map chart's
// per-frame update, and the live model's question whether to record samples
// for an adaptation, which the adaptation itself answers.
class MapLiveFeed final {
public:
    // The map chart's live update (UpdateMapChart).
    using ChartUpdate = std::function<void(const MapFrame& frame)>;
    // True while an adaptation runs.
    using AdaptationRunning = std::function<bool()>;

    // Follows `model`, which must outlive the feed, and answers its question
    // whether an adaptation runs.
    explicit MapLiveFeed(LiveModel& model);

    void setChartUpdate(ChartUpdate update) { chartUpdate_ = std::move(update); }
    // The one owner of the adaptation's step tells from now on.
    void setAdaptationRunning(AdaptationRunning running) { running_ = std::move(running); }
    bool adaptationRunning() const { return running_ && running_(); }

    void liveChanged(const LiveSnapshot& snapshot, LiveChanges changes);

private:
    LiveModel& model_;
    ChartUpdate chartUpdate_;
    AdaptationRunning running_;
};

}  // namespace brivel
