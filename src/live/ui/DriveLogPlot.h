#pragma once

#include "live/DriveLog.h"

#include <QtCore/QString>
#include <QtWidgets/QWidget>

#include <array>
#include <functional>

namespace brivel {

// The drive log drawn as stacked strips, one per chosen channel, each with
// its name and unit, over a time axis that marks the faults; a cursor shows
// the replay's position. A click or a drag with the left button asks the
// replay to jump there; the wheel zooms around the pointer; a drag with the
// right or middle button, or with Shift held, pans. Each strip draws one
// min/max pair per pixel column, whatever the recording's length.
class DriveLogPlot final : public QWidget {
    Q_OBJECT
public:
    // Room left of the strips for their scales; each strip's name and unit
    // stand in its top left corner.
    static constexpr int LabelWidth = 48;
    static constexpr int RightMargin = 10;
    static constexpr int AxisHeight = 30;
    // One wheel notch zooms by this factor.
    static constexpr double WheelZoom = 0.8;

    explicit DriveLogPlot(QWidget* parent = nullptr);

    // The log to draw; the view starts on the whole drive.
    void setLog(const drivelog::DriveLog* log);
    // Gives the strips' names and the faults' label in the window's
    // language when the plot is drawn.
    void setTexts(std::function<QString(msg::Row)> text);
    void setChannelShown(drivelog::Channel channel, bool shown);
    bool channelShown(drivelog::Channel channel) const;
    void setCursorMs(qint64 ms);
    qint64 cursorMs() const { return cursorMs_; }
    void wholeDrive();

    const drivelog::TimeSpan& span() const { return span_; }
    // Where the strips are drawn, in the widget.
    QRect plotArea() const;

    QSize sizeHint() const override { return {760, 420}; }

signals:
    // The fitter clicked or dragged to this time of the recording.
    void seekRequested(qint64 ms);
    void spanChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Range {
        float from;
        float to;
    };
    void seekTo(double x);
    void drawStrip(QPainter& painter, drivelog::Channel channel, const QRect& strip);
    void drawAxis(QPainter& painter, const QRect& plot);

    const drivelog::DriveLog* log_ = nullptr;
    drivelog::TimeSpan span_;
    std::array<bool, drivelog::ChannelCount> shown_{};
    std::function<QString(msg::Row)> text_;
    std::array<Range, drivelog::ChannelCount> ranges_{};
    qint64 cursorMs_ = 0;
    enum class Drag { None, Seek, Pan } drag_ = Drag::None;
    double dragX_ = 0;
};

}  // namespace brivel
