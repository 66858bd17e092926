#include "live/ui/DriveLogPlot.h"

#include "live/DriveRecordFormat.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QWheelEvent>

#include <algorithm>
#include <cmath>

namespace brivel {

using drivelog::Channel;

namespace {

const QColor Background(0xFA, 0xFA, 0xF6);
const QColor StripLine(0xC8, 0xC8, 0xC0);
const QColor Trace(0, 0x50, 0xB0);
const QColor CursorColour(0xE0, 0, 0);
const QColor FaultColour(0xE0, 0x60, 0);
const QColor TitleBackground(0xFA, 0xFA, 0xF6, 0xD8);

// Steps of the time axis, in ms: the first that leaves room for a label.
constexpr qint64 TimeSteps[] = {1000,   2000,   5000,   10000,  15000,   30000,   60000,
                                120000, 300000, 600000, 900000, 1800000, 3600000, 7200000};

QString numberText(double v)
{
    const double a = std::abs(v);
    return QString::number(v, 'f', a >= 100 || v == std::floor(v) ? 0 : a >= 10 ? 1 : 2);
}

}  // namespace

DriveLogPlot::DriveLogPlot(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DriveLogPlot"));
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (const auto& info : drivelog::channels()) {
        shown_[static_cast<std::size_t>(info.channel)] = info.shownAtStart;
        ranges_[static_cast<std::size_t>(info.channel)] = {info.from, info.to};
    }
}

void DriveLogPlot::setLog(const drivelog::DriveLog* log)
{
    log_ = log;
    span_ = log && !log->isEmpty() ? drivelog::TimeSpan(log->startMs(), log->endMs())
                                   : drivelog::TimeSpan();
    // A reading outside a channel's usual range widens its strip, once.
    for (const auto& info : drivelog::channels()) {
        Range r{info.from, info.to};
        if (log) {
            const auto& v = log->values(info.channel);
            if (!v.empty()) {
                const auto [low, high] = std::minmax_element(v.begin(), v.end());
                r.from = std::min(r.from, *low);
                r.to = std::max(r.to, *high);
            }
        }
        ranges_[static_cast<std::size_t>(info.channel)] = r;
    }
    cursorMs_ = log ? log->startMs() : 0;
    emit spanChanged();
    update();
}

void DriveLogPlot::setTexts(std::function<QString(msg::Row)> text)
{
    text_ = std::move(text);
    update();
}

void DriveLogPlot::setChannelShown(Channel channel, bool shown)
{
    shown_[static_cast<std::size_t>(channel)] = shown;
    update();
}

bool DriveLogPlot::channelShown(Channel channel) const
{
    return shown_[static_cast<std::size_t>(channel)];
}

void DriveLogPlot::setCursorMs(qint64 ms)
{
    if (ms == cursorMs_)
        return;
    cursorMs_ = ms;
    update();
}

void DriveLogPlot::wholeDrive()
{
    span_.wholeDrive();
    emit spanChanged();
    update();
}

QRect DriveLogPlot::plotArea() const
{
    return QRect(LabelWidth, 4, std::max(1, width() - LabelWidth - RightMargin),
                 std::max(1, height() - 4 - AxisHeight));
}

void DriveLogPlot::seekTo(double x)
{
    if (!log_ || log_->isEmpty())
        return;
    const QRect plot = plotArea();
    const double inside = std::clamp(x - plot.left(), 0.0, double(plot.width()));
    const double ms = span_.timeAt(inside, plot.width());
    emit seekRequested(std::llround(ms));
}

void DriveLogPlot::mousePressEvent(QMouseEvent* event)
{
    const bool pan =
        event->button() == Qt::RightButton || event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (pan) {
        drag_ = Drag::Pan;
        dragX_ = event->position().x();
    } else if (event->button() == Qt::LeftButton) {
        drag_ = Drag::Seek;
        seekTo(event->position().x());
    }
    event->accept();
}

void DriveLogPlot::mouseMoveEvent(QMouseEvent* event)
{
    if (drag_ == Drag::Seek) {
        seekTo(event->position().x());
    } else if (drag_ == Drag::Pan) {
        const double x = event->position().x();
        span_.panBy(x - dragX_, plotArea().width());
        dragX_ = x;
        emit spanChanged();
        update();
    }
}

void DriveLogPlot::mouseReleaseEvent(QMouseEvent*)
{
    drag_ = Drag::None;
}

void DriveLogPlot::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0 || !log_)
        return;
    const QRect plot = plotArea();
    const double x = std::clamp(event->position().x() - plot.left(), 0.0, double(plot.width()));
    span_.zoomAround(x, plot.width(), std::pow(WheelZoom, notches));
    emit spanChanged();
    update();
    event->accept();
}

void DriveLogPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect plot = plotArea();
    painter.fillRect(plot, Background);
    int shown = 0;
    for (bool s : shown_)
        shown += s ? 1 : 0;
    if (log_ && !log_->isEmpty() && shown > 0) {
        const double stripHeight = plot.height() / double(shown);
        int k = 0;
        for (const auto& info : drivelog::channels()) {
            if (!shown_[static_cast<std::size_t>(info.channel)])
                continue;
            const int top = plot.top() + int(std::round(k * stripHeight));
            const int bottom = plot.top() + int(std::round((k + 1) * stripHeight));
            drawStrip(painter, info.channel, QRect(plot.left(), top, plot.width(), bottom - top));
            ++k;
        }
    }
    drawAxis(painter, plot);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
}

void DriveLogPlot::drawStrip(QPainter& painter, Channel channel, const QRect& strip)
{
    const auto index = static_cast<std::size_t>(channel);
    const Range range = ranges_[index];
    const double span = range.to - range.from;
    const int pad = 3;
    const double inner = std::max(1, strip.height() - 2 * pad);
    auto y = [&](float v) {
        return strip.bottom() - pad - (span > 0 ? (v - range.from) / span * inner : 0);
    };

    painter.setPen(QPen(StripLine, 1));
    painter.drawLine(strip.left(), strip.bottom(), strip.right(), strip.bottom());

    // The range at the left.
    const QFontMetrics metrics(font());
    const QRect labels(2, strip.top(), LabelWidth - 6, strip.height());
    if (strip.height() >= 2 * metrics.height()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, numberText(range.to));
        painter.drawText(labels, Qt::AlignRight | Qt::AlignBottom, numberText(range.from));
    }

    const std::vector<drivelog::ColumnRange> columns = drivelog::decimate(
        log_->times(), log_->values(channel), span_.fromMs(), span_.toMs(), strip.width());
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(2 * columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const drivelog::ColumnRange& col = columns[c];
        if (col.count == 0)
            continue;
        const double x = strip.left() + c + 0.5;
        line.append(QPointF(x, y(col.min)));
        if (col.max != col.min)
            line.append(QPointF(x, y(col.max)));
    }
    painter.save();
    painter.setClipRect(strip);
    painter.setPen(QPen(Trace, 1));
    painter.drawPolyline(line);

    // The name and unit in the strip's corner, over the trace.
    const QString unit = QString::fromUtf8(drivelog::channelInfo(channel).unit);
    const QString name = text_ ? text_(drivelog::channelInfo(channel).name) : QString();
    const QString title =
        unit.isEmpty() ? name : name + QStringLiteral(" [") + unit + QLatin1Char(']');
    const QRect titleRect(strip.left() + 4, strip.top() + 1, metrics.horizontalAdvance(title) + 6,
                          metrics.height());
    painter.fillRect(titleRect, TitleBackground);
    painter.setPen(Qt::black);
    painter.drawText(titleRect.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
}

void DriveLogPlot::drawAxis(QPainter& painter, const QRect& plot)
{
    const QFontMetrics metrics(font());
    painter.setPen(Qt::black);
    const double length = span_.lengthMs();
    if (length <= 0 || !log_)
        return;
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("0:00:00")) + 16;
    qint64 step = TimeSteps[std::size(TimeSteps) - 1];
    for (qint64 s : TimeSteps) {
        if (s / length * plot.width() >= labelWidth) {
            step = s;
            break;
        }
    }
    const qint64 start = log_->startMs();
    const auto first =
        static_cast<qint64>(std::ceil((span_.fromMs() - start) / step)) * step + start;
    for (qint64 t = first; t <= span_.toMs(); t += step) {
        const int x = plot.left() + int(std::round(span_.xAt(t, plot.width())));
        painter.setPen(StripLine);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(Qt::black);
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 4);
        painter.drawText(
            QRect(x - labelWidth / 2, plot.bottom() + 14, labelWidth, metrics.height()),
            Qt::AlignHCenter | Qt::AlignTop, record::clockText(t - start));
    }
    // The faults: a mark on the time axis where each appeared, named at
    // the left.
    if (!log_->faults().empty() && text_) {
        painter.setPen(FaultColour);
        painter.drawText(
            QRect(2, plot.bottom() + 1, LabelWidth - 6, metrics.height()),
            Qt::AlignRight | Qt::AlignTop,
            metrics.elidedText(text_(msg::Row::ChannelFaults), Qt::ElideRight, LabelWidth - 6));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(FaultColour);
    for (const drivelog::FaultMark& f : log_->faults()) {
        if (f.timeMs < span_.fromMs() || f.timeMs > span_.toMs())
            continue;
        const double x = plot.left() + span_.xAt(f.timeMs, plot.width());
        const QPointF tip(x, plot.bottom() + 1);
        painter.drawPolygon(QPolygonF{tip, tip + QPointF(-4, 9), tip + QPointF(4, 9)});
    }
    // The cursor.
    if (cursorMs_ >= span_.fromMs() && cursorMs_ <= span_.toMs()) {
        const double x = plot.left() + span_.xAt(cursorMs_, plot.width());
        painter.setPen(QPen(CursorColour, 2));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

}  // namespace brivel
