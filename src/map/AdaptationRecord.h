#pragma once

#include "map/RecordStatistics.h"

#include <QtCore/QByteArray>

#include <array>

namespace brivel::map {

// The raw samples an adaptation gathers from the live frames while it runs:
// nine rows of 256 samples by sample index, then each row's average,
// minimum and maximum (RecordStatistics).
class AdaptationRecord {
public:
    static constexpr int Rows = RecordStatistics::Rows;
    // The frame offset each row records.
    static constexpr std::array<int, Rows> SourceOffsets = {24, 26, 6, 28, 33, 32, 22, 55, 21};

    // Stores each row's byte of a frame that holds every field, at the
    // frame's sample index. A later frame with the same index replaces it.
    void record(const QByteArray& frame);
    void clear();

    RecordRow& row(int r) { return rows_[static_cast<std::size_t>(r)]; }
    const RecordRow& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }

private:
    std::array<RecordRow, Rows> rows_{};
};

}  // namespace brivel::map
