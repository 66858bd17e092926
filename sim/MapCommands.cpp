#include "sim/MapCommands.h"

#include "sim/AdaptationSession.h"
#include "sim/LiveState.h"

#include "link/Commands.h"

namespace brivel::sim {

MapCommands::MapCommands(LiveState& live, AdaptationSession& adaptation)
    : live_(live), adaptation_(adaptation)
{
}

std::optional<QByteArray> MapCommands::handle(quint8 code, const QByteArray& payload)
{
    switch (code) {
        case command::MapCurve:
            // The learned curve the chart is to draw follows the last choice.
            if (!payload.isEmpty())
                live_.setMapSelector(static_cast<quint8>(payload[0]));
            break;
        case command::AdaptationStart:
            adaptation_.start();
            break;
        case command::AdaptationStep:
            adaptation_.report(payload);
            break;
        case command::MapAux:
            adaptation_.setMapBase(payload);
            break;
        case command::AdaptationResult:
            adaptation_.setResult(payload);
            break;
        case command::AdaptationEnd:
            adaptation_.end();
            break;
        case command::AdaptationStop:
            adaptation_.stop();
            break;
        default:
            return std::nullopt;
    }
    return live_.nextFrame(code);
}

}  // namespace brivel::sim
