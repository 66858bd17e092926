#pragma once

#include "report/ServiceReport.h"

#include <QtCore/QString>

class QPagedPaintDevice;

namespace brivel::report {

// Lays a report out on A4 pages and paints it: the head with the workshop
// and the car, the settings table, the map chart drawn as lines from the
// chart model's points, the fault lists, the last adaptation, the notes and
// the two signature lines. The blocks flow from page to page; the fault
// lists take as many columns as they need, and the notes are cut to the
// room the last page leaves, so that any settings fit on two pages.
// Returns the number of pages painted.
int paintReport(const ReportContent& content, QPagedPaintDevice& device);

// Writes the report as a PDF with Qt's own writer, A4 portrait; false with
// `error` set when the file cannot be written.
bool writeReportPdf(const ReportContent& content, const QString& path, QString* error = nullptr);

}  // namespace brivel::report
