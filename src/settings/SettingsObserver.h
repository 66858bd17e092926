#pragma once

namespace brivel {

class SettingsModel;

// A view of the settings model: shows the settings image just received, or
// the stored-fault list just cleared.
class SettingsObserver {
public:
    virtual ~SettingsObserver() = default;
    virtual void settingsChanged(const SettingsModel& model) = 0;
};

}  // namespace brivel
