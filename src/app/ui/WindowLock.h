#pragma once

#include <QtCore/QList>
#include <QtCore/QPointer>

class QMenu;
class QTabWidget;
class QWidget;

namespace brivel {

// Keeps the fitter on the page in front while a long procedure runs: the
// controls of the instrument panel (connect switch, fuel switch, cylinder
// buttons), the other tabs and the given menus stop responding; the page in
// front and everything on it stay usable.
class WindowLock {
public:
    // `panel` holds `tabs` among its children; all outlive the lock.
    WindowLock(QWidget* panel, QTabWidget* tabs, QList<QMenu*> menus);

    void setLocked(bool locked);
    bool isLocked() const { return locked_; }

private:
    QWidget* panel_;
    QTabWidget* tabs_;
    QList<QMenu*> menus_;
    bool locked_ = false;
    // What the lock disabled, and only that, comes back on unlock.
    QList<QPointer<QWidget>> disabledWidgets_;
    QList<int> disabledTabs_;
    QList<QPointer<QMenu>> disabledMenus_;
};

}  // namespace brivel
