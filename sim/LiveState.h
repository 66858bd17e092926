#pragma once

#include <QtCore/QByteArray>

namespace brivel::sim {

class SettingsImage;

// The engine as the controller sees it: a warm engine idling, on petrol or
// on gas. Each live frame moves the readings on a little, as a real engine's
// would, so that a display fed by it visibly lives.
class LiveState {
public:
    static constexpr int FrameSize = 57;
    static constexpr int StatusFlags = 4;
    static constexpr int FuelFlags = 5;
    static constexpr int PetrolTime1 = 6;
    static constexpr int GasTime = 18;
    static constexpr int Rpm = 21;
    static constexpr int Lambda1 = 22;
    static constexpr int GasPressure = 23;
    static constexpr int ManifoldPressure = 25;
    static constexpr int Battery = 29;
    static constexpr int TankVoltage = 30;
    static constexpr int TankLevel = 31;
    static constexpr int ReducerTemp = 32;
    static constexpr int GasTemp = 33;
    static constexpr int FaultFlags1 = 34;
    static constexpr int InjectorFaults = 35;
    static constexpr int SampleIndex = 36;
    static constexpr int MapSamples = 37;
    static constexpr int MapSelector = 47;
    static constexpr int FaultFlags2 = 48;
    static constexpr int PetrolTime7 = 51;
    static constexpr int Lambda2 = 55;

    void setOnGas(bool onGas) { onGas_ = onGas; }
    bool onGas() const { return onGas_; }
    void setMapSelector(quint8 selector) { mapSelector_ = selector; }
    quint8 mapSelector() const { return mapSelector_; }

    // The next live frame, answering the given command code. Petrol times
    // are reported for the cylinders the settings say are fitted.
    QByteArray nextFrame(quint8 echo, const SettingsImage& settings);

private:
    bool onGas_ = false;
    quint8 mapSelector_ = 0;
    unsigned frames_ = 0;
};

}  // namespace brivel::sim
