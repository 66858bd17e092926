#pragma once

#include "live/LiveSnapshot.h"

namespace brivel {

// A view of the live model: renders the parts of the snapshot that changed.
class LiveObserver {
public:
    virtual ~LiveObserver() = default;
    virtual void liveChanged(const LiveSnapshot& snapshot, LiveChanges changes) = 0;
};

}  // namespace brivel
