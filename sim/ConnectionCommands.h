#pragma once

#include "sim/CommandHandler.h"

namespace brivel::sim {

class FaultSet;
class SettingsImage;

// The handshake: the settings read with payload 0x01 that opens a
// connection, answered with the whole settings image.
class ConnectionCommands final : public CommandHandler {
public:
    ConnectionCommands(const SettingsImage& settings, const FaultSet& faults);
    std::optional<QByteArray> handle(quint8 code, const QByteArray& payload) override;

private:
    const SettingsImage& settings_;
    const FaultSet& faults_;
};

}  // namespace brivel::sim
