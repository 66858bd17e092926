#pragma once

#include <QtGui/QColor>
#include <QtGui/QPalette>
#include <QtWidgets/QApplication>

namespace brivel {

// The system colour of button faces, which is also the colour of dialog and
// panel backgrounds.
inline QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

}  // namespace brivel
