#pragma once

#include "settings/BlockLayout.h"

#include <QtCore/QString>
#include <QtCore/QtGlobal>

#include <array>
#include <vector>

namespace brivel::kvs {

using Map = std::array<quint8, settings::MapEntries>;

// Neighbouring map entries that differ, numbered from 1 as the program
// numbers its map (entry k belongs to a petrol time of 1.0 + (k - 1) / 10 ms).
struct EntryRange {
    int first = 0;
    int last = 0;
    bool operator==(const EntryRange& o) const { return first == o.first && last == o.last; }
};

// Where map `b` differs from map `a` and by how much.
struct MapChange {
    std::vector<EntryRange> ranges;  // in order; empty when the maps are equal
    // The entry whose multiplier changes most in percent of a's value (the
    // first such entry on a tie), its two values in hundredths and the change
    // rounded to a tenth of a percent.
    int entry = 0;
    int a = 0;
    int b = 0;
    double percent = 0;
};

MapChange compareMaps(const Map& a, const Map& b);

// "12–40, 77–80"; a range of one entry is its number alone.
QString rangesText(const std::vector<EntryRange>& ranges);

}  // namespace brivel::kvs
