#pragma once

#include <QtCore/QString>

#include <optional>

namespace brivel {

// The message-table column of a short language code as scripts write it:
// "de", "en", "pl" or "cz" (also "cs"), in any case. Nothing for any other
// code.
std::optional<int> languageColumnOfCode(const QString& code);

// The code under which Qt ships the translations of its own texts for a
// language column ("de", "pl", "cs"); empty for English, Qt's own
// language, and for a column Qt is not translated to here.
QString qtTranslationCode(int column);

}  // namespace brivel
