#include "app/TBrivel.h"

#include "app/LanguageSwitcher.h"
#include "app/LinkPresenter.h"
#include "app/PortMenu.h"
#include "app/RecordReplay.h"
#include "app/WindowCommandSender.h"
#include "app/WindowPages.h"
#include "app/WindowPlacement.h"
#include "app/ui/BottomBar.h"
#include "app/ui/InfoPage.h"
#include "app/ui/WindowCaptions.h"
#include "app/ui/WindowGrowth.h"
#include "app/ui/WindowLock.h"
#include "cars/CarSession.h"
#include "cars/CarVisit.h"
#include "cars/ui/CarLibraryView.h"
#include "i18n/LanguageColumns.h"
#include "link/ControllerLink.h"
#include "link/SerialPort.h"
#include "live/LiveModel.h"
#include "live/ui/DriveLogWindow.h"
#include "live/ui/FaultBanner.h"
#include "live/ui/LeftColumn.h"
#include "live/ui/OscilloscopePage.h"
#include "map/AdaptationProcedure.h"
#include "map/MapPageModel.h"
#include "map/ui/MapPage.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformError.h"
#include "report/qt/ReportMenu.h"
#include "report/ui/QtReportDialogs.h"
#include "settings/ui/CylinderButtons.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/FuelEditor.h"
#include "settings/LevelThresholdEditor.h"
#include "settings/SettingsMenu.h"
#include "settings/SettingsModel.h"
#include "settings/ui/ControlHelpTips.h"
#include "settings/ui/PanelPetrolPage.h"
#include "settings/ui/QtSettingsReviewDialog.h"
#include "widgets/TAbFlashTimer.h"
#include "widgets/ui/TAbToggleSwitch.h"

#include <QtGui/QCloseEvent>
#include <QtGui/QKeySequence>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QFrame>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolBar>

namespace brivel {

namespace {

constexpr int ClientWidth = 773;
constexpr int ClientHeight = 531;

}  // namespace

TBrivel::TBrivel(const Platform& platform, SerialPort& port, const WindowOptions& options,
                 QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      port_(port),
      options_(options),
      flashTimer_(std::make_unique<TAbFlashTimer>(*platform.clock)),
      liveModel_(std::make_unique<LiveModel>(messages_)),
      settingsModel_(std::make_unique<SettingsModel>(messages_)),
      cylinderModel_(std::make_unique<CylinderButtonsModel>(*settingsModel_))
{
    setObjectName(QStringLiteral("TBrivel"));
    setWindowTitle(QStringLiteral("Brivel ver. 1.01"));
    // The window's font family is rarely installed outside Windows.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    buildMenu();
    buildPanel();
    buildModels();
    pages_ = std::make_unique<WindowPages>(
        tabControl_, PageServices{*flashTimer_, *liveModel_, *settingsModel_, *levelThresholds_,
                                  *mapModel_, *adaptation_, *commandSender_, *platform_.urls,
                                  [this] { return port_.isOpen(); }});
    wireAdaptation();
    report::ReportDialogs* reportDialogs = options_.reportDialogs;
    if (!reportDialogs) {
        ownReportDialogs_ = std::make_unique<report::QtReportDialogs>(
            this, [this](msg::Row row) { return messages_.text(row); });
        reportDialogs = ownReportDialogs_.get();
    }
    reportMenu_ = std::make_unique<report::ReportMenu>(
        report::ReportMenu::Services{*platform_.dialogs, *reportDialogs, *platform_.settings,
                                     *platform_.urls, messages_, *platform_.clock},
        report::ReportMenu::Models{*settingsModel_, *liveModel_, *mapModel_}, raport1_, warsztat1_);
    driveLog_ =
        new DriveLogWindow(this, options_.replayPort, *platform_.dialogs, messages_, driveLog1_);
    connect(recordReplay_.get(), &RecordReplay::replayingChanged, driveLog_,
            &DriveLogWindow::replayingChanged);
    connect(recordReplay_.get(), &RecordReplay::replayPositionChanged, driveLog_,
            &DriveLogWindow::showPosition);
    pages_->map().setSendingPossible(false);
    connect(recordReplay_.get(), &RecordReplay::replayingChanged, &pages_->oscilloscope(),
            &OscilloscopePage::followReplay);
    connect(recordReplay_.get(), &RecordReplay::replayPositionChanged, &pages_->oscilloscope(),
            &OscilloscopePage::replayPositionChanged);
    connect(recordReplay_.get(), &RecordReplay::replayJumped, &pages_->oscilloscope(),
            &OscilloscopePage::replayJumped);
    applyCaptions(this, messages_, CaptionScope::Design);
    showControlHelp(this, messages_);
    // The design size is the least the window may have; with more, the
    // pages use the room.
    auto* growth = new WindowGrowth(panel1Gora_, QSize(ClientWidth, ClientHeight), this);
    connect(growth, &WindowGrowth::roomChanged, &pages_->map(), &MapPage::useRoom);
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    if (carLibrary_)
        resize(width(), height() + carLibrary_->strip()->sizeHint().height());
    move(138, 59);
    connectLink();
    wireCarLibrary();

    FormCreate();
}

TBrivel::~TBrivel()
{
    // The link tells the panels and pages; it goes while they still exist.
    linkPresenter_.reset();
    commandSender_.reset();
    link_.reset();
    recordReplay_.reset();
}

void TBrivel::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    // Captions that follow the language are left empty here: the caption
    // table fills them.
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption = QString()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setParent(this);
        return action;
    };

    QMenu* fileMenu = bar->addMenu(QString());
    fileMenu->setObjectName(QStringLiteral("Pliki1"));
    odczyt1_ = addItem(fileMenu, "Odczyt1");
    zapis1_ = addItem(fileMenu, "Zapis1");
    reset1_ = addItem(fileMenu, "Reset1", QStringLiteral("Reset"));
    setFileItemsAvailable(false);
    nagrywaj1_ = addItem(fileMenu, "Nagrywaj1");
    raport1_ = addItem(fileMenu, "Raport1");
    warsztat1_ = addItem(fileMenu, "Warsztat1");
    // Shows and hides the plot of the recording a replay plays.
    driveLog1_ = addItem(fileMenu, "DriveLog1");
    driveLog1_->setVisible(options_.replayPort != nullptr);
    // The car library's items show when there is a library.
    samochody1_ = addItem(fileMenu, "Samochody1");
    samochody1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    samochody1_->setVisible(options_.library != nullptr);
    zachowajPunkt1_ = addItem(fileMenu, "ZachowajPunkt1");
    zachowajPunkt1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    zachowajPunkt1_->setVisible(options_.library != nullptr);
    zachowajPunkt1_->setEnabled(false);
    QAction* exit1 = addItem(fileMenu, "Exit1", QStringLiteral("Exit"));
    connect(exit1, &QAction::triggered, this, &QWidget::close);

    // Its design caption differs from the table's ("Port").
    QMenu* portMenu = bar->addMenu(QStringLiteral("Porty"));
    portMenu->setObjectName(QStringLiteral("PortCOM"));
    // Offered only when there is a replay to play recordings on.
    odtworz1_ = new QAction(this);
    odtworz1_->setObjectName(QStringLiteral("Odtworz1"));
    portMenu_ = std::make_unique<PortMenu>(portMenu, port_, *platform_.dialogs, messages_,
                                           options_.demoPortName,
                                           options_.replayPort ? odtworz1_ : nullptr);

    QMenu* languageMenu = bar->addMenu(QString());
    languageMenu->setObjectName(QStringLiteral("Jazyk"));
    languages_ = std::make_unique<LanguageSwitcher>(languageMenu, this, messages_, links_,
                                                    *platform_.settings);
}

void TBrivel::buildPanel()
{
    panel1Gora_ = new QFrame(this);
    panel1Gora_->setObjectName(QStringLiteral("Panel1Gora"));
    panel1Gora_->setAutoFillBackground(true);
    setCentralWidget(panel1Gora_);

    leftColumn_ = new LeftColumn(panel1Gora_, *flashTimer_, *liveModel_);
    cylinderButtons_ = new CylinderButtons(panel1Gora_, *flashTimer_, *cylinderModel_);
    bottomBar_ = new BottomBar(panel1Gora_, *flashTimer_, *liveModel_);

    tabControl_ = new QTabWidget(panel1Gora_);
    tabControl_->setObjectName(QStringLiteral("tab_control"));
    tabControl_->setGeometry(176, 14, 593, 495);
    tabControl_->tabBar()->setAttribute(Qt::WA_Hover);
    // Ten captions have to fit across the page control without scroll arrows,
    // in every language.
    tabControl_->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 3px 3px; }"
                       "QTabBar::tab:hover { background: #dde8f6; }"));
    tabControl_->setUsesScrollButtons(false);

    faultBanner_ = new FaultBanner(panel1Gora_, *liveModel_);
}

void TBrivel::buildModels()
{
    link_ = std::make_unique<ControllerLink>(port_, *platform_.clock);
    commandSender_ = std::make_unique<WindowCommandSender>(*link_, *platform_.dialogs, messages_);
    recordReplay_ = std::make_unique<RecordReplay>(
        RecordReplay::Parts{*this, *link_, port_, *bottomBar_, *settingsModel_, messages_,
                            *platform_.clock, *platform_.dialogs, folders_},
        options_.replayPort, options_.recordingFolder, nagrywaj1_, odtworz1_);
    levelThresholds_ = std::make_unique<LevelThresholdEditor>(*commandSender_, *settingsModel_);
    fuelEditor_ = std::make_unique<FuelEditor>(
        *commandSender_, *cylinderModel_, [this] { return port_.isOpen(); },
        [this] { return liveModel_->snapshot().gasSelected; });
    SettingsReviewDialog* review = options_.reviewDialog;
    if (!review) {
        auto own = std::make_unique<QtSettingsReviewDialog>();
        own->setParent(this);
        review = own.get();
        ownReview_ = std::move(own);
    }
    settingsMenu_ = std::make_unique<SettingsMenu>(
        *platform_.dialogs, *commandSender_, *settingsModel_, *platform_.clock, messages_,
        [this] { liveModel_->hideBanner(); }, *review, folders_);
    if (options_.library)
        carLibrary_ = std::make_unique<cars::CarLibraryView>(
            cars::CarLibraryView::Parts{*this, *options_.library, *commandSender_,
                                        *platform_.dialogs, messages_, *platform_.clock});
    mapModel_ = std::make_unique<map::MapPageModel>(*commandSender_, messages_);
    adaptation_ = std::make_unique<map::AdaptationProcedure>(
        map::AdaptationProcedure::Models{*liveModel_, *settingsModel_, *cylinderModel_,
                                         mapModel_->map(), messages_},
        *commandSender_, *platform_.dialogs, *platform_.clock);
}

void TBrivel::connectLink()
{
    // Each report reaches its receivers in the order they are connected,
    // which is the order of the disconnect's steps: the indicators blank,
    // the "Plik" items hide, the cylinder buttons grey, a replay ends and
    // puts the fitter's port back; then the presenter shows the link
    // offline and stores the port settings, and the language after them.
    ControllerLink* link = link_.get();
    LiveModel* live = liveModel_.get();
    RecordReplay* recordReplay = recordReplay_.get();
    connect(link, &ControllerLink::connecting, &pages_->oscilloscope(),
            &OscilloscopePage::linkConnecting);
    connect(link, &ControllerLink::connecting, recordReplay, &RecordReplay::linkConnecting);
    connect(link, &ControllerLink::settingsImageReceived, settingsModel_.get(),
            &SettingsModel::settingsImageReceived);
    connect(link, &ControllerLink::connected, live, &LiveModel::linkConnected);
    connect(link, &ControllerLink::connected, this, &TBrivel::linkConnected);
    connect(link, &ControllerLink::connected, recordReplay, &RecordReplay::linkConnected);
    connect(link, &ControllerLink::liveReplyReceived, live, &LiveModel::liveReplyReceived);
    connect(link, &ControllerLink::liveReplyReceived, recordReplay,
            &RecordReplay::liveReplyReceived);
    connect(link, &ControllerLink::disconnected, live, &LiveModel::linkDisconnected);
    connect(link, &ControllerLink::disconnected, this, &TBrivel::linkDisconnected);
    connect(link, &ControllerLink::disconnected, recordReplay, &RecordReplay::linkDisconnected);
    linkPresenter_ = std::make_unique<LinkPresenter>(
        *link, LinkPresenter::Controls{bottomBar_, this, panel1Gora_}, port_, *platform_.dialogs,
        *platform_.settings, messages_);
    connect(linkPresenter_.get(), &LinkPresenter::portSettingsStored, this,
            &TBrivel::portSettingsStored);

    PortMenu* ports = portMenu_.get();
    connect(ports, &PortMenu::connectRequested, link, &ControllerLink::connectToController);
    // With a car library, "Rozłącz" asks it first whether to keep changed settings.
    if (!carLibrary_)
        connect(ports, &PortMenu::disconnectRequested, link,
                &ControllerLink::disconnectFromController);
    connect(ports, &PortMenu::portGone, link, &ControllerLink::portFailed);
    connect(ports, &PortMenu::portsListed, &pages_->panelPetrol(), &PanelPetrolPage::showPorts);
    connect(recordReplay, &RecordReplay::replayingChanged, commandSender_.get(),
            &WindowCommandSender::setReplaying);

    connect(languages_.get(), &LanguageSwitcher::languageChanged, this,
            [this] { pages_->info().setLinks(links_.webAddress(), links_.mailLink()); });
    connect(languages_.get(), &LanguageSwitcher::languageChanged, this,
            [this] { qtTranslations_.choose(qtTranslationCode(messages_.language())); });
    connect(languages_.get(), &LanguageSwitcher::languageChanged, this,
            [this] { showControlHelp(this, messages_); });
    connect(&pages_->info(), &InfoPage::flagClicked, languages_.get(),
            &LanguageSwitcher::LangClick);
    connect(faultBanner_, &FaultBanner::faultPageRequested, this,
            [this] { pages_->show(Page::Error); });

    connect(cylinderButtons_, &CylinderButtons::buttonClicked, this,
            [this](int k) { fuelEditor_->Cyl_x_ledClick(k); });
    connect(bottomBar_->fuelSwitch(), &TAbBinGControl::clicked, this,
            [this] { fuelEditor_->paliwo_SwitchClick(FuelEditor::Sender::Switch); });
    connect(odczyt1_, &QAction::triggered, this,
            [this] { runFileItem(&SettingsMenu::Odczyt1Click); });
    connect(zapis1_, &QAction::triggered, this,
            [this] { runFileItem(&SettingsMenu::Zapis1Click); });
    connect(reset1_, &QAction::triggered, this,
            [this] { runFileItem(&SettingsMenu::Reset1Click); });
}

void TBrivel::wireAdaptation()
{
    // While an adaptation runs the fitter stays on its page: the panel, the
    // other tabs and the "Plik", "Porty" and "Język" menus do not respond.
    windowLock_ = std::make_unique<WindowLock>(
        panel1Gora_, tabControl_,
        QList<QMenu*>{findChild<QMenu*>(QStringLiteral("Pliki1")), portMenu_->menu(),
                      findChild<QMenu*>(QStringLiteral("Jazyk"))});
    connect(adaptation_.get(), &map::AdaptationProcedure::lockedChanged, this,
            [this](bool locked) { windowLock_->setLocked(locked); });
    // The transfer's end: the window takes input again, no longer grey.
    connect(adaptation_.get(), &map::AdaptationProcedure::transferEnded, this,
            [this] { linkPresenter_->setBusy(false); });
    connect(recordReplay_.get(), &RecordReplay::replayingChanged, adaptation_.get(),
            &map::AdaptationProcedure::setReplaying);
}

void TBrivel::wireCarLibrary()
{
    if (!carLibrary_)
        return;
    // The visit hears each report after the settings model, so the image a
    // point keeps is the one the pages show.
    cars::CarVisit* visit = &carLibrary_->visit();
    cars::CarSession* session = &carLibrary_->session();
    ControllerLink* link = link_.get();
    connect(link, &ControllerLink::connecting, visit, &cars::CarVisit::linkConnecting);
    connect(link, &ControllerLink::settingsImageReceived, visit,
            &cars::CarVisit::settingsImageReceived);
    connect(link, &ControllerLink::connected, visit, &cars::CarVisit::linkConnected);
    connect(link, &ControllerLink::disconnected, visit, &cars::CarVisit::linkDisconnected);
    connect(commandSender_.get(), &WindowCommandSender::commandQueued, visit,
            &cars::CarVisit::commandQueued);
    connect(recordReplay_.get(), &RecordReplay::replayingChanged, visit,
            &cars::CarVisit::setReplaying);
    connect(portMenu_.get(), &PortMenu::disconnectRequested, visit,
            &cars::CarVisit::disconnectRequested);
    connect(visit, &cars::CarVisit::disconnectNow, link, &ControllerLink::disconnectFromController);
    connect(visit, &cars::CarVisit::connectedChanged, zachowajPunkt1_, &QAction::setEnabled);
    connect(zachowajPunkt1_, &QAction::triggered, visit, &cars::CarVisit::keepPointNow);
    connect(samochody1_, &QAction::triggered, carLibrary_.get(), &cars::CarLibraryView::showCars);
    connect(adaptation_.get(), &map::AdaptationProcedure::resultReached, session,
            &cars::CarSession::adaptationFinished);
    connect(recordReplay_.get(), &RecordReplay::recordingStarted, session,
            &cars::CarSession::recordingStarted);
    connect(recordReplay_.get(), &RecordReplay::recordingEnded, session,
            &cars::CarSession::recordingEnded);
    connect(carLibrary_.get(), &cars::CarLibraryView::restoreRequested, this,
            [this](const QByteArray& image) {
                runHandler(*platform_.dialogs, [this, image] { settingsMenu_->restore(image); });
            });
    connect(carLibrary_.get(), &cars::CarLibraryView::replayRequested, recordReplay_.get(),
            &RecordReplay::playRecording);
    connect(languages_.get(), &LanguageSwitcher::languageChanged, carLibrary_.get(),
            &cars::CarLibraryView::showTexts);
}

void TBrivel::FormCreate()
{
    int screenWidth = options_.screenWidth;
    if (screenWidth <= 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenWidth = screen ? screen->size().width() : 1024;
    }
    if (screenWidth <= 800)
        setWindowState(windowState() | Qt::WindowMaximized);
    // The size and place the window had when it last closed.
    if (const auto placement = WindowPlacement::load(*platform_.settings)) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const WindowPlacement fit = placement->fitted(
            screen ? screen->availableGeometry() : QRect(), minimumSizeHint());
        setGeometry(fit.geometry);
        if (fit.maximised)
            setWindowState(windowState() | Qt::WindowMaximized);
    }

    // Start-up steps 3 to 12; an error raised here skips the rest of them.
    runHandler(*platform_.dialogs, [this] {
        portMenu_->listPortsAtStart();
        port_.loadSettings(*platform_.settings);
        portMenu_->checkLoadedPort();
        languages_->restore();
        leftColumn_->prepareDial();
    });
}

void TBrivel::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TBrivel::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    try {
        WindowPlacement{normalGeometry(), isMaximized()}.store(*platform_.settings);
    } catch (const PlatformError&) {
        // The next start opens at the design size.
    }
    link_->shutdown();
}

void TBrivel::linkConnected()
{
    setFileItemsAvailable(!recordReplay_->replaying());
    pages_->map().setSendingPossible(!recordReplay_->replaying());
}

void TBrivel::linkDisconnected()
{
    setFileItemsAvailable(false);
    pages_->map().setSendingPossible(false);
    cylinderModel_->greyOut();
}

void TBrivel::setFileItemsAvailable(bool available)
{
    for (QAction* item : {odczyt1_, zapis1_, reset1_}) {
        item->setVisible(available);
        item->setEnabled(available);
    }
}

void TBrivel::runFileItem(void (SettingsMenu::*handler)())
{
    runHandler(*platform_.dialogs, [this, handler] { (settingsMenu_.get()->*handler)(); });
}

void TBrivel::portSettingsStored()
{
    try {
        languages_->store();
    } catch (const PlatformError& error) {
        linkPresenter_->reportError(error.text());
    }
}

}  // namespace brivel
