#pragma once

#include "widgets/ui/StaticLayer.h"
#include "widgets/TAbFlashTimer.h"

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

namespace brivel {

// What every widget of the kit shares: the program's flash timer (and through
// it the clock), a cached static layer under the changing parts, and geometry
// that is worked out once per size.
class InstrumentWidget : public QWidget {
    Q_OBJECT

public:
    // The flash timer the widget was created with; null once it is gone.
    TAbFlashTimer* flashTimer() const { return flashTimer_; }

protected:
    InstrumentWidget(TAbFlashTimer& flashTimer, QWidget* parent);

    // Parts that change only with size or settings; cached.
    virtual void paintStatic(QPainter& painter) { Q_UNUSED(painter); }
    // Parts that follow the value or state, drawn over the static layer.
    virtual void paintDynamic(QPainter& painter) { Q_UNUSED(painter); }
    // Works out the geometry for the current size.
    virtual void updateLayout() {}

    // The static layer must be painted again (settings changed).
    void invalidateStatic();
    // Layout, static layer and size hint are all stale.
    void relayout();
    // Lays out when the size changed since the last layout; for code that
    // needs geometry before the first resize event reached the widget.
    void ensureLayout();
    // Milliseconds of the program clock, 0 without a flash timer.
    qint64 nowMs() const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<TAbFlashTimer> flashTimer_;
    StaticLayer static_;
    QSize layoutSize_{-1, -1};
};

}  // namespace brivel
