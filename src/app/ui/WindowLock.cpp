#include "app/ui/WindowLock.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

namespace brivel {

WindowLock::WindowLock(QWidget* panel, QTabWidget* tabs, QList<QMenu*> menus)
    : panel_(panel), tabs_(tabs), menus_(std::move(menus))
{
}

void WindowLock::setLocked(bool locked)
{
    if (locked == locked_)
        return;
    locked_ = locked;
    if (locked) {
        for (QWidget* child : panel_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child == tabs_ || !child->isEnabled())
                continue;
            child->setEnabled(false);
            disabledWidgets_.append(child);
        }
        for (int i = 0; i < tabs_->count(); ++i) {
            if (i == tabs_->currentIndex() || !tabs_->isTabEnabled(i))
                continue;
            tabs_->setTabEnabled(i, false);
            disabledTabs_.append(i);
        }
        for (QMenu* menu : menus_) {
            if (!menu->menuAction()->isEnabled())
                continue;
            menu->menuAction()->setEnabled(false);
            disabledMenus_.append(menu);
        }
        return;
    }
    for (const QPointer<QWidget>& widget : disabledWidgets_)
        if (widget)
            widget->setEnabled(true);
    for (int i : disabledTabs_)
        tabs_->setTabEnabled(i, true);
    for (const QPointer<QMenu>& menu : disabledMenus_)
        if (menu)
            menu->menuAction()->setEnabled(true);
    disabledWidgets_.clear();
    disabledTabs_.clear();
    disabledMenus_.clear();
}

}  // namespace brivel
