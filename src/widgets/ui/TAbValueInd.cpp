#include "widgets/ui/TAbValueInd.h"

#include "widgets/ui/TAbSBevel.h"
#include "widgets/TSignalSettings.h"

#include <QtCore/QEvent>
#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>

namespace brivel {

namespace {
constexpr int kTextPadding = 3;  // between the box frame and the digits
constexpr int kUnitGap = 4;      // between the box and the unit
}  // namespace

TAbValueInd::TAbValueInd(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbAnalogGControl(flashTimer, parent),
      bevelValue_(new TAbSBevel(this)),
      bevelInner_(new TAbSBevel(this)),
      bevelOuter_(new TAbSBevel(this))
{
    fontValue_ = font();
    fontValue_.setPixelSize(13);
    fontValue_.setBold(true);
    bevelValue_->setColor(Qt::black);
    bevelValue_->setStyle(TAbSBevel::bsLowered);
    bevelValue_->setLines(TAbSBevel::blBoth);
    bevelValue_->setWidth(1);
    bevelInner_->setStyle(TAbSBevel::bsLowered);
    bevelOuter_->setStyle(TAbSBevel::bsRaised);
    for (TAbSBevel* bevel : {bevelValue_, bevelInner_, bevelOuter_})
        connect(bevel, &TAbSBevel::changed, this, &TAbValueInd::configChanged);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void TAbValueInd::setOptions(Options options)
{
    if (options_ == options)
        return;
    options_ = options;
    configChanged();
}

void TAbValueInd::setFontValue(const QFont& font)
{
    if (fontValue_ == font)
        return;
    fontValue_ = font;
    configChanged();
}

void TAbValueInd::setValueColor(const QColor& color)
{
    if (valueColor_ == color)
        return;
    valueColor_ = color;
    update(valueBox_);
}

void TAbValueInd::setAutoSize(bool autoSize)
{
    if (autoSize_ == autoSize)
        return;
    autoSize_ = autoSize;
    configChanged();
}

void TAbValueInd::configChanged()
{
    if (autoSize_)
        resize(sizeHint());
    relayout();
}

void TAbValueInd::settingsUpdated()
{
    configChanged();
}

void TAbValueInd::changeEvent(QEvent* event)
{
    TAbAnalogGControl::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        configChanged();
}

QSize TAbValueInd::valueBoxSize() const
{
    const QFontMetrics fm(fontValue_);
    const int inset = bevelValue_->inset();
    return {fm.horizontalAdvance(signalSettings()->widthTemplate()) + 2 * (inset + kTextPadding),
            fm.height() + 2 * (inset + 1)};
}

QSize TAbValueInd::contentSize() const
{
    const QFontMetrics fm(font());
    QSize box = valueBoxSize();
    int w = box.width();
    int h = box.height();
    if (options_ & opUnit) {
        w += kUnitGap + fm.horizontalAdvance(signalSettings()->valueUnit());
        h = std::max(h, fm.height());
    }
    if (options_ & opName1) {
        w = std::max(w, fm.horizontalAdvance(signalSettings()->name1()));
        h += fm.height();
    }
    if (options_ & opName2) {
        w = std::max(w, fm.horizontalAdvance(signalSettings()->name2()));
        h += fm.height();
    }
    int frame = 0;
    if (options_ & opBevelOuter)
        frame += bevelOuter_->inset();
    if (options_ & opBevelInner)
        frame += bevelInner_->inset();
    return {w + 2 * frame, h + 2 * frame};
}

QSize TAbValueInd::sizeHint() const
{
    return contentSize();
}

QSize TAbValueInd::minimumSizeHint() const
{
    return contentSize();
}

void TAbValueInd::updateLayout()
{
    QRect r = rect();
    if (options_ & opBevelOuter)
        r = bevelOuter_->contentRect(r);
    if (options_ & opBevelInner)
        r = bevelInner_->contentRect(r);
    content_ = r;
    const QFontMetrics fm(font());
    name1Rect_ = name2Rect_ = QRect();
    if (options_ & opName1) {
        name1Rect_ = QRect(r.left(), r.top(), r.width(), fm.height());
        r.setTop(r.top() + fm.height());
    }
    if (options_ & opName2) {
        name2Rect_ = QRect(r.left(), r.bottom() - fm.height() + 1, r.width(), fm.height());
        r.setBottom(r.bottom() - fm.height());
    }
    const QSize box = valueBoxSize();
    valueBox_ =
        QRect(r.left(), r.top() + (r.height() - box.height()) / 2, box.width(), box.height());
    unitRect_ = QRect();
    if (options_ & opUnit)
        unitRect_ = QRect(valueBox_.right() + 1 + kUnitGap, r.top(),
                          std::max(0, r.right() - valueBox_.right() - kUnitGap), r.height());
}

void TAbValueInd::paintStatic(QPainter& painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
    QRect r = rect();
    if (options_ & opBevelOuter) {
        bevelOuter_->paint(painter, r);
        r = bevelOuter_->contentRect(r);
    }
    if (options_ & opBevelInner)
        bevelInner_->paint(painter, r);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    if (options_ & opName1)
        painter.drawText(name1Rect_, Qt::AlignLeft | Qt::AlignVCenter, signalSettings()->name1());
    if (options_ & opName2)
        painter.drawText(name2Rect_, Qt::AlignLeft | Qt::AlignVCenter, signalSettings()->name2());
    if (options_ & opUnit)
        painter.drawText(unitRect_, Qt::AlignLeft | Qt::AlignVCenter,
                         signalSettings()->valueUnit());
    bevelValue_->paint(painter, valueBox_);
}

void TAbValueInd::paintDynamic(QPainter& painter)
{
    const int inset = bevelValue_->inset();
    const QRect textRect =
        valueBox_.adjusted(inset + kTextPadding, inset, -(inset + kTextPadding), -inset);
    painter.save();
    painter.setClipRect(valueBox_.adjusted(inset, inset, -inset, -inset), Qt::IntersectClip);
    painter.setFont(fontValue_);
    painter.setPen(valueColor_);
    painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, valueText());
    painter.restore();
}

void TAbValueInd::valueUpdated(int oldDrawnPosition, const QString& oldText)
{
    Q_UNUSED(oldDrawnPosition);
    // Only the digits are drawn from the value; same text, same picture.
    if (oldText != valueText())
        update(valueBox_);
}

}  // namespace brivel
