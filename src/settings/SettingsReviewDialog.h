#pragma once

#include "settings/SettingsReview.h"

#include <optional>
#include <vector>

namespace brivel {

// The modal review of a settings file before it is written: the differing
// lines with a checkbox each, all ticked at first, "Send" as the default
// button and "Cancel". Injected like the other dialogs, so that tests answer
// it from a script.
class SettingsReviewDialog {
public:
    virtual ~SettingsReviewDialog() = default;

    // One flag per line of `content`, in order: true for a line kept ticked.
    // Nothing when the fitter cancelled.
    virtual std::optional<std::vector<bool>> review(const settings::review::Content& content) = 0;
};

}  // namespace brivel
