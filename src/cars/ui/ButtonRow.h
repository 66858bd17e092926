#pragma once

#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QPushButton>

namespace brivel::cars {

// A button of a window's button row, named for the caption table, which
// gives it its text.
inline QPushButton* addRowButton(QWidget* window, QBoxLayout* row, const char* name)
{
    auto* button = new QPushButton(window);
    button->setObjectName(QLatin1String(name));
    row->addWidget(button);
    return button;
}

}  // namespace brivel::cars
