#pragma once

#include "sim/CommandHandler.h"

namespace brivel::sim {

class LiveState;
class SettingsImage;

// The poll and the fuel switch, answered with the engine's live frame.
class LiveCommands final : public CommandHandler {
public:
    LiveCommands(SettingsImage& settings, LiveState& live);
    std::optional<QByteArray> handle(quint8 code, const QByteArray& payload) override;

private:
    SettingsImage& settings_;
    LiveState& live_;
};

}  // namespace brivel::sim
