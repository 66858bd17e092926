#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

#include <array>

namespace brivel::map {

// The controller's injection map as the program holds it: for each petrol
// injection time from 1.0 ms to 25.5 ms in steps of 0.1 ms, the multiplier
// that turns it into the gas injection time, in hundredths (100 = 1.00).
// The controller keeps one byte per entry; the values here are wider so
// that the map correction can work on them in place.
class InjectionMap {
public:
    static constexpr int Entries = 246;
    // Entry k sits at offset BlockOffset - 1 + k of the settings image.
    static constexpr int BlockOffset = 66;
    static constexpr int BlockEnd = BlockOffset + Entries;  // one past the last entry
    static constexpr qint32 LowestByte = 0;
    static constexpr qint32 HighestByte = 255;

    struct Entry {
        qint32 number;
        qint32 value;
    };

    // All values 0 until the first settings image is loaded.
    InjectionMap();

    // Takes the map from a settings image (envelope included). An image too
    // short to hold the whole map is not taken at all, so that the map never
    // mixes two readings: false, and the map stays as it was.
    bool load(const QByteArray& block);

    // The value of entry k (1…246); 0 for a number outside the map.
    qint32 value(int k) const;
    // Sets entry k; a number outside the map is ignored.
    void setValue(int k, qint32 value);

    const std::array<Entry, Entries>& entries() const { return entries_; }

    // The 246 bytes that the map write sends, entry 1 first. Every value is
    // held within one byte by the code that changes it; this is the last
    // guard that a value is never sent wrapped.
    QByteArray bytes() const;

    // The petrol injection time that entry k belongs to, in ms.
    static double petrolMs(int k) { return (k - 1) / 10.0 + 1.0; }
    static bool contains(int k) { return k >= 1 && k <= Entries; }
    static bool fitsInByte(qint32 value) { return value >= LowestByte && value <= HighestByte; }

private:
    std::array<Entry, Entries> entries_;
};

}  // namespace brivel::map
