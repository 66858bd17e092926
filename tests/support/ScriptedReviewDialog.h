#pragma once

#include "settings/SettingsReviewDialog.h"

#include <functional>

namespace brivel::test {

// Keeps every review shown and answers it: by `answer` when set, else with
// every line ticked ("Send" at once).
class ScriptedReviewDialog final : public SettingsReviewDialog {
public:
    std::optional<std::vector<bool>> review(const settings::review::Content& content) override
    {
        shown.push_back(content);
        if (answer)
            return answer(content);
        return std::vector<bool>(content.lines.size(), true);
    }

    std::function<std::optional<std::vector<bool>>(const settings::review::Content&)> answer;
    std::vector<settings::review::Content> shown;
};

}  // namespace brivel::test
