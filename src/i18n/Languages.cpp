#include "i18n/Languages.h"

#include "i18n/MessageTable.h"

namespace brivel {

const std::array<LanguageItem, LanguageCount>& languageItems()
{
    static const std::array<LanguageItem, LanguageCount> items = {{
        {"NiemieckiDE", "Deutsch", MessageTable::German, true},
        {"AngielskiGB", "English", MessageTable::English, true},
        {"PolskiPL", "Polski", MessageTable::Polish, true},
        // Its column holds placeholders only.
        {"Russian", "Russian", MessageTable::Russian, false},
        {"Ceski", "Ceski", MessageTable::Czech, true},
    }};
    return items;
}

std::optional<LanguageItem> languageItem(const QString& itemName)
{
    for (const LanguageItem& item : languageItems())
        if (itemName == QLatin1String(item.itemName))
            return item;
    return std::nullopt;
}

QString languageItemOfFlag(const QString& flagName)
{
    if (!flagName.startsWith(QLatin1Char('G')))
        return {};
    const QString itemName = flagName.mid(1);
    return languageItem(itemName) ? itemName : QString();
}

}  // namespace brivel
