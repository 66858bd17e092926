#include "widgets/ui/TAbToggleSwitch.h"

#include "widgets/ui/InstrumentPaint.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>

namespace brivel {

namespace {
constexpr int kFrame = 1;  // the sunken frame around the face
}

TAbToggleSwitch::TAbToggleSwitch(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbSwitch(flashTimer, parent)
{
    btnFace_ = palette().color(QPalette::Button);
    resize(sizeHint());
}

void TAbToggleSwitch::setOrientation(Orientation orientation)
{
    if (orientation_ == orientation)
        return;
    orientation_ = orientation;
    updateGeometry();
    update();
}

void TAbToggleSwitch::setColorOn(const QColor& color)
{
    assign(colorOn_, color);
}
void TAbToggleSwitch::setColorOff(const QColor& color)
{
    assign(colorOff_, color);
}
void TAbToggleSwitch::setBtnColorFace(const QColor& color)
{
    assign(btnFace_, color);
}
void TAbToggleSwitch::setBtnColorHighlight(const QColor& color)
{
    assign(btnHighlight_, color);
}
void TAbToggleSwitch::setBtnColorShadow(const QColor& color)
{
    assign(btnShadow_, color);
}
void TAbToggleSwitch::setBtnBevelWidth(int width)
{
    assign(btnBevelWidth_, qMax(0, width));
}
void TAbToggleSwitch::setTextOn(const QString& text)
{
    assign(textOn_, text);
}
void TAbToggleSwitch::setTextOff(const QString& text)
{
    assign(textOff_, text);
}
void TAbToggleSwitch::setTextColor(const QColor& color)
{
    assign(textColor_, color);
}
void TAbToggleSwitch::setSwapGraphic(bool swap)
{
    assign(swapGraphic_, swap);
}

QSize TAbToggleSwitch::sizeHint() const
{
    const QFontMetrics fm(font());
    const int text = std::max(fm.horizontalAdvance(textOn_), fm.horizontalAdvance(textOff_)) + 12;
    if (orientation_ == boHorizontal)
        return {2 * std::max(text, 30), std::max(20, fm.height() + 6)};
    return {std::max(text, 30), 2 * std::max(20, fm.height() + 6)};
}

QSize TAbToggleSwitch::minimumSizeHint() const
{
    return {16, 16};
}

QRect TAbToggleSwitch::half(bool first) const
{
    const QRect r = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    if (orientation_ == boHorizontal) {
        const int w = r.width() / 2;
        return first ? QRect(r.left(), r.top(), w, r.height())
                     : QRect(r.left() + w, r.top(), r.width() - w, r.height());
    }
    const int h = r.height() / 2;
    return first ? QRect(r.left(), r.top(), r.width(), h)
                 : QRect(r.left(), r.top() + h, r.width(), r.height() - h);
}

QRect TAbToggleSwitch::knobRect() const
{
    return half(knobFirst());
}

QRect TAbToggleSwitch::textRect() const
{
    return half(!knobFirst());
}

void TAbToggleSwitch::paintDynamic(QPainter& painter)
{
    const QRect r = rect();
    const bool on = showsOnLook();
    // The slot: sunken, filled with the state colour.
    const QColor fill = on ? colorOn_ : colorOff_;
    QLinearGradient slot(r.topLeft(), r.bottomLeft());
    slot.setColorAt(0.0, fill.darker(125));
    slot.setColorAt(0.35, fill);
    slot.setColorAt(1.0, fill.lighter(110));
    painter.fillRect(r, slot);
    painter.setPen(btnShadow_.darker(130));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(btnHighlight_);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());

    const QRect knob = knobRect();
    paint::drawButton(painter, knob, btnFace_, btnBevelWidth_, false, btnHighlight_, btnShadow_);
    paint::drawGrooves(
        painter, knob.adjusted(btnBevelWidth_, btnBevelWidth_, -btnBevelWidth_, -btnBevelWidth_),
        orientation_ == boHorizontal, btnFace_);

    const QString text = on ? textOn_ : textOff_;
    if (!text.isEmpty()) {
        painter.setFont(font());
        painter.setPen(textColor_);
        painter.drawText(textRect(), Qt::AlignCenter, text);
    }
}

}  // namespace brivel
