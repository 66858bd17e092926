#pragma once

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>

class QAction;
class QMenu;

namespace brivel {

class LinkTable;
class MessageTable;
class SettingsStore;

// The "Język" menu and the language it chose: a language item sets the
// message table, every caption of the window and the links to that
// language, and the language is stored as "Lang/CurLang".
class LanguageSwitcher final : public QObject {
    Q_OBJECT
public:
    // `captionRoot` is the window whose controls the caption table names.
    // None of the references is owned.
    LanguageSwitcher(QMenu* menu, QObject* captionRoot, MessageTable& messages, LinkTable& links,
                     SettingsStore& store, QObject* parent = nullptr);

    // The name of the language item chosen last ("PolskiPL", …), or the name
    // that was stored when it is no item's.
    const QString& current() const { return current_; }

    // At start-up: the stored language is chosen. A disabled item ignores
    // it: a stored "Russian", like any name that is no item's, leaves the
    // design texts.
    void restore();
    // Stores the language chosen last; a store that fails throws.
    void store();

    // A language item: chosen unless disabled; the language applies whether
    // or not the store keeps it.
    void Check_jazyk(QAction* item);
    // A flag button of the "Info" page: clicks its language item.
    void LangClick(QObject* flag);

signals:
    // The texts and links are in the language chosen.
    void languageChanged();

private:
    // The language item of that name; null for any other name.
    QAction* languageAction(const QString& itemName) const;

    QObject* captionRoot_;
    MessageTable& messages_;
    LinkTable& links_;
    SettingsStore& store_;
    QList<QAction*> items_;
    QString current_;
};

}  // namespace brivel
