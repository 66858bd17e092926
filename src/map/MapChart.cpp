#include "map/MapChart.h"

#include "map/MapChartModel.h"
#include "platform/SystemColors.h"

#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <QtGui/QPainter>
#include <QtWidgets/QGraphicsLayout>
#include <QtWidgets/QGraphicsTextItem>

#include <algorithm>
#include <vector>

namespace brivel {

using map::MapSeries;

const QRect MapChart::PlotArea(44, 16, 501, 293);

namespace {

constexpr int ChartWidth = 593;
constexpr int ChartHeight = 345;
constexpr double LeftStep = 0.1;
constexpr double RightStep = 10;
constexpr double BottomStep = 1;
// Pixel sizes of the text around the plot.
constexpr int LabelPixels = 10;
constexpr int TitlePixels = 11;
// The operating point's circle and the raw samples' dots.
// The chart takes a line's marker size as the circle's radius.
constexpr double CrossHairRadius = 5;
constexpr int FarPointPixels = 2 * CrossHairRadius + 1;
constexpr int SamplePointer = 5;
// A point of the map inside the selected range is marked by a dot of this
// radius over the line.
constexpr double RangePointRadius = 2.5;

const QColor PlotBackground(0xF4, 0xF4, 0xEE);
const QColor GridColour(0xC8, 0xC8, 0xC0);

QColor qColour(map::ChartColour c)
{
    return QColor(c.red, c.green, c.blue);
}

// How each series is drawn. The colour is the one the series starts with;
// from then on the series takes the colour of its points.
struct SeriesStyle {
    const char* name;
    bool points;  // a point series, else a line
    QColor colour;
    qreal width;
    Qt::PenStyle style;
    bool rightAxis;
};

const SeriesStyle Styles[map::MapSeriesCount] = {
    {"Series1", false, QColor(0, 0, 255), 2, Qt::SolidLine, false},
    {"Series2", false, QColor(255, 255, 128), 2, Qt::SolidLine, false},
    {"Series3", false, QColor(255, 255, 0), 3, Qt::DashDotDotLine, false},
    {"Series4", false, QColor(255, 0, 0), 0, Qt::DashLine, true},
    {"Series5", false, QColor(0, 128, 0), 2, Qt::DashLine, true},
    {"Series7", false, QColor(255, 0, 0), 2, Qt::SolidLine, true},
    {"Series6", true, QColor(128, 255, 128), 0, Qt::SolidLine, true},
    {"Series8", true, QColor(255, 128, 128), 0, Qt::SolidLine, true},
};

// The image a raw sample is drawn with.
QImage dot(const QColor& colour)
{
    QImage image(SamplePointer, SamplePointer, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0, 0, SamplePointer, SamplePointer));
    return image;
}

// The plot's background with the grid of the bottom and left axes' ticks
// (the pressure grid would cross the multiplier's). The operating point
// moves over it on every frame; one picture repaints far faster than a grid
// line item per tick.
QImage plotBackground()
{
    const QRect& area = MapChart::PlotArea;
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(PlotBackground);
    QPainter painter(&image);
    painter.setPen(QPen(GridColour, 0));
    const double w = area.width();
    const double h = area.height();
    const double span = MapChart::BottomTo - MapChart::BottomFrom;
    for (int ms = 1; ms <= 25; ++ms) {
        const int x = qRound((ms - MapChart::BottomFrom) / span * w);
        painter.drawLine(x, 0, x, area.height());
    }
    for (int tenth = 1; tenth * LeftStep <= MapChart::LeftTo; ++tenth) {
        const int y = qRound(h - tenth * LeftStep / MapChart::LeftTo * h);
        painter.drawLine(0, y, area.width(), y);
    }
    return image;
}

QFont pixelFont(const QFont& base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

MapChart::MapChart(const map::MapChartModel& model, QWidget* parent)
    : QChartView(parent), model_(model), plot_(plotBackground())
{
    setObjectName(QStringLiteral("Chart1"));
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing, false);
    // The chart is static apart from its series: no rubber band, no scrolling.
    setRubberBand(QChartView::NoRubberBand);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setOptimizationFlag(QGraphicsView::DontSavePainterState);

    QChart* c = chart();
    // Reached by the window's captions like any other control.
    c->setParent(this);
    c->setObjectName(QStringLiteral("Chart1_Chart"));
    // No legend: taken out of the chart's layout as well, so that a change
    // of points never lays the chart out again.
    c->legend()->hide();
    c->legend()->detachFromChart();
    c->setBackgroundRoundness(0);
    c->setDropShadowEnabled(false);
    c->setAnimationOptions(QChart::NoAnimation);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setMargins(QMargins());
    // The chart's and the plot's backgrounds, grid included, are the view's
    // own background (drawBackground), painted once and kept.
    c->setBackgroundVisible(false);
    c->setPlotAreaBackgroundVisible(false);
    setCacheMode(QGraphicsView::CacheBackground);

    buildAxes();
    buildSeries();
    resize(ChartWidth, ChartHeight);
    c->setPlotArea(PlotArea);
}

void MapChart::buildAxes()
{
    QChart* c = chart();
    const QFont labels = pixelFont(font(), LabelPixels);
    const QFont titles = pixelFont(font(), TitlePixels, true);
    auto axis = [&](const char* name, double from, double to, double step, const char* format,
                    const QString& title, Qt::Alignment side) {
        auto* a = new QValueAxis;
        a->setObjectName(QLatin1String(name));
        a->setRange(from, to);
        a->setTickType(QValueAxis::TicksDynamic);
        a->setTickAnchor(0);
        a->setTickInterval(step);
        a->setMinorTickCount(0);
        a->setLabelFormat(QLatin1String(format));
        a->setLabelsFont(labels);
        // The plot area is fixed: labels keep their digits whatever room
        // the layout thinks they have.
        a->setTruncateLabels(false);
        a->setTitleFont(titles);
        a->setTitleText(title);
        // The grid is part of the plot's background picture; each tick is an
        // item of its own, and a hairline's bounds are found without
        // stroking it.
        a->setGridLineVisible(false);
        a->setLinePen(QPen(Qt::black, 0));
        a->setLabelsColor(Qt::black);
        a->setTitleBrush(Qt::black);
        c->addAxis(a, side);
        return a;
    };
    bottom_ = axis("Chart1_BottomAxis", BottomFrom, BottomTo, BottomStep, "%.0f",
                   QStringLiteral("[ms]"), Qt::AlignBottom);
    // Its title follows the language.
    left_ = axis("Chart1_LeftAxis", 0, LeftTo, LeftStep, "%.1f", QString(), Qt::AlignLeft);
    right_ = axis("Chart1_RightAxis", 0, map::MapChartModel::RightAxisStandard, RightStep, "%.0f",
                  QStringLiteral("MAP [kPa]"), Qt::AlignRight);
}

void MapChart::buildSeries()
{
    QChart* c = chart();
    for (int i = 0; i < map::MapSeriesCount; ++i) {
        const SeriesStyle& style = Styles[i];
        QXYSeries* s = nullptr;
        if (style.points) {
            auto* points = new QScatterSeries;
            points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
            points->setMarkerSize(SamplePointer);
            points->setPen(Qt::NoPen);
            points->setColor(style.colour);
            // Drawn as one image per point rather than an item per point.
            points->setLightMarker(dot(style.colour));
            s = points;
        } else {
            auto* line = new QLineSeries;
            QPen pen(style.colour, style.width, style.style);
            pen.setCapStyle(Qt::FlatCap);
            line->setPen(pen);
            s = line;
        }
        s->setObjectName(QLatin1String(style.name));
        s->setPointLabelsVisible(false);
        c->addSeries(s);
        s->attachAxis(bottom_);
        s->attachAxis(style.rightAxis ? right_ : left_);
        series_[i] = s;
    }
    // The circle at the operating point.
    QXYSeries* crossHair = series(MapSeries::CrossHair);
    crossHair->setPointsVisible(true);
    crossHair->setMarkerSize(CrossHairRadius);
}

void MapChart::drawBackground(QPainter* painter, const QRectF& rect)
{
    painter->fillRect(rect, buttonFace());
    painter->drawImage(PlotArea.topLeft(), plot_);
}

void MapChart::setRightAxisMaximum(int kPa)
{
    right_->setMax(kPa);
    cacheLayers();
}

int MapChart::rightAxisMaximum() const
{
    return static_cast<int>(right_->max());
}

void MapChart::showSeries(map::SeriesSet changed)
{
    pending_ |= changed;
    if (!isVisible())
        return;
    const map::SeriesSet due = pending_;
    pending_ = 0;
    for (int i = 0; i < map::MapSeriesCount; ++i)
        if (due & map::seriesBit(static_cast<MapSeries>(i)))
            replace(static_cast<MapSeries>(i));
}

void MapChart::cacheLayers()
{
    // The labels and titles are rich-text items, costly to lay out and draw
    // again whenever the operating point moves across them, and the map and
    // its range markers change only with a new map or range: each of these
    // keeps a picture of itself. The series that follow the live frames are
    // drawn afresh; hidden for a moment, they are told from the others.
    chart()->layout()->activate();
    const MapSeries live[] = {MapSeries::CrossHair, MapSeries::GasCurve, MapSeries::PetrolCurve,
                              MapSeries::GasPoints, MapSeries::PetrolPoints};
    for (MapSeries s : live)
        series(s)->setVisible(false);
    std::vector<QGraphicsItem*> items{chart()};
    while (!items.empty()) {
        QGraphicsItem* item = items.back();
        items.pop_back();
        if (item->type() == QGraphicsTextItem::Type)
            item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        else if (const QGraphicsObject* object = item->toGraphicsObject()) {
            if (QLatin1String(object->metaObject()->className()) ==
                    QLatin1String("LineChartItem") &&
                item->isVisible())
                item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        }
        for (QGraphicsItem* child : item->childItems())
            items.push_back(child);
    }
    for (MapSeries s : live)
        series(s)->setVisible(true);
}

void MapChart::showEvent(QShowEvent* event)
{
    QChartView::showEvent(event);
    cacheLayers();
    showSeries(0);
}

void MapChart::replace(MapSeries which)
{
    const int i = static_cast<int>(which);
    QXYSeries* s = series_[i];
    const map::PointList& points = model_.series(which);
    QList<QPointF> xy;
    xy.reserve(static_cast<qsizetype>(points.size()));
    if (which == MapSeries::CrossHair) {
        // Its far points lie well beyond the axes; brought in to just past
        // the plot's edges the lines look the same, and a move of the
        // operating point repaints the plot only, not the axes beside it.
        // Far enough past the edges that their circles are clipped away.
        const double right = BottomTo + (BottomTo - BottomFrom) * FarPointPixels / PlotArea.width();
        const double top =
            right_->max() * (1.0 + static_cast<double>(FarPointPixels) / PlotArea.height());
        for (const map::ChartPoint& p : points)
            xy.append(QPointF(std::min(p.x, right), std::min(p.y, top)));
    } else {
        for (const map::ChartPoint& p : points)
            xy.append(QPointF(p.x, p.y));
    }
    s->replace(xy);
    if (points.empty())
        return;

    // The series takes the colour of its first point; a point of another
    // colour (the map inside a selected range) is drawn as a dot of its own.
    const map::ChartColour lineColour = points.front().colour;
    const QColor colour = qColour(lineColour);
    if (s->color() != colour) {
        s->setColor(colour);
        if (Styles[i].points)
            s->setLightMarker(dot(colour));
    }
    QHash<int, QHash<QXYSeries::PointConfiguration, QVariant>> own;
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (points[k].colour == lineColour)
            continue;
        own.insert(static_cast<int>(k),
                   {{QXYSeries::PointConfiguration::Color, qColour(points[k].colour)},
                    {QXYSeries::PointConfiguration::Size, RangePointRadius},
                    {QXYSeries::PointConfiguration::Visibility, true}});
    }
    if (!own.isEmpty()) {
        s->setPointsConfiguration(own);
        pointColours_[i] = true;
    } else if (pointColours_[i]) {
        s->clearPointsConfiguration();
        pointColours_[i] = false;
    }
}

}  // namespace brivel
