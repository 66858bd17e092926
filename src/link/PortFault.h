#pragma once

#include <QtCore/QString>

namespace brivel {

class MessageTable;

// Something went wrong with the port itself rather than with the controller:
// the device went away, or the system refused a read, a write or the device.
// A backend reports it on the window thread once it has closed the device,
// so that a dead descriptor is never polled again.
struct PortFault {
    enum class Kind {
        DeviceGone,    // unplugged, hung up, or no longer listed
        ReadFailed,    // the system refused a read
        WriteFailed,   // the system refused a write
        AccessDenied,  // the system no longer lets the program use the device
    };

    Kind kind = Kind::DeviceGone;
    // The system's error number, and its description as the system words it.
    int code = 0;
    QString reason;

    // A fault with the system's own description of `code`.
    static PortFault fromSystem(Kind kind, int code);
};

// What the user is told once the link has let go of the port: a refused
// write in the port's own words, otherwise the message table's text for a
// port that went away or failed, naming the port and the reason.
QString portFaultMessage(const PortFault& fault, const QString& portName,
                         const MessageTable& messages);

}  // namespace brivel
