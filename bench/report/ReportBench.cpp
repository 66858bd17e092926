// Writing a service report: its words from the settings image, and the A4
// PDF painted with Qt's writer, with full fault lists and both learned curves.

#include "BlockBuilder.h"
#include "i18n/MessageTable.h"
#include "live/LiveFrame.h"
#include "report/ServiceReport.h"
#include "report/qt/PdfReport.h"

#include <benchmark/benchmark.h>

#include <QtCore/QTemporaryDir>
#include <QtGui/QGuiApplication>

namespace {

using namespace brivel;
using namespace brivel::report;

ReportInput heavyReport(const MessageTable& table)
{
    QByteArray image = test::settingsBlock();
    for (int k = settings::SettingsRegionFirst; k <= settings::SettingsRegionLast; ++k)
        image[k] = static_cast<char>(k * 37);
    for (int k = 0; k < settings::FaultEntries; ++k)
        image[settings::offsetOf(settings::Field::FaultMemory) + k] = static_cast<char>(k % 9);
    ReportInput in;
    in.settingsImage = image;
    in.currentFaultText = live::currentFaultText(
        0x00, 0x00, 0x00, [&table](msg::Row row) { return table.text(row); });
    for (int i = 0; i < 200; ++i) {
        in.gasCurve.push_back({1.0 + i * 0.1, 20.0 + i * 0.4, map::colours::Green});
        in.petrolCurve.push_back({1.0 + i * 0.1, 18.0 + i * 0.42, map::colours::Red});
    }
    in.car = {QStringLiteral("WX 1234A"), QStringLiteral("TMBJJ7NE8J0123456"),
              QStringLiteral("Škoda Octavia"), QStringLiteral("Jan Kowalski")};
    in.workshop = {QStringLiteral("Auto-Gaz"), QStringLiteral("ul. Długa 5"),
                   QStringLiteral("22 123 45 67"), QStringLiteral("Piotr Nowak")};
    in.adaptation = AdaptationSummary{QDateTime::currentDateTime(), 135, 40, QStringLiteral("ok")};
    in.notes = QString(1000, QLatin1Char('x'));
    in.createdAt = QDateTime::currentDateTime();
    return in;
}

// From the inputs to the PDF on disk.
void BM_WriteAReport(benchmark::State& state)
{
    MessageTable table;
    table.setLanguage(MessageTable::Polish);
    const ReportInput in = heavyReport(table);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const ReportContent content = serviceReport(
            in, [&table](msg::Row row) { return table.text(row); }, QLocale());
        if (!writeReportPdf(content, path)) {
            state.SkipWithError("cannot write the report");
            return;
        }
    }
}
BENCHMARK(BM_WriteAReport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
