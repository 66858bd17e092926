#pragma once

#include <QtCore/QtGlobal>

namespace brivel::map {

// The fixed shape the adaptation lays its new map along: an offset in
// hundredths of the multiplier for each map entry. Gas needs a little more
// than petrol around 3 to 5 ms and ever less towards long injection times.
class MapShape {
public:
    static constexpr int FirstEntry = 1;
    static constexpr int LastEntry = 246;

    // The offset of entry k (1…246); 0 outside the map.
    static int offset(int k);
};

}  // namespace brivel::map
