#include "map/MapShape.h"

#include <array>

namespace brivel::map {

namespace {

struct Run {
    int lastEntry;
    int offset;
};

// Runs of equal offsets, each up to and including its last entry.
constexpr Run Runs[] = {
    {25, 0},    {27, 1},    {28, 0},    {32, 1},    {36, 2},    {38, 3},    {48, 1},
    {50, 0},    {54, -1},   {61, -2},   {68, -4},   {72, -5},   {74, -6},   {81, -7},
    {84, -8},   {88, -9},   {94, -10},  {95, -11},  {101, -12}, {106, -13}, {118, -14},
    {129, -15}, {140, -16}, {151, -17}, {163, -18}, {174, -19}, {185, -20}, {197, -21},
    {208, -22}, {219, -23}, {231, -24}, {242, -25}, {246, -26},
};

constexpr std::array<qint8, MapShape::LastEntry + 1> expand()
{
    std::array<qint8, MapShape::LastEntry + 1> table{};
    int k = MapShape::FirstEntry;
    for (const Run& run : Runs)
        for (; k <= run.lastEntry; ++k)
            table[k] = static_cast<qint8>(run.offset);
    return table;
}

constexpr auto Table = expand();

}  // namespace

int MapShape::offset(int k)
{
    return k >= FirstEntry && k <= LastEntry ? Table[k] : 0;
}

}  // namespace brivel::map
