#include "widgets/ui/InstrumentPaint.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPolygonF>
#include <QtGui/QRadialGradient>

#include <cmath>

namespace brivel::paint {

QString multiline(const QString& text)
{
    QString out = text;
    out.replace(u'|', u'\n');
    return out;
}

QPointF polar(const QPointF& centre, double radius, double degrees)
{
    const double rad = degrees * M_PI / 180.0;
    return {centre.x() + radius * std::sin(rad), centre.y() - radius * std::cos(rad)};
}

static QPainterPath ledPath(const QRectF& r, LedShape shape)
{
    QPainterPath path;
    switch (shape) {
        case LedShape::Round:
            path.addEllipse(r);
            break;
        case LedShape::Rectangle:
            path.addRoundedRect(r, 1.5, 1.5);
            break;
        case LedShape::ArrowLeft:
            path.addPolygon(
                QPolygonF({QPointF(r.left(), r.center().y()), r.topRight(), r.bottomRight()}));
            break;
        case LedShape::ArrowRight:
            path.addPolygon(
                QPolygonF({QPointF(r.right(), r.center().y()), r.bottomLeft(), r.topLeft()}));
            break;
        case LedShape::ArrowUp:
            path.addPolygon(
                QPolygonF({QPointF(r.center().x(), r.top()), r.bottomRight(), r.bottomLeft()}));
            break;
        case LedShape::ArrowDown:
            path.addPolygon(
                QPolygonF({QPointF(r.center().x(), r.bottom()), r.topLeft(), r.topRight()}));
            break;
    }
    path.closeSubpath();
    return path;
}

void drawLed(QPainter& painter, const QRectF& rect, LedShape shape, const QColor& color, bool lit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = ledPath(r, shape);
    const QColor base = lit ? color : color.darker(135);

    if (shape == LedShape::Round) {
        QRadialGradient body(r.center() - QPointF(r.width() * 0.15, r.height() * 0.15),
                             std::max(r.width(), r.height()) * 0.65);
        body.setColorAt(0.0, lit ? base.lighter(170) : base.lighter(115));
        body.setColorAt(0.55, base);
        body.setColorAt(1.0, base.darker(lit ? 160 : 140));
        painter.fillPath(path, body);
    } else {
        QLinearGradient body(r.topLeft(), r.bottomLeft());
        body.setColorAt(0.0, lit ? base.lighter(150) : base.lighter(110));
        body.setColorAt(0.5, base);
        body.setColorAt(1.0, base.darker(lit ? 140 : 125));
        painter.fillPath(path, body);
    }

    // The glass highlight in the upper half.
    QRectF gloss(r.left() + r.width() * 0.18, r.top() + r.height() * 0.08, r.width() * 0.64,
                 r.height() * 0.42);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, lit ? 200 : 110));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.save();
    painter.setClipPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    if (shape == LedShape::Round)
        painter.drawEllipse(gloss);
    else
        painter.drawRoundedRect(gloss, 1.5, 1.5);
    painter.restore();

    painter.setPen(QPen(color.darker(lit ? 220 : 260), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void drawButton(QPainter& painter, const QRect& rect, const QColor& face, int bevelWidth,
                bool pressed, const QColor& highlight, const QColor& shadow)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient surface(rect.topLeft(), rect.bottomLeft());
    surface.setColorAt(0.0, pressed ? face.darker(108) : face.lighter(118));
    surface.setColorAt(1.0, pressed ? face.lighter(104) : face.darker(112));
    painter.fillRect(rect, surface);
    const QColor topLeft = pressed ? shadow : highlight;
    const QColor bottomRight = pressed ? highlight : shadow;
    for (int i = 0; i < bevelWidth; ++i) {
        const QRect f = rect.adjusted(i, i, -i, -i);
        if (f.width() < 2 || f.height() < 2)
            break;
        painter.setPen(topLeft);
        painter.drawLine(f.topLeft(), f.topRight());
        painter.drawLine(f.topLeft(), f.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(f.bottomLeft() + QPoint(1, 0), f.bottomRight());
        painter.drawLine(f.topRight() + QPoint(0, 1), f.bottomRight());
    }
    painter.setPen(QColor(0, 0, 0, 150));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void drawGrooves(QPainter& painter, const QRect& rect, bool verticalLines, const QColor& face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor dark = face.darker(170);
    const QColor light = face.lighter(160);
    const QPoint c = rect.center();
    for (int k = -1; k <= 1; ++k) {
        if (verticalLines) {
            const int x = c.x() + k * 3;
            const int h = std::max(2, rect.height() / 2);
            painter.setPen(dark);
            painter.drawLine(x, c.y() - h / 2, x, c.y() + h / 2);
            painter.setPen(light);
            painter.drawLine(x + 1, c.y() - h / 2, x + 1, c.y() + h / 2);
        } else {
            const int y = c.y() + k * 3;
            const int w = std::max(2, rect.width() / 2);
            painter.setPen(dark);
            painter.drawLine(c.x() - w / 2, y, c.x() + w / 2, y);
            painter.setPen(light);
            painter.drawLine(c.x() - w / 2, y + 1, c.x() + w / 2, y + 1);
        }
    }
    painter.restore();
}

void drawArrow(QPainter& painter, const QRectF& rect, bool up, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double w = std::min(rect.width() * 0.5, rect.height() * 0.9);
    const double h = w / 2.0;
    const QPointF c = rect.center();
    QPolygonF tri;
    if (up)
        tri << QPointF(c.x() - w / 2, c.y() + h / 2) << QPointF(c.x() + w / 2, c.y() + h / 2)
            << QPointF(c.x(), c.y() - h / 2);
    else
        tri << QPointF(c.x() - w / 2, c.y() - h / 2) << QPointF(c.x() + w / 2, c.y() - h / 2)
            << QPointF(c.x(), c.y() + h / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(tri);
    painter.restore();
}

}  // namespace brivel::paint
