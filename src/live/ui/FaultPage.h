#pragma once

#include "live/LiveSnapshot.h"

#include <QtCore/QObject>

class QLabel;
class QPushButton;
class QWidget;

namespace brivel {

class CommandSender;
class FaultMemo;
class LiveModel;
class SettingsModel;

// The "Error" page: the current and the stored faults, and the button that
// clears the controller's fault memory.
class FaultPage : public QObject {
    Q_OBJECT
public:
    FaultPage(QWidget* page, LiveModel& live, SettingsModel& settings, CommandSender& sender);

    FaultMemo* actualErrors() const { return actual_; }
    FaultMemo* registeredErrors() const { return registered_; }
    QPushButton* resetButton() const { return button2_; }

    void Button2Click();

    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);

private:
    LiveModel& live_;
    SettingsModel& settings_;
    CommandSender& sender_;
    QLabel* label19_ = nullptr;
    QLabel* label18_ = nullptr;
    FaultMemo* actual_ = nullptr;
    FaultMemo* registered_ = nullptr;
    QPushButton* button2_ = nullptr;
};

}  // namespace brivel
