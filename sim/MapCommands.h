#pragma once

#include "sim/CommandHandler.h"

namespace brivel::sim {

class AdaptationSession;
class LiveState;

// The map chart's curve choice and the adaptation's commands, each
// acknowledged with the live frame.
class MapCommands final : public CommandHandler {
public:
    MapCommands(LiveState& live, AdaptationSession& adaptation);
    std::optional<QByteArray> handle(quint8 code, const QByteArray& payload) override;

private:
    LiveState& live_;
    AdaptationSession& adaptation_;
};

}  // namespace brivel::sim
