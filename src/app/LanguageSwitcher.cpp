#include "app/LanguageSwitcher.h"

#include "app/ui/WindowCaptions.h"
#include "i18n/Languages.h"
#include "i18n/LinkTable.h"
#include "i18n/MessageTable.h"
#include "platform/PlatformError.h"
#include "platform/SettingsStore.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

namespace brivel {

namespace {

const QString Group = QStringLiteral("Lang");
const QString Key = QStringLiteral("Lang/CurLang");

}  // namespace

LanguageSwitcher::LanguageSwitcher(QMenu* menu, QObject* captionRoot, MessageTable& messages,
                                   LinkTable& links, SettingsStore& store, QObject* parent)
    : QObject(parent),
      captionRoot_(captionRoot),
      messages_(messages),
      links_(links),
      store_(store),
      current_(QLatin1String(DefaultLanguage))
{
    for (const LanguageItem& language : languageItems()) {
        QAction* item = menu->addAction(QString::fromUtf8(language.caption));
        item->setObjectName(QLatin1String(language.itemName));
        item->setCheckable(true);
        item->setEnabled(language.selectable);
        item->setChecked(item->objectName() == current_);
        items_.append(item);
        connect(item, &QAction::triggered, this, [this, item] { Check_jazyk(item); });
    }
}

void LanguageSwitcher::restore()
{
    store_.ensureGroup(Group);
    const QString stored = store_.readString(Key);
    current_ = stored.isEmpty() ? QLatin1String(DefaultLanguage) : stored;
    if (QAction* item = languageAction(current_))
        item->trigger();
}

void LanguageSwitcher::store()
{
    store_.ensureGroup(Group);
    store_.writeString(Key, current_);
    store_.flush();
}

QAction* LanguageSwitcher::languageAction(const QString& itemName) const
{
    for (QAction* item : items_)
        if (item->objectName() == itemName)
            return item;
    return nullptr;
}

void LanguageSwitcher::Check_jazyk(QAction* item)
{
    const std::optional<LanguageItem> language = languageItem(item->objectName());
    if (!language || !item->isEnabled())
        return;
    for (QAction* other : items_)
        other->setChecked(other == item);
    current_ = item->objectName();
    try {
        store();
    } catch (const PlatformError&) {
    }
    messages_.setLanguage(language->column);
    applyCaptions(captionRoot_, messages_, CaptionScope::Every);
    links_.setLanguage(language->column);
    emit languageChanged();
}

void LanguageSwitcher::LangClick(QObject* flag)
{
    if (QAction* item = languageAction(languageItemOfFlag(flag->objectName())))
        item->trigger();
}

}  // namespace brivel
