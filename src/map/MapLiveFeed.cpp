#include "map/MapLiveFeed.h"

#include "live/LiveModel.h"

namespace brivel {

MapLiveFeed::MapLiveFeed(LiveModel& model)
{
    model.addObserver(*this);
    model.setAdaptationRunning([this] { return adaptationRunning(); });
}

void MapLiveFeed::liveChanged(const LiveSnapshot& snapshot, LiveChanges changes)
{
    if ((changes & FrameDecoded) && chartUpdate_)
        chartUpdate_(snapshot.mapSelector);
}

}  // namespace brivel
