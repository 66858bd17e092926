#include "i18n/LanguageColumns.h"

#include "i18n/MessageTable.h"

namespace brivel {

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

QLocale numberFormat(int column)
{
    QLocale locale = QLocale::c();
    switch (column) {
        case MessageTable::German:
            locale = QLocale(QLocale::German, QLocale::Germany);
            break;
        case MessageTable::English:
            locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
            break;
        case MessageTable::Initial:
        case MessageTable::Polish:
            locale = QLocale(QLocale::Polish, QLocale::Poland);
            break;
        case MessageTable::Russian:
            locale = QLocale(QLocale::Russian, QLocale::Russia);
            break;
        case MessageTable::Czech:
            locale = QLocale(QLocale::Czech, QLocale::CzechRepublic);
            break;
        default:
            break;
    }
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString qtTranslationCode(int column)
{
    switch (column) {
        case MessageTable::German:
            return QStringLiteral("de");
        case MessageTable::Polish:
            return QStringLiteral("pl");
        case MessageTable::Czech:
            return QStringLiteral("cs");
        default:
            return QString();
    }
}

}  // namespace brivel
