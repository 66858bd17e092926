#include "widgets/ui/TAbRMeter.h"

#include "widgets/FormatPicture.h"
#include "widgets/ui/InstrumentPaint.h"
#include "widgets/ui/TArrowSettings.h"
#include "widgets/ui/TMinMax.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/ui/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QFontMetricsF>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPolygonF>
#include <QtGui/QRadialGradient>

#include <algorithm>
#include <cmath>

namespace brivel {

namespace {

// Qt measures arcs counter-clockwise from three o'clock in 1/16 degrees.
double qtAngle(double clockwiseFromTop)
{
    return 90.0 - clockwiseFromTop;
}

// How far the scale reaches below the centre, in radii: the lowest point of
// the arc, but never less than the hub needs.
double extentBelowCentre(double start, double sweep)
{
    double lowest = 0.15;
    for (int i = 0; i <= 90; ++i) {
        const double a = (start + sweep * i / 90.0) * M_PI / 180.0;
        lowest = std::max(lowest, -std::cos(a));
    }
    return lowest;
}

}  // namespace

TAbRMeter::TAbRMeter(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbRMeter(flashTimer, parent, 225.0, 270.0)
{
}

TAbRMeter::TAbRMeter(TAbFlashTimer& flashTimer, QWidget* parent, double startAngle,
                     double sweepAngle)
    : TAbAnalogGControl(flashTimer, parent),
      startAngle_(startAngle),
      sweepAngle_(sweepAngle),
      scale_(new TScaleSettings(this)),
      arrow_(new TArrowSettings(this))
{
    fontUnit_ = font();
    fontUnit_.setPixelSize(11);
    fontUnit_.setBold(true);
    connect(scale_, &TScaleSettings::changed, this, &TAbRMeter::configChanged);
    connect(arrow_, &TArrowSettings::changed, this, [this] { update(); });
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void TAbRMeter::setOptions(Options options)
{
    if (options_ == options)
        return;
    options_ = options;
    configChanged();
}

void TAbRMeter::setFontUnit(const QFont& font)
{
    if (fontUnit_ == font)
        return;
    fontUnit_ = font;
    configChanged();
}

void TAbRMeter::setFaceColor(const QColor& color)
{
    if (faceColor_ == color)
        return;
    faceColor_ = color;
    invalidateStatic();
}

void TAbRMeter::configChanged()
{
    relayout();
}

QSize TAbRMeter::sizeHint() const
{
    return {161, 138};
}

QSize TAbRMeter::minimumSizeHint() const
{
    return {60, 50};
}

double TAbRMeter::pointerAngle(int permille) const
{
    return startAngle_ + sweepAngle_ * signalmath::drawnPermille(permille) / 1000.0;
}

QRectF TAbRMeter::sectorOuterRect() const
{
    const double off = sectorSettings()->offset();
    const QRectF outer = scaleRect_.adjusted(off, off, -off, -off);
    return outer.width() > 0 && outer.height() > 0 ? outer : QRectF();
}

QRectF TAbRMeter::sectorInnerRect() const
{
    const QRectF outer = sectorOuterRect();
    if (outer.isNull())
        return {};
    const double shrink = width() / 10.0 + sectorSettings()->widthOffset();
    const QRectF inner = outer.adjusted(shrink, shrink, -shrink, -shrink);
    return inner.width() > 0 && inner.height() > 0 ? inner : QRectF();
}

void TAbRMeter::updateLayout()
{
    QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    const QFontMetrics fm(font());
    int nameLines = 0;
    if (options_ & opName1)
        ++nameLines;
    if (options_ & opName2)
        ++nameLines;
    namesRect_ = QRect();
    if (nameLines) {
        const int h = nameLines * fm.height();
        namesRect_ = QRect(int(r.left()), int(r.bottom()) - h + 1, int(r.width()), h);
        r.setBottom(r.bottom() - h);
    }
    const double below = extentBelowCentre(startAngle_, sweepAngle_);
    radius_ = std::max(4.0, std::min(r.width() / 2.0, r.height() / (1.0 + below)));
    centre_ = QPointF(r.center().x(), r.top() + radius_);
    const double rim = std::max(3.0, radius_ * 0.06);
    const double rs = radius_ - rim - 1.0;
    scaleRect_ = QRectF(centre_.x() - rs, centre_.y() - rs, 2 * rs, 2 * rs);
}

void TAbRMeter::paintStatic(QPainter& painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::Antialiasing, true);

    // Bezel: a metal ring lit from the upper left, then the recessed face.
    const double rim = std::max(3.0, radius_ * 0.06);
    QLinearGradient bezel(centre_ - QPointF(radius_, radius_), centre_ + QPointF(radius_, radius_));
    bezel.setColorAt(0.0, QColor(235, 235, 235));
    bezel.setColorAt(0.5, QColor(150, 150, 155));
    bezel.setColorAt(1.0, QColor(70, 70, 75));
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    painter.setBrush(bezel);
    painter.drawEllipse(centre_, radius_, radius_);
    QLinearGradient inner(centre_ + QPointF(radius_, radius_), centre_ - QPointF(radius_, radius_));
    inner.setColorAt(0.0, QColor(230, 230, 230));
    inner.setColorAt(1.0, QColor(90, 90, 95));
    painter.setPen(Qt::NoPen);
    painter.setBrush(inner);
    const double faceR = radius_ - rim;
    painter.drawEllipse(centre_, faceR + 1.0, faceR + 1.0);
    QRadialGradient face(centre_ - QPointF(faceR * 0.3, faceR * 0.35), faceR * 1.3);
    face.setColorAt(0.0, faceColor_.lighter(106));
    face.setColorAt(0.7, faceColor_);
    face.setColorAt(1.0, faceColor_.darker(118));
    painter.setBrush(face);
    painter.drawEllipse(centre_, faceR, faceR);

    if (options_ & opSector)
        paintSectorBand(painter);
    paintScale(painter);

    if (options_ & opUnit) {
        painter.setFont(fontUnit_);
        painter.setPen(scale_->color());
        const QFontMetricsF fm(fontUnit_);
        const QRectF unitRect(centre_.x() - radius_, centre_.y() + radius_ * 0.30, 2 * radius_,
                              fm.height());
        painter.drawText(unitRect, Qt::AlignHCenter | Qt::AlignTop, signalSettings()->valueUnit());
    }
    if (!namesRect_.isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        QStringList names;
        if (options_ & opName1)
            names << signalSettings()->name1();
        if (options_ & opName2)
            names << signalSettings()->name2();
        painter.drawText(namesRect_, Qt::AlignHCenter | Qt::AlignTop, names.join(u'\n'));
    }
}

void TAbRMeter::paintSectorBand(QPainter& painter) const
{
    const QRectF outer = sectorOuterRect();
    if (outer.isNull())
        return;
    const QRectF inner = sectorInnerRect();
    for (int i = 0; i < 3; ++i) {
        const signalmath::SectorBounds b = sectorSettings()->bounds(i);
        if (b.to - b.from <= 4 || b.to < 0 || b.from > 1000)
            continue;
        const double from = std::max(0, b.from);
        const double to = std::min(1000, b.to);
        const double a0 = qtAngle(startAngle_ + sweepAngle_ * from / 1000.0);
        const double span = -sweepAngle_ * (to - from) / 1000.0;
        QPainterPath path;
        if (inner.isNull()) {
            path.moveTo(outer.center());
            path.arcTo(outer, a0, span);
        } else {
            path.arcMoveTo(outer, a0);
            path.arcTo(outer, a0, span);
            path.arcTo(inner, a0 + span, -span);
        }
        path.closeSubpath();
        painter.fillPath(path, sectorSettings()->color(i));
    }
}

void TAbRMeter::paintScale(QPainter& painter) const
{
    const double rs = scaleRect_.width() / 2.0;
    const double major = std::max(4.0, rs * 0.13);
    const double minor = std::max(2.0, rs * 0.07);
    const int steps = scale_->steps();
    const int sub = scale_->subSteps();
    const QColor color = scale_->color();

    if (scale_->drawLine()) {
        painter.setPen(QPen(color, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(scaleRect_, int(qtAngle(startAngle_) * 16), int(-sweepAngle_ * 16));
    }
    const int ticks = steps * sub;
    for (int i = 0; i <= ticks; ++i) {
        const bool isMajor = i % sub == 0;
        const double a = startAngle_ + sweepAngle_ * i / ticks;
        painter.setPen(QPen(color, isMajor ? 2.0 : 1.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(paint::polar(centre_, rs, a),
                         paint::polar(centre_, rs - (isMajor ? major : minor), a));
    }

    painter.setFont(scale_->font());
    painter.setPen(color);
    const QFontMetricsF fm(scale_->font());
    const TSignalSettings* s = signalSettings();
    for (int i = 0; i <= steps; ++i) {
        const double a = startAngle_ + sweepAngle_ * i / steps;
        const double v = s->valueFrom() + s->valueSpan() * i / steps;
        const QString label = picture::formatFloat(v, scale_->valueFormat());
        const QSizeF size(fm.horizontalAdvance(label), fm.height());
        const double rad = a * M_PI / 180.0;
        const double half = 0.5 * (std::abs(std::sin(rad)) * size.width() +
                                   std::abs(std::cos(rad)) * size.height());
        const QPointF c = paint::polar(centre_, rs - major - 2.0 - half, a);
        painter.drawText(QRectF(c.x() - size.width() / 2, c.y() - size.height() / 2, size.width(),
                                size.height()),
                         Qt::AlignCenter, label);
    }
}

void TAbRMeter::paintPointer(QPainter& painter, double angle) const
{
    const double rs = scaleRect_.width() / 2.0;
    const double tip = rs - 3.0;
    const int style = arrow_->shape();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(centre_);
    painter.rotate(angle);  // Qt rotates clockwise; the needle points up at 0

    const double hub = std::max(3.0, radius_ * 0.09);
    if (style <= 1) {
        painter.setPen(
            QPen(arrow_->colorPen(), std::max(1.5, radius_ * 0.02), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, 0), QPointF(0, -tip));
    } else {
        const double base = std::max(2.0, radius_ * (style >= 6 ? 0.045 : 0.06));
        const double tail = style >= 3 ? rs * 0.2 : 0.0;
        QPolygonF needle;
        needle << QPointF(0, -tip) << QPointF(base, 0) << QPointF(base * 0.8, tail)
               << QPointF(-base * 0.8, tail) << QPointF(-base, 0);
        if (style >= 6) {
            // A slim needle with a fine point: narrow the front half.
            needle.clear();
            needle << QPointF(0, -tip) << QPointF(base * 0.35, -tip * 0.55) << QPointF(base, 0)
                   << QPointF(base * 0.7, tail) << QPointF(-base * 0.7, tail) << QPointF(-base, 0)
                   << QPointF(-base * 0.35, -tip * 0.55);
        }
        // A soft shadow below the needle gives it some height over the face.
        painter.save();
        painter.translate(1.5, 1.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawPolygon(needle);
        painter.restore();
        painter.setPen(QPen(arrow_->colorPen(), 1.0));
        painter.setBrush(arrow_->colorBrush());
        painter.drawPolygon(needle);
    }
    if (style >= 1) {
        QRadialGradient g(QPointF(-hub * 0.3, -hub * 0.3), hub * 1.4);
        g.setColorAt(0.0, arrow_->centerColorBrush().lighter(180));
        g.setColorAt(1.0, arrow_->centerColorBrush());
        painter.setPen(QPen(arrow_->centerColorPen(), 1.0));
        painter.setBrush(g);
        painter.drawEllipse(QPointF(0, 0), hub, hub);
        painter.setPen(QPen(arrow_->capColorPen(), 0.8));
        painter.setBrush(arrow_->capColorBrush());
        painter.drawEllipse(QPointF(0, 0), hub * 0.4, hub * 0.4);
    }
    painter.restore();
}

void TAbRMeter::paintMinMax(QPainter& painter) const
{
    const TMinMax* mm = minMax();
    const double rs = scaleRect_.width() / 2.0;
    auto marker = [&](float v, const QColor& color) {
        const int p = signalmath::digitToPermille(
            signalSettings()->range(), signalmath::valueToDigit(signalSettings()->range(), v));
        const double a = pointerAngle(p);
        QPolygonF tri;
        tri << paint::polar(centre_, rs + 1, a) << paint::polar(centre_, rs + 5, a - 3)
            << paint::polar(centre_, rs + 5, a + 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(mm->useSectorCol() ? sectorColor() : color);
        painter.drawPolygon(tri);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (mm->minVisible() && mm->min() <= mm->max())
        marker(mm->min(), mm->minColor());
    if (mm->maxVisible() && mm->min() <= mm->max())
        marker(mm->max(), mm->maxColor());
    painter.restore();
}

void TAbRMeter::paintDynamic(QPainter& painter)
{
    if (options_ & opMinMax)
        paintMinMax(painter);
    paintPointer(painter, pointerAngle());
}

QRect TAbRMeter::pointerBounds(int permille) const
{
    const double rs = scaleRect_.width() / 2.0;
    const double a = pointerAngle(permille);
    const double hub = std::max(3.0, radius_ * 0.09) + 3.0;
    QRectF r = QRectF(centre_.x() - hub, centre_.y() - hub, 2 * hub, 2 * hub);
    const QPointF tip = paint::polar(centre_, rs, a);
    const QPointF tail = paint::polar(centre_, rs * 0.25, a + 180.0);
    r = r.united(QRectF(tip, QSizeF(1, 1))).united(QRectF(tail, QSizeF(1, 1)));
    return r.toAlignedRect().adjusted(-radius_ * 0.07 - 3, -radius_ * 0.07 - 3, radius_ * 0.07 + 3,
                                      radius_ * 0.07 + 3);
}

void TAbRMeter::valueUpdated(int oldDrawnPosition, const QString& oldText)
{
    Q_UNUSED(oldText);
    if (options_ & opMinMax) {
        update();
        return;
    }
    if (oldDrawnPosition == drawnPosition())
        return;
    update(QRegion(pointerBounds(oldDrawnPosition)) + pointerBounds(drawnPosition()));
}

}  // namespace brivel
