#include "platform/ErrorHandler.h"

#include "platform/PlatformError.h"

#include <exception>

namespace brivel {

bool runHandler(Dialogs& dialogs, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const PlatformError& error) {
        dialogs.showError(error.text());
    } catch (const std::exception& error) {
        dialogs.showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

}  // namespace brivel
