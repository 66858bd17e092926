#include "sim/LiveCommands.h"

#include "sim/LiveState.h"
#include "sim/SettingsImage.h"

#include "link/Commands.h"

namespace brivel::sim {

LiveCommands::LiveCommands(SettingsImage& settings, LiveState& live)
    : settings_(settings), live_(live)
{
}

std::optional<QByteArray> LiveCommands::handle(quint8 code, const QByteArray& payload)
{
    switch (code) {
        case command::Poll:
            break;
        case command::Fuel:
            if (payload.size() >= 2) {
                settings_.set(SettingsImage::CylinderMask, static_cast<quint8>(payload[1]));
                const quint8 fuel = static_cast<quint8>(payload[0]);
                if (fuel == command::FuelGas)
                    live_.switchOver().requestGas();
                if (fuel == command::FuelPetrol)
                    live_.switchOver().requestPetrol();
            }
            break;
        default:
            return std::nullopt;
    }
    return live_.nextFrame(code);
}

}  // namespace brivel::sim
