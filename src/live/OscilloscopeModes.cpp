#include "live/OscilloscopeModes.h"

#include "live/LiveSnapshot.h"

namespace brivel::live {

const std::array<ModeSetup, 5>& oscilloscopeModes()
{
    // The captions that follow the language come from the caption table.
    // Channel 1 units end in a space and channel 2 units begin with one: they
    // stand beside the left and the right scale.
    static const std::array<ModeSetup, 5> modes = {{
        {OscilloscopeMode::PetrolGas,
         "OSC_PETROL_LPG",
         nullptr,
         {"Petrol", "[ms] ", 40, LiveSource::PetrolTime1},
         {"Gaz", " [ms]", 40, LiveSource::GasTime},
         false},
        {OscilloscopeMode::MapP1,
         "OSC_MAP_P1",
         "MAP/P1    [kPa] / [bar]",
         {"MAP", "[kPa] ", 250, LiveSource::ManifoldPressure},
         {"P1", " [bar]", 4, LiveSource::GasPressure},
         false},
        {OscilloscopeMode::Temperatures,
         "TEMP_LPG_RED",
         nullptr,
         {"Gaz", "[°C] ", 120, LiveSource::GasTemp},
         {"Red", " [°C]", 120, LiveSource::ReducerTemp},
         false},
        {OscilloscopeMode::RpmLambda1,
         "RPM_LAMBDA1",
         "RPM / LAMBDA 1[V]",
         {"RPM [x 1000]", "  ", 8, LiveSource::RpmThousands},
         {"LAMBDA1", " [V]", 0, LiveSource::Lambda1},
         true},
        {OscilloscopeMode::RpmLambda2,
         "RPM_LAMBDA2",
         "RPM / LAMBDA 2[V]",
         {"RPM [x 1000]", "  ", 8, LiveSource::RpmThousands},
         {"LAMBDA2", " [V]", 0, LiveSource::Lambda2},
         true},
    }};
    return modes;
}

float channelValue(const LiveSnapshot& s, LiveSource source)
{
    switch (source) {
        case LiveSource::PetrolTime1:
            return s.petrolTimes[0];
        case LiveSource::GasTime:
            return s.gasTime;
        case LiveSource::ManifoldPressure:
            return s.manifoldPressure;
        case LiveSource::GasPressure:
            return s.gasPressure;
        case LiveSource::GasTemp:
            return s.gasTemp;
        case LiveSource::ReducerTemp:
            return s.reducerTemp;
        case LiveSource::RpmThousands:
            return s.rpmThousands;
        case LiveSource::Lambda1:
            return s.lambda1;
        case LiveSource::Lambda2:
            return s.lambda2;
    }
    return 0;
}

}  // namespace brivel::live
