#include "sim/MapSampleRecorder.h"

#include <algorithm>
#include <cmath>

namespace brivel::sim {

void MapSampleRecorder::record(double manifoldKpa, double petrolMs, bool onGas)
{
    const int kpa = static_cast<int>(std::lround(manifoldKpa));
    if (kpa < 0 || kpa >= Cells)
        return;
    const int tenths = std::clamp(static_cast<int>(std::lround(petrolMs * 10)), 1, 255);
    quint8& stored = (onGas ? gas_ : petrol_)[kpa];
    // A running average, so that one odd moment does not bend the curve.
    stored = stored == 0 ? static_cast<quint8>(tenths)
                         : static_cast<quint8>(std::lround((3.0 * stored + tenths) / 4.0));
}

quint8 MapSampleRecorder::cell(const Table& table, int kpa)
{
    return kpa >= 0 && kpa < Cells ? table[kpa] : 0;
}

QByteArray MapSampleRecorder::block(int index) const
{
    // The program keeps the second of each pair it is given, so both bytes
    // of a pair carry the same cell.
    const quint8 bytes[BlockSize] = {
        cell(petrol_, index),     cell(petrol_, index),     cell(petrol_, index + 1),
        cell(petrol_, index + 1), cell(petrol_, index + 2), cell(gas_, index + 2),
        cell(gas_, index + 3),    cell(gas_, index + 3),    cell(gas_, index + 4),
        cell(gas_, index + 4),
    };
    return QByteArray(reinterpret_cast<const char*>(bytes), BlockSize);
}

}  // namespace brivel::sim
