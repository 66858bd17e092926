#include "cars/ui/CarBar.h"

#include "cars/CarTexts.h"
#include "i18n/MessageTable.h"

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

namespace brivel::cars {

namespace {

const QColor ProblemRed(170, 0, 0);

}  // namespace

CarBar::CarBar(const MessageTable& messages, QWidget* parent) : QWidget(parent), messages_(messages)
{
    setObjectName(QStringLiteral("CarBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(8);
    carLine_ = new QLabel(this);
    carLine_->setObjectName(QStringLiteral("CarLine"));
    carLine_->setTextFormat(Qt::PlainText);
    libraryLine_ = new QLabel(this);
    libraryLine_->setObjectName(QStringLiteral("LibraryLine"));
    libraryLine_->setTextFormat(Qt::PlainText);
    QPalette red = libraryLine_->palette();
    red.setColor(QPalette::WindowText, ProblemRed);
    libraryLine_->setPalette(red);
    libraryLine_->hide();
    cars_ = new QPushButton(this);
    cars_->setObjectName(QStringLiteral("CarBarCars"));
    cars_->setFocusPolicy(Qt::NoFocus);
    connect(cars_, &QPushButton::clicked, this, &CarBar::carsRequested);
    layout->addWidget(carLine_, 1);
    layout->addWidget(libraryLine_, 1);
    layout->addWidget(cars_);
    showTexts();
}

void CarBar::showCarLine(const CarLine& line)
{
    line_ = line;
    showTexts();
}

void CarBar::showLibraryStatus(const LibraryStatus& status)
{
    status_ = status;
    showTexts();
}

void CarBar::showTexts()
{
    const settings::MessageLookup text = [this](msg::Row row) { return messages_.text(row); };
    carLine_->setText(text::carLine(line_, text));
    const QString problem = text::statusLine(status_, text);
    libraryLine_->setText(problem);
    libraryLine_->setToolTip(problem);
    libraryLine_->setVisible(!problem.isEmpty());
    cars_->setText(messages_.text(msg::Row::CarsItem) + QStringLiteral("…"));
}

}  // namespace brivel::cars
