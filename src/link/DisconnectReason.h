#pragma once

#include "link/PortFault.h"

#include <QtCore/QString>

namespace brivel {

class MessageTable;

// Why the link let go of the controller, with what the fitter is to be told
// about it.
struct DisconnectReason {
    enum class Kind {
        User,            // "Rozłącz", or the connect switch switched off
        Shutdown,        // the window closes
        VersionRefused,  // the controller's firmware is not the one the program talks to
        NoHandshake,     // every handshake attempt was answered with something else
        ReplyTimedOut,   // no reply, or no whole one, in time
        RetriesSpent,    // a queued command never got its echo
        PortFailed,      // the device failed under the link (`fault`, on `portName`)
        WriteRefused,    // the port refused a write while open (`text`)
    };

    // Not explicit: for most disconnects the kind says all there is.
    DisconnectReason(Kind why = Kind::User) : kind(why) {}
    static DisconnectReason portFailed(const PortFault& fault, const QString& portName);
    static DisconnectReason writeRefused(const QString& text);

    Kind kind;
    PortFault fault;
    QString portName;
    QString text;
};

// The text of the message box that follows the disconnect, in the language
// chosen last; empty when the fitter is told nothing.
QString disconnectMessage(const DisconnectReason& reason, const MessageTable& messages);

}  // namespace brivel
