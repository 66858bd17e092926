#pragma once

#include "report/ReportInputs.h"

#include <QtCore/QByteArray>
#include <QtCore/QDateTime>
#include <QtCore/QObject>

#include <optional>

class QAction;

namespace brivel {

class Clock;
class Dialogs;
class LiveModel;
class MessageTable;
class SettingsModel;
class SettingsStore;
class UrlOpener;

namespace map {
class MapPageModel;
}

namespace report {

class ReportDialogs;

// "Plik → Raport…" and "Plik → Warsztat…". The report item is enabled once
// a settings image is known. A report asks for notes (and for the
// workshop's details while none are kept), then for the file, writes the
// PDF in the window's language with the settings image, the current and
// stored faults, the map and its learned curves, and opens it with the
// desktop's viewer.
class ReportMenu final : public QObject {
    Q_OBJECT
public:
    struct Services {
        Dialogs& dialogs;
        ReportDialogs& reportDialogs;
        SettingsStore& store;
        UrlOpener& urls;
        const MessageTable& messages;
        // Gives the date the report carries.
        const Clock& clock;
    };
    struct Models {
        const SettingsModel& settings;
        const LiveModel& live;
        const map::MapPageModel& map;
    };

    ReportMenu(const Services& services, const Models& models, QAction* reportItem,
               QAction* workshopItem);

    // The car and its last adaptation, for whoever knows them; none by
    // default.
    void setCar(const CarDetails& car) { car_ = car; }
    void setLastAdaptation(const std::optional<AdaptationSummary>& a) { adaptation_ = a; }

    void Raport1Click();
    void Warsztat1Click();

    // Writes the report of what the window shows now to `path`; false when
    // the file could not be written (the fitter has been told).
    bool writeReport(const QString& path, const QString& notes);

signals:
    // A report was written to this file.
    void reportWritten(const QString& path);

private:
    void settingsImageChanged(const QByteArray& image);
    bool ensureWorkshop();

    Services services_;
    Models models_;
    QAction* reportItem_;
    QByteArray image_;
    CarDetails car_;
    std::optional<AdaptationSummary> adaptation_;
};

}  // namespace report
}  // namespace brivel
