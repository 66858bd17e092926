#include "widgets/ui/TAbLED.h"

#include "widgets/ui/InstrumentPaint.h"
#include "widgets/ui/TLED.h"

#include <QtCore/QEvent>
#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>

namespace brivel {

TAbLED::TAbLED(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbBinGControl(flashTimer, parent), led_(new TLED(this))
{
    connect(led_, &TLED::changed, this, &TAbLED::configChanged);
    resize(sizeHint());
}

void TAbLED::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    configChanged();
}

void TAbLED::setLedPosition(Position position)
{
    if (position_ == position)
        return;
    position_ = position;
    configChanged();
}

void TAbLED::setSpacing(int spacing)
{
    if (spacing_ == spacing)
        return;
    spacing_ = spacing;
    configChanged();
}

void TAbLED::configChanged()
{
    onLook_ = offLook_ = QPixmap();
    relayout();
}

void TAbLED::changeEvent(QEvent* event)
{
    TAbBinGControl::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        configChanged();
}

QSize TAbLED::captionSize() const
{
    if (caption_.isEmpty())
        return {0, 0};
    const QFontMetrics fm(font());
    return fm.size(0, paint::multiline(caption_));
}

QSize TAbLED::sizeHint() const
{
    const QSize led(led_->width(), led_->height());
    const QSize text = captionSize();
    const int gap = text.isEmpty() ? 0 : spacing_;
    if (position_ == lpLeft || position_ == lpRight)
        return {led.width() + gap + text.width(), std::max(led.height(), text.height())};
    return {std::max(led.width(), text.width()), led.height() + gap + text.height()};
}

QSize TAbLED::minimumSizeHint() const
{
    return {led_->width(), led_->height()};
}

void TAbLED::updateLayout()
{
    const QSize led(led_->width(), led_->height());
    const QSize text = captionSize();
    const int gap = text.isEmpty() ? 0 : spacing_;
    const QRect r = rect();
    // The LED and its caption as one block, centred across the other axis.
    switch (position_) {
        case lpLeft:
        case lpRight: {
            const int blockW = led.width() + gap + text.width();
            const int x0 = r.left() + std::max(0, (r.width() - blockW) / 2);
            const int ledX = position_ == lpLeft ? x0 : x0 + text.width() + gap;
            const int textX = position_ == lpLeft ? x0 + led.width() + gap : x0;
            ledRect_ = QRect(QPoint(ledX, r.top() + (r.height() - led.height()) / 2), led);
            captionRect_ = QRect(textX, r.top(), text.width(), r.height());
            break;
        }
        case lpTop:
        case lpBottom: {
            const int blockH = led.height() + gap + text.height();
            const int y0 = r.top() + std::max(0, (r.height() - blockH) / 2);
            const int ledY = position_ == lpTop ? y0 : y0 + text.height() + gap;
            const int textY = position_ == lpTop ? y0 + led.height() + gap : y0;
            ledRect_ = QRect(QPoint(r.left() + (r.width() - led.width()) / 2, ledY), led);
            captionRect_ = QRect(r.left(), textY, r.width(), text.height());
            break;
        }
    }
}

void TAbLED::paintStatic(QPainter& painter)
{
    if (caption_.isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(captionRect_, Qt::AlignCenter, paint::multiline(caption_));
}

const QPixmap& TAbLED::ledPixmap(bool on)
{
    QPixmap& look = on ? onLook_ : offLook_;
    const qreal dpr = devicePixelRatioF();
    if (look.isNull() || look.devicePixelRatio() != dpr) {
        look = QPixmap(ledRect_.size() * dpr);
        look.setDevicePixelRatio(dpr);
        look.fill(Qt::transparent);
        QPainter p(&look);
        paint::drawLed(p, QRectF(QPointF(0, 0), QSizeF(ledRect_.size())),
                       paint::LedShape(int(led_->shape())), on ? led_->colorOn() : led_->colorOff(),
                       on);
    }
    return look;
}

void TAbLED::paintDynamic(QPainter& painter)
{
    painter.drawPixmap(ledRect_.topLeft(), ledPixmap(showsOnLook()));
}

void TAbLED::lookChanged()
{
    update(ledRect_);
}

}  // namespace brivel
