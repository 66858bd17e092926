#include "widgets/ui/TAbHSlider.h"

#include "widgets/FormatPicture.h"
#include "widgets/ui/InstrumentPaint.h"
#include "widgets/ui/TAbSBevel.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>
#include <QtGui/QPolygon>

namespace brivel {

namespace {
constexpr int kMajorTick = 7;
constexpr int kMinorTick = 4;
constexpr int kTrench = 6;
constexpr int kPointer = 5;
}  // namespace

TAbHSlider::TAbHSlider(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbAnalogCControl(flashTimer, parent, Qt::Horizontal, 20)
{
    resize(sizeHint());
}

void TAbHSlider::setOptions(Options options)
{
    if (options_ == options)
        return;
    options_ = options;
    relayout();
}

QSize TAbHSlider::sizeHint() const
{
    const QFontMetrics fm(font());
    const QFontMetrics fs(scaleSettings()->font());
    int h = 22 + kMajorTick + 4;
    if (options_ & (opName1 | opName2))
        h += fm.height() + 1;
    if (options_ & opScaleText)
        h += fs.height();
    if (options_ & opBevelOuter)
        h += 2 * bevelOuter()->inset();
    return {200, h + 4};
}

QSize TAbHSlider::minimumSizeHint() const
{
    return {kMinButtonSize * 3, 30};
}

void TAbHSlider::updateLayout()
{
    QRect r = rect();
    if (options_ & opBevelOuter)
        r = bevelOuter()->contentRect(r);
    r.adjust(2, 2, -2, -2);
    const QFontMetrics fm(font());
    const QFontMetrics fs(scaleSettings()->font());
    namesRect_ = QRect();
    if (options_ & (opName1 | opName2)) {
        namesRect_ = QRect(r.left(), r.top(), r.width(), fm.height());
        r.setTop(r.top() + fm.height() + 1);
    }
    const int labels = (options_ & opScaleText) ? fs.height() : 0;
    const int scaleH = kMajorTick + 1 + labels;
    const int grip = std::clamp(r.height() - scaleH - 2, 10, 22);
    scaleAbove_ = scaleSettings()->posLeftTop();
    const int gripTop = scaleAbove_ ? r.top() + scaleH + 2 : r.top();
    gripCrossFrom_ = gripTop;
    gripCrossTo_ = gripTop + grip - 1;
    scaleY_ = scaleAbove_ ? gripTop - 2 : gripCrossTo_ + 2;

    int labelHalf = 0;
    if (options_ & opScaleText) {
        const TSignalSettings* s = signalSettings();
        const QString& fmt = scaleSettings()->valueFormat();
        labelHalf = std::max(fs.horizontalAdvance(picture::formatFloat(s->valueFrom(), fmt)),
                             fs.horizontalAdvance(picture::formatFloat(s->valueTo(), fmt))) /
                    2;
    }
    const int len = std::min(buttonSize(), std::max(kMinButtonSize, width()));
    const int half = std::max(len / 2, labelHalf) + 1;
    trackStart_ = r.left() + half;
    trackLength_ = std::max(1, r.width() - 2 * half);
}

void TAbHSlider::paintStatic(QPainter& painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (options_ & opBevelOuter)
        bevelOuter()->paint(painter, rect());
    const TSignalSettings* s = signalSettings();
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    if (options_ & opName1)
        painter.drawText(namesRect_, Qt::AlignLeft | Qt::AlignVCenter, s->name1());
    if (options_ & opName2)
        painter.drawText(namesRect_, Qt::AlignRight | Qt::AlignVCenter, s->name2());

    // The trench the grip runs in.
    const int cy = (gripCrossFrom_ + gripCrossTo_) / 2;
    const QRect trench(trackStart_ - kTrench / 2, cy - kTrench / 2, trackLength_ + kTrench,
                       kTrench);
    painter.fillRect(trench, colorTrench());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(trench.topLeft(), trench.topRight());
    painter.drawLine(trench.topLeft(), trench.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(trench.bottomLeft(), trench.bottomRight());
    painter.drawLine(trench.topRight(), trench.bottomRight());

    const TScaleSettings* sc = scaleSettings();
    const int dir = scaleAbove_ ? -1 : 1;
    painter.setPen(sc->color());
    if (sc->drawLine())
        painter.drawLine(trackStart_, scaleY_, trackStart_ + trackLength_, scaleY_);
    const int ticks = sc->steps() * sc->subSteps();
    for (int i = 0; i <= ticks; ++i) {
        const int x = trackStart_ + int(double(trackLength_) * i / ticks + 0.5);
        const int len = i % sc->subSteps() == 0 ? kMajorTick : kMinorTick;
        painter.drawLine(x, scaleY_, x, scaleY_ + dir * (len - 1));
    }
    if (options_ & opScaleText) {
        painter.setFont(sc->font());
        const QFontMetrics fs(sc->font());
        for (int i = 0; i <= sc->steps(); ++i) {
            const int x = trackStart_ + int(double(trackLength_) * i / sc->steps() + 0.5);
            const QString label = picture::formatFloat(
                s->valueFrom() + s->valueSpan() * i / sc->steps(), sc->valueFormat());
            const int w = fs.horizontalAdvance(label);
            const int y = scaleAbove_ ? scaleY_ - kMajorTick - fs.height() : scaleY_ + kMajorTick;
            painter.drawText(QRect(x - w / 2 - 1, y, w + 2, fs.height()), Qt::AlignCenter, label);
        }
    }
}

QMargins TAbHSlider::gripMargins() const
{
    return scaleAbove_ ? QMargins(0, kPointer + 2, 0, 0) : QMargins(0, 0, 0, kPointer + 2);
}

void TAbHSlider::paintDynamic(QPainter& painter)
{
    const QRect grip = gripRect();
    const QColor face = gripColor();
    paint::drawButton(painter, grip, face, 2, false);
    paint::drawGrooves(painter, grip.adjusted(2, 2, -2, -2), true, face);

    // The pointer on the scale side marks the exact place.
    const int x = grip.center().x();
    const int edge = scaleAbove_ ? grip.top() - 1 : grip.bottom() + 1;
    const int tip = scaleAbove_ ? edge - kPointer : edge + kPointer;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(scaleSettings()->pointerColor());
    painter.drawPolygon(
        QPolygon({QPoint(x - kPointer, edge), QPoint(x + kPointer, edge), QPoint(x, tip)}));
    painter.restore();

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(grip.adjusted(3, 3, -4, -4));
    }
}

}  // namespace brivel
