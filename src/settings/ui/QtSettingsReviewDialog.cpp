#include "settings/ui/QtSettingsReviewDialog.h"

#include "settings/ui/SettingsReviewWindow.h"

namespace brivel {

std::optional<std::vector<bool>> QtSettingsReviewDialog::review(
    const settings::review::Content& content)
{
    SettingsReviewWindow window(content, parent_);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.ticked();
}

}  // namespace brivel
