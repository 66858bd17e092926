#pragma once

#include <QtCore/QString>

#include <array>

namespace brivel {
struct LiveSnapshot;
}

namespace brivel::live {

// Which pair of live values the oscilloscope shows.
enum class OscilloscopeMode { PetrolGas, MapP1, Temperatures, RpmLambda1, RpmLambda2 };

// Where a channel's value comes from.
enum class LiveSource {
    PetrolTime1,
    GasTime,
    ManifoldPressure,
    GasPressure,
    GasTemp,
    ReducerTemp,
    RpmThousands,
    Lambda1,
    Lambda2,
};

struct ChannelSetup {
    const char* name1;
    const char* unit;
    // The range top; a lambda channel copies its read-out's range top instead.
    float valueTo;
    LiveSource source;
};

struct ModeSetup {
    OscilloscopeMode mode;
    const char* buttonName;
    // Null where the caption follows the language (from the caption table).
    const char* caption;
    ChannelSetup ch1;
    ChannelSetup ch2;
    // The channel 2 range top is the lambda read-out's at the moment of the click.
    bool lambdaTop;
};

const std::array<ModeSetup, 5>& oscilloscopeModes();

// The value a channel shows, as its indicator shows it.
float channelValue(const LiveSnapshot& snapshot, LiveSource source);

}  // namespace brivel::live
