#include "map/MapChart.h"

#include "map/MapChartModel.h"
#include "platform/SystemColors.h"

#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <QtGui/QPainter>
#include <QtWidgets/QGraphicsLayout>

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
constexpr int CrossHairPointer = 5;
constexpr double SamplePointer = 5;
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
    {"Series4", false, QColor(255, 0, 0), 1, Qt::DashLine, true},
    {"Series5", false, QColor(0, 128, 0), 2, Qt::DashLine, true},
    {"Series7", false, QColor(255, 0, 0), 2, Qt::SolidLine, true},
    {"Series6", true, QColor(128, 255, 128), 0, Qt::SolidLine, true},
    {"Series8", true, QColor(255, 128, 128), 0, Qt::SolidLine, true},
};

QFont pixelFont(const QFont& base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

MapChart::MapChart(const map::MapChartModel& model, QWidget* parent)
    : QChartView(parent), model_(model)
{
    setObjectName(QStringLiteral("Chart1"));
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing, false);
    // The chart is static apart from its series: no rubber band, no scrolling.
    setRubberBand(QChartView::NoRubberBand);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);

    QChart* c = chart();
    // Reached by the window's captions like any other control.
    c->setParent(this);
    c->setObjectName(QStringLiteral("Chart1_Chart"));
    c->legend()->hide();
    c->setBackgroundRoundness(0);
    c->setDropShadowEnabled(false);
    c->setAnimationOptions(QChart::NoAnimation);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setMargins(QMargins());
    c->setBackgroundBrush(buttonFace());
    c->setPlotAreaBackgroundBrush(PlotBackground);
    c->setPlotAreaBackgroundVisible(true);

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
        a->setGridLineColor(GridColour);
        a->setLinePenColor(Qt::black);
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
    // The pressure grid would cross the multiplier's; the right axis keeps
    // its ticks only.
    right_->setGridLineVisible(false);
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
    QXYSeries* crossHair = series(MapSeries::CrossHair);
    crossHair->setPointsVisible(true);
    crossHair->setMarkerSize(CrossHairPointer);
}

void MapChart::setRightAxisMaximum(int kPa)
{
    right_->setMax(kPa);
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

void MapChart::showEvent(QShowEvent* event)
{
    QChartView::showEvent(event);
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
    s->replace(xy);
    if (points.empty())
        return;

    // The series takes the colour of its first point; a point of another
    // colour (the map inside a selected range) is drawn as a dot of its own.
    const map::ChartColour lineColour = points.front().colour;
    const QColor colour = qColour(lineColour);
    if (s->color() != colour)
        s->setColor(colour);
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
