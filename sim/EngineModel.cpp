#include "sim/EngineModel.h"

#include <algorithm>
#include <cmath>

namespace brivel::sim {

namespace {

constexpr double StepS = EngineModel::StepMs / 1000.0;

// Manifold pressure: a closed throttle leaves about 30 kPa, a wide open one
// the atmosphere; a turbo adds up to 90 kPa once it spools up.
constexpr double ClosedThrottleKpa = 30;
constexpr double OpenThrottleRiseKpa = 70;
constexpr double AtmosphereKpa = 100;
constexpr double BoostKpa = 90;
constexpr double BoostFromLoad = 0.6;
constexpr double FullBoostRpm = 3500;

// Petrol injection time grows with the air let in: 2.8 ms at idle, about
// 15 ms at full load. A cold engine gets up to 10 % more until it is warm.
constexpr double IdlePetrolMs = 2.8;
constexpr double IdleKpa = 32;
constexpr double PetrolMsPerKpa = 0.18;
constexpr double ShortestPetrolMs = 1.0;
constexpr double ColdEnrichment = 0.10;
constexpr double WarmEngineC = 60;

// No two injectors flow quite alike; the engine's computer trims each.
constexpr std::array<double, EngineModel::Cylinders> CylinderSpread = {1.00, 1.03, 0.97, 1.02,
                                                                       0.98, 1.04, 0.96, 1.01};

// The coolant circuit brings the reducer from the ambient temperature past
// 60 °C in about three minutes at idle, faster under load; expanding gas
// draws some of that heat off again.
constexpr double CoolantC = 85;
constexpr double ReducerWarmUpMs = 190000;
constexpr double ReducerCoolDownMs = 900000;
constexpr double GasExpansionCoolingC = 8;
constexpr double GasTempLagMs = 400000;

// The reducer holds the rail about 1.2 bar over the manifold, a little less
// at full flow; with its valve shut the rail slowly sags.
constexpr double RailOnGasBar = 1.2;
constexpr double RailDroopBar = 0.2;
constexpr double RailShutBar = 0.6;

// Narrow-band probes: lean below 0.2 V, rich above 0.7 V, the closed loop
// crossing over about once a second. Cold probes sit at half their range.
constexpr double ColdProbeVolts = 0.45;
constexpr int ShortestPhaseMs = 800;
constexpr int PhaseSpreadMs = 400;
constexpr double TrimPerSecond = 0.03;
constexpr double MostTrim = 0.03;

// The gas injectors need about a third more opening time than the petrol
// ones, a little more around 4.6 ms where the petrol injectors are at their
// best, and ever less towards long injection times as the gas rail keeps up.
constexpr double NeededBase = 1.34;
constexpr double NeededBump = 0.03;
constexpr double NeededBumpAtMs = 4.6;
constexpr double NeededBumpWidthMs = 1.2;
constexpr double NeededFallPerMs = 0.013;
constexpr double NeededFallFromMs = 5.0;
constexpr double FuelCorrectionTauMs = 3000;

constexpr double ChargingVolts = 13.8;
constexpr double RestingVolts = 12.4;

}  // namespace

EngineModel::EngineModel(quint32 seed)
    : rng_(seed),
      manifoldKpa_(ClosedThrottleKpa + OpenThrottleRiseKpa * DriveProfile::IdleLoad),
      railOverManifoldBar_(RailShutBar),
      batteryVolts_(ChargingVolts)
{
    lambda_.fill(ColdProbeVolts);
    lambdaTarget_.fill(ColdProbeVolts);
}

void EngineModel::setProfile(DriveProfile profile)
{
    profile_ = std::move(profile);
    runningMs_ = 0;
}

void EngineModel::setRunning(bool running)
{
    if (running == running_)
        return;
    running_ = running;
    runningMs_ = 0;
}

double EngineModel::rpm() const
{
    return std::max(0.0, baseRpm_ + rpmJitter_);
}

double EngineModel::neededMultiplier(double petrolMs)
{
    const double bump = (petrolMs - NeededBumpAtMs) / NeededBumpWidthMs;
    return NeededBase + NeededBump * std::exp(-bump * bump) -
           NeededFallPerMs * std::max(0.0, petrolMs - NeededFallFromMs);
}

void EngineModel::setFuelCorrectionTarget(double factor)
{
    correctionTarget_ = std::clamp(factor, 1 - MostFuelCorrection, 1 + MostFuelCorrection);
}

double EngineModel::basePetrolMs(int cylinder) const
{
    if (!running_ || cylinder < 1 || cylinder > Cylinders)
        return 0;
    const double base =
        std::max(ShortestPetrolMs, IdlePetrolMs + (manifoldKpa() - IdleKpa) * PetrolMsPerKpa);
    const double cold = std::clamp((WarmEngineC - reducerC_) / (WarmEngineC - AmbientC), 0.0, 1.0);
    return base * (1 + ColdEnrichment * cold) * (1 + trim_) * CylinderSpread[cylinder - 1];
}

void EngineModel::step(bool onGas)
{
    DriveProfile::Demand demand{0, 0};
    if (running_) {
        runningMs_ += StepMs;
        demand = profile_.demandAt(runningMs_);
    }
    stepSpeed(demand.rpm);
    stepLoad(demand.load);
    fuelCorrection_ = approach(fuelCorrection_, correctionTarget_, FuelCorrectionTauMs);
    stepTemperatures(onGas);
    stepGasRail(onGas);
    stepLambda();
    stepElectrics();
}

void EngineModel::stepSpeed(double demandRpm)
{
    if (!running_) {
        baseRpm_ = approach(baseRpm_, 0, 300);
        if (baseRpm_ < 30)
            baseRpm_ = 0;
        rpmJitter_ = 0;
        return;
    }
    // Picking up is quicker than running down.
    baseRpm_ = approach(baseRpm_, demandRpm, demandRpm > baseRpm_ ? 350 : 600);
    // An idling engine hunts more than one held at speed.
    wander(rpmJitter_, 300, demandRpm < 1200 ? 30 : 15);
    rpmJitter_ = std::clamp(rpmJitter_, -100.0, 100.0);
}

void EngineModel::stepLoad(double demandLoad)
{
    if (!running_) {
        load_ = 0;
        manifoldKpa_ = approach(manifoldKpa_, AtmosphereKpa, 1000);
        wander(manifoldNoise_, 200, 0);
        return;
    }
    load_ = approach(load_, std::clamp(demandLoad, 0.0, 1.0), 250);
    double target = ClosedThrottleKpa + OpenThrottleRiseKpa * load_;
    if (turbo_ && load_ > BoostFromLoad)
        target += BoostKpa * (load_ - BoostFromLoad) / (1 - BoostFromLoad) *
                  std::min(1.0, rpm() / FullBoostRpm);
    manifoldKpa_ = approach(manifoldKpa_, target, 150);
    wander(manifoldNoise_, 200, 0.5);
}

void EngineModel::stepTemperatures(bool onGas)
{
    if (running_) {
        const double target = CoolantC - (onGas ? GasExpansionCoolingC * load_ : 0);
        reducerC_ = approach(reducerC_, target, ReducerWarmUpMs / (1 + 0.8 * load_));
    } else {
        reducerC_ = approach(reducerC_, AmbientC, ReducerCoolDownMs);
    }
    // The gas picks up part of the reducer's heat and loses some in the hose;
    // standing in the hose it takes a little more.
    const double share = onGas ? 0.45 : 0.6;
    gasC_ = approach(gasC_, AmbientC + share * (reducerC_ - AmbientC), GasTempLagMs);
}

void EngineModel::stepGasRail(bool onGas)
{
    if (running_ && onGas)
        railOverManifoldBar_ =
            approach(railOverManifoldBar_, RailOnGasBar - RailDroopBar * load_, 400);
    else if (running_)
        railOverManifoldBar_ = approach(railOverManifoldBar_, RailShutBar, 15000);
    else
        railOverManifoldBar_ = approach(railOverManifoldBar_, 0, 60000);
}

void EngineModel::stepLambda()
{
    if (!running_) {
        probeWarmMs_ = 0;
        lambdaTarget_.fill(0);
    } else if (!lambdaReady()) {
        probeWarmMs_ += StepMs;
        lambdaTarget_.fill(ColdProbeVolts);
    } else {
        phaseLeftMs_ -= StepMs;
        if (phaseLeftMs_ <= 0) {
            rich_ = !rich_;
            phaseLeftMs_ = ShortestPhaseMs + static_cast<int>(PhaseSpreadMs * uniform());
            const double richVolts = 0.72 + 0.16 * uniform();
            const double leanVolts = 0.10 + 0.10 * uniform();
            // The two banks' probes cross over in turn.
            lambdaTarget_[0] = rich_ ? richVolts : leanVolts;
            lambdaTarget_[1] = rich_ ? leanVolts : richVolts;
        }
        trim_ += (rich_ ? -TrimPerSecond : TrimPerSecond) * StepS;
        trim_ = std::clamp(trim_, -MostTrim, MostTrim);
    }
    for (size_t i = 0; i < lambda_.size(); ++i)
        lambda_[i] = approach(lambda_[i], lambdaTarget_[i], running_ ? 60 : 500);
}

void EngineModel::stepElectrics()
{
    batteryVolts_ = approach(batteryVolts_, running_ ? ChargingVolts : RestingVolts, 1500);
    wander(batteryNoise_, 500, running_ ? 0.03 : 0.0);
    wander(tankSlosh_, 800, running_ ? 0.012 : 0.0);
}

double EngineModel::uniform()
{
    return rng_() / 4294967296.0;
}

double EngineModel::gauss()
{
    // The sum of four uniforms: near enough to normal, never wild, and the
    // same on every standard library, unlike std::normal_distribution.
    return (uniform() + uniform() + uniform() + uniform() - 2.0) * std::sqrt(3.0);
}

void EngineModel::wander(double& value, double tauMs, double spread)
{
    value += -value * StepMs / tauMs + spread * std::sqrt(2.0 * StepMs / tauMs) * gauss();
}

double EngineModel::approach(double value, double target, double tauMs)
{
    return value + (target - value) * (1 - std::exp(-StepMs / tauMs));
}

}  // namespace brivel::sim
