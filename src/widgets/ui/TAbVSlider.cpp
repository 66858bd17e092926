#include "widgets/ui/TAbVSlider.h"

#include "widgets/FormatPicture.h"
#include "widgets/ui/TAbSBevel.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>

namespace brivel {

namespace {
constexpr int kMajorTick = 7;
constexpr int kMinorTick = 4;
}  // namespace

TAbVSlider::TAbVSlider(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbAnalogCControl(flashTimer, parent, Qt::Vertical, 30), bevelValue_(new TAbSBevel(this))
{
    fontValue_ = font();
    fontValue_.setPixelSize(13);
    fontValue_.setBold(true);
    bevelValue_->setColor(Qt::black);
    bevelValue_->setLines(TAbSBevel::blBoth);
    connect(bevelValue_, &TAbSBevel::changed, this, [this] { relayout(); });
    resize(sizeHint());
}

void TAbVSlider::setOptions(Options options)
{
    if (options_ == options)
        return;
    options_ = options;
    relayout();
}

void TAbVSlider::setFontValue(const QFont& font)
{
    if (fontValue_ == font)
        return;
    fontValue_ = font;
    relayout();
}

void TAbVSlider::setValueColor(const QColor& color)
{
    if (valueColor_ == color)
        return;
    valueColor_ = color;
    update(valueBox_);
}

QString TAbVSlider::shownText() const
{
    QString text = valueText();
    const QString unit = signalSettings()->valueUnit();
    if ((options_ & opUnit) && !unit.isEmpty())
        text += unit.startsWith(u' ') ? unit : QLatin1Char(' ') + unit;
    return text;
}

QSize TAbVSlider::sizeHint() const
{
    const QFontMetrics fm(font());
    const QFontMetrics fv(fontValue_);
    int w = 80;
    if (options_ & opValue) {
        QString widest = signalSettings()->widthTemplate();
        if (options_ & opUnit)
            widest += QLatin1Char(' ') + signalSettings()->valueUnit();
        w = std::max(w, fv.horizontalAdvance(widest) + 2 * bevelValue_->inset() + 8);
    }
    return {w, 220};
}

QSize TAbVSlider::minimumSizeHint() const
{
    return {30, kMinButtonSize * 3};
}

void TAbVSlider::updateLayout()
{
    QRect r = rect();
    if (options_ & opBevelOuter)
        r = bevelOuter()->contentRect(r);
    r.adjust(2, 2, -2, -2);
    const QFontMetrics fm(font());
    const QFontMetrics fs(scaleSettings()->font());
    const QFontMetrics fv(fontValue_);
    name1Rect_ = name2Rect_ = valueBox_ = QRect();
    if (options_ & opName1) {
        name1Rect_ = QRect(r.left(), r.top(), r.width(), fm.height());
        r.setTop(r.top() + fm.height() + 1);
    }
    if (options_ & opName2) {
        name2Rect_ = QRect(r.left(), r.bottom() - fm.height() + 1, r.width(), fm.height());
        r.setBottom(r.bottom() - fm.height() - 1);
    }
    if (options_ & opValue) {
        const int h = fv.height() + 2 * bevelValue_->inset() + 2;
        valueBox_ = QRect(r.left(), r.bottom() - h + 1, r.width(), h);
        r.setBottom(r.bottom() - h - 3);
    }

    int labelW = 0;
    if (options_ & opScaleText) {
        const TSignalSettings* s = signalSettings();
        const TScaleSettings* sc = scaleSettings();
        for (int i = 0; i <= sc->steps(); ++i)
            labelW = std::max(
                labelW, fs.horizontalAdvance(picture::formatFloat(
                            s->valueFrom() + s->valueSpan() * i / sc->steps(), sc->valueFormat())));
    }
    const int scaleW = kMajorTick + 2 + (labelW ? labelW + 2 : 0);
    const int grip = std::clamp(r.width() - scaleW - 4, 10, 26);
    const int block = grip + 4 + scaleW;
    const int left = r.left() + std::max(0, (r.width() - block) / 2);
    scaleBefore_ = scaleSettings()->posLeftTop();
    if (scaleBefore_) {
        gripCrossFrom_ = left + scaleW + 4;
        scaleX_ = gripCrossFrom_ - 2;
    } else {
        gripCrossFrom_ = left;
        scaleX_ = left + grip + 2;
    }
    gripCrossTo_ = gripCrossFrom_ + grip - 1;

    const int len = std::min(buttonSize(), std::max(kMinButtonSize, width()));
    const int half = std::max(len / 2, fs.height() / 2) + 1;
    trackStart_ = r.bottom() - half;
    trackLength_ = std::max(1, r.height() - 2 * half);
}

void TAbVSlider::paintStatic(QPainter& painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (options_ & opBevelOuter)
        bevelOuter()->paint(painter, rect());
    const TSignalSettings* s = signalSettings();
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    if (options_ & opName1)
        painter.drawText(name1Rect_, Qt::AlignCenter, s->name1());
    if (options_ & opName2)
        painter.drawText(name2Rect_, Qt::AlignCenter, s->name2());

    paintTrench(painter);
    const int top = trackStart_ - trackLength_;

    const TScaleSettings* sc = scaleSettings();
    const int dir = scaleBefore_ ? -1 : 1;
    painter.setPen(sc->color());
    if (sc->drawLine())
        painter.drawLine(scaleX_, top, scaleX_, trackStart_);
    const int ticks = sc->steps() * sc->subSteps();
    for (int i = 0; i <= ticks; ++i) {
        const int y = trackStart_ - int(double(trackLength_) * i / ticks + 0.5);
        const int len = i % sc->subSteps() == 0 ? kMajorTick : kMinorTick;
        painter.drawLine(scaleX_, y, scaleX_ + dir * (len - 1), y);
    }
    if (options_ & opScaleText) {
        painter.setFont(sc->font());
        const QFontMetrics fs(sc->font());
        for (int i = 0; i <= sc->steps(); ++i) {
            const int y = trackStart_ - int(double(trackLength_) * i / sc->steps() + 0.5);
            const QString label = picture::formatFloat(
                s->valueFrom() + s->valueSpan() * i / sc->steps(), sc->valueFormat());
            const int w = fs.horizontalAdvance(label);
            const int x = scaleBefore_ ? scaleX_ - kMajorTick - 2 - w : scaleX_ + kMajorTick + 2;
            painter.drawText(
                QRect(x, y - fs.height() / 2, w + 1, fs.height()),
                scaleBefore_ ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
                label);
        }
    }
    if (options_ & opValue)
        bevelValue_->paint(painter, valueBox_);
}

void TAbVSlider::paintDynamic(QPainter& painter)
{
    paintGrip(painter);

    if (options_ & opValue) {
        const int inset = bevelValue_->inset();
        painter.save();
        painter.setClipRect(valueBox_.adjusted(inset, inset, -inset, -inset), Qt::IntersectClip);
        painter.setFont(fontValue_);
        painter.setPen(valueColor_);
        painter.drawText(valueBox_.adjusted(inset + 3, inset, -inset - 3, -inset),
                         Qt::AlignRight | Qt::AlignVCenter, shownText());
        painter.restore();
    }
}

}  // namespace brivel
