#include "report/qt/ReportMenu.h"

#include "i18n/MessageTable.h"
#include "live/LiveModel.h"
#include "map/MapPageModel.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ErrorHandler.h"
#include "platform/RecentFolders.h"
#include "platform/UrlOpener.h"
#include "report/ReportDialogs.h"
#include "report/ServiceReport.h"
#include "report/WorkshopStore.h"
#include "report/qt/PdfReport.h"
#include "settings/SettingsModel.h"

#include <QtCore/QDir>
#include <QtCore/QUrl>
#include <QtGui/QAction>

namespace brivel::report {

ReportMenu::ReportMenu(const Services& services, const Models& models, QAction* reportItem,
                       QAction* workshopItem)
    : services_(services), models_(models), reportItem_(reportItem)
{
    reportItem_->setEnabled(false);
    connect(&models.settings, &SettingsModel::parameterBlockChanged, this,
            &ReportMenu::settingsImageChanged);
    connect(reportItem, &QAction::triggered, this, &ReportMenu::Raport1Click);
    connect(workshopItem, &QAction::triggered, this, &ReportMenu::Warsztat1Click);
}

void ReportMenu::settingsImageChanged(const QByteArray& image)
{
    image_ = image;
    reportItem_->setEnabled(!image_.isEmpty());
}

void ReportMenu::Warsztat1Click()
{
    const auto edited = services_.reportDialogs.editWorkshop(readWorkshop(services_.store));
    if (edited)
        runHandler(services_.dialogs, [&] { storeWorkshop(services_.store, *edited); });
}

bool ReportMenu::ensureWorkshop()
{
    const WorkshopDetails kept = readWorkshop(services_.store);
    if (!(kept == WorkshopDetails{}))
        return true;
    const auto edited = services_.reportDialogs.editWorkshop(kept);
    if (!edited)
        return false;
    runHandler(services_.dialogs, [&] { storeWorkshop(services_.store, *edited); });
    return true;
}

void ReportMenu::Raport1Click()
{
    if (image_.isEmpty() || !ensureWorkshop())
        return;
    const auto notes = services_.reportDialogs.askNotes();
    if (!notes)
        return;
    // Reports are saved where the last one was.
    RecentFolders folders(services_.store);
    const QString path = services_.dialogs.saveFileName(
        services_.messages.text(msg::Row::ReportFilter) + QStringLiteral(" (*.pdf)"),
        QStringLiteral("pdf"), folders.folder(RecentFolders::Kind::Reports));
    if (path.isEmpty())
        return;
    folders.remember(RecentFolders::Kind::Reports, path);
    if (writeReport(path, *notes))
        services_.urls.open(QUrl::fromLocalFile(path).toString());
}

bool ReportMenu::writeReport(const QString& path, const QString& notes)
{
    ReportInput input;
    input.settingsImage = image_;
    input.currentFaultText = models_.live.snapshot().faultText;
    input.gasCurve = models_.map.chart().series(map::MapSeries::GasCurve);
    input.petrolCurve = models_.map.chart().series(map::MapSeries::PetrolCurve);
    input.car = car_;
    input.workshop = readWorkshop(services_.store);
    input.adaptation = adaptation_;
    input.notes = notes;
    input.createdAt = services_.clock.localDateTime();
    const MessageTable& table = services_.messages;
    const ReportContent content = serviceReport(
        input, [&table](msg::Row row) { return table.text(row); }, QLocale());
    QString error;
    if (!writeReportPdf(content, path, &error)) {
        services_.dialogs.showMessage(table.text(msg::Row::ReportCannotWrite) + QLatin1Char('\n') +
                                      QDir::toNativeSeparators(path) + QStringLiteral(" (") +
                                      error + QLatin1Char(')'));
        return false;
    }
    emit reportWritten(path);
    return true;
}

}  // namespace brivel::report
