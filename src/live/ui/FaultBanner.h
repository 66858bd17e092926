#pragma once

#include "live/LiveObserver.h"

#include <QtCore/QObject>
#include <QtGui/QColor>

#include <functional>

class QLabel;
class QWidget;

namespace brivel {

class LiveModel;

// Error_Led: the banner across the top of the window while current faults
// exist. It blinks between two reds, one step per frame; a click on it leads
// to the fault page.
class FaultBanner : public QObject, public LiveObserver {
    Q_OBJECT
public:
    inline static const QColor Red{255, 0, 0};
    inline static const QColor LightRed{255, 60, 60};

    // `showFaultPage` runs on a click.
    FaultBanner(QWidget* panel, LiveModel& model, std::function<void()> showFaultPage);

    QLabel* label() const { return errorLed_; }

    void Error_LedClick();
    void liveChanged(const LiveSnapshot& snapshot, LiveChanges changes) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* errorLed_ = nullptr;
    std::function<void()> showFaultPage_;
};

}  // namespace brivel
