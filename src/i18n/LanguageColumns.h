#pragma once

#include <QtCore/QLocale>
#include <QtCore/QString>

#include <optional>

namespace brivel {

// The message-table column of a short language code as scripts write it:
// "de", "en", "pl" or "cz" (also "cs"), in any case. Nothing for any other
// code.
std::optional<int> languageColumnOfCode(const QString& code);

// How numbers read in a language column: its decimal separator, and never a
// group separator, which in one language reads as the decimal separator of
// another ("1.500" is fifteen hundred in German and one and a half in
// English). The initial column reads like Polish, as its texts mostly are.
QLocale numberFormat(int column);
// The code under which Qt ships the translations of its own texts for a
// language column ("de", "pl", "cs"); empty for English, Qt's own
// language, and for a column Qt is not translated to here.
QString qtTranslationCode(int column);

}  // namespace brivel
