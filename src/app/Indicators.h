#pragma once

#include <QtCore/QString>
#include <QtGui/QColor>

class QWidget;

namespace brivel::indicators {

// Stand-ins for the instrument widgets, with the window's control names,
// until the widget kit takes their place.
QWidget* valueInd(QWidget* parent, const QString& name, const QString& unit);
QWidget* dial(QWidget* parent, const QString& name);
QWidget* bar(QWidget* parent, const QString& name, const QColor& color);
QWidget* led(QWidget* parent, const QString& name, const QString& caption, const QColor& on);
QWidget* colorButton(QWidget* parent, const QString& name, const QString& textOff,
                     const QString& textOn);
QWidget* toggleSwitch(QWidget* parent, const QString& name, const QString& textOff,
                      const QString& textOn);

}  // namespace brivel::indicators
