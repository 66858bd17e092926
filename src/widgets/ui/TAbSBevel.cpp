#include "widgets/ui/TAbSBevel.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPalette>

namespace brivel {

TAbSBevel::TAbSBevel(QObject* parent) : QObject(parent)
{
    color_ = QGuiApplication::palette().color(QPalette::Button);
}

void TAbSBevel::setStyle(Style style)
{
    if (style_ == style)
        return;
    style_ = style;
    emit changed();
}

void TAbSBevel::setLines(Lines lines)
{
    if (lines_ == lines)
        return;
    lines_ = lines;
    emit changed();
}

void TAbSBevel::setWidth(int width)
{
    width = qMax(0, width);
    if (width_ == width)
        return;
    width_ = width;
    emit changed();
}

void TAbSBevel::setSpacing(int spacing)
{
    spacing = qMax(0, spacing);
    if (spacing_ == spacing)
        return;
    spacing_ = spacing;
    emit changed();
}

void TAbSBevel::setColor(const QColor& color)
{
    if (color_ == color)
        return;
    color_ = color;
    emit changed();
}

void TAbSBevel::setColorHighlight(const QColor& colorHighlight)
{
    if (colorHighlight_ == colorHighlight)
        return;
    colorHighlight_ = colorHighlight;
    emit changed();
}

void TAbSBevel::setColorShadow(const QColor& colorShadow)
{
    if (colorShadow_ == colorShadow)
        return;
    colorShadow_ = colorShadow;
    emit changed();
}

void TAbSBevel::setSurfaceGradient(bool surfaceGradient)
{
    if (surfaceGradient_ == surfaceGradient)
        return;
    surfaceGradient_ = surfaceGradient;
    emit changed();
}

int TAbSBevel::frameWidth() const
{
    switch (lines_) {
        case blNone:
            return 0;
        case blBoth:
            return 2 * width_;
        default:
            return width_;
    }
}

QRect TAbSBevel::contentRect(const QRect& outer) const
{
    const int i = inset();
    return outer.adjusted(i, i, -i, -i);
}

static void frame(QPainter& p, const QRect& r, int width, const QColor& topLeft,
                  const QColor& bottomRight)
{
    for (int i = 0; i < width; ++i) {
        const QRect f = r.adjusted(i, i, -i, -i);
        if (f.width() < 2 || f.height() < 2)
            return;
        p.setPen(topLeft);
        p.drawLine(f.topLeft(), f.topRight());
        p.drawLine(f.topLeft(), f.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(f.bottomLeft() + QPoint(1, 0), f.bottomRight());
        p.drawLine(f.topRight() + QPoint(0, 1), f.bottomRight());
    }
}

void TAbSBevel::paint(QPainter& painter, const QRect& outer, bool fill) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool raised = style_ == bsRaised;
    const QColor& light = colorHighlight_;
    const QColor& dark = colorShadow_;
    QRect r = outer;
    if (lines_ == blOuter || lines_ == blBoth) {
        frame(painter, r, width_, raised ? light : dark, raised ? dark : light);
        r.adjust(width_, width_, -width_, -width_);
    }
    if (lines_ == blInner || lines_ == blBoth) {
        frame(painter, r, width_, raised ? dark : light, raised ? light : dark);
        r.adjust(width_, width_, -width_, -width_);
    }
    if (fill && r.isValid()) {
        if (surfaceGradient_) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0.0, color_.lighter(125));
            g.setColorAt(1.0, color_.darker(115));
            painter.fillRect(r, g);
        } else {
            painter.fillRect(r, color_);
        }
    }
    painter.restore();
}

}  // namespace brivel
