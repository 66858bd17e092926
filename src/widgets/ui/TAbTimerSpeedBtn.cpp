#include "widgets/ui/TAbTimerSpeedBtn.h"

#include "widgets/ui/InstrumentPaint.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

namespace brivel {

TAbTimerSpeedBtn::TAbTimerSpeedBtn(TAbFlashTimer& flashTimer, Arrow arrow, QWidget* parent)
    : QWidget(parent), flashTimer_(&flashTimer), arrow_(arrow)
{
    setFocusPolicy(Qt::NoFocus);
}

TAbTimerSpeedBtn::~TAbTimerSpeedBtn()
{
    if (flashTimer_)
        flashTimer_->unregister(this);
}

void TAbTimerSpeedBtn::setInterval(int ms)
{
    if (ms < kMinInterval || ms == interval_)
        return;
    interval_ = ms;
    if (held_ && flashTimer_)
        flashTimer_->registerInterval(this, interval_);
}

void TAbTimerSpeedBtn::setStartDelay(int ms)
{
    startDelay_ = std::max(0, ms);
}

void TAbTimerSpeedBtn::setGlyph(const QPixmap& glyph)
{
    if (glyph_.cacheKey() == glyph.cacheKey())
        return;
    glyph_ = glyph;
    update();
}

void TAbTimerSpeedBtn::setNumGlyphs(int count)
{
    count = qBound(1, count, 4);
    if (numGlyphs_ == count)
        return;
    numGlyphs_ = count;
    update();
}

void TAbTimerSpeedBtn::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit pressed();
    held_ = true;
    if (flashTimer_) {
        dueMs_ = flashTimer_->clock().nowMs() + startDelay_;
        flashTimer_->registerInterval(this, interval_);
    }
    update();
    event->accept();
}

void TAbTimerSpeedBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !held_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    abandon();
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void TAbTimerSpeedBtn::abandon()
{
    if (!held_)
        return;
    held_ = false;
    if (flashTimer_)
        flashTimer_->unregister(this);
    update();
}

void TAbTimerSpeedBtn::hideEvent(QHideEvent* event)
{
    abandon();
    QWidget::hideEvent(event);
}

void TAbTimerSpeedBtn::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        abandon();
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TAbTimerSpeedBtn::intervalElapsed()
{
    if (held_ && flashTimer_ && flashTimer_->clock().nowMs() >= dueMs_)
        emit clicked();
}

void TAbTimerSpeedBtn::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    paint::drawButton(painter, rect(), face, 2, held_);
    const QRect content = rect().adjusted(2, 2, -2, -2).translated(held_ ? 1 : 0, held_ ? 1 : 0);
    if (!glyph_.isNull()) {
        int index = 0;
        if (!isEnabled() && numGlyphs_ >= 2)
            index = 1;
        else if (held_ && numGlyphs_ >= 3)
            index = 2;
        const int w = glyph_.width() / numGlyphs_;
        const QPixmap image = glyph_.copy(index * w, 0, w, glyph_.height());
        const QSize g = image.deviceIndependentSize().toSize();
        painter.setOpacity(isEnabled() || numGlyphs_ >= 2 ? 1.0 : 0.4);
        painter.drawPixmap(content.center() - QPoint(g.width() / 2, g.height() / 2), image);
        return;
    }
    const QColor arrow =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    paint::drawArrow(painter, content, arrow_ == Arrow::Up, arrow);
}

}  // namespace brivel
