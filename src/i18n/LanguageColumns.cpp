#include "i18n/LanguageColumns.h"

#include "i18n/Languages.h"
#include "i18n/MessageTable.h"

namespace brivel {

int languageColumnOfItem(const QString& itemName)
{
    // A language that cannot be chosen (the placeholder column) is never
    // applied: the working column still holds the built-in texts.
    const std::optional<LanguageItem> item = languageItem(itemName);
    return item && item->selectable ? item->column : MessageTable::Working;
}

std::optional<int> languageColumnOfCode(const QString& code)
{
    const QString c = code.toLower();
    if (c == QLatin1String("de"))
        return MessageTable::German;
    if (c == QLatin1String("en"))
        return MessageTable::English;
    if (c == QLatin1String("pl"))
        return MessageTable::Polish;
    if (c == QLatin1String("cz") || c == QLatin1String("cs"))
        return MessageTable::Czech;
    return std::nullopt;
}

}  // namespace brivel
