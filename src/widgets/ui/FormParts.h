#pragma once

#include <QtGui/QColor>
#include <QtGui/QPalette>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>

namespace brivel {

// The plain controls the window's panels and pages are laid out from.

inline QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

inline QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& title,
                            const QRect& at)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(at);
    return group;
}

inline void setBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace brivel
