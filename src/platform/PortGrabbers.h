#pragma once

#include "i18n/MessageRows.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>

namespace brivel {

// Why a serial port did not open, as far as it matters for the advice below.
enum class PortOpenFailure {
    NotFound,  // no such device (brltty may have taken the USB adapter away)
    Busy,      // another program holds it open or locked
    Denied,    // the user may not open it
    Other,
};

// The names of the running processes, from `<procRoot>/<pid>/comm`; entries
// that are no process or cannot be read are left out.
QStringList runningProcessNames(const QString& procRoot = QStringLiteral("/proc"));

// The text to add to a port-open error when a program known to grab serial
// adapters is running: ModemManager, which opens new ports to probe them
// (a busy port), and brltty, which claims USB serial adapters (a busy port,
// or one that has gone). Says which and how to stop it, in the language of
// `text` (a message-table row's text); one paragraph per program. Empty when
// neither applies.
QString portGrabberAdvice(PortOpenFailure failure, const QStringList& processes,
                          const std::function<QString(msg::Row row)>& text);

}  // namespace brivel
