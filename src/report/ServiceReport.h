#pragma once

#include "map/MapChartSeries.h"
#include "report/ReportInputs.h"
#include "report/SettingsSheet.h"

#include <QtCore/QByteArray>
#include <QtCore/QDateTime>
#include <QtCore/QLocale>
#include <QtCore/QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace brivel::report {

// Everything a service report is made of.
struct ReportInput {
    // The controller's settings image the report records.
    QByteArray settingsImage;
    // The current faults as the "Error" page lists them (CR LF lines); none
    // where nobody knows them, as for a settings file.
    std::optional<QString> currentFaultText;
    // The learned curves of the map chart's model, as the chart shows them.
    map::PointList gasCurve;
    map::PointList petrolCurve;
    CarDetails car;
    WorkshopDetails workshop;
    std::optional<AdaptationSummary> adaptation;
    QString notes;
    QDateTime createdAt;
};

// The map with both learned curves: the chart model's series and the texts
// around them.
struct ReportChart {
    map::PointList map;  // multipliers over petrol ms, left axis
    map::PointList gasCurve;
    map::PointList petrolCurve;  // kPa over petrol ms, right axis
    int rightAxisMaximum = 126;
    QString title;
    QString leftAxisTitle;
    QString multiplierTitle;
    QString gasTitle;
    QString petrolTitle;
};

// The report in the words of one language, ready to lay out.
struct ReportContent {
    QString title;
    QStringList workshop;  // the workshop's name, address and phone, those given
    std::vector<std::pair<QString, QString>> details;  // label, value
    QString settingsTitle;
    QString valueHeading;
    QString unitHeading;
    std::vector<SheetGroup> settings;
    QString currentFaultsTitle;
    std::optional<QStringList> currentFaults;
    QString storedFaultsTitle;
    QStringList storedFaults;
    QString noFaults;
    std::optional<ReportChart> chart;
    QString adaptationTitle;
    QStringList adaptation;
    QString notesTitle;
    QString notes;
    QString fitterSignature;
    QString customerSignature;
    QString pageNumber;  // %1 of %2
};

// The report's words for `input` in the language `text` answers in, numbers
// and dates in `locale`.
ReportContent serviceReport(const ReportInput& input, const settings::MessageLookup& text,
                            const QLocale& locale);

}  // namespace brivel::report
