#pragma once

#include "i18n/MessageRows.h"
#include "settings/ParameterBlock.h"

#include <QtCore/QString>

#include <functional>
#include <optional>

namespace brivel::settings {

// A message-table row's text in the language chosen last.
using MessageLookup = std::function<QString(msg::Row row)>;

// The stored-fault list as the "Error" page shows it: lines ended by CR LF.
// Codes 0x01-0x08 get a numbered line with their message; every entry but
// an empty one (0xFF) also gets a line of its own holding the bare code. An
// entry 0x00 is an injector fault whose line lists the cylinders of the
// active-gas mask; it takes the entry after it along, which is then listed
// by its message and number but never read as a 0x00 of its own. A 0x00 in
// the last entry has no entry after it inside the fault memory: the byte
// behind the memory is the reply's check byte, not a fault, so nothing more
// is listed for it. Entries the image does not hold count as empty, and an
// image without the mask lists no cylinders.
QString storedFaultText(const ParameterBlock& block, const MessageLookup& message);

// The message-table row of a stored fault code's text; nothing for a code
// that has none (0x09-0xFF).
std::optional<msg::Row> storedFaultMessageRow(quint8 code);

}  // namespace brivel::settings
