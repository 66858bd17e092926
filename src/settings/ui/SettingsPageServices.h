#pragma once

#include <functional>

namespace brivel {

class CommandSender;
class CylinderButtonsModel;
class LiveModel;
class MessageTable;
class SettingsModel;
class TAbFlashTimer;

// What the settings pages are built on. None of it is owned; all must
// outlive the pages.
struct SettingsPageServices {
    TAbFlashTimer& flashTimer;
    LiveModel& live;
    SettingsModel& settings;
    CommandSender& sender;
    CylinderButtonsModel& cylinders;
    // The stored-fault texts are read from it in the language chosen last.
    const MessageTable& messages;
    // Whether the serial port is open.
    std::function<bool()> portOpen;
    // The map chart's right axis runs up to this (126 or 252 kPa).
    std::function<void(int)> setMapAxisMaximum;
};

}  // namespace brivel
