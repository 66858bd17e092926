#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"

namespace brivel {

// The services the window takes from its surroundings. None is owned here.
struct Platform {
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    SettingsStore* settings = nullptr;
    UrlOpener* urls = nullptr;
};

}  // namespace brivel
