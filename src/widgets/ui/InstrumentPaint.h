#pragma once

#include <QtCore/QPointF>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtGui/QColor>

class QPainter;

// Drawing helpers shared by the widgets of the kit.
namespace brivel::paint {

// A "|" in captions starts a new line.
QString multiline(const QString& text);

// The point at `radius` from `centre` in the direction `degrees` measured
// clockwise from twelve o'clock, as dials measure their angles.
QPointF polar(const QPointF& centre, double radius, double degrees);

enum class LedShape { Round, ArrowLeft, ArrowRight, ArrowUp, ArrowDown, Rectangle };

// An LED with a glass look: a lit LED glows with a bright core and a
// highlight, an unlit one is a matte version of its colour.
void drawLed(QPainter& painter, const QRectF& rect, LedShape shape, const QColor& color, bool lit);

// A 3-D button face: a gently shaded surface inside a frame of
// `bevelWidth` pixels, raised or pressed.
void drawButton(QPainter& painter, const QRect& rect, const QColor& face, int bevelWidth,
                bool pressed, const QColor& highlight = QColor(255, 255, 255),
                const QColor& shadow = QColor(96, 96, 96));

// Grip grooves across a knob: three light/dark line pairs centred in `rect`,
// running along `vertical` lines or horizontal ones.
void drawGrooves(QPainter& painter, const QRect& rect, bool verticalLines, const QColor& face);

// A filled arrow head pointing up or down, centred in `rect`.
void drawArrow(QPainter& painter, const QRectF& rect, bool up, const QColor& color);

}  // namespace brivel::paint
