#include "MapChange.h"

#include <QtCore/QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brivel::kvs {

namespace {

// A change in percent of the first value. A multiplier of 0 (no gas at all)
// counts as one hundredth, so that a change from it still ranks first and
// reads as a number.
double percentChange(int a, int b)
{
    return 100.0 * (b - a) / std::max(a, 1);
}

}  // namespace

MapChange compareMaps(const Map& a, const Map& b)
{
    MapChange change;
    double largest = -1;
    for (int k = 0; k < settings::MapEntries; ++k) {
        if (a[k] == b[k])
            continue;
        const int entry = k + 1;
        if (!change.ranges.empty() && change.ranges.back().last == entry - 1)
            change.ranges.back().last = entry;
        else
            change.ranges.push_back({entry, entry});
        const double percent = percentChange(a[k], b[k]);
        if (std::abs(percent) > largest) {
            largest = std::abs(percent);
            change.entry = entry;
            change.a = a[k];
            change.b = b[k];
            change.percent = std::round(percent * 10) / 10;
        }
    }
    return change;
}

QString rangesText(const std::vector<EntryRange>& ranges)
{
    QStringList parts;
    for (const EntryRange& r : ranges)
        parts << (r.first == r.last ? QString::number(r.first)
                                    : QStringLiteral("%1–%2").arg(r.first).arg(r.last));
    return parts.join(QStringLiteral(", "));
}

}  // namespace brivel::kvs
