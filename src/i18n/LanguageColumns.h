#pragma once

#include <QtCore/QString>

#include <optional>

namespace brivel {

// The message-table column of a language menu item ("NiemieckiDE",
// "AngielskiGB", "PolskiPL", "Ceski"); the working column for "Russian",
// which is never applied, and for a name that is none of them. Texts read when shown take this
// column, so they follow the language chosen last.
int languageColumnOfItem(const QString& itemName);

// The column of a short language code as scripts write it: "de", "en", "pl"
// or "cz" (also "cs"), in any case. Nothing for any other code.
std::optional<int> languageColumnOfCode(const QString& code);

}  // namespace brivel
