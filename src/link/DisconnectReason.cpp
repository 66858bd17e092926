#include "link/DisconnectReason.h"

#include "i18n/MessageTable.h"

namespace brivel {

DisconnectReason DisconnectReason::portFailed(const PortFault& fault, const QString& portName)
{
    DisconnectReason reason(Kind::PortFailed);
    reason.fault = fault;
    reason.portName = portName;
    return reason;
}

DisconnectReason DisconnectReason::writeRefused(const QString& text)
{
    DisconnectReason reason(Kind::WriteRefused);
    reason.text = text;
    return reason;
}

QString disconnectMessage(const DisconnectReason& reason, const MessageTable& messages)
{
    using Kind = DisconnectReason::Kind;
    switch (reason.kind) {
        case Kind::User:
        case Kind::Shutdown:
        case Kind::VersionRefused:
        case Kind::NoHandshake:
            return QString();
        case Kind::ReplyTimedOut:
            return messages.text(msg::Row::ReplyTimeout);
        case Kind::RetriesSpent:
            return QStringLiteral("Time out - Error1");
        case Kind::PortFailed:
            return portFaultMessage(reason.fault, reason.portName, messages);
        case Kind::WriteRefused:
            return reason.text;
    }
    return QString();
}

}  // namespace brivel
