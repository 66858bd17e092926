#pragma once

#include "live/LiveSnapshot.h"

#include <QtCore/QObject>

#include <array>

class QGroupBox;
class QLineEdit;
class QWidget;

namespace brivel {

class LiveModel;
class TAbFlashTimer;
class TAbLED;

// The level-gauge group of the "Przełącznik" page (GroupBox18): the tank
// sensor voltage, the four level LEDs and the reserve LED.
class LevelGauge : public QObject {
    Q_OBJECT
public:
    LevelGauge(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& model);

    QGroupBox* group() const { return group_; }
    QLineEdit* tankVoltage() const { return voltage_; }
    const std::array<TAbLED*, 4>& levelLeds() const { return level_; }
    TAbLED* reserveLed() const { return reserve_; }

    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);

private:
    QGroupBox* group_ = nullptr;
    QLineEdit* voltage_ = nullptr;
    std::array<TAbLED*, 4> level_{};
    TAbLED* reserve_ = nullptr;
};

}  // namespace brivel
