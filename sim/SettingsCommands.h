#pragma once

#include "sim/CommandHandler.h"

namespace brivel::sim {

class LiveState;
class SettingsImage;

// Reads, writes and resets of the settings image, the single-setting
// editors, the map write and the clearing of the fault memory.
class SettingsCommands final : public CommandHandler {
public:
    SettingsCommands(SettingsImage& settings, LiveState& live);
    std::optional<QByteArray> handle(quint8 code, const QByteArray& payload) override;

private:
    // Applies a command to the image; false when the code is not a settings command.
    bool apply(quint8 code, const QByteArray& payload);

    SettingsImage& settings_;
    LiveState& live_;
};

}  // namespace brivel::sim
