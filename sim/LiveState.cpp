#include "sim/LiveState.h"

#include "sim/ReplyFrame.h"
#include "sim/SettingsImage.h"

namespace brivel::sim {

namespace {

void put16LowFirst(QByteArray& frame, int offset, int value) {
    frame[offset] = static_cast<char>(value & 0xFF);
    frame[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void put16HighFirst(QByteArray& frame, int offset, int value) {
    frame[offset] = static_cast<char>((value >> 8) & 0xFF);
    frame[offset + 1] = static_cast<char>(value & 0xFF);
}

}  // namespace

QByteArray LiveState::nextFrame(quint8 echo, const SettingsImage& settings) {
    const unsigned n = frames_++;
    QByteArray frame(FrameSize, '\0');

    frame[StatusFlags] = 0x01;
    frame[FuelFlags] = onGas_ ? 0x01 : 0x00;

    // Petrol injection about 2.8 ms at idle, a tenth more now and then.
    const int petrolTenths = 28 + static_cast<int>((n / 5) % 2);
    const int cylinders = settings.cylinders();
    const int petrolOffsets[] = {6, 8, 10, 12, 14, 16, PetrolTime7, PetrolTime7 + 2};
    for (int c = 0; c < cylinders && c < 8; ++c)
        put16LowFirst(frame, petrolOffsets[c], petrolTenths);

    // 3.4 ms of gas injection while on gas: 13 steps of 0.256 ms and 56 of 1.28 µs.
    if (onGas_) {
        frame[GasTime] = 0;
        frame[GasTime + 1] = 13;
        frame[GasTime + 2] = 56;
    }

    frame[Rpm] = static_cast<char>(8 + (n / 8) % 2);  // 800-900 rpm
    // A narrow-band probe switching between lean and rich.
    const quint8 lambda = (n % 4) < 2 ? 10 : 40;
    frame[Lambda1] = static_cast<char>(lambda);
    frame[Lambda2] = static_cast<char>(50 - lambda);
    put16HighFirst(frame, GasPressure, 100);      // 1.00 bar above the manifold
    put16HighFirst(frame, ManifoldPressure, 35);  // 35 kPa at idle
    frame[Battery] = static_cast<char>(215);      // 13.9 V
    frame[TankVoltage] = static_cast<char>(128);  // 2.51 V
    frame[TankLevel] = 3;
    frame[ReducerTemp] = 45;
    frame[GasTemp] = 30;
    frame[FaultFlags1] = static_cast<char>(0xFF);
    frame[InjectorFaults] = static_cast<char>(0xFF);
    frame[SampleIndex] = static_cast<char>(n & 0xFF);
    for (int i = 0; i < 10; ++i) frame[MapSamples + i] = static_cast<char>(petrolTenths + i);
    frame[MapSelector] = static_cast<char>(mapSelector_);
    frame[FaultFlags2] = static_cast<char>(0xFF);
    return sealReply(frame, echo);
}

}  // namespace brivel::sim
