#pragma once

namespace brivel::sim {

class EngineModel;
class SettingsImage;

// The controller's choice of fuel. It powers up willing to go over to gas
// and does so by itself once the reducer is warm and the engine has been
// taken above the switch-over speed, after the switch-over time; it drops
// back to petrol above the maximum speed on gas and whenever the engine
// stops. The fitter's fuel command overrides it either way: petrol holds
// until gas is asked for again, gas comes at once.
class SwitchOver {
public:
    SwitchOver(const SettingsImage& settings, const EngineModel& engine);

    // The fuel command with sub-code petrol.
    void requestPetrol();
    // The fuel command with sub-code gas, on the cylinders of the settings'
    // active-cylinder mask.
    void requestGas();
    // One engine step (EngineModel::StepMs) later.
    void step();

    bool onGas() const { return onGas_; }
    // The lowest fitted cylinder in the active-cylinder mask (1…8), or 0.
    int firstGasCylinder() const;

private:
    bool warm() const;

    const SettingsImage& settings_;
    const EngineModel& engine_;
    bool automatic_ = true;
    bool onGas_ = false;
    bool armed_ = false;
    int armedMs_ = 0;
};

}  // namespace brivel::sim
