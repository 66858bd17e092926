#pragma once

#include "live/ui/LevelLeds.h"
#include "live/LiveSnapshot.h"

#include <QtCore/QObject>

#include <array>

class QGroupBox;
class QLineEdit;
class QWidget;

namespace brivel {

class LiveModel;
class TAbFlashTimer;

// The level-gauge group of the "Przełącznik" page (GroupBox18): the tank
// sensor voltage, the four level LEDs and the reserve LED.
class LevelGauge : public QObject {
    Q_OBJECT
public:
    LevelGauge(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& model);

    QGroupBox* group() const { return group_; }
    QLineEdit* tankVoltage() const { return voltage_; }
    const std::array<TAbLED*, 4>& levelLeds() const { return leds_.level; }
    TAbLED* reserveLed() const { return leds_.reserve; }

    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);

private:
    QGroupBox* group_ = nullptr;
    QLineEdit* voltage_ = nullptr;
    LevelLeds leds_;
};

}  // namespace brivel
