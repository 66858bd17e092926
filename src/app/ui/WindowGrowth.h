#pragma once

#include <QtCore/QHash>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QRect>
#include <QtCore/QSize>

#include <vector>

class QWidget;

namespace brivel {

// Lets the window's pages use the room when the window is larger than its
// design size, which stays its minimum. The left column and the bottom bar
// keep their size (the bar moves to the foot); the tab control grows, and in
// it the controls named in a table each take a share of the extra width and
// height: the oscilloscope, the diagnostics bars, the fault lists, the
// settings pages. At the design size every control stands where it was
// built. Pages that lay out the room themselves (the map) follow
// `roomChanged`.
class WindowGrowth final : public QObject {
    Q_OBJECT
public:
    // `panel` is the window's client area, laid out for `designSize`; the
    // controls the table names are found under it. Call once the pages are
    // built.
    WindowGrowth(QWidget* panel, QSize designSize, QObject* parent = nullptr);

    // The room beyond the design size, never negative.
    QSize extra() const { return extra_; }

signals:
    void roomChanged(QSize extra);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect design;
        // Shares of the extra width and height: moving x and y, growing
        // width and height.
        double x, y, w, h;
    };
    void apply();

    QWidget* panel_;
    QSize designSize_;
    QSize extra_;
    std::vector<Placed> placed_;
};

}  // namespace brivel
