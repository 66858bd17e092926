#pragma once

#include <QtCore/QByteArray>

#include <optional>

namespace brivel::sim {

// The commands of one subsystem of the controller.
class CommandHandler {
public:
    virtual ~CommandHandler() = default;
    // The reply (envelope included, not line-coded) to a command of this
    // subsystem, or nothing when the command is not one of its own.
    virtual std::optional<QByteArray> handle(quint8 code, const QByteArray& payload) = 0;
};

}  // namespace brivel::sim
