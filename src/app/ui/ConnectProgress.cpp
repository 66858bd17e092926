#include "app/ui/ConnectProgress.h"

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

namespace brivel {

ConnectProgress::ConnectProgress()
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint),
      text_(new QLabel(this)),
      cancel_(new QPushButton(this))
{
    setObjectName(QStringLiteral("ConnectProgress"));
    text_->setObjectName(QStringLiteral("ConnectAttemptText"));
    cancel_->setObjectName(QStringLiteral("ConnectCancel"));
    setAutoFillBackground(true);
    // The fitter's focus stays where it was; the button takes a click.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(text_, 1);
    layout->addWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this, &ConnectProgress::cancelClicked);
}

void ConnectProgress::showAttempt(const QString& text, const QString& cancel, const QWidget* over)
{
    text_->setText(text);
    cancel_->setText(cancel);
    adjustSize();
    if (over) {
        const QRect frame = over->frameGeometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
}

}  // namespace brivel
