#pragma once

#include "live/LiveSnapshot.h"
#include "live/ui/LevelLeds.h"
#include "widgets/ui/TAbDBColBitBtn.h"

#include <QtCore/QObject>
#include <QtGui/QColor>

#include <array>

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
// Shows the live level and fuel, and what the link's presenter sets.
class BottomBar : public QObject {
    Q_OBJECT
public:
    inline static const QColor OnlineColor{0, 128, 0};
    inline static const QColor OfflineColor{255, 0, 0};

    BottomBar(QWidget* panel, TAbFlashTimer& flashTimer, LiveModel& model);

    TAbDBColBitBtn* connectSwitch() const { return polaczSwitch_; }
    TAbToggleSwitch* fuelSwitch() const { return fuel_; }
    QString statusText() const;

    // The text of the status bar's one panel.
    void setStatusText(const QString& text);
    // The lamp beside the status text: "online" or "offline".
    void setOnline(bool online);
    // What Polacz_switch shows; the switch reports the change like a click.
    void showConnectSwitch(bool on);
    void setConnectSwitchOnText(const QString& text);

    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);

private:
    QLabel* staticText1_ = nullptr;
    StatusPanel* statusPanel_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    TAbDBColBitBtn* polaczSwitch_ = nullptr;
    LevelLeds leds_;
    TAbToggleSwitch* fuel_ = nullptr;
};

}  // namespace brivel
