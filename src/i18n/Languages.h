#pragma once

#include <QtCore/QString>

#include <array>
#include <optional>

namespace brivel {

// The items of the "Język" menu. Each item's object name is also the name of
// the language it chooses, the value stored as "CurLang", and the name of its
// flag button on the "Info" page after a leading "G".
struct LanguageItem {
    const char* itemName;
    const char* caption;  // fixed: the menu items do not follow the language
    int column;           // the message table's column of the language
    bool selectable;      // a disabled item can never be chosen
};

inline constexpr int LanguageCount = 5;

// In menu order.
const std::array<LanguageItem, LanguageCount>& languageItems();

// The item of that name; nothing for any other name.
std::optional<LanguageItem> languageItem(const QString& itemName);

// The item a flag button chooses ("GPolskiPL" → "PolskiPL"); empty for a
// name that is not a flag's.
QString languageItemOfFlag(const QString& flagName);

// The language chosen when none is stored.
inline constexpr const char* DefaultLanguage = "PolskiPL";

}  // namespace brivel
