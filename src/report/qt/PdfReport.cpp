#include "report/qt/PdfReport.h"

#include <QtCore/QFile>
#include <QtGui/QFontMetricsF>
#include <QtGui/QPageLayout>
#include <QtGui/QPageSize>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPdfWriter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace brivel::report {

namespace {

// Everything is laid out in points: the writer runs at 72 dots per inch.
constexpr int Resolution = 72;
constexpr qreal MarginMm = 14;
constexpr qreal FooterHeight = 14;
constexpr qreal BlockGap = 10;
constexpr qreal ChartHeight = 232;
constexpr qreal SignatureHeight = 52;
constexpr int MaxFaultColumns = 3;

const QColor Ink(0x20, 0x20, 0x20);
const QColor Rule(0xB0, 0xB0, 0xB0);
const QColor GroupFill(0xE8, 0xE8, 0xE4);
const QColor Grid(0xDC, 0xDC, 0xD6);
const QColor MapColour(0, 0, 255);
const QColor GasColour(0, 128, 0);
const QColor PetrolColour(255, 0, 0);

QFont font(qreal points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// One pass over the report: the first only measures, to learn the page
// count the footers name; the second paints.
class Layout {
public:
    Layout(const ReportContent& content, QPagedPaintDevice& device, QPainter* painter, int pages)
        : c_(content), device_(device), p_(painter), pages_(pages)
    {
        width_ = device.width();
        height_ = device.height() - FooterHeight;
    }

    int run()
    {
        page_ = 1;
        y_ = 0;
        head();
        settingsTable();
        chart();
        faults(c_.currentFaultsTitle, c_.currentFaults);
        faults(c_.storedFaultsTitle, c_.storedFaults);
        adaptation();
        notesAndSignatures();
        footer();
        return page_;
    }

private:
    qreal lineHeight(const QFont& f) const { return QFontMetricsF(f, &device_).height(); }
    qreal textWidth(const QFont& f, const QString& s) const
    {
        return QFontMetricsF(f, &device_).horizontalAdvance(s);
    }
    qreal room() const { return height_ - y_; }

    // A new page when `needed` does not fit on this one (and this one has
    // anything on it).
    void ensure(qreal needed)
    {
        if (needed <= room() || y_ == 0)
            return;
        footer();
        ++page_;
        y_ = 0;
        if (p_)
            device_.newPage();
    }

    void text(const QRectF& r, int flags, const QFont& f, const QString& s,
              const QColor& colour = Ink)
    {
        if (!p_)
            return;
        p_->setFont(f);
        p_->setPen(colour);
        p_->drawText(r, flags, s);
    }

    QString elided(const QFont& f, const QString& s, qreal width) const
    {
        return QFontMetricsF(f, &device_).elidedText(s, Qt::ElideRight, width);
    }

    void footer()
    {
        const QFont f = font(7);
        const QRectF r(0, height_ + 2, width_, FooterHeight - 2);
        text(r, Qt::AlignLeft | Qt::AlignBottom, f, c_.title, Rule.darker(160));
        text(r, Qt::AlignRight | Qt::AlignBottom, f,
             c_.pageNumber.arg(page_).arg(std::max(pages_, page_)), Rule.darker(160));
    }

    void head()
    {
        const QFont title = font(16, true);
        const QFont workshop = font(10, true);
        const QFont small = font(8.5);
        const QFont label = font(8.5, true);
        qreal left = 0;
        const qreal titleHeight = lineHeight(title);
        text(QRectF(0, 0, width_, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title, c_.title);
        left = titleHeight + 4;
        for (int i = 0; i < c_.workshop.size(); ++i) {
            const QFont& f = i == 0 ? workshop : small;
            const qreal h = lineHeight(f);
            text(QRectF(0, left, width_ * 0.5, h), Qt::AlignLeft | Qt::AlignVCenter, f,
                 elided(f, c_.workshop[i], width_ * 0.5));
            left += h;
        }
        // The details on the right, label and value in two columns.
        qreal labelWidth = 0;
        for (const auto& d : c_.details)
            labelWidth = std::max(labelWidth, textWidth(label, d.first + QLatin1Char(':')));
        const qreal x = width_ * 0.52;
        qreal right = titleHeight + 4;
        const qreal h = lineHeight(small);
        for (const auto& [name, value] : c_.details) {
            text(QRectF(x, right, labelWidth, h), Qt::AlignLeft | Qt::AlignVCenter, label,
                 name + QLatin1Char(':'));
            const qreal vx = x + labelWidth + 6;
            text(QRectF(vx, right, width_ - vx, h), Qt::AlignLeft | Qt::AlignVCenter, small,
                 elided(small, value, width_ - vx));
            right += h;
        }
        y_ = std::max(left, right) + 4;
        if (p_) {
            p_->setPen(QPen(Ink, 0.8));
            p_->drawLine(QPointF(0, y_), QPointF(width_, y_));
        }
        y_ += BlockGap;
    }

    void sectionTitle(const QString& s)
    {
        const QFont f = font(10, true);
        const qreal h = lineHeight(f);
        text(QRectF(0, y_, width_, h), Qt::AlignLeft | Qt::AlignVCenter, f, s);
        y_ += h + 2;
    }

    void settingsTable()
    {
        const QFont f = font(8.5);
        const QFont bold = font(8.5, true);
        const qreal row = lineHeight(f) + 1.5;
        const qreal groupRow = lineHeight(bold) + 3;
        const qreal nameWidth = width_ * 0.56;
        const qreal valueWidth = width_ * 0.28;
        const qreal unitX = nameWidth + valueWidth + 8;
        std::size_t rows = 0;
        for (const SheetGroup& g : c_.settings)
            rows += g.rows.size();
        const qreal titleHeight = lineHeight(font(10, true)) + 2;
        ensure(titleHeight + row + c_.settings.size() * groupRow + rows * row);
        sectionTitle(c_.settingsTitle);
        text(QRectF(nameWidth, y_, valueWidth, row), Qt::AlignRight | Qt::AlignVCenter, bold,
             c_.valueHeading);
        text(QRectF(unitX, y_, width_ - unitX, row), Qt::AlignLeft | Qt::AlignVCenter, bold,
             c_.unitHeading);
        y_ += row;
        for (const SheetGroup& g : c_.settings) {
            ensure(groupRow + row);
            if (p_)
                p_->fillRect(QRectF(0, y_, width_, groupRow - 1), GroupFill);
            text(QRectF(4, y_, width_ - 8, groupRow - 1), Qt::AlignLeft | Qt::AlignVCenter, bold,
                 g.title);
            y_ += groupRow;
            for (const SheetRow& r : g.rows) {
                ensure(row);
                text(QRectF(8, y_, nameWidth - 12, row), Qt::AlignLeft | Qt::AlignVCenter, f,
                     elided(f, r.name, nameWidth - 12));
                text(QRectF(nameWidth, y_, valueWidth, row), Qt::AlignRight | Qt::AlignVCenter, f,
                     elided(f, r.value, valueWidth));
                text(QRectF(unitX, y_, width_ - unitX, row), Qt::AlignLeft | Qt::AlignVCenter, f,
                     r.unit);
                y_ += row;
                if (p_) {
                    p_->setPen(QPen(Rule, 0.3));
                    p_->drawLine(QPointF(8, y_), QPointF(width_, y_));
                }
            }
        }
        y_ += BlockGap;
    }

    void chart()
    {
        if (!c_.chart)
            return;
        const ReportChart& ch = *c_.chart;
        const qreal titleHeight = lineHeight(font(10, true)) + 2;
        ensure(titleHeight + ChartHeight);
        sectionTitle(ch.title);
        const QFont f = font(7);
        const qreal h = lineHeight(f);
        const QRectF area(0, y_, width_, ChartHeight - 2);
        y_ += ChartHeight + BlockGap;
        // Room for the legend above, the axis labels and titles around.
        const QRectF plot(area.left() + 40, area.top() + h + 6, area.width() - 84,
                          area.height() - h - 6 - 2.2 * h - 4);
        constexpr double XFrom = 1.0;
        constexpr double XTo = 25.5;
        constexpr double LeftTo = 2.52;
        const double rightTo = ch.rightAxisMaximum;
        auto px = [&](double ms) {
            return plot.left() + (ms - XFrom) / (XTo - XFrom) * plot.width();
        };
        auto pyLeft = [&](double v) { return plot.bottom() - v / LeftTo * plot.height(); };
        auto pyRight = [&](double v) { return plot.bottom() - v / rightTo * plot.height(); };
        if (!p_)
            return;

        // The legend.
        qreal lx = plot.left();
        const struct {
            const QString& name;
            QColor colour;
            Qt::PenStyle style;
        } legend[] = {{ch.multiplierTitle, MapColour, Qt::SolidLine},
                      {ch.gasTitle, GasColour, Qt::DashLine},
                      {ch.petrolTitle, PetrolColour, Qt::SolidLine}};
        for (const auto& item : legend) {
            p_->setPen(QPen(item.colour, 1.4, item.style));
            p_->drawLine(QPointF(lx, area.top() + h / 2), QPointF(lx + 18, area.top() + h / 2));
            text(QRectF(lx + 22, area.top(), 200, h), Qt::AlignLeft | Qt::AlignVCenter, f,
                 item.name);
            lx += 22 + textWidth(f, item.name) + 16;
        }

        // Grid and axes.
        p_->setPen(QPen(Grid, 0.3));
        for (int ms = 2; ms <= 25; ++ms)
            p_->drawLine(QPointF(px(ms), plot.top()), QPointF(px(ms), plot.bottom()));
        for (int tenth = 2; tenth <= 25; tenth += 2)
            p_->drawLine(QPointF(plot.left(), pyLeft(tenth / 10.0)),
                         QPointF(plot.right(), pyLeft(tenth / 10.0)));
        p_->setPen(QPen(Ink, 0.6));
        p_->drawRect(plot);
        const QLocale locale;
        for (int ms = 2; ms <= 25; ms += 2)
            text(QRectF(px(ms) - 12, plot.bottom() + 1, 24, h), Qt::AlignCenter, f,
                 QString::number(ms));
        text(QRectF(plot.left(), plot.bottom() + h + 1, plot.width(), h), Qt::AlignCenter, f,
             QStringLiteral("[ms]"));
        for (int tenth = 0; tenth <= 25; tenth += 2)
            text(QRectF(plot.left() - 26, pyLeft(tenth / 10.0) - h / 2, 23, h),
                 Qt::AlignRight | Qt::AlignVCenter, f, QString::number(tenth / 10.0, 'f', 1));
        const int rightStep = rightTo > 150 ? 40 : 20;
        for (int kpa = 0; kpa <= rightTo; kpa += rightStep)
            text(QRectF(plot.right() + 3, pyRight(kpa) - h / 2, 26, h),
                 Qt::AlignLeft | Qt::AlignVCenter, f, QString::number(kpa));
        p_->save();
        p_->translate(area.left() + h / 2, plot.center().y());
        p_->rotate(-90);
        text(QRectF(-plot.height() / 2, -h / 2, plot.height(), h), Qt::AlignCenter, f,
             ch.leftAxisTitle);
        p_->restore();
        p_->save();
        p_->translate(area.right() - h / 2, plot.center().y());
        p_->rotate(90);
        text(QRectF(-plot.height() / 2, -h / 2, plot.height(), h), Qt::AlignCenter, f,
             QStringLiteral("MAP [kPa]"));
        p_->restore();

        // The series as paths, cut to the plot.
        p_->save();
        p_->setClipRect(plot);
        p_->setRenderHint(QPainter::Antialiasing);
        auto draw = [&](const map::PointList& points, const std::function<double(double)>& y,
                        const QPen& pen) {
            if (points.empty())
                return;
            QPainterPath path(QPointF(px(points.front().x), y(points.front().y)));
            for (std::size_t i = 1; i < points.size(); ++i)
                path.lineTo(px(points[i].x), y(points[i].y));
            p_->strokePath(path, pen);
        };
        draw(ch.map, pyLeft, QPen(MapColour, 1.3));
        draw(ch.gasCurve, pyRight, QPen(GasColour, 1.3, Qt::DashLine));
        draw(ch.petrolCurve, pyRight, QPen(PetrolColour, 1.3));
        p_->restore();
    }

    // A fault list in as few columns as fit in the room left, or on a new
    // page when even the most do not.
    void faults(const QString& title, const std::optional<QStringList>& list)
    {
        if (!list)
            return;
        const QStringList lines = list->isEmpty() ? QStringList{c_.noFaults} : *list;
        const QFont f = font(8);
        const qreal row = lineHeight(f) + 0.5;
        const qreal titleHeight = lineHeight(font(10, true)) + 2;
        auto heightFor = [&](int columns) {
            const auto perColumn = (lines.size() + columns - 1) / columns;
            return titleHeight + perColumn * row + BlockGap;
        };
        int columns = 1;
        while (columns < MaxFaultColumns && heightFor(columns) > room())
            ++columns;
        if (heightFor(columns) > room()) {
            ensure(heightFor(MaxFaultColumns));
            columns = 1;
            while (columns < MaxFaultColumns && heightFor(columns) > room())
                ++columns;
        }
        sectionTitle(title);
        const auto perColumn = (lines.size() + columns - 1) / columns;
        const qreal columnWidth = width_ / columns;
        for (int i = 0; i < lines.size(); ++i) {
            const auto column = i / perColumn;
            const auto r = i % perColumn;
            text(QRectF(column * columnWidth + 4, y_ + r * row, columnWidth - 8, row),
                 Qt::AlignLeft | Qt::AlignVCenter, f, elided(f, lines[i], columnWidth - 8),
                 list->isEmpty() ? Ink : QColor(0xA0, 0, 0));
        }
        y_ += perColumn * row + BlockGap;
    }

    void adaptation()
    {
        if (c_.adaptation.isEmpty())
            return;
        const QFont f = font(8.5);
        const qreal row = lineHeight(f);
        ensure(lineHeight(font(10, true)) + 2 + c_.adaptation.size() * row);
        sectionTitle(c_.adaptationTitle);
        for (const QString& line : c_.adaptation) {
            text(QRectF(4, y_, width_ - 8, row), Qt::AlignLeft | Qt::AlignVCenter, f,
                 elided(f, line, width_ - 8));
            y_ += row;
        }
        y_ += BlockGap;
    }

    // The notes take what the page leaves above the signatures; on the last
    // page they are cut short rather than run onto a third.
    void notesAndSignatures()
    {
        const QFont f = font(9);
        const qreal titleHeight = lineHeight(font(10, true)) + 2;
        const qreal row = lineHeight(f);
        QString notes = c_.notes;
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        auto notesHeight = [&](const QString& s) {
            return QFontMetricsF(f, &device_)
                .boundingRect(QRectF(0, 0, width_ - 8, 1e6), flags, s)
                .height();
        };
        if (!notes.isEmpty()) {
            const qreal needed = titleHeight + notesHeight(notes) + BlockGap + SignatureHeight;
            if (needed > room() && page_ == 1)
                ensure(needed);
            const qreal available = room() - titleHeight - BlockGap - SignatureHeight;
            if (notesHeight(notes) > available) {
                // The longest beginning that fits with the mark that more
                // was written.
                const QString more = QStringLiteral("…");
                qsizetype fits = 0;
                qsizetype tooLong = notes.size();
                while (available >= row && tooLong - fits > 1) {
                    const qsizetype mid = (fits + tooLong) / 2;
                    if (notesHeight(notes.left(mid) + more) <= available)
                        fits = mid;
                    else
                        tooLong = mid;
                }
                notes = fits == 0 ? QString() : notes.left(fits) + more;
            }
            if (!notes.isEmpty()) {
                sectionTitle(c_.notesTitle);
                const qreal h = notesHeight(notes);
                text(QRectF(4, y_, width_ - 8, h), flags, f, notes);
                y_ += h + BlockGap;
            }
        }
        if (page_ == 1)
            ensure(SignatureHeight);
        // The lines sit at the bottom of the room left.
        const qreal lineY = std::max(y_ + SignatureHeight - 14, height_ - 16);
        const qreal w = width_ * 0.4;
        const QFont small = font(8);
        for (const auto& [x, caption] : {std::pair<qreal, QString>{0, c_.fitterSignature},
                                         {width_ - w, c_.customerSignature}}) {
            if (p_) {
                p_->setPen(QPen(Ink, 0.6));
                p_->drawLine(QPointF(x, lineY), QPointF(x + w, lineY));
            }
            text(QRectF(x, lineY + 1, w, lineHeight(small)), Qt::AlignHCenter | Qt::AlignTop, small,
                 caption);
        }
        y_ = lineY + 14;
    }

    const ReportContent& c_;
    QPagedPaintDevice& device_;
    QPainter* p_;
    int pages_;
    qreal width_ = 0;
    qreal height_ = 0;
    int page_ = 1;
    qreal y_ = 0;
};

void setUp(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                     QPageLayout::Millimeter));
}

}  // namespace

int paintReport(const ReportContent& content, QPagedPaintDevice& device)
{
    const int pages = Layout(content, device, nullptr, 0).run();
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    const int painted = Layout(content, device, &painter, pages).run();
    painter.end();
    return painted;
}

bool writeReportPdf(const ReportContent& content, const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(Resolution);
        writer.setCreator(QStringLiteral("Brivel"));
        writer.setTitle(content.title);
        setUp(writer);
        if (paintReport(content, writer) == 0) {
            if (error)
                *error = QStringLiteral("PDF");
            return false;
        }
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.close();
    return true;
}

}  // namespace brivel::report
