#include "widgets/ui/StaticLayer.h"

#include <QtGui/QPainter>
#include <QtWidgets/QWidget>

namespace brivel {

const QPixmap& StaticLayer::get(const QWidget& widget, const std::function<void(QPainter&)>& paint)
{
    const qreal dpr = widget.devicePixelRatioF();
    const QSize pixels = widget.size() * dpr;
    if (valid_ && pixmap_.size() == pixels && pixmap_.devicePixelRatio() == dpr)
        return pixmap_;
    pixmap_ = QPixmap(pixels.expandedTo(QSize(1, 1)));
    pixmap_.setDevicePixelRatio(dpr);
    pixmap_.fill(Qt::transparent);
    {
        QPainter p(&pixmap_);
        paint(p);
    }
    valid_ = true;
    return pixmap_;
}

}  // namespace brivel
