#pragma once

#include <functional>

namespace brivel {

class CommandSender;
class LevelThresholdEditor;
class LiveModel;
class SettingsModel;
class TAbFlashTimer;

// What the settings pages are built on: the models they render and the
// sender their edits go to. None of it is owned; all must outlive the pages.
struct SettingsPageServices {
    TAbFlashTimer& flashTimer;
    // The level gauge of "Przełącznik" shows the live tank level.
    LiveModel& live;
    SettingsModel& settings;
    LevelThresholdEditor& thresholds;
    CommandSender& sender;
    // Whether the serial port is open.
    std::function<bool()> portOpen;
};

}  // namespace brivel
