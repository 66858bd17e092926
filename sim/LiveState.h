#pragma once

#include "sim/CurrentFaultSet.h"
#include "sim/EngineModel.h"
#include "sim/MapSampleRecorder.h"
#include "sim/SwitchOver.h"

#include <QtCore/QByteArray>

namespace brivel::sim {

class SettingsImage;

// The controller's live side: the engine it watches, its own choice of
// fuel, the faults it sees and what it has learned for the map chart, put
// together into the live frame it answers with.
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
    static constexpr int AdaptationByte = 28;
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

    static constexpr int TankLevels = 4;

    explicit LiveState(const SettingsImage& settings, quint32 seed = EngineModel::DefaultSeed);

    // Runs the engine and the controller on by `ms`, in whole engine steps;
    // what is left over is carried into the next call.
    void advance(int ms);

    EngineModel& engine() { return engine_; }
    const EngineModel& engine() const { return engine_; }
    SwitchOver& switchOver() { return switchOver_; }
    bool onGas() const { return switchOver_.onGas(); }
    // Faults switched on show in every frame until switched off; the
    // controller reports them and does nothing else about them.
    CurrentFaultSet& currentFaults() { return faults_; }
    void setCurrentFault(CurrentFault fault, bool present = true) { faults_.set(fault, present); }
    void setInjectorFault(int injector, bool faulty = true)
    {
        faults_.setInjector(injector, faulty);
    }
    const MapSampleRecorder& samples() const { return samples_; }

    // Puts the tank sender in the middle of the band that the settings'
    // thresholds and sensor kind give `level` (0 = reserve … 4 = full).
    void setTankLevel(int level);
    // The level the settings' thresholds make of the sender's voltage now.
    int tankLevel() const;

    void setMapSelector(quint8 selector) { mapSelector_ = selector; }
    quint8 mapSelector() const { return mapSelector_; }

    // The next live frame, answering the given command code. Each frame
    // moves the sample index on by one.
    QByteArray nextFrame(quint8 echo);

    // The map entry that a petrol injection time falls on (1…246).
    static int mapEntry(double petrolMs);
    // The multiplier, in hundredths, the controller works out for the engine
    // as it runs now: what the map should hold at this petrol time. 0 while
    // the engine stands.
    int measuredMultiplier() const;

private:
    void putPetrolTimes(QByteArray& frame) const;
    void putGasTime(QByteArray& frame) const;
    // What the engine computer's fuel correction heads for: on gas, the
    // ratio of what the engine needs to what the map delivers.
    double fuelCorrectionTarget() const;

    const SettingsImage& settings_;
    EngineModel engine_;
    SwitchOver switchOver_;
    CurrentFaultSet faults_;
    MapSampleRecorder samples_;
    int pendingMs_ = 0;
    quint8 mapSelector_ = 0;
    unsigned frames_ = 0;
};

}  // namespace brivel::sim
