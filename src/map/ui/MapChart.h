#pragma once

#include "map/MapChartSeries.h"

#include <QtCharts/QChartView>
#include <QtGui/QImage>
#include <QtGui/QRegion>

#include <array>
#include <optional>

class QPaintDevice;
class QValueAxis;
class QXYSeries;

namespace brivel {

namespace map {
class MapChartModel;
}

// Chart1: the map chart. It shows what the chart model holds and nothing
// else: the injection map and the range markers against the left axis, the
// operating point and the learned curves against the right one. Its plot
// area lies exactly under the selection area (PaintBox1), so that a pixel
// column of the one is the same petrol time on the other.
class MapChart : public QChartView {
    Q_OBJECT
public:
    // The plot area inside the chart (MapPlot): the selection area's place
    // and size.
    static const QRect PlotArea;
    static constexpr double BottomFrom = 1.0;
    static constexpr double BottomTo = 25.5;
    static constexpr double LeftTo = 2.52;

    // `model` must outlive the chart.
    MapChart(const map::MapChartModel& model, QWidget* parent);

    QXYSeries* series(map::MapSeries s) const { return series_[static_cast<int>(s)]; }
    QValueAxis* leftAxis() const { return left_; }
    QValueAxis* rightAxis() const { return right_; }

    // Replaces the points of each series in `changed` with the model's, in
    // one go per series. While the chart is hidden the replacement waits
    // for it to be shown.
    void showSeries(map::SeriesSet changed);

    // The right axis' top: 126 kPa, or 252 for a turbo engine.
    void setRightAxisMaximum(int kPa);
    int rightAxisMaximum() const;

    // Draws the chart `sx` × `sy` times its design size, for a window with
    // room to spare. The scene keeps its design size, so a pixel column of
    // the plot stays the same petrol time whatever the chart is drawn at.
    void setZoom(double sx, double sy);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void buildAxes();
    void buildSeries();
    void replace(map::MapSeries s);
    void cacheLayers();
    // A title that changed while the chart is shown (a language chosen on
    // the "Mapa" page): laid out and drawn again at once.
    void axisTextChanged();
    void moveCrossHair();
    QRegion crossHairRegion() const;
    void drawCrossHair(QPainter* painter) const;
    // Keeps `region` of what the view has just drawn on `surface` (the
    // window's backing store) as the picture of the chart.
    void keepPicture(const QPaintDevice* surface, const QRegion& region);
    // Something under the cross-hair may have changed: the next repaint
    // draws what it covers afresh.
    void sceneChanged() { sceneChanged_ = true; }
    // A region of the scene in the viewport's pixels.
    QRegion onViewport(const QRegion& scene) const;

    const map::MapChartModel& model_;
    std::array<QXYSeries*, map::MapSeriesCount> series_{};
    // Whether a series shows points in colours of their own.
    std::array<bool, map::MapSeriesCount> pointColours_{};
    QValueAxis* bottom_ = nullptr;
    QValueAxis* left_ = nullptr;
    QValueAxis* right_ = nullptr;
    map::SeriesSet pending_ = 0;
    // The plot's background with its grid.
    QImage plot_;
    // The cross-hair's pieces, drawn once: its dashed lines across the
    // whole plot and the circle at the operating point.
    QImage crossHairRow_;
    QImage crossHairColumn_;
    QImage crossHairCircle_;
    // Where the cross-hair is drawn. The view shows the scene unscaled and
    // unscrolled, so this is a pixel of both.
    std::optional<QPoint> crossHair_;
    // The chart as the view last drew it, without the cross-hair. A move of
    // the cross-hair repaints its strips from this picture, one rectangle at
    // a time, rather than having the view blend every layer of the scene
    // into the strips again (split up over threads for tall strips).
    QImage picture_;
    // The parts of picture_ that show the chart as it is.
    QRegion pictureValid_;
    // What repaints asked for the cross-hair alone, since the last repaint.
    QRegion crossHairDirty_;
    // A series or axis changed since the last repaint.
    bool sceneChanged_ = true;
    bool drawingScene_ = false;
};

}  // namespace brivel
