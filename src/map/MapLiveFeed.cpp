#include "map/MapLiveFeed.h"

#include "live/LiveModel.h"

namespace brivel {

MapLiveFeed::MapLiveFeed(LiveModel& model) : model_(model)
{
    QObject::connect(&model, &LiveModel::changed,
                     [this](const LiveSnapshot& s, LiveChanges c) { liveChanged(s, c); });
    model.setAdaptationRunning([this] { return adaptationRunning(); });
}

void MapLiveFeed::liveChanged(const LiveSnapshot& snapshot, LiveChanges changes)
{
    if (!(changes & FrameDecoded) || !chartUpdate_)
        return;
    const live::MapSamples& samples = model_.mapSamples();
    chartUpdate_(MapFrame{snapshot.mapSelector, snapshot.petrolTimes[0], snapshot.manifoldPressure,
                          samples.lastSampleIndex(), samples.petrol(), samples.gas()});
}

}  // namespace brivel
