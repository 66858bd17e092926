#pragma once

#include <QtCore/QString>

#include <optional>

namespace brivel {

// The message-table column of a short language code as scripts write it:
// "de", "en", "pl" or "cz" (also "cs"), in any case. Nothing for any other
// code.
std::optional<int> languageColumnOfCode(const QString& code);

}  // namespace brivel
