#include "widgets/ui/TAbVBar.h"

#include "widgets/ui/TAbSBevel.h"
#include "widgets/ui/TBarSettings.h"
#include "widgets/ui/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>

#include <algorithm>

namespace brivel {

namespace {
constexpr int kMargin = 2;  // between the bar frame and the segments
}

TAbVBar::TAbVBar(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbAnalogGControl(flashTimer, parent),
      bar_(new TBarSettings(this)),
      bevelOuter_(new TAbSBevel(this))
{
    fontValue_ = font();
    fontValue_.setBold(true);
    valueColor_ = palette().color(QPalette::WindowText);
    bevelOuter_->setStyle(TAbSBevel::bsRaised);
    bevelOuter_->setSpacing(2);
    bar_->bevel()->setStyle(TAbSBevel::bsLowered);
    bar_->bevel()->setLines(TAbSBevel::blBoth);
    bar_->bevel()->setColor(bar_->bkColor());
    connect(bar_, &TBarSettings::changed, this, &TAbVBar::configChanged);
    connect(bevelOuter_, &TAbSBevel::changed, this, &TAbVBar::configChanged);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void TAbVBar::setOptions(Options options)
{
    if (options_ == options)
        return;
    options_ = options;
    configChanged();
}

void TAbVBar::setFontValue(const QFont& font)
{
    if (fontValue_ == font)
        return;
    fontValue_ = font;
    configChanged();
}

void TAbVBar::setValueColor(const QColor& color)
{
    if (valueColor_ == color)
        return;
    valueColor_ = color;
    update(valueRect_);
}

void TAbVBar::configChanged()
{
    relayout();
}

QSize TAbVBar::sizeHint() const
{
    return {50, 200};
}

QSize TAbVBar::minimumSizeHint() const
{
    return {12, 30};
}

QString TAbVBar::shownText() const
{
    QString text = valueText();
    if (bar_->options() & TBarSettings::opUnit)
        text += signalSettings()->valueUnit();
    return text;
}

void TAbVBar::updateLayout()
{
    QRect r = rect();
    if (options_ & opBevelOuter)
        r = bevelOuter_->contentRect(r);
    const QFontMetrics fm(font());
    const QFontMetrics fmValue(fontValue_);
    name1Rect_ = valueRect_ = name2Rect_ = QRect();
    if (options_ & opName1) {
        name1Rect_ = QRect(r.left(), r.top(), r.width(), fm.height());
        r.setTop(r.top() + fm.height());
    }
    if (bar_->options() & TBarSettings::opValue) {
        valueRect_ = QRect(r.left(), r.top(), r.width(), fmValue.height());
        r.setTop(r.top() + fmValue.height() + 1);
    }
    if (options_ & opName2) {
        name2Rect_ = QRect(r.left(), r.bottom() - fm.height() + 1, r.width(), fm.height());
        r.setBottom(r.bottom() - fm.height() - 1);
    }
    frameRect_ = r;
    const int inset = bar_->bevel()->frameWidth() + kMargin;
    barRect_ = r.adjusted(inset, inset, -inset, -inset);

    segments_.clear();
    const bool segmented =
        bar_->style() == TBarSettings::bsLED_Bar || bar_->style() == TBarSettings::bsPoint;
    if (segmented && barRect_.height() > 0) {
        const int seg = bar_->minHeight();
        const int gap = seg >= 4 ? 2 : 1;
        const int n = std::max(1, (barRect_.height() + gap) / (seg + gap));
        // Spread what is left over evenly, so the column fills the bar.
        const double pitch = double(barRect_.height() + gap) / n;
        for (int i = 0; i < n; ++i) {
            const int bottom = barRect_.bottom() - int(i * pitch);
            const int top = barRect_.bottom() - int((i + 1) * pitch) + gap + 1;
            segments_.push_back(QRect(barRect_.left(), top, barRect_.width(), bottom - top + 1));
        }
    }
}

QColor TAbVBar::colorAt(int permille) const
{
    const bool bySector = (bar_->options() & TBarSettings::opUseSectorCol) ||
                          bar_->style() == TBarSettings::bsMultiColor;
    if (!bySector)
        return bar_->color();
    const int sector = signalmath::lastSectorContaining(permille, sectorSettings()->allBounds());
    return sector >= 0 ? sectorSettings()->color(sector) : bar_->color();
}

std::pair<int, int> TAbVBar::filled(int permille) const
{
    if (bar_->options() & TBarSettings::opBidir)
        return {std::min(500, permille), std::max(500, permille)};
    return {0, permille};
}

bool TAbVBar::segmentLit(int index, int permille) const
{
    const int n = segmentCount();
    // A segment is lit when the bar reaches its middle.
    const double mid = (index + 0.5) * 1000.0 / n;
    if (bar_->style() == TBarSettings::bsPoint)
        return index == std::min(n - 1, int(permille * n / 1000.0));
    const auto [from, to] = filled(permille);
    return mid >= from && mid <= to;
}

int TAbVBar::litSegments() const
{
    int lit = 0;
    for (int i = 0; i < segmentCount(); ++i)
        lit += segmentLit(i, drawnPosition()) ? 1 : 0;
    return lit;
}

void TAbVBar::paintStatic(QPainter& painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (options_ & opBevelOuter)
        bevelOuter_->paint(painter, rect());
    bar_->bevel()->paint(painter, frameRect_, false);
    const int frame = bar_->bevel()->frameWidth();
    painter.fillRect(frameRect_.adjusted(frame, frame, -frame, -frame), bar_->bkColor());
    // Unlit segments are part of the face; lit ones are drawn over them.
    const int n = segmentCount();
    for (int i = 0; i < n; ++i) {
        const int mid = int((i + 0.5) * 1000.0 / n);
        painter.fillRect(segments_[std::size_t(i)], bar_->unlitColor(colorAt(mid)));
    }
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    if (options_ & opName1)
        painter.drawText(name1Rect_, Qt::AlignCenter, signalSettings()->name1());
    if (options_ & opName2)
        painter.drawText(name2Rect_, Qt::AlignCenter, signalSettings()->name2());
}

void TAbVBar::paintDynamic(QPainter& painter)
{
    const int p = drawnPosition();
    const int n = segmentCount();
    if (n > 0) {
        for (int i = 0; i < n; ++i) {
            if (!segmentLit(i, p))
                continue;
            const QRect& s = segments_[std::size_t(i)];
            const QColor c = colorAt(int((i + 0.5) * 1000.0 / n));
            QLinearGradient g(s.topLeft(), s.topRight());
            g.setColorAt(0.0, c.darker(115));
            g.setColorAt(0.4, c.lighter(125));
            g.setColorAt(1.0, c.darker(125));
            painter.fillRect(s, g);
        }
    } else if (barRect_.height() > 0) {
        const auto [from, to] = filled(p);
        auto yOf = [this](int permille) {
            return barRect_.bottom() + 1 - int(barRect_.height() * permille / 1000.0 + 0.5);
        };
        if (bar_->style() == TBarSettings::bsMultiColor) {
            // Each stretch of the bar in the colour of its sector.
            for (int y = yOf(to); y < yOf(from); ++y) {
                const int permille =
                    int((barRect_.bottom() + 1 - y - 0.5) * 1000.0 / barRect_.height());
                painter.fillRect(QRect(barRect_.left(), y, barRect_.width(), 1), colorAt(permille));
            }
        } else {
            const QRect fill(barRect_.left(), yOf(to), barRect_.width(), yOf(from) - yOf(to));
            const QColor c = colorAt(p);
            QLinearGradient g(fill.topLeft(), fill.topRight());
            g.setColorAt(0.0, c.darker(115));
            g.setColorAt(0.4, c.lighter(125));
            g.setColorAt(1.0, c.darker(125));
            painter.fillRect(fill, g);
        }
    }
    if (bar_->options() & TBarSettings::opValue) {
        painter.setFont(fontValue_);
        painter.setPen(valueColor_);
        painter.drawText(valueRect_, Qt::AlignCenter, shownText());
    }
}

void TAbVBar::valueUpdated(int oldDrawnPosition, const QString& oldText)
{
    QRegion dirty;
    if (oldDrawnPosition != drawnPosition())
        dirty += barRect_;
    if (oldText != valueText() && (bar_->options() & TBarSettings::opValue))
        dirty += valueRect_;
    if (!dirty.isEmpty())
        update(dirty);
}

}  // namespace brivel
