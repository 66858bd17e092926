#pragma once

#include "report/ReportInputs.h"

#include <QtCore/QString>

#include <optional>

namespace brivel::report {

// The two small dialogs of the report: each returns when the fitter has
// answered, with nothing when they cancelled.
class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;
    // The notes for a report, empty when none were written.
    virtual std::optional<QString> askNotes() = 0;
    // The workshop's details, starting from those kept so far.
    virtual std::optional<WorkshopDetails> editWorkshop(const WorkshopDetails& current) = 0;
};

}  // namespace brivel::report
