#include "LiveReading.h"

#include <algorithm>

namespace brivel::test {

namespace {

int b(const QByteArray& frame, int offset)
{
    return static_cast<quint8>(frame[offset]);
}

int filled(const std::array<quint8, 256>& table)
{
    return static_cast<int>(std::count_if(table.begin(), table.end(), [](quint8 v) { return v; }));
}

}  // namespace

LiveReading readLive(const QByteArray& f)
{
    LiveReading r;
    r.frame = f;
    r.active = b(f, 4) & 1;
    r.onGas = b(f, 5) & 1;
    const int petrol[8][2] = {{6, 7},   {8, 9},   {10, 11}, {12, 13},
                              {14, 15}, {16, 17}, {51, 52}, {53, 54}};
    for (int k = 0; k < 8; ++k)
        r.petrolMs[k] = b(f, petrol[k][0]) * 0.1 + b(f, petrol[k][1]) * 25.6;
    r.gasMs = b(f, 18) * 65.536 + b(f, 19) * 0.256 + b(f, 20) * 0.00128;
    r.rpm = b(f, 21) * 100;
    r.lambda1 = b(f, 22) * 0.0196;
    r.lambda2 = b(f, 55) * 0.0196;
    r.gasBar = b(f, 23) * 2.56 + b(f, 24) * 0.01;
    r.manifoldKpa = (b(f, 25) * 2.56 + b(f, 26) * 0.01) * 100;
    r.battery = b(f, 29) * 23.0 / 375 + 0.7;
    r.tankVolts = b(f, 30) * 0.0196;
    r.tankLevel = b(f, 31);
    r.reducerC = static_cast<qint8>(b(f, 32));
    r.gasC = static_cast<qint8>(b(f, 33));
    r.faultFlags1 = static_cast<quint8>(b(f, 34));
    r.injectorFaults = static_cast<quint8>(b(f, 35));
    r.faultFlags2 = static_cast<quint8>(b(f, 48));
    r.sampleIndex = b(f, 36);
    r.mapSelector = static_cast<quint8>(b(f, 47));
    r.adaptationByte = b(f, 28);
    return r;
}

void SampleTables::store(const QByteArray& f)
{
    // Later bytes of a pair overwrite earlier ones; cells past 255 are dropped.
    const int i = b(f, 36);
    auto put = [](std::array<quint8, 256>& table, int cell, int value) {
        if (cell < 256)
            table[cell] = static_cast<quint8>(value);
    };
    put(petrol, i, b(f, 37));
    put(petrol, i, b(f, 38));
    put(petrol, i + 1, b(f, 39));
    put(petrol, i + 1, b(f, 40));
    put(petrol, i + 2, b(f, 41));
    put(gas, i + 2, b(f, 42));
    put(gas, i + 3, b(f, 43));
    put(gas, i + 3, b(f, 44));
    put(gas, i + 4, b(f, 45));
    put(gas, i + 4, b(f, 46));
}

int SampleTables::filledPetrolCells() const
{
    return filled(petrol);
}

int SampleTables::filledGasCells() const
{
    return filled(gas);
}

}  // namespace brivel::test
