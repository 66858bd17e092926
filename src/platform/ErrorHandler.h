#pragma once

#include "platform/Dialogs.h"

#include <functional>

namespace brivel {

// The application's default error handler: runs a handler, and when it raises
// an error shows the error's text and lets the program go on. Returns false
// when the handler was cut short.
bool runHandler(Dialogs& dialogs, const std::function<void()>& handler);

}  // namespace brivel
