#pragma once

#include <QtCore/QByteArray>

#include <array>

namespace brivel::test {

// A live frame read back with the program's field scalings, independently
// of the emulator's own encoding.
struct LiveReading {
    QByteArray frame;
    bool active = false;
    bool onGas = false;
    std::array<double, 8> petrolMs{};
    double gasMs = 0;
    int rpm = 0;
    double lambda1 = 0;
    double lambda2 = 0;
    double gasBar = 0;
    double manifoldKpa = 0;
    double battery = 0;
    double tankVolts = 0;
    int tankLevel = 0;
    int reducerC = 0;
    int gasC = 0;
    quint8 faultFlags1 = 0;
    quint8 injectorFaults = 0;
    quint8 faultFlags2 = 0;
    int sampleIndex = 0;
    quint8 mapSelector = 0;
    int adaptationByte = 0;
};

// Reads a 57-byte live reply, envelope included.
LiveReading readLive(const QByteArray& frame);

// The map sample tables the program fills from the frames it decodes.
struct SampleTables {
    std::array<quint8, 256> petrol{};
    std::array<quint8, 256> gas{};

    void store(const QByteArray& frame);
    int filledPetrolCells() const;
    int filledGasCells() const;
};

}  // namespace brivel::test
