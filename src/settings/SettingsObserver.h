#pragma once

namespace brivel {

class SettingsModel;

// A view of the settings model: shows the settings image just received or
// edited (a new revision), or the stored-fault list just changed.
class SettingsObserver {
public:
    virtual ~SettingsObserver() = default;
    virtual void settingsChanged(const SettingsModel& model) = 0;
};

}  // namespace brivel
