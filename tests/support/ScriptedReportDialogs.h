#pragma once

#include "report/ReportDialogs.h"

#include <QtCore/QStringList>

#include <deque>

namespace brivel::test {

// The report's dialogs answered from a script: the next answers in order,
// cancelled when none is left. A null text among the notes cancels too; an
// empty one gives a report without notes.
class ScriptedReportDialogs final : public report::ReportDialogs {
public:
    std::optional<QString> askNotes() override
    {
        ++notesAsked;
        if (notes.isEmpty() || notes.first().isNull()) {
            if (!notes.isEmpty())
                notes.removeFirst();
            return std::nullopt;
        }
        return notes.takeFirst();
    }
    std::optional<report::WorkshopDetails> editWorkshop(
        const report::WorkshopDetails& current) override
    {
        shownWorkshop = current;
        ++workshopAsked;
        if (workshops.empty())
            return std::nullopt;
        const report::WorkshopDetails answer = workshops.front();
        workshops.pop_front();
        return answer;
    }

    QStringList notes;
    std::deque<report::WorkshopDetails> workshops;
    report::WorkshopDetails shownWorkshop;
    int notesAsked = 0;
    int workshopAsked = 0;
};

}  // namespace brivel::test
