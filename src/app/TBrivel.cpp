#include "app/TBrivel.h"

#include "app/ui/BottomBar.h"
#include "app/ui/InfoPage.h"
#include "app/LinkPresenter.h"
#include "app/RecordReplay.h"
#include "app/ui/WindowCaptions.h"
#include "app/WindowCommandSender.h"
#include "app/ui/WindowLock.h"
#include "app/WindowPages.h"
#include "i18n/Languages.h"
#include "link/ControllerLink.h"
#include "link/PortList.h"
#include "link/PortSettings.h"
#include "link/SerialPort.h"
#include "live/ui/FaultBanner.h"
#include "live/ui/LeftColumn.h"
#include "live/LiveModel.h"
#include "live/ui/OscilloscopePage.h"
#include "map/AdaptationProcedure.h"
#include "map/MapPageModel.h"
#include "map/ui/MapPage.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformError.h"
#include "settings/ui/CylinderButtons.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/FuelEditor.h"
#include "settings/LevelThresholdEditor.h"
#include "settings/ui/PanelPetrolPage.h"
#include "settings/ui/QtSettingsReviewDialog.h"
#include "settings/SettingsMenu.h"
#include "settings/SettingsModel.h"
#include "widgets/TAbFlashTimer.h"
#include "widgets/ui/TAbToggleSwitch.h"

#include <QtGui/QCloseEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QTabWidget>

#include <cerrno>

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
      cylinderModel_(std::make_unique<CylinderButtonsModel>(*settingsModel_)),
      portList_(std::make_unique<PortList>())
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
    link_ = std::make_unique<ControllerLink>(port_, *platform_.clock);
    commandSender_ = std::make_unique<WindowCommandSender>(*link_, *platform_.dialogs);
    recordReplay_ = std::make_unique<RecordReplay>(*this, *platform_.clock, *platform_.dialogs,
                                                   options_.replayPort, options_.recordingFolder,
                                                   nagrywaj1_, odtworz1_);
    commandSender_->setRefusal([this] { return recordReplay_->refusal(); });
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
        [this] { liveModel_->hideBanner(); }, *review);
    mapModel_ = std::make_unique<map::MapPageModel>(*commandSender_, messages_);
    adaptation_ = std::make_unique<map::AdaptationProcedure>(
        map::AdaptationProcedure::Models{*liveModel_, *settingsModel_, *cylinderModel_,
                                         mapModel_->map(), messages_},
        *commandSender_, *platform_.dialogs, *platform_.clock);
    pages_ = std::make_unique<WindowPages>(
        tabControl_, PageServices{*flashTimer_, *liveModel_, *settingsModel_, *levelThresholds_,
                                  *mapModel_, *adaptation_, *commandSender_, *platform_.urls,
                                  [this] { return port_.isOpen(); }});
    wireAdaptation();
    pages_->map().setSendingPossible(false);
    connect(recordReplay_.get(), &RecordReplay::replayingChanged, &pages_->oscilloscope(),
            &OscilloscopePage::followReplay);
    connect(recordReplay_.get(), &RecordReplay::replayPositionChanged, &pages_->oscilloscope(),
            &OscilloscopePage::replayPositionChanged);
    connect(recordReplay_.get(), &RecordReplay::replayJumped, &pages_->oscilloscope(),
            &OscilloscopePage::replayJumped);
    applyCaptions(this, messages_, CaptionScope::Design);
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    move(138, 59);
    connectLink();

    connect(&pages_->info(), &InfoPage::flagClicked, this, &TBrivel::LangClick);

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
    QAction* exit1 = addItem(fileMenu, "Exit1", QStringLiteral("Exit"));
    connect(exit1, &QAction::triggered, this, &TBrivel::Exit1Click);

    // Its design caption differs from the table's ("Port").
    portMenu_ = bar->addMenu(QStringLiteral("Porty"));
    portMenu_->setObjectName(QStringLiteral("PortCOM"));
    polacz_ = addItem(portMenu_, "polacz");
    rozlacz1_ = addItem(portMenu_, "rozlacz1");
    // After the ports and the demo, before "Połącz"; offered only when there
    // is a replay to play recordings on.
    odtworz1_ = new QAction(this);
    odtworz1_->setObjectName(QStringLiteral("Odtworz1"));
    portsEnd_ = polacz_;
    if (options_.replayPort) {
        portMenu_->insertAction(polacz_, odtworz1_);
        portsEnd_ = odtworz1_;
    }
    for (int i = 1; i <= 30; ++i)
        addPortItem(QStringLiteral("COM%1").arg(i), QString::number(i));
    if (!options_.demoPortName.isEmpty())
        addPortItem(options_.demoPortName, options_.demoPortName);
    // Adapters come and go while the program runs.
    connect(portMenu_, &QMenu::aboutToShow, this, &TBrivel::rescanPorts);
    connect(polacz_, &QAction::triggered, this, &TBrivel::polaczClick);
    connect(rozlacz1_, &QAction::triggered, this, &TBrivel::rozlacz1Click);

    QMenu* languageMenu = bar->addMenu(QString());
    languageMenu->setObjectName(QStringLiteral("Jazyk"));
    for (const LanguageItem& language : languageItems()) {
        QAction* item =
            addItem(languageMenu, language.itemName, QString::fromUtf8(language.caption));
        item->setCheckable(true);
        item->setEnabled(language.selectable);
        item->setChecked(item->objectName() == QLatin1String(DefaultLanguage));
        languageItems_.append(item);
        connect(item, &QAction::triggered, this, [this, item] { Check_jazyk(item); });
    }
}

QAction* TBrivel::addPortItem(const QString& name, const QString& caption)
{
    auto* item = new QAction(caption, this);
    item->setObjectName(name);
    item->setCheckable(true);
    portMenu_->insertAction(portsEnd_, item);
    connect(item, &QAction::triggered, this, [this, item] { zmien_port_COM(item); });
    return item;
}

QList<QAction*> TBrivel::portItems() const
{
    QList<QAction*> items;
    for (QAction* action : portMenu_->actions())
        if (action != polacz_ && action != rozlacz1_ && action != odtworz1_ &&
            !action->isSeparator())
            items.append(action);
    return items;
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
    connect(faultBanner_, &FaultBanner::faultPageRequested, this,
            [this] { pages_->show(Page::Error); });
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
    SettingsModel* settings = settingsModel_.get();
    RecordReplay* recordReplay = recordReplay_.get();
    connect(link, &ControllerLink::connecting, &pages_->oscilloscope(),
            &OscilloscopePage::linkConnecting);
    connect(link, &ControllerLink::connecting, recordReplay, &RecordReplay::linkConnecting);
    connect(link, &ControllerLink::settingsImageReceived, settings,
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

    connect(cylinderButtons_, &CylinderButtons::buttonClicked, this,
            [this](int k) { fuelEditor_->Cyl_x_ledClick(k); });
    connect(bottomBar_->fuelSwitch(), &TAbBinGControl::clicked, this,
            [this] { fuelEditor_->paliwo_SwitchClick(FuelEditor::Sender::Switch); });
    connect(odczyt1_, &QAction::triggered, this, &TBrivel::Odczyt1Click);
    connect(zapis1_, &QAction::triggered, this, &TBrivel::Zapis1Click);
    connect(reset1_, &QAction::triggered, this, &TBrivel::Reset1Click);
}

void TBrivel::wireAdaptation()
{
    // While an adaptation runs the fitter stays on its page: the panel, the
    // other tabs and the "Plik", "Porty" and "Język" menus do not respond.
    windowLock_ = std::make_unique<WindowLock>(
        panel1Gora_, tabControl_,
        QList<QMenu*>{findChild<QMenu*>(QStringLiteral("Pliki1")), portMenu_,
                      findChild<QMenu*>(QStringLiteral("Jazyk"))});
    connect(adaptation_.get(), &map::AdaptationProcedure::lockedChanged, this,
            [this](bool locked) { windowLock_->setLocked(locked); });
    // The transfer's end: the window takes input again, no longer grey.
    connect(adaptation_.get(), &map::AdaptationProcedure::transferEnded, this,
            [this] { linkPresenter_->setBusy(false); });
    connect(recordReplay_.get(), &RecordReplay::replayingChanged, adaptation_.get(),
            &map::AdaptationProcedure::setReplaying);
}

OscilloscopePage& TBrivel::oscilloscopePage() const
{
    return pages_->oscilloscope();
}

FaultPage& TBrivel::faultPage() const
{
    return pages_->faults();
}

const QByteArray& TBrivel::parameterBlock() const
{
    return settingsModel_->parameterBlock();
}

quint8 TBrivel::cylinderButtonMask() const
{
    return cylinderModel_->cylinderButtonMask();
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

    runHandler(*platform_.dialogs, [this] {
        restorePorts();
        restoreSettings();
    });
}

void TBrivel::restorePorts()
{
    const QStringList present = port_.availablePorts();
    portList_->update(present);
    showPorts(present, false);
    port_.close();
    if (!portList_->offered().isEmpty())
        port_.setPortName(portList_->offered().first());
}

void TBrivel::showPorts(const QStringList& present, bool checkCurrent)
{
    QComboBox* portList = pages_->panelPetrol().portList();
    portList->clear();
    portList->addItems(present);

    // The menu keeps exactly the ports present, in the order they are
    // listed, and the emulated controller last.
    for (QAction* item : portItems())
        delete item;
    QStringList names = portList_->offered();
    if (!options_.demoPortName.isEmpty())
        names.append(options_.demoPortName);
    for (const QString& name : names)
        addPortItem(name, name)->setChecked(checkCurrent && name == port_.portName());
}

void TBrivel::rescanPorts()
{
    QStringList present;
    try {
        present = port_.availablePorts();
    } catch (const PlatformError&) {
        return;  // the menu stays as it was
    }
    const QStringList gone = portList_->update(present);
    showPorts(present, true);
    // Pulled without the line noticing it yet.
    if (port_.isOpen() && gone.contains(port_.portName()))
        link_->portFailed(PortFault::fromSystem(PortFault::Kind::DeviceGone, ENODEV));
}

void TBrivel::restoreSettings()
{
    port_.loadSettings(*platform_.settings);
    for (QAction* item : portItems())
        item->setChecked(item->objectName() == port_.portName());

    SettingsStore& store = *platform_.settings;
    store.ensureGroup(QStringLiteral("Lang"));
    const QString stored = store.readString(QStringLiteral("Lang/CurLang"));
    currentLanguage_ = stored.isEmpty() ? QLatin1String(DefaultLanguage) : stored;
    // A disabled item ignores the click: a stored "Russian", like any name
    // that is no item's, leaves the design texts.
    if (QAction* item = languageAction(currentLanguage_))
        item->trigger();

    leftColumn_->prepareDial();
}

void TBrivel::Exit1Click()
{
    close();
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
    link_->shutdown();
}

void TBrivel::zmien_port_COM(QAction* item)
{
    runHandler(*platform_.dialogs, [this, item] {
        port_.close();
        port_.setPortName(item->objectName());
        port_.setBaudRate(QStringLiteral("Custom"));
        for (QAction* other : portItems())
            other->setChecked(other == item);
        port_.open();
        polacz_->trigger();
    });
}

void TBrivel::polaczClick()
{
    link_->connectToController();
}

void TBrivel::rozlacz1Click()
{
    link_->disconnectFromController();
}

QString TBrivel::statusText() const
{
    return bottomBar_->statusText();
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

void TBrivel::Odczyt1Click()
{
    runHandler(*platform_.dialogs, [this] { settingsMenu_->Odczyt1Click(); });
}

void TBrivel::Zapis1Click()
{
    runHandler(*platform_.dialogs, [this] { settingsMenu_->Zapis1Click(); });
}

void TBrivel::Reset1Click()
{
    runHandler(*platform_.dialogs, [this] { settingsMenu_->Reset1Click(); });
}

void TBrivel::portSettingsStored()
{
    try {
        storeLanguage();
    } catch (const PlatformError& error) {
        linkPresenter_->reportError(error.text());
    }
}

void TBrivel::storeLanguage()
{
    SettingsStore& store = *platform_.settings;
    store.ensureGroup(QStringLiteral("Lang"));
    store.writeString(QStringLiteral("Lang/CurLang"), currentLanguage_);
    store.flush();
}

QAction* TBrivel::languageAction(const QString& itemName) const
{
    for (QAction* item : languageItems_)
        if (item->objectName() == itemName)
            return item;
    return nullptr;
}

void TBrivel::Check_jazyk(QAction* item)
{
    const std::optional<LanguageItem> language = languageItem(item->objectName());
    if (!language || !item->isEnabled())
        return;
    for (QAction* other : languageItems_)
        other->setChecked(other == item);
    currentLanguage_ = item->objectName();
    const int column = language->column;
    // The language applies whether or not the store keeps it.
    try {
        storeLanguage();
    } catch (const PlatformError&) {
    }
    messages_.setLanguage(column);
    applyCaptions(this, messages_, CaptionScope::Every);
    links_.setLanguage(column);
    pages_->info().setLinks(links_.webAddress(), links_.mailLink());
}

void TBrivel::LangClick(QObject* flag)
{
    if (QAction* item = languageAction(languageItemOfFlag(flag->objectName())))
        item->trigger();
}

}  // namespace brivel
