#include "widgets/ui/TAbMiniTrend.h"

#include "widgets/ui/TAbSBevel.h"
#include "widgets/TSignalSettings.h"

#include <QtCore/QEvent>
#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>

#include <cstring>

namespace brivel {

namespace {
constexpr int kTickLength = 10;
constexpr int kScaleExtra = 12;  // a scale is its widest label plus this
}  // namespace

TAbMiniTrend::TAbMiniTrend(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbGraphicControl(flashTimer, parent),
      signal_{new TSignalSettings(this), new TSignalSettings(this)},
      bevelOuter_(new TAbSBevel(this)),
      bevelInner_(new TAbSBevel(this))
{
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(11);
    setFont(f);
    captionFont_ = font();
    captionFont_.setPixelSize(13);
    captionFont_.setUnderline(true);
    gridColor_ = palette().color(QPalette::Dark);
    bevelOuter_->setStyle(TAbSBevel::bsRaised);
    bevelOuter_->setWidth(2);
    bevelOuter_->setSpacing(10);
    bevelInner_->setStyle(TAbSBevel::bsLowered);
    bevelInner_->setWidth(2);
    bevelInner_->setSpacing(6);
    for (TSignalSettings* s : signal_)
        connect(s, &TSignalSettings::changed, this, &TAbMiniTrend::configChanged);
    connect(bevelOuter_, &TAbSBevel::changed, this, &TAbMiniTrend::configChanged);
    connect(bevelInner_, &TAbSBevel::changed, this, &TAbMiniTrend::configChanged);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kMinimumSize, kMinimumSize);
    resize(sizeHint());
    // The time base runs from creation, whether or not the widget is shown.
    ensureLayout();
}

TAbMiniTrend::~TAbMiniTrend()
{
    if (TAbFlashTimer* timer = flashTimer())
        timer->unregister(this);
}

QSize TAbMiniTrend::sizeHint() const
{
    return {300, 200};
}

QSize TAbMiniTrend::minimumSizeHint() const
{
    return {kMinimumSize, kMinimumSize};
}

QString TAbMiniTrend::timeLabel() const
{
    return trendmath::divisionLabel(timeBase_.secondsPerDivision);
}

void TAbMiniTrend::setChannelValue(int channel, float value)
{
    catchUp();  // the samples due so far saw the value before this one
    value_[channel] = value;
    digit_[channel] = signalmath::valueToDigit(signal_[channel]->range(), value);
}

void TAbMiniTrend::setChannelDigit(int channel, int digit)
{
    digit_[channel] = digit;
    value_[channel] = float(signalmath::digitToValue(signal_[channel]->range(), digit));
}

void TAbMiniTrend::setTimeScale(int minutes)
{
    if (minutes <= 0 || minutes == timeScale_)
        return;
    timeScale_ = minutes;
    // A new time axis: what is drawn no longer matches it.
    initPlot();
    update(plotRect_);
}

void TAbMiniTrend::setFlow(bool flow)
{
    if (flow_ == flow)
        return;
    flow_ = flow;
    restartTimeBase();
}

void TAbMiniTrend::takeSamples(int count)
{
    for (int i = 0; i < count; ++i)
        intervalElapsed();
}

void TAbMiniTrend::clearTrace()
{
    initPlot();
    update(plotRect_);
}

void TAbMiniTrend::setOptions(Options options)
{
    if (options_ == options)
        return;
    options_ = options;
    configChanged();
}

void TAbMiniTrend::setBkColor(const QColor& color)
{
    if (bkColor_ == color)
        return;
    bkColor_ = color;
    initPlot();
    update(plotRect_);
}

void TAbMiniTrend::setGridColor(const QColor& color)
{
    gridColor_ = color;
}

void TAbMiniTrend::setTimeLineColor(const QColor& color)
{
    timeLineColor_ = color;
}

void TAbMiniTrend::setSignalColorCh1(const QColor& color)
{
    if (signalColor_[0] == color)
        return;
    signalColor_[0] = color;
    invalidateStatic();
}

void TAbMiniTrend::setSignalColorCh2(const QColor& color)
{
    if (signalColor_[1] == color)
        return;
    signalColor_[1] = color;
    invalidateStatic();
}

void TAbMiniTrend::setCaptionFont(const QFont& font)
{
    if (captionFont_ == font)
        return;
    captionFont_ = font;
    configChanged();
}

void TAbMiniTrend::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    invalidateStatic();
}

void TAbMiniTrend::configChanged()
{
    relayout();
}

void TAbMiniTrend::changeEvent(QEvent* event)
{
    TAbGraphicControl::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        configChanged();
}

int TAbMiniTrend::scaleWidth(int channel) const
{
    const QFontMetrics fm(font());
    const TSignalSettings* s = signal_[channel];
    return std::max(fm.horizontalAdvance(s->format(s->valueTo())),
                    fm.horizontalAdvance(s->format(s->valueFrom()))) +
           kScaleExtra;
}

void TAbMiniTrend::updateLayout()
{
    QRect r = rect();
    if (options_ & opBevelOuter)
        r = bevelOuter_->contentRect(r);
    const QFontMetrics fm(font());
    captionRect_ = legendRect_ = QRect();
    if (options_ & opCaption) {
        const int h = QFontMetrics(captionFont_).height();
        captionRect_ = QRect(r.left(), r.top(), r.width(), h);
        r.setTop(r.top() + h);
    }
    if (options_ & (opSignDescCh1 | opSignDescCh2)) {
        legendRect_ = QRect(r.left(), r.bottom() - fm.height() + 1, r.width(), fm.height());
        r.setBottom(r.bottom() - fm.height() - 2);
    }
    scaleRect_[0] = scaleRect_[1] = QRect();
    if (options_ & opScaleCh1) {
        const int w = scaleWidth(0);
        scaleRect_[0] = QRect(r.left(), r.top(), w, r.height());
        r.setLeft(r.left() + w);
    }
    if (options_ & opScaleCh2) {
        const int w = scaleWidth(1);
        scaleRect_[1] = QRect(r.right() - w + 1, r.top(), w, r.height());
        r.setRight(r.right() - w);
    }
    innerBevelRect_ = QRect();
    if (options_ & opBevelInner) {
        innerBevelRect_ = r;
        r = bevelInner_->contentRect(r);
    }
    plotRect_ = QRect(r.topLeft(), r.size().expandedTo(QSize(1, 1)));
    if (plot_.size() != plotRect_.size())
        initPlot();
}

void TAbMiniTrend::initPlot()
{
    const QSize size = plotRect_.size().expandedTo(QSize(1, 1));
    plot_ = QImage(size, QImage::Format_RGB32);
    plot_.fill(bkColor_);
    const int w = size.width();
    const int h = size.height();
    timeBase_ = trendmath::timeBase(w, timeScale_);
    prevY_[0] = prevY_[1] = h - 1;
    shifted_ = 0;
    newGridLines_ = 0;

    QPainter p(&plot_);
    if (options_ & opGrid) {
        p.setPen(gridColor_);
        for (int i = 1; i <= 9; ++i) {
            const int y = i * (h - 1) / 10;
            p.drawLine(0, y, w - 1, y);
        }
        for (int j = 1; j <= 10; ++j) {
            const int x = w - j * timeBase_.divisionWidth;
            p.setPen(j == 5 && (options_ & opTimeLine) ? timeLineColor_ : gridColor_);
            p.drawLine(x, 0, x, h - 1);
        }
    }
    drawTimeLabel(p, w - 1);
    p.end();
    restartTimeBase();
}

void TAbMiniTrend::drawTimeLabel(QPainter& painter, int rightX)
{
    const QDateTime now = flashTimer() ? flashTimer()->clock().localDateTime() : QDateTime();
    const QString text = QLatin1Char(' ') + timeLabel() + QLatin1String(" - ") +
                         now.time().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('>');
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(text);
    painter.setFont(font());
    painter.setPen(timeLineColor_);
    painter.drawText(QRect(rightX - w + 1, plot_.height() - fm.height(), w, fm.height()),
                     Qt::AlignRight | Qt::AlignBottom, text);
}

void TAbMiniTrend::restartTimeBase()
{
    TAbFlashTimer* timer = flashTimer();
    if (!timer)
        return;
    timer->unregister(this);
    sleepingDue_.reset();
    if (flow_)
        timer->registerInterval(this, timeBase_.periodMs,
                                std::min(timeBase_.periodMs, trendmath::kFirstPeriodLimitMs));
    if (!isVisible())
        sleep();
}

void TAbMiniTrend::showEvent(QShowEvent* event)
{
    TAbGraphicControl::showEvent(event);
    wake();
}

void TAbMiniTrend::hideEvent(QHideEvent* event)
{
    TAbGraphicControl::hideEvent(event);
    sleep();
}

void TAbMiniTrend::sleep()
{
    TAbFlashTimer* timer = flashTimer();
    if (!timer || sleepingDue_)
        return;
    sleepingDue_ = timer->intervalDue(this);
    timer->unregister(this);
}

void TAbMiniTrend::wake()
{
    TAbFlashTimer* timer = flashTimer();
    if (!timer || !sleepingDue_)
        return;
    catchUp();
    const qint64 due = *sleepingDue_;
    sleepingDue_.reset();
    timer->registerInterval(this, timeBase_.periodMs,
                            static_cast<int>(std::max<qint64>(0, due - timer->clock().nowMs())));
}

void TAbMiniTrend::catchUp()
{
    TAbFlashTimer* timer = flashTimer();
    if (!timer || !sleepingDue_ || timeBase_.periodMs < 1)
        return;
    const qint64 now = timer->clock().nowMs();
    if (now < *sleepingDue_)
        return;
    qint64 due = *sleepingDue_;
    qint64 count = (now - due) / timeBase_.periodMs + 1;
    sleepingDue_ = due + count * timeBase_.periodMs;
    ensureLayout();
    // Samples that scroll out of the plot entirely move only the grid on.
    const int w = plot_.width();
    const int s = std::max(1, std::min(timeBase_.step, w));
    const qint64 visible = w / s + 2;
    if (count > visible) {
        const int d = std::max(1, timeBase_.divisionWidth);
        for (qint64 k = count - visible; k > 0; --k) {
            shifted_ = (shifted_ + s) % d;
            for (int x = w - s; x < w; ++x)
                if (((w - x - shifted_) % d + d) % d == 0)
                    ++newGridLines_;
        }
        for (int ch = 0; ch < 2; ++ch)
            prevY_[ch] = trendmath::traceY(plot_.height(), value_[ch], signal_[ch]->valueFrom(),
                                           signal_[ch]->valueTo());
        count = visible;
    }
    while (count-- > 0)
        sample();
}

void TAbMiniTrend::intervalElapsed()
{
    sample();
}

void TAbMiniTrend::sample()
{
    // A hidden widget gets no resize events; catch up with its size here.
    ensureLayout();
    const int w = plot_.width();
    const int h = plot_.height();
    const int s = std::min(timeBase_.step, w);
    const int d = timeBase_.divisionWidth;

    // Scroll the plot left by one step.
    for (int y = 0; y < h; ++y) {
        uchar* row = plot_.scanLine(y);
        std::memmove(row, row + s * 4, std::size_t(w - s) * 4);
    }
    shifted_ = (shifted_ + s) % d;

    QPainter p(&plot_);
    p.fillRect(QRect(w - s, 0, s, h), bkColor_);
    if (options_ & opGrid) {
        p.setPen(gridColor_);
        for (int i = 1; i <= 9; ++i) {
            const int y = i * (h - 1) / 10;
            p.drawLine(w - s, y, w - 1, y);
        }
        // Vertical lines keep their spacing of one division as they scroll in.
        for (int x = w - s; x < w; ++x) {
            if (((w - x - shifted_) % d + d) % d != 0)
                continue;
            ++newGridLines_;
            const bool timeLine = (options_ & opTimeLine) && newGridLines_ % 5 == 1;
            p.setPen(timeLine ? timeLineColor_ : gridColor_);
            p.drawLine(x, 0, x, h - 1);
            if (timeLine)
                drawTimeLabel(p, x);
        }
    }
    for (int ch = 0; ch < 2; ++ch) {
        const TSignalSettings* sig = signal_[ch];
        const int y = trendmath::traceY(h, value_[ch], sig->valueFrom(), sig->valueTo());
        p.setPen(signalColor_[ch]);
        p.drawLine(w - s, prevY_[ch], w - 1, prevY_[ch]);
        p.drawLine(w - 1, prevY_[ch], w - 1, y);
        prevY_[ch] = y;
    }
    p.end();
    update(plotRect_);
}

void TAbMiniTrend::paintScale(QPainter& painter, int channel) const
{
    const QRect& r = scaleRect_[channel];
    const TSignalSettings* s = signal_[channel];
    const QFontMetrics fm(font());
    const bool left = channel == 0;
    const int edge = left ? plotRect_.left() - 1 : plotRect_.right() + 1;
    const int dir = left ? -1 : 1;
    const int h = plotRect_.height();
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i <= 10; ++i) {
        const int y = plotRect_.top() + i * (h - 1) / 10;
        painter.drawLine(edge, y, edge + dir * (kTickLength - 1), y);
    }
    const int textW = r.width() - kTickLength - 1;
    const QRect column = left ? QRect(r.left(), r.top(), textW, r.height())
                              : QRect(r.right() - textW + 1, r.top(), textW, r.height());
    const Qt::Alignment align = (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    const int lh = fm.height();
    const int top = plotRect_.top();
    const int bottom = plotRect_.bottom();
    painter.drawText(QRect(column.left(), top - lh / 2, column.width(), lh), align,
                     s->format(s->valueTo()));
    // The unit may be wider than the scale; it can use the frame's spacing.
    const int frame = (options_ & opBevelOuter) ? bevelOuter_->frameWidth() : 0;
    const QRect unitColumn =
        left ? QRect(QPoint(frame, top), QPoint(edge - 1, top + 2 * lh))
             : QRect(QPoint(edge + 1, top), QPoint(width() - 1 - frame, top + 2 * lh));
    painter.drawText(QRect(unitColumn.left(), top + lh / 2, unitColumn.width(), lh),
                     (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, s->valueUnit());
    painter.drawText(QRect(column.left(), bottom - lh / 2, column.width(), lh), align,
                     s->format(s->valueFrom()));
}

void TAbMiniTrend::paintStatic(QPainter& painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (options_ & opBevelOuter)
        bevelOuter_->paint(painter, rect());
    if (options_ & opCaption) {
        painter.setFont(captionFont_);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(captionRect_, Qt::AlignCenter, caption_);
    }
    painter.setFont(font());
    if (options_ & opScaleCh1)
        paintScale(painter, 0);
    if (options_ & opScaleCh2)
        paintScale(painter, 1);
    if (options_ & opBevelInner)
        bevelInner_->paint(painter, innerBevelRect_, false);

    const QFontMetrics fm(font());
    const int box = std::max(4, fm.height() - 5);
    for (int ch = 0; ch < 2; ++ch) {
        if (!(options_ & (ch == 0 ? opSignDescCh1 : opSignDescCh2)))
            continue;
        const TSignalSettings* s = signal_[ch];
        const QString text =
            QStringLiteral("Ch%1 : ").arg(ch + 1) + s->name1() + QLatin1String(" - ") + s->name2();
        const int textW = fm.horizontalAdvance(text);
        const int x = ch == 0 ? legendRect_.left() + 2 : legendRect_.right() - 2 - textW - box - 4;
        const QRect square(x, legendRect_.center().y() - box / 2, box, box);
        painter.fillRect(square, signalColor_[ch]);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(square.adjusted(0, 0, -1, -1));
        painter.drawText(QRect(x + box + 4, legendRect_.top(), textW + 1, legendRect_.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void TAbMiniTrend::paintDynamic(QPainter& painter)
{
    catchUp();  // a hidden trend may be drawn by a grab()
    painter.drawImage(plotRect_.topLeft(), plot_);
}

}  // namespace brivel
