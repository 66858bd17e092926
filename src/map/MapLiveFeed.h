#pragma once

#include "live/LiveObserver.h"

#include <QtCore/QtGlobal>

#include <functional>

namespace brivel {

class LiveModel;

// Where the map and the adaptation meet the live frames: the map chart's
// per-frame update, with the frame's map selector, and the adaptation step,
// which tells the live model when to record samples for the adaptation.
class MapLiveFeed final : public LiveObserver {
public:
    // The map chart's live update (UpdateMapChart).
    using ChartUpdate = std::function<void(quint8 mapSelector)>;

    static constexpr int Idle = -1;

    // Follows `model` and answers its question whether an adaptation runs.
    explicit MapLiveFeed(LiveModel& model);

    void setChartUpdate(ChartUpdate update) { chartUpdate_ = std::move(update); }

    // -1 while no adaptation runs.
    int adaptationStep() const { return AdaptationStep; }
    void setAdaptationStep(int step) { AdaptationStep = step; }
    bool adaptationRunning() const { return AdaptationStep != Idle; }

    void liveChanged(const LiveSnapshot& snapshot, LiveChanges changes) override;

private:
    ChartUpdate chartUpdate_;
    int AdaptationStep = Idle;
};

}  // namespace brivel
