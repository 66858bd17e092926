#pragma once

#include "cars/CarSession.h"
#include "cars/LibraryStatus.h"

#include <QtWidgets/QWidget>

class QLabel;
class QPushButton;

namespace brivel {

class MessageTable;

namespace cars {

// The car line in the bottom area of the main window: which car is on the
// line (or what to do about it) and, when something is wrong, the library's
// one line; a button opens "Samochody". Shows what the visit tells.
class CarBar : public QWidget {
    Q_OBJECT
public:
    CarBar(const MessageTable& messages, QWidget* parent = nullptr);

public slots:
    void showCarLine(const brivel::cars::CarLine& line);
    void showLibraryStatus(const brivel::cars::LibraryStatus& status);
    // The language changed.
    void showTexts();

signals:
    void carsRequested();

private:
    const MessageTable& messages_;
    CarLine line_;
    LibraryStatus status_;
    QLabel* carLine_ = nullptr;
    QLabel* libraryLine_ = nullptr;
    QPushButton* cars_ = nullptr;
};

}  // namespace cars
}  // namespace brivel
