#include "map/AdaptationRecord.h"

namespace brivel::map {

namespace {

// The frame's sample index: where each row stores its byte.
constexpr int SampleIndexOffset = 36;

quint8 at(const QByteArray& frame, int offset)
{
    return static_cast<quint8>(frame.at(offset));
}

}  // namespace

void AdaptationRecord::record(const QByteArray& frame)
{
    const int i = at(frame, SampleIndexOffset);
    for (int r = 0; r < Rows; ++r)
        rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(i)] =
            at(frame, SourceOffsets[static_cast<std::size_t>(r)]);
}

void AdaptationRecord::clear()
{
    for (RecordRow& row : rows_)
        row.fill(0);
}

}  // namespace brivel::map
