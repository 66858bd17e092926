#include "live/ReplayTimeBase.h"

namespace brivel::live {

ReplayTimeBase::Due ReplayTimeBase::advanceTo(qint64 positionMs, int periodMs)
{
    if (!sampledUpTo_ || periodMs <= 0) {
        sampledUpTo_ = positionMs;
        return {};
    }
    if (positionMs < *sampledUpTo_) {
        sampledUpTo_ = positionMs;
        return {0, true};
    }
    const qint64 periods = (positionMs - *sampledUpTo_) / periodMs;
    if (periods > MostSamplesAtOnce) {
        sampledUpTo_ = positionMs;
        return {0, true};
    }
    *sampledUpTo_ += periods * periodMs;
    return {static_cast<int>(periods), false};
}

}  // namespace brivel::live
