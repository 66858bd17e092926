#include "map/MapCurves.h"

#include "link/Rounding.h"

#include <algorithm>

namespace brivel::map {

namespace {

void sortByX(PointList& list)
{
    // Each point goes after those of equal x, as a point added to an ordered
    // series does. The lists arrive nearly sorted (petrol time grows with
    // pressure), and an insertion needs no buffer, unlike std::stable_sort.
    const auto byX = [](double x, const ChartPoint& p) { return x < p.x; };
    for (auto it = list.begin(); it != list.end(); ++it) {
        const auto place = std::upper_bound(list.begin(), it, it->x, byX);
        std::rotate(place, it, it + 1);
    }
}

quint8 toByte(double value)
{
    return static_cast<quint8>(std::clamp(roundToInt(value), 0, 255));
}

}  // namespace

int MapCurves::occupiedSlots(const Bin& bin)
{
    return static_cast<int>(std::count_if(bin.positions.begin(), bin.positions.end(),
                                          [](quint8 slot) { return slot != 0; }));
}

void MapCurves::buildBinTable(const SampleTable& table, BinTable& bins)
{
    for (Bin& bin : bins) {
        bin.positions.fill(0);
        bin.average = 0;
    }
    for (int i = 0; i < Cells; ++i) {
        Bin& bin = bins[table[i]];
        // A full bin drops the position. Position 0 reads as an empty slot,
        // so cell 0 never counts.
        const auto free = std::find(bin.positions.begin(), bin.positions.end(), quint8(0));
        if (free != bin.positions.end())
            *free = static_cast<quint8>(i);
    }
    // A value of 0 is no sample.
    bins[0].positions.fill(0);
}

void MapCurves::runPasses(const SampleTable& table, BinTable& bins, const Target& target)
{
    // u, v, w: the last three accepted bins, newest first; a, b, c their
    // averages. The positions carry over from pass to pass, the averages
    // start afresh.
    int u = 0;
    int v = 0;
    int w = 0;
    for (int pass = 0; pass < Passes; ++pass) {
        int a = 0;
        int b = 0;
        int c = 0;
        const bool lastPass = pass == Passes - 1;
        for (int j = 0; j < Cells; ++j) {
            Bin& bin = bins[j];
            const int n = occupiedSlots(bin);
            if (n > 0) {
                int sum = 0;
                for (quint8 slot : bin.positions)
                    sum += slot;
                bin.average = toByte(static_cast<double>(sum) / n);
            }
            bins[0].positions.fill(0);

            if (n > 0 && a > 0 && (bin.average - a) < -FallPerBin * (j - u - FreeDistance)) {
                bin.average = 0;
                continue;
            }
            if (n > 0) {
                w = v;
                c = b;
                v = u;
                b = a;
                u = j;
                a = bin.average;
            }
            if (bin.average > LowestDrawnAverage && c > 0 && u != w) {
                Bin& middle = bins[v];
                middle.positions[0] = toByte(static_cast<double>((v - w) * (a - c)) / (u - w) + c);
                middle.positions[1] = middle.average;
            }
            if (bin.average > LowestDrawnAverage && lastPass && target.drawCurve)
                target.curve.push_back(
                    {v / 10.0, static_cast<double>(bins[v].average), target.colour});
            if (target.drawPoints && table[j] != 0 && lastPass)
                target.points.push_back({table[j] / 10.0, static_cast<double>(j), target.colour});
        }
    }
    sortByX(target.curve);
    sortByX(target.points);
}

}  // namespace brivel::map
