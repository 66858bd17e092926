#include "app/ui/WindowCaptions.h"

#include "i18n/CaptionTable.h"
#include "i18n/MessageTable.h"
#include "widgets/ui/TAbAnalogCControl.h"
#include "widgets/ui/TAbAnalogGControl.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QAction>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTabWidget>

namespace brivel {

namespace {

// Sets a declared property; never makes a dynamic one.
bool setDeclared(QObject* object, const char* name, const QString& value)
{
    if (object->metaObject()->indexOfProperty(name) < 0)
        return false;
    return object->setProperty(name, value);
}

TSignalSettings* signalSettingsOf(QObject* object)
{
    if (auto* control = qobject_cast<TAbAnalogGControl*>(object))
        return control->signalSettings();
    if (auto* control = qobject_cast<TAbAnalogCControl*>(object))
        return control->signalSettings();
    return nullptr;
}

bool setText(QObject* object, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else
        return setDeclared(object, "text", text);
    return true;
}

bool setTabCaption(QObject* root, QObject* page, const QString& text)
{
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
        const int index = tabs->indexOf(qobject_cast<QWidget*>(page));
        if (index >= 0) {
            tabs->setTabText(index, text);
            return true;
        }
    }
    return false;
}

bool apply(QObject* root, QObject* object, const CaptionTarget& target, const QString& text)
{
    switch (target.property) {
        case CaptionProperty::Text:
            return setText(object, text);
        case CaptionProperty::TabCaption:
            return setTabCaption(root, object, text);
        case CaptionProperty::GroupTitle:
            if (auto* group = qobject_cast<QGroupBox*>(object)) {
                group->setTitle(text);
                return true;
            }
            return false;
        case CaptionProperty::ComboItem:
            if (auto* combo = qobject_cast<QComboBox*>(object)) {
                if (target.item >= combo->count())
                    return false;
                combo->setItemText(target.item, text);  // the selection stays
                return true;
            }
            return false;
        case CaptionProperty::Name1:
        case CaptionProperty::Name2:
            if (TSignalSettings* settings = signalSettingsOf(object)) {
                if (target.property == CaptionProperty::Name1)
                    settings->setName1(text);
                else
                    settings->setName2(text);
                return true;
            }
            return false;
        case CaptionProperty::TextOff:
            // The switches of the kit have it as a property.
            return setDeclared(object, "textOff", text);
        case CaptionProperty::MenuTitle:
            if (auto* menu = qobject_cast<QMenu*>(object)) {
                menu->setTitle(text);
                return true;
            }
            return false;
        case CaptionProperty::SeriesTitle:
            // Chart series and axes are reached by their Qt properties.
            return setDeclared(object, "name", text);
        case CaptionProperty::AxisTitle:
            return setDeclared(object, "titleText", text);
        case CaptionProperty::Hint:
            if (auto* widget = qobject_cast<QWidget*>(object)) {
                widget->setToolTip(text);
                return true;
            }
            return false;
        case CaptionProperty::MemoText:
            if (auto* memo = qobject_cast<QPlainTextEdit*>(object)) {
                memo->setPlainText(text);
                return true;
            }
            return false;
    }
    return false;
}

}  // namespace

int applyCaptions(QObject* root, const MessageTable& messages, CaptionScope scope)
{
    int missing = 0;
    for (const CaptionTarget& target : captionTargets()) {
        if (scope == CaptionScope::Design && target.state != CaptionState::Applied)
            continue;
        QObject* object = root->objectName() == QLatin1String(target.objectName)
                              ? root
                              : root->findChild<QObject*>(QLatin1String(target.objectName));
        const QString text = messages.text(target.row) + QString::fromUtf8(target.suffix);
        if (!object || !apply(root, object, target, text))
            ++missing;
    }
    return missing;
}

}  // namespace brivel
