#pragma once

#include <QtCore/QtGlobal>

#include <array>

namespace brivel::map {

// One row of the adaptation record: 256 raw samples by sample index (0 = no
// sample), then the row's average, minimum and maximum.
using RecordRow = std::array<quint8, 259>;

// The statistics the adaptation works from, over every sample recorded
// since it started.
class RecordStatistics {
public:
    static constexpr int Rows = 9;
    static constexpr int Samples = 256;
    static constexpr int AverageByte = 256;
    static constexpr int MinimumByte = 257;
    static constexpr int MaximumByte = 258;

    // What each row records, from the live frame.
    enum Row {
        GasPressure = 0,  // hundredths of a bar (low byte)
        Manifold = 1,     // kPa (low byte)
        PetrolTime = 2,   // tenths of a ms, cylinder 1 (low byte)
        Multiplier = 3,   // the controller's adaptation byte, hundredths
        GasTemp = 4,      // °C
        ReducerTemp = 5,  // °C
        Lambda1 = 6,      // raw
        Lambda2 = 7,      // raw
        Rpm = 8,          // hundreds of rpm
    };

    // Fills bytes 256…258 of the row. A row without samples keeps the
    // average, minimum and maximum it had; so does a row whose samples are
    // all 255 for its minimum.
    static void computeRow(RecordRow& row);
};

}  // namespace brivel::map
