#pragma once

#include "link/LinkStatusView.h"
#include "live/LiveSnapshot.h"
#include "live/ui/LevelLeds.h"
#include "widgets/ui/TAbDBColBitBtn.h"

#include <QtCore/QObject>
#include <QtGui/QColor>

#include <array>
#include <functional>

class QLabel;
class QStatusBar;
class QWidget;

namespace brivel {

class LiveModel;
class StatusPanel;
class TAbFlashTimer;
class TAbToggleSwitch;

// Panel5, the bar along the bottom of the window: the online lamp, the
// connect switch, the status text, the tank-level LEDs and the fuel switch.
// Shows the link's status and the live level and fuel.
class BottomBar : public QObject, public LinkStatusView {
    Q_OBJECT
public:
    inline static const QColor OnlineColor{0, 128, 0};
    inline static const QColor OfflineColor{255, 0, 0};

    // `busy` makes the rest of the window busy or not.
    BottomBar(QWidget* panel, TAbFlashTimer& flashTimer, LiveModel& model,
              std::function<void(bool)> busy);

    TAbDBColBitBtn* connectSwitch() const { return polaczSwitch_; }
    TAbToggleSwitch* fuelSwitch() const { return fuel_; }
    QString statusText() const;

    // LinkStatusView
    void setBusy(bool busy) override;
    void setStatusText(const QString& text) override;
    void setOnline(bool online) override;
    void showConnectSwitch(bool on) override;
    void setConnectSwitchOnText(const QString& text) override;

    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);

private:
    std::function<void(bool)> busy_;
    QLabel* staticText1_ = nullptr;
    StatusPanel* statusPanel_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    TAbDBColBitBtn* polaczSwitch_ = nullptr;
    LevelLeds leds_;
    TAbToggleSwitch* fuel_ = nullptr;
};

}  // namespace brivel
