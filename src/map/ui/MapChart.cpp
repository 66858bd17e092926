#include "map/ui/MapChart.h"

#include "map/MapChartModel.h"
#include "map/MapPlot.h"
#include "platform/qt/SystemColors.h"

#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <QtGui/QBackingStore>
#include <QtGui/QPaintEngine>
#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QGraphicsLayout>
#include <QtWidgets/QGraphicsTextItem>

#include <algorithm>
#include <cstring>
#include <vector>

namespace brivel {

using map::MapSeries;

const QRect MapChart::PlotArea(map::MapPlot::Left, map::MapPlot::Top, map::MapPlot::Width,
                               map::MapPlot::Height);

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
const QColor CrossHairColour(255, 0, 0);
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

// A red dashed line `length` pixels long, as the chart dashes a hairline;
// `vertical` makes it one pixel wide.
QImage dashedLine(int length, bool vertical)
{
    QImage image(vertical ? 1 : length, vertical ? length : 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(CrossHairColour, 0, Qt::DashLine));
    painter.drawLine(0, 0, image.width() - 1, image.height() - 1);
    return image;
}

// The filled circle centred in the picture.
QImage crossHairCircle()
{
    const int side = 2 * static_cast<int>(CrossHairRadius) + 3;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(CrossHairColour, 1));
    painter.setBrush(CrossHairColour);
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), CrossHairRadius, CrossHairRadius);
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
    : QChartView(parent),
      model_(model),
      plot_(plotBackground()),
      crossHairRow_(dashedLine(PlotArea.width(), false)),
      crossHairColumn_(dashedLine(PlotArea.height(), true)),
      crossHairCircle_(crossHairCircle())
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
        connect(a, &QAbstractAxis::titleTextChanged, this, &MapChart::axisTextChanged);
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
    // The operating point moves with nearly every frame, and its lines
    // span the plot from the point to the top and right edges: as a series
    // each move would repaint the whole plot. The series keeps its points
    // but the view draws the cross-hair over the scene, repainting only the
    // strips it leaves and enters.
    series(MapSeries::CrossHair)->setVisible(false);
}

void MapChart::drawBackground(QPainter* painter, const QRectF& rect)
{
    painter->fillRect(rect, buttonFace());
    painter->drawImage(PlotArea.topLeft(), plot_);
}

void MapChart::drawForeground(QPainter* painter, const QRectF& rect)
{
    Q_UNUSED(rect);
    // The repaint keeps what the view drew, without the cross-hair, as the
    // picture of the chart, and draws the cross-hair over it.
    if (!drawingScene_)
        drawCrossHair(painter);
}

void MapChart::drawCrossHair(QPainter* painter) const
{
    if (!crossHair_)
        return;
    // Pictures rather than strokes: a dashed line and an antialiased circle
    // drawn afresh cost more than the rest of the chart's repaint.
    const QRect plot = PlotArea;
    const QPoint at = *crossHair_;
    painter->save();
    painter->setClipRect(plot, Qt::IntersectClip);
    if (at.y() > plot.top())
        painter->drawImage(QPoint(at.x(), plot.top()), crossHairColumn_,
                           QRect(0, 0, 1, at.y() - plot.top()));
    if (at.x() < plot.right())
        painter->drawImage(at, crossHairRow_, QRect(0, 0, plot.right() - at.x() + 1, 1));
    painter->drawImage(at - QPoint(crossHairCircle_.width() / 2, crossHairCircle_.height() / 2),
                       crossHairCircle_);
    painter->restore();
}

void MapChart::paintEvent(QPaintEvent* event)
{
    // What the view asked to repaint beyond the cross-hair's strips has
    // changed in the scene; after a change of a series or an axis, anything
    // it asked for may have.
    const QRegion exposed = event->region();
    // Zoomed, the view scales the scene: the kept picture is for the design
    // size only, so every repaint goes through the view.
    const bool zoomed = !transform().isIdentity();
    const bool onlyCrossHair = !zoomed && !sceneChanged_ &&
                               (exposed - crossHairDirty_).isEmpty() &&
                               (exposed - pictureValid_).isEmpty();
    crossHairDirty_ = QRegion();
    sceneChanged_ = false;

    QWidget* surface = viewport();
    if (!onlyCrossHair) {
        pictureValid_ -= exposed;
        drawingScene_ = true;
        QGraphicsView::paintEvent(event);
        drawingScene_ = false;
    }
    QPainter painter(surface);
    if (onlyCrossHair) {
        // One rectangle at a time: a plain rectangle to clip to lets the
        // painter copy the picture's rows rather than blend span by span.
        const qreal ratio = picture_.devicePixelRatio();
        for (const QRect& r : exposed) {
            painter.setClipRect(r);
            painter.drawImage(QRectF(r), picture_,
                              QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
            drawCrossHair(&painter);
        }
        return;
    }
    if (zoomed)
        painter.setTransform(viewportTransform());
    else
        keepPicture(painter.paintEngine()->paintDevice(), exposed);
    drawCrossHair(&painter);
}

void MapChart::keepPicture(const QPaintDevice* surface, const QRegion& region)
{
    // Only a repaint on the window's own surface is kept (a grab() paints
    // elsewhere, and other surfaces may not be images).
    QWidget* view = viewport();
    QBackingStore* store = view->backingStore();
    if (!store || surface != store->paintDevice() || surface->devType() != QInternal::Image)
        return;
    const auto* screen = static_cast<const QImage*>(surface);
    const qreal ratio = screen->devicePixelRatio();
    const QSize size = (QSizeF(view->size()) * ratio).toSize();
    if (picture_.size() != size || picture_.format() != screen->format()) {
        picture_ = QImage(size, screen->format());
        picture_.setDevicePixelRatio(ratio);
        pictureValid_ = QRegion();
    }
    const QPoint offset = view->mapTo(view->window(), QPoint());
    const QRegion kept = region & view->rect();
    for (const QRect& r : kept) {
        const QRect from((QPointF(r.topLeft() + offset) * ratio).toPoint(),
                         (QSizeF(r.size()) * ratio).toSize());
        const QPoint to = (QPointF(r.topLeft()) * ratio).toPoint();
        if (!screen->rect().contains(from))
            continue;
        const int bytes = from.width() * screen->depth() / 8;
        for (int y = 0; y < from.height(); ++y)
            std::memcpy(picture_.scanLine(to.y() + y) + to.x() * screen->depth() / 8,
                        screen->constScanLine(from.y() + y) + from.x() * screen->depth() / 8,
                        static_cast<std::size_t>(bytes));
        pictureValid_ += r;
    }
}

QRegion MapChart::crossHairRegion() const
{
    if (!crossHair_)
        return {};
    const int margin = static_cast<int>(CrossHairRadius) + 2;
    const QPoint at = *crossHair_;
    const QRect plot = PlotArea.adjusted(-1, -1, 1, 1);
    QRegion region(
        QRect(QPoint(at.x() - margin, plot.top()), QPoint(at.x() + margin, at.y() + margin)));
    region +=
        QRect(QPoint(at.x() - margin, at.y() - margin), QPoint(plot.right(), at.y() + margin));
    return region.intersected(plot);
}

void MapChart::moveCrossHair()
{
    const QRegion before = crossHairRegion();
    crossHair_.reset();
    if (const std::optional<map::ChartPoint> p = model_.operatingPoint()) {
        const QPointF scene =
            chart()->mapToPosition(QPointF(p->x, p->y), series(MapSeries::CrossHair));
        // Far outside the plot the point is only clipped away; kept within
        // reach of int.
        const QRectF reach = QRectF(PlotArea).adjusted(-PlotArea.width(), -PlotArea.height(),
                                                       PlotArea.width(), PlotArea.height());
        crossHair_ = QPointF(std::clamp(scene.x(), reach.left(), reach.right()),
                             std::clamp(scene.y(), reach.top(), reach.bottom()))
                         .toPoint();
    }
    const QRegion dirty = onViewport(before + crossHairRegion());
    crossHairDirty_ += dirty;
    viewport()->update(dirty);
}

QRegion MapChart::onViewport(const QRegion& scene) const
{
    if (transform().isIdentity())
        return scene;
    QRegion mapped;
    for (const QRect& rect : scene)
        mapped += mapFromScene(QRectF(rect)).boundingRect().adjusted(-2, -2, 2, 2);
    return mapped;
}

void MapChart::setZoom(double sx, double sy)
{
    setTransform(QTransform::fromScale(sx, sy));
    resize(qRound(ChartWidth * sx), qRound(ChartHeight * sy));
}

void MapChart::resizeEvent(QResizeEvent* event)
{
    if (transform().isIdentity()) {
        QChartView::resizeEvent(event);
        return;
    }
    // Zoomed: the chart keeps its design size in the scene and the view
    // scales it up.
    QGraphicsView::resizeEvent(event);
    chart()->resize(ChartWidth, ChartHeight);
    setSceneRect(0, 0, ChartWidth, ChartHeight);
}

void MapChart::setRightAxisMaximum(int kPa)
{
    sceneChanged();
    right_->setMax(kPa);
    cacheLayers();
    moveCrossHair();
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
    // again; the series' items stroke or stamp every point whenever any part
    // of them is repainted, as the cross-hair's strips are on nearly every
    // frame, while their points change far less often (the map with a new
    // map or range, the learned curves only in the sample window). Each of
    // these keeps a picture of itself, renewed when its points change.
    chart()->layout()->activate();
    std::vector<QGraphicsItem*> items{chart()};
    while (!items.empty()) {
        QGraphicsItem* item = items.back();
        items.pop_back();
        if (item->type() == QGraphicsTextItem::Type)
            item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        else if (const QGraphicsObject* object = item->toGraphicsObject()) {
            const QLatin1String kind(object->metaObject()->className());
            if (kind == QLatin1String("LineChartItem") || kind == QLatin1String("ScatterChartItem"))
                item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        }
        for (QGraphicsItem* child : item->childItems())
            items.push_back(child);
    }
}

void MapChart::axisTextChanged()
{
    // A hidden chart lays itself out when it is shown.
    if (!isVisible())
        return;
    cacheLayers();
    resetCachedContent();
    viewport()->update();
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
    for (const map::ChartPoint& p : points)
        xy.append(QPointF(p.x, p.y));
    if (which != MapSeries::CrossHair)
        sceneChanged();
    s->replace(xy);
    if (which == MapSeries::CrossHair)
        moveCrossHair();
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
