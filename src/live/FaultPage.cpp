#include "live/FaultPage.h"

#include "live/FaultMemo.h"

#include <QtGui/QMouseEvent>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

namespace brivel {

namespace {

constexpr int ErrorPageIndex = 5;
constexpr int EditorRetries = 5;

void colourText(QWidget* widget, const QColor& color, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

}  // namespace

FaultPage::FaultPage(QWidget* page, QTabWidget* tabs, QWidget* banner, QueueCommand queue)
    : QObject(page), tabs_(tabs), banner_(banner), queue_(std::move(queue))
{
    label19_ = new QLabel(QStringLiteral("Błędy aktualne"), page);
    label19_->setObjectName(QStringLiteral("Label19"));
    label19_->setGeometry(8, 6, 400, 16);

    actual_ = new FaultMemo(page);
    actual_->setObjectName(QStringLiteral("Actual_errors_Memo"));
    actual_->setGeometry(8, 24, 570, 170);
    colourText(actual_, QColor(255, 0, 0), QPalette::Text);

    button2_ = new QPushButton(QStringLiteral("Reset"), page);
    button2_->setObjectName(QStringLiteral("Button2"));
    button2_->setGeometry(8, 202, 90, 26);
    colourText(button2_, QColor(255, 0, 0), QPalette::ButtonText);
    connect(button2_, &QPushButton::clicked, this, &FaultPage::Button2Click);

    label18_ = new QLabel(QStringLiteral("Błędy zarejestrowane"), page);
    label18_->setObjectName(QStringLiteral("Label18"));
    label18_->setGeometry(8, 236, 400, 16);

    registered_ = new FaultMemo(page);
    registered_->setObjectName(QStringLiteral("Register_errors_memo"));
    registered_->setGeometry(8, 254, 570, 208);
    colourText(registered_, QColor(255, 0, 255), QPalette::Text);

    banner_->installEventFilter(this);
}

bool FaultPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == banner_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Error_LedClick();
    return QObject::eventFilter(watched, event);
}

void FaultPage::Button2Click()
{
    queue_(EditorRetries, QByteArray("\x10\x00", 2));
    // Emptied at once: the stored list comes back only with the next settings read.
    actual_->setText(QString());
    registered_->setText(QString());
}

void FaultPage::Error_LedClick()
{
    tabs_->setCurrentIndex(ErrorPageIndex);
}

}  // namespace brivel
