#include "sim/ConnectionCommands.h"

#include "sim/FaultSet.h"
#include "sim/SettingsImage.h"

#include "link/Commands.h"

namespace brivel::sim {

ConnectionCommands::ConnectionCommands(const SettingsImage& settings, const FaultSet& faults)
    : settings_(settings), faults_(faults)
{
}

std::optional<QByteArray> ConnectionCommands::handle(quint8 code, const QByteArray& payload)
{
    if (code != command::ReadSettings || payload != QByteArray(1, command::ConnectPayload))
        return std::nullopt;
    if (faults_.has(EmulatorFault::WrongVersion)) {
        SettingsImage older = settings_;
        older.setVersion(3, 7, 6);
        return older.reply(code);
    }
    // The echo of the handshake is the read's own code, as for a queued read.
    return settings_.reply(code);
}

}  // namespace brivel::sim
