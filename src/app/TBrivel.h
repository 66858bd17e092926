#pragma once

#include "i18n/LinkTable.h"
#include "i18n/MessageTable.h"
#include "platform/Platform.h"
#include "platform/RecentFolders.h"
#include "platform/qt/QtTranslations.h"

#include <QtWidgets/QMainWindow>

#include <memory>

class QAction;
class QFrame;
class QTabWidget;

namespace brivel {

class BottomBar;
class ControllerLink;
class DriveLogWindow;
class CylinderButtons;
class CylinderButtonsModel;
class FaultBanner;
class FuelEditor;
class LanguageSwitcher;
class LevelThresholdEditor;
class LeftColumn;
class LinkPresenter;
class LiveModel;
class PortMenu;
class RecordReplay;
class ReplayPort;
class SerialPort;
class SettingsMenu;
class SettingsModel;
class SettingsReviewDialog;
class TAbFlashTimer;
class WindowCommandSender;
class WindowLock;
class WindowPages;

namespace cars {
class CarLibraryView;
class LibraryService;
}  // namespace cars

namespace map {
class AdaptationProcedure;
class MapPageModel;
}  // namespace map

namespace report {
class ReportDialogs;
class ReportMenu;
}  // namespace report

// What the window takes from its surroundings beyond the platform.
struct WindowOptions {
    // The width of the screen; 0 asks the primary screen.
    int screenWidth = 0;
    // The port name under which the emulated controller is offered after the
    // real ports; empty offers none.
    QString demoPortName;
    // The review shown before "Odczyt" writes a file; null: the window's own.
    SettingsReviewDialog* reviewDialog = nullptr;
    // The recordings "Odtwórz…" plays: the window's port must route
    // ReplayPort::PortName to it. None hides the item. Not owned.
    ReplayPort* replayPort = nullptr;
    // Where "Nagrywaj" writes; empty is the user's documents folder.
    QString recordingFolder;
    // The service report's notes and workshop dialogs; null: the window's own.
    report::ReportDialogs* reportDialogs = nullptr;
    // The car library, started; none hides "Samochody" and the car line.
    // Not owned.
    cars::LibraryService* library = nullptr;
};

// The one window of the program: the menus, the tab control and the wiring
// of the subsystems' models, panels and pages, which build their own controls.
class TBrivel : public QMainWindow {
    Q_OBJECT
public:
    TBrivel(const Platform& platform, SerialPort& port, const WindowOptions& options = {},
            QWidget* parent = nullptr);
    ~TBrivel() override;

    ControllerLink& link() const { return *link_; }
    const MessageTable& messageTable() const { return messages_; }
    LiveModel& liveModel() const { return *liveModel_; }
    SettingsModel& settingsModel() const { return *settingsModel_; }
    CylinderButtonsModel& cylinderButtons() const { return *cylinderModel_; }
    WindowPages& pages() const { return *pages_; }
    BottomBar& bottomBar() const { return *bottomBar_; }
    PortMenu& portMenu() const { return *portMenu_; }
    LanguageSwitcher& languages() const { return *languages_; }
    SettingsMenu& settingsMenu() const { return *settingsMenu_; }
    // "Nagrywaj", "Odtwórz…" and their status strip.
    RecordReplay& recordReplay() const { return *recordReplay_; }
    // "Raport…" and "Warsztat…".
    report::ReportMenu& reportMenu() const { return *reportMenu_; }
    // The drive-log plot of a replay.
    DriveLogWindow* driveLog() const { return driveLog_; }
    // The car library's line, windows and visit; null without a library.
    cars::CarLibraryView* carLibrary() const { return carLibrary_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildPanel();
    void buildModels();
    void connectLink();
    void wireAdaptation();
    void wireCarLibrary();

    void FormCreate();
    void FormClose();
    void setFileItemsAvailable(bool available);
    // A handler of "Plik", run under the default error handler.
    void runFileItem(void (SettingsMenu::*handler)());

    // The "Plik" items follow the connection; a replay has no settings to
    // read or write.
    void linkConnected();
    // The disconnect also greys the cylinder buttons.
    void linkDisconnected();
    // The disconnect stores the language after the port settings.
    void portSettingsStored();

    Platform platform_;
    SerialPort& port_;
    WindowOptions options_;
    bool closed_ = false;
    MessageTable messages_;
    LinkTable links_;
    RecentFolders folders_{*platform_.settings};
    // Qt's own texts follow the language chosen.
    QtTranslations qtTranslations_;
    std::unique_ptr<TAbFlashTimer> flashTimer_;
    std::unique_ptr<LiveModel> liveModel_;
    std::unique_ptr<SettingsModel> settingsModel_;
    std::unique_ptr<CylinderButtonsModel> cylinderModel_;
    std::unique_ptr<map::MapPageModel> mapModel_;
    std::unique_ptr<map::AdaptationProcedure> adaptation_;

    QAction* odczyt1_ = nullptr;
    QAction* zapis1_ = nullptr;
    QAction* reset1_ = nullptr;
    QAction* nagrywaj1_ = nullptr;
    QAction* odtworz1_ = nullptr;
    QAction* samochody1_ = nullptr;
    QAction* zachowajPunkt1_ = nullptr;
    std::unique_ptr<PortMenu> portMenu_;
    std::unique_ptr<LanguageSwitcher> languages_;
    QAction* raport1_ = nullptr;
    QAction* warsztat1_ = nullptr;
    QAction* driveLog1_ = nullptr;

    QFrame* panel1Gora_ = nullptr;
    QTabWidget* tabControl_ = nullptr;
    LeftColumn* leftColumn_ = nullptr;
    CylinderButtons* cylinderButtons_ = nullptr;
    BottomBar* bottomBar_ = nullptr;
    FaultBanner* faultBanner_ = nullptr;
    std::unique_ptr<WindowPages> pages_;
    std::unique_ptr<WindowLock> windowLock_;

    // Last: the link goes first, while everything it tells still exists.
    std::unique_ptr<ControllerLink> link_;
    std::unique_ptr<LinkPresenter> linkPresenter_;
    std::unique_ptr<WindowCommandSender> commandSender_;
    std::unique_ptr<LevelThresholdEditor> levelThresholds_;
    std::unique_ptr<RecordReplay> recordReplay_;
    std::unique_ptr<FuelEditor> fuelEditor_;
    std::unique_ptr<SettingsMenu> settingsMenu_;
    std::unique_ptr<SettingsReviewDialog> ownReview_;
    std::unique_ptr<report::ReportDialogs> ownReportDialogs_;
    std::unique_ptr<report::ReportMenu> reportMenu_;
    DriveLogWindow* driveLog_ = nullptr;
    std::unique_ptr<cars::CarLibraryView> carLibrary_;
};

}  // namespace brivel
