#pragma once

#include "sim/DriveProfile.h"

#include <QtCore/QtGlobal>

#include <array>
#include <random>

namespace brivel::sim {

// The car behind the controller's sensors: an engine driven through a
// DriveProfile, its cooling circuit warming the reducer, the gas rail, the
// lambda probes, the battery and the tank sender. It moves in fixed steps of
// StepMs, so that a run is the same whatever pace it is driven at, and its
// noise comes from a seeded generator, so that a run can be repeated.
class EngineModel {
public:
    static constexpr int StepMs = 20;
    static constexpr int Cylinders = 8;
    static constexpr double AmbientC = 20.0;
    static constexpr double DefaultTankVolts = 2.5;
    static constexpr quint32 DefaultSeed = 5489u;
    // The engine computer corrects the fuel by at most this much either way.
    static constexpr double MostFuelCorrection = 0.25;

    explicit EngineModel(quint32 seed = DefaultSeed);

    // Drives the profile from its beginning.
    void setProfile(DriveProfile profile);
    const DriveProfile& profile() const { return profile_; }
    // The ignition: stopping lets the engine run down; starting cranks it
    // and drives the profile from its beginning again.
    void setRunning(bool running);
    bool running() const { return running_; }
    // A turbo engine blows the manifold above the atmosphere at high load.
    void setTurbo(bool turbo) { turbo_ = turbo; }
    // The tank sender's voltage, as the fuel level puts it.
    void setTankVolts(double volts) { tankVolts_ = volts; }

    // One step of StepMs, with the gas rail open or shut.
    void step(bool onGas);

    // Time since the engine was started, on which the profile runs.
    qint64 runningMs() const { return runningMs_; }
    double rpm() const;
    double load() const { return load_; }
    double manifoldKpa() const { return manifoldKpa_ + manifoldNoise_; }
    // The petrol injection time the engine's own computer gives cylinder
    // 1…8, its fuel correction included; 0 while the engine stands.
    double petrolMs(int cylinder) const { return basePetrolMs(cylinder) * fuelCorrection_; }
    // The same before the fuel correction: what the engine needs.
    double basePetrolMs(int cylinder) const;
    // The engine computer's long-term fuel correction. On gas it cannot
    // tell gas from petrol: when the gas side delivers too much for the
    // petrol time it is given, the computer shortens that petrol time, too
    // little and it lengthens it, until the mixture is right again or the
    // correction reaches its limit. It gets there in a few seconds.
    void setFuelCorrectionTarget(double factor);
    double fuelCorrection() const { return fuelCorrection_; }
    // How much longer than the petrol time this car's gas injectors must
    // open for the same mixture, by petrol injection time: what a perfect
    // injection map would hold, as a multiplier.
    static double neededMultiplier(double petrolMs);
    // Absolute pressure in the gas rail.
    double gasPressureBar() const { return manifoldKpa() / 100.0 + railOverManifoldBar_; }
    double reducerTempC() const { return reducerC_; }
    double gasTempC() const { return gasC_; }
    double lambda1Volts() const { return lambda_[0]; }
    double lambda2Volts() const { return lambda_[1]; }
    double batteryVolts() const { return batteryVolts_ + batteryNoise_; }
    double tankVolts() const { return tankVolts_ + tankSlosh_; }

private:
    static constexpr int ProbeWarmUpMs = 20000;

    // Whether the probes are hot enough to switch.
    bool lambdaReady() const { return probeWarmMs_ >= ProbeWarmUpMs; }
    void stepSpeed(double demandRpm);
    void stepLoad(double demandLoad);
    void stepTemperatures(bool onGas);
    void stepGasRail(bool onGas);
    void stepLambda();
    void stepElectrics();

    double uniform();
    double gauss();
    // A slow random wander around 0 with the given spread, the way a
    // reading drifts about its value.
    void wander(double& value, double tauMs, double spread);
    static double approach(double value, double target, double tauMs);

    std::mt19937 rng_;
    DriveProfile profile_ = DriveProfile::idle();
    bool running_ = true;
    bool turbo_ = false;
    qint64 runningMs_ = 0;

    double baseRpm_ = DriveProfile::IdleRpm;
    double rpmJitter_ = 0;
    double load_ = DriveProfile::IdleLoad;
    double manifoldKpa_;
    double manifoldNoise_ = 0;
    double trim_ = 0;
    double fuelCorrection_ = 1.0;
    double correctionTarget_ = 1.0;

    double reducerC_ = AmbientC;
    double gasC_ = AmbientC;
    double railOverManifoldBar_;

    std::array<double, 2> lambda_{};
    std::array<double, 2> lambdaTarget_{};
    qint64 probeWarmMs_ = 0;
    int phaseLeftMs_ = 0;
    bool rich_ = false;

    double batteryVolts_;
    double batteryNoise_ = 0;
    double tankVolts_ = DefaultTankVolts;
    double tankSlosh_ = 0;
};

}  // namespace brivel::sim
