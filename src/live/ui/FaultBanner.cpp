#include "live/ui/FaultBanner.h"

#include "live/LiveModel.h"
#include "widgets/ui/FormParts.h"

#include <QtGui/QMouseEvent>

namespace brivel {

FaultBanner::FaultBanner(QWidget* panel, LiveModel& model) : QObject(panel)
{
    errorLed_ = new QLabel(QStringLiteral("*  *  *  E r r o r  *  *  *"), panel);
    errorLed_->setObjectName(QStringLiteral("Error_Led"));
    errorLed_->setAlignment(Qt::AlignCenter);
    errorLed_->setGeometry(176, 0, 593, 14);
    QFont bold = errorLed_->font();
    bold.setBold(true);
    errorLed_->setFont(bold);
    errorLed_->setCursor(Qt::PointingHandCursor);
    setBackground(errorLed_, Red);
    errorLed_->hide();
    errorLed_->installEventFilter(this);
    connect(&model, &LiveModel::changed, this, &FaultBanner::showLive);
}

void FaultBanner::showLive(const LiveSnapshot& s, LiveChanges changes)
{
    if (!(changes & (FrameDecoded | FaultsChanged)))
        return;
    errorLed_->setVisible(s.bannerVisible);
    const QColor shade = s.bannerLightRed ? LightRed : Red;
    QPalette palette = errorLed_->palette();
    if (palette.color(QPalette::Window) != shade) {
        palette.setColor(QPalette::Window, shade);
        errorLed_->setPalette(palette);
    }
}

bool FaultBanner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == errorLed_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Error_LedClick();
    return QObject::eventFilter(watched, event);
}

}  // namespace brivel
