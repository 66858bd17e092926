#pragma once

#include <QtCore/QByteArray>

#include <array>

namespace brivel::sim {

// What the controller has learned of the engine while it ran: for each
// manifold pressure in kPa (cell 0…255), the petrol injection time in
// tenths of a millisecond seen there, once on petrol and once on gas; 0 is
// a pressure never seen. The live frame hands these out a few cells at a
// time, so that over a round of sample indices the whole of both tables
// reaches the program's map chart.
class MapSampleRecorder {
public:
    static constexpr int Cells = 256;
    static constexpr int BlockSize = 10;

    void record(double manifoldKpa, double petrolMs, bool onGas);

    quint8 petrolCell(int kpa) const { return cell(petrol_, kpa); }
    quint8 gasCell(int kpa) const { return cell(gas_, kpa); }

    // The sample block for `index`: petrol cells index…index+2 and gas
    // cells index+2…index+4, each at the place the program keeps.
    QByteArray block(int index) const;

private:
    using Table = std::array<quint8, Cells>;
    static quint8 cell(const Table& table, int kpa);

    Table petrol_{};
    Table gas_{};
};

}  // namespace brivel::sim
