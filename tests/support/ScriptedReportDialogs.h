#pragma once

#include "report/ReportDialogs.h"

#include <deque>

namespace brivel::test {

// The report's dialogs answered from a script: the next answers in order,
// cancelled when none is left.
class ScriptedReportDialogs final : public report::ReportDialogs {
public:
    std::optional<QString> askNotes() override
    {
        ++notesAsked;
        if (notes.empty())
            return std::nullopt;
        auto answer = notes.front();
        notes.pop_front();
        return answer;
    }
    std::optional<report::WorkshopDetails> editWorkshop(
        const report::WorkshopDetails& current) override
    {
        shownWorkshop = current;
        ++workshopAsked;
        if (workshops.empty())
            return std::nullopt;
        auto answer = workshops.front();
        workshops.pop_front();
        return answer;
    }

    std::deque<std::optional<QString>> notes;
    std::deque<std::optional<report::WorkshopDetails>> workshops;
    report::WorkshopDetails shownWorkshop;
    int notesAsked = 0;
    int workshopAsked = 0;
};

}  // namespace brivel::test
