#include "link/PortFault.h"

#include "i18n/MessageTable.h"
#include "link/SerialPort.h"

#include <cstring>

namespace brivel {

PortFault PortFault::fromSystem(Kind kind, int code)
{
    return {kind, code, QString::fromLocal8Bit(std::strerror(code))};
}

QString portFaultMessage(const PortFault& fault, const QString& portName,
                         const MessageTable& messages)
{
    if (fault.kind == PortFault::Kind::WriteFailed)
        return portErrorText("WriteFile function failed", fault.code);
    const msg::Row row =
        fault.kind == PortFault::Kind::DeviceGone ? msg::Row::PortGone : msg::Row::PortError;
    const QString reason =
        fault.reason.isEmpty() ? QStringLiteral("error %1").arg(fault.code) : fault.reason;
    // Both at once, so that a "%2" in a port's name stays as it is.
    return messages.text(row).arg(portName, reason);
}

}  // namespace brivel
