#pragma once

#include "live/LiveSnapshot.h"

#include <QtCore/QObject>
#include <QtGui/QColor>

class QLabel;
class QWidget;

namespace brivel {

class LiveModel;

// Error_Led: the banner across the top of the window while current faults
// exist. It blinks between two reds, one step per frame; a click on it leads
// to the fault page.
class FaultBanner : public QObject {
    Q_OBJECT
public:
    inline static const QColor Red{255, 0, 0};
    inline static const QColor LightRed{255, 60, 60};

    FaultBanner(QWidget* panel, LiveModel& model);

    QLabel* label() const { return errorLed_; }

    // A click on the banner asks for the fault page.
    void Error_LedClick() { emit faultPageRequested(); }
    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);

signals:
    void faultPageRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* errorLed_ = nullptr;
};

}  // namespace brivel
