#pragma once

#include <QtCore/QObject>

class QWidget;

namespace brivel {

class LevelGauge;
class LiveModel;
class TAbFlashTimer;

// The "Przełącznik" page: the switch-over settings arrive here with the
// settings editors; the level gauge already shows the live tank level.
class PrzelacznikPage : public QObject {
    Q_OBJECT
public:
    PrzelacznikPage(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& live);

    LevelGauge& levelGauge() const { return *levelGauge_; }

private:
    LevelGauge* levelGauge_ = nullptr;
};

}  // namespace brivel
