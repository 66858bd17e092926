#pragma once

#include "live/LiveSnapshot.h"

#include <QtCore/QObject>

#include <array>

class QWidget;

namespace brivel {

class LiveModel;
class TAbFlashTimer;
class TAbVBar;

// The "Diagnostyka" page: the petrol injection time of each cylinder and the
// gas injection time as LED bar graphs.
class DiagnosticsPage : public QObject {
    Q_OBJECT
public:
    DiagnosticsPage(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& model);

    const std::array<TAbVBar*, 8>& petrolBars() const { return petrol_; }
    TAbVBar* gasBar() const { return gas_; }

    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);

private:
    std::array<TAbVBar*, 8> petrol_{};
    TAbVBar* gas_ = nullptr;
};

}  // namespace brivel
