#include "report/ServiceReport.h"

#include "map/AdaptationResult.h"
#include "map/InjectionMap.h"
#include "map/MapChartModel.h"
#include "settings/FieldText.h"
#include "settings/ParameterBlock.h"
#include "settings/StoredFaults.h"

#include <QtCore/QRegularExpression>

namespace brivel::report {

namespace {

QStringList lines(const QString& text)
{
    QStringList out;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r?\n"))))
        if (!line.trimmed().isEmpty())
            out.append(line.trimmed());
    return out;
}

std::optional<ReportChart> chartOf(const ReportInput& input, const settings::ParameterBlock& image,
                                   const settings::MessageLookup& text)
{
    map::InjectionMap injectionMap;
    if (!image.holds(settings::Field::InjectionMap) || !injectionMap.load(input.settingsImage))
        return std::nullopt;
    map::MapChartModel model;
    model.RedrawInjectionMap(injectionMap, 0, 0);
    ReportChart chart;
    chart.map = model.series(map::MapSeries::Map);
    chart.gasCurve = input.gasCurve;
    chart.petrolCurve = input.petrolCurve;
    chart.rightAxisMaximum =
        map::MapChartModel::rightAxisMaximum(image.flag(settings::Field::Turbo).value_or(false));
    chart.title = text(msg::Row::MapTab).trimmed();
    chart.leftAxisTitle = text(msg::Row::MapAxisTitle).trimmed();
    chart.multiplierTitle = text(msg::Row::MultiplierSeries).trimmed();
    chart.gasTitle = text(msg::Row::GasDiagramSeries).trimmed();
    chart.petrolTitle = text(msg::Row::PetrolDiagramSeries).trimmed();
    return chart;
}

}  // namespace

ReportContent serviceReport(const ReportInput& input, const settings::MessageLookup& text,
                            const QLocale& locale)
{
    const settings::ParameterBlock image(input.settingsImage);
    auto t = [&](msg::Row row) { return text(row).trimmed(); };

    ReportContent r;
    r.title = t(msg::Row::ReportTitle);
    for (const QString& part : {input.workshop.name, input.workshop.address, input.workshop.phone})
        if (!part.trimmed().isEmpty())
            r.workshop.append(part.trimmed());

    auto detail = [&](msg::Row label, const QString& value) {
        if (!value.trimmed().isEmpty())
            r.details.emplace_back(t(label), value.trimmed());
    };
    detail(msg::Row::ReportFitter, input.workshop.fitter);
    detail(msg::Row::ReportDate, locale.toString(input.createdAt, QLocale::ShortFormat));
    detail(msg::Row::ReportPlate, input.car.plate);
    detail(msg::Row::ReportVin, input.car.vin);
    detail(msg::Row::ReportMakeModel, input.car.makeAndModel);
    detail(msg::Row::ReportOwner, input.car.owner);
    detail(msg::Row::ReportController, settings::fieldtext::firmwareVersion(image));

    r.settingsTitle = t(msg::Row::ReportSettings);
    r.valueHeading = t(msg::Row::ReportColumnValue);
    r.unitHeading = t(msg::Row::ReportColumnUnit);
    r.settings = settingsSheet(image, text, locale);

    r.noFaults = t(msg::Row::NoneOf);
    r.currentFaultsTitle = t(msg::Row::CurrentFaults);
    if (input.currentFaultText)
        r.currentFaults = lines(*input.currentFaultText);
    r.storedFaultsTitle = t(msg::Row::StoredFaults);
    if (image.holds(settings::Field::FaultMemory))
        r.storedFaults = lines(settings::storedFaultText(image, text));
    else
        r.storedFaults = QStringList{settings::fieldtext::absent()};

    r.chart = chartOf(input, image, text);

    r.adaptationTitle = t(msg::Row::ReportAdaptation);
    if (const auto& a = input.adaptation) {
        QString line = locale.toString(a->endedAt, QLocale::ShortFormat);
        line += QStringLiteral(" — ") + t(msg::Row::AdaptationMultiplier) + QLatin1Char(' ') +
                map::AdaptationResult::multiplierText(a->multiplier, locale);
        if (map::InjectionMap::contains(a->baseEntry))
            line += QStringLiteral(" (%1 ms)")
                        .arg(locale.toString(map::InjectionMap::petrolMs(a->baseEntry), 'f', 1));
        r.adaptation.append(line);
        if (!a->advice.trimmed().isEmpty())
            r.adaptation.append(a->advice.trimmed());
    }

    r.notesTitle = t(msg::Row::ReportNotes);
    r.notes = input.notes.trimmed();
    r.fitterSignature = t(msg::Row::ReportFitterSignature);
    r.customerSignature = t(msg::Row::ReportCustomerSignature);
    r.pageNumber = t(msg::Row::ReportPage);
    return r;
}

}  // namespace brivel::report
