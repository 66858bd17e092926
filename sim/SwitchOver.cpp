#include "sim/SwitchOver.h"

#include "sim/EngineModel.h"
#include "sim/SettingsImage.h"

namespace brivel::sim {

namespace {

constexpr int RpmUnit = 100;
constexpr int SwitchOverTimeUnitMs = 500;

}  // namespace

SwitchOver::SwitchOver(const SettingsImage& settings, const EngineModel& engine)
    : settings_(settings), engine_(engine)
{
}

void SwitchOver::requestPetrol()
{
    automatic_ = false;
    onGas_ = false;
    armed_ = false;
}

void SwitchOver::requestGas()
{
    automatic_ = true;
    armed_ = false;
    onGas_ = engine_.running() && firstGasCylinder() != 0;
}

int SwitchOver::firstGasCylinder() const
{
    const int mask = settings_.at(SettingsImage::CylinderMask);
    for (int c = 1; c <= settings_.cylinders(); ++c)
        if (mask & (1 << (c - 1)))
            return c;
    return 0;
}

bool SwitchOver::warm() const
{
    return engine_.reducerTempC() >= settings_.at(SettingsImage::SwitchOverGasTemp);
}

void SwitchOver::step()
{
    if (!engine_.running() || firstGasCylinder() == 0) {
        onGas_ = false;
        armed_ = false;
        return;
    }
    if (!automatic_)
        return;
    const double rpm = engine_.rpm();
    // 0 leaves the speed on gas unlimited rather than forbidding gas.
    const int maxRpm = settings_.at(SettingsImage::MaxRpmOnGas) * RpmUnit;
    const bool tooFast = maxRpm > 0 && rpm > maxRpm;
    if (onGas_) {
        if (tooFast)
            onGas_ = false;
        return;
    }
    if (!warm() || tooFast) {
        armed_ = false;
        return;
    }
    // Once taken above the switch-over speed the engine may drop back to
    // idle while the switch-over time runs.
    if (!armed_ && rpm >= settings_.at(SettingsImage::SwitchOverRpm) * RpmUnit) {
        armed_ = true;
        armedMs_ = 0;
    }
    if (!armed_)
        return;
    armedMs_ += EngineModel::StepMs;
    if (armedMs_ >= settings_.at(SettingsImage::SwitchOverTime) * SwitchOverTimeUnitMs) {
        onGas_ = true;
        armed_ = false;
    }
}

}  // namespace brivel::sim
