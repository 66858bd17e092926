#include "map/RecordStatistics.h"

#include "link/Rounding.h"

namespace brivel::map {

void RecordStatistics::computeRow(RecordRow& row)
{
    int n = 0;
    int sum = 0;
    for (int i = 0; i < Samples; ++i)
        if (row[i] != 0) {
            ++n;
            sum += row[i];
        }
    if (n > 0)
        row[AverageByte] = static_cast<quint8>(roundToInt(static_cast<double>(sum) / n));

    int minimum = 255;
    for (int i = 0; i < Samples; ++i)
        if (row[i] != 0 && row[i] < minimum) {
            minimum = row[i];
            row[MinimumByte] = row[i];
        }

    int maximum = 0;
    for (int i = 0; i < Samples; ++i)
        if (row[i] > maximum) {
            maximum = row[i];
            row[MaximumByte] = row[i];
        }
}

}  // namespace brivel::map
