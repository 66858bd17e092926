#include "widgets/ui/TAbHSlider.h"

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
    scaleBefore_ = scaleSettings()->posLeftTop();
    const int gripTop = scaleBefore_ ? r.top() + scaleH + 2 : r.top();
    gripCrossFrom_ = gripTop;
    gripCrossTo_ = gripTop + grip - 1;
    scaleY_ = scaleBefore_ ? gripTop - 2 : gripCrossTo_ + 2;

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

    paintTrench(painter);

    const TScaleSettings* sc = scaleSettings();
    const int dir = scaleBefore_ ? -1 : 1;
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
            const int y = scaleBefore_ ? scaleY_ - kMajorTick - fs.height() : scaleY_ + kMajorTick;
            painter.drawText(QRect(x - w / 2 - 1, y, w + 2, fs.height()), Qt::AlignCenter, label);
        }
    }
}

void TAbHSlider::paintDynamic(QPainter& painter)
{
    paintGrip(painter);
}

}  // namespace brivel
