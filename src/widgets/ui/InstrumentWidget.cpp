#include "widgets/ui/InstrumentWidget.h"

#include "widgets/TAbFlashTimer.h"

#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>

namespace brivel {

InstrumentWidget::InstrumentWidget(TAbFlashTimer& flashTimer, QWidget* parent)
    : QWidget(parent), flashTimer_(&flashTimer)
{
}

void InstrumentWidget::invalidateStatic()
{
    static_.invalidate();
    update();
}

void InstrumentWidget::relayout()
{
    layoutSize_ = size();
    updateLayout();
    static_.invalidate();
    updateGeometry();
    update();
}

void InstrumentWidget::ensureLayout()
{
    if (layoutSize_ == size())
        return;
    layoutSize_ = size();
    updateLayout();
    static_.invalidate();
}

qint64 InstrumentWidget::nowMs() const
{
    return flashTimer_ ? flashTimer_->clock().nowMs() : 0;
}

void InstrumentWidget::paintEvent(QPaintEvent* event)
{
    ensureLayout();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawPixmap(0, 0, static_.get(*this, [this](QPainter& p) { paintStatic(p); }));
    paintDynamic(painter);
}

void InstrumentWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ensureLayout();
}

}  // namespace brivel
