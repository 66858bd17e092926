#pragma once

#include "report/ReportDialogs.h"
#include "settings/StoredFaults.h"

class QWidget;

namespace brivel::report {

// The report's dialogs as modal windows over `parent`, captions in the
// language the lookup answers in when each is shown.
class QtReportDialogs final : public ReportDialogs {
public:
    QtReportDialogs(QWidget* parent, settings::MessageLookup text);

    std::optional<QString> askNotes() override;
    std::optional<WorkshopDetails> editWorkshop(const WorkshopDetails& current) override;

    // The notes are kept short enough for the report's last page.
    static constexpr int MaxNotes = 1200;

private:
    QWidget* parent_;
    settings::MessageLookup text_;
};

}  // namespace brivel::report
