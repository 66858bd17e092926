#include "app/TBrivel.h"

#include "app/HelpPage.h"
#include "app/InfoPage.h"
#include "app/WindowLinkHost.h"
#include "link/ControllerLink.h"
#include "link/PortSettings.h"
#include "link/SerialPort.h"
#include "live/DiagnosticsPage.h"
#include "live/FaultMemo.h"
#include "live/FaultPage.h"
#include "live/LiveDecoder.h"
#include "live/OscilloscopePage.h"
#include "platform/ErrorHandler.h"
#include "widgets/TAb270Meter.h"
#include "widgets/TAbColBitBtn.h"
#include "widgets/TAbDBColBitBtn.h"
#include "widgets/TAbDBLED.h"
#include "widgets/TAbLED.h"
#include "widgets/TAbFlashTimer.h"
#include "widgets/TAbToggleSwitch.h"
#include "widgets/TAbValueInd.h"
#include "widgets/TArrowSettings.h"
#include "widgets/TLED.h"
#include "widgets/TScaleSettings.h"
#include "widgets/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QCloseEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QTabWidget>

namespace brivel {

namespace {

constexpr int ClientWidth = 773;
constexpr int ClientHeight = 531;
// The left column has to hold five groups above the cylinder buttons.
constexpr int RowPitch = 16;
constexpr int ReadoutLabelWidth = 76;
const QString DemoName = QStringLiteral("Demo");

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption, const QRect& at)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(at);
    return group;
}

void setBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

TAbValueInd* makeReadout(TAbFlashTimer& flash, QWidget* parent, const QString& name,
                         const QString& format, const QString& unit)
{
    auto* readout = new TAbValueInd(flash, parent);
    readout->setObjectName(name);
    readout->setOptions(TAbValueInd::opUnit);
    QFont digits = readout->fontValue();
    digits.setPixelSize(11);
    readout->setFontValue(digits);
    readout->signalSettings()->setValueFormat(format);
    readout->signalSettings()->setValueUnit(unit);
    return readout;
}

// The status bar's LEDs are the data-bound kind, the page's the plain one.
template <typename Led = TAbDBLED>
Led* makeLed(TAbFlashTimer& flash, QWidget* parent, const QString& name, const QString& caption,
             const QColor& on)
{
    auto* led = new Led(flash, parent);
    led->setObjectName(name);
    led->setCaption(caption);
    led->led()->setShape(TLED::sRectangle);
    led->led()->setWidth(15);
    led->led()->setHeight(17);
    led->led()->setColorOn(on);
    led->resize(led->sizeHint());
    return led;
}

template <typename Led = TAbDBLED>
Led* makeReserveLed(TAbFlashTimer& flash, QWidget* parent, const QString& name)
{
    Led* led = makeLed<Led>(flash, parent, name, QStringLiteral("R"), QColor(255, 0, 0));
    led->setFrequency(ff4Hz);
    return led;
}

}  // namespace

TBrivel::TBrivel(const Platform& platform, SerialPort& port, const WindowOptions& options,
                 QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      port_(port),
      options_(options),
      flashTimer_(std::make_unique<TAbFlashTimer>(*platform.clock))
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
    buildPages();
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    move(138, 59);

    liveDecoder_ = std::make_unique<LiveDecoder>(live_, messages_);
    linkHost_ = std::make_unique<WindowLinkHost>(*this);
    link_ = std::make_unique<ControllerLink>(port_, *platform_.clock, *platform_.dialogs,
                                             *platform_.settings, *linkHost_);
    connect(polaczSwitch_, &TAbBinGControl::statusChanged, this, [this] {
        link_->Polacz_switchStatusChanged(polaczSwitch_->isChecked()
                                              ? ControllerLink::SwitchChange::SwitchedOnByUser
                                              : ControllerLink::SwitchChange::SwitchedOffByUser);
    });

    FormCreate();
}

TBrivel::~TBrivel()
{
    // The link reaches back into the window's controls; it goes first.
    link_.reset();
    linkHost_.reset();
}

void TBrivel::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    auto addItem = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setParent(this);
        return action;
    };

    QMenu* fileMenu = bar->addMenu(QStringLiteral("Plik"));
    fileMenu->setObjectName(QStringLiteral("Pliki1"));
    odczyt1_ = addItem(fileMenu, "Odczyt1", QStringLiteral("Odczyt"));
    zapis1_ = addItem(fileMenu, "Zapis1", QStringLiteral("Zapis"));
    reset1_ = addItem(fileMenu, "Reset1", QStringLiteral("Reset"));
    for (QAction* item : {odczyt1_, zapis1_, reset1_}) {
        item->setVisible(false);
        item->setEnabled(false);
    }
    QAction* exit1 = addItem(fileMenu, "Exit1", QStringLiteral("Exit"));
    connect(exit1, &QAction::triggered, this, &TBrivel::Exit1Click);

    portMenu_ = bar->addMenu(QStringLiteral("Porty"));
    portMenu_->setObjectName(QStringLiteral("PortCOM"));
    polacz_ = addItem(portMenu_, "polacz", QStringLiteral("Połącz"));
    rozlacz1_ = addItem(portMenu_, "rozlacz1", QStringLiteral("Rozłącz"));
    for (int i = 1; i <= 30; ++i)
        addPortItem(QStringLiteral("COM%1").arg(i), QString::number(i));
    if (options_.offerDemo)
        addPortItem(DemoName, DemoName);
    connect(polacz_, &QAction::triggered, this, &TBrivel::polaczClick);
    connect(rozlacz1_, &QAction::triggered, this, &TBrivel::rozlacz1Click);

    QMenu* languageMenu = bar->addMenu(QStringLiteral("Język"));
    languageMenu->setObjectName(QStringLiteral("Jazyk"));
    const std::pair<const char*, const char*> languages[] = {{"NiemieckiDE", "Deutsch"},
                                                             {"AngielskiGB", "English"},
                                                             {"PolskiPL", "Polski"},
                                                             {"Russian", "Russian"},
                                                             {"Ceski", "Ceski"}};
    for (const auto& [name, caption] : languages) {
        QAction* item = addItem(languageMenu, name, QString::fromUtf8(caption));
        item->setCheckable(true);
        languageItems_.append(item);
        connect(item, &QAction::triggered, this, [this, item] { Check_jazyk(item); });
    }
    languageItems_[2]->setChecked(true);
    languageItems_[3]->setEnabled(false);
}

QAction* TBrivel::addPortItem(const QString& name, const QString& caption)
{
    auto* item = new QAction(caption, this);
    item->setObjectName(name);
    item->setCheckable(true);
    portMenu_->insertAction(polacz_, item);
    connect(item, &QAction::triggered, this, [this, item] { zmien_port_COM(item); });
    return item;
}

QList<QAction*> TBrivel::portItems() const
{
    QList<QAction*> items;
    for (QAction* action : portMenu_->actions())
        if (action != polacz_ && action != rozlacz1_ && !action->isSeparator())
            items.append(action);
    return items;
}

void TBrivel::buildPanel()
{
    panel1Gora_ = new QFrame(this);
    panel1Gora_->setObjectName(QStringLiteral("Panel1Gora"));
    panel1Gora_->setAutoFillBackground(true);
    setCentralWidget(panel1Gora_);

    buildLeftColumn(panel1Gora_);
    buildBottomBar(panel1Gora_);

    tabControl_ = new QTabWidget(panel1Gora_);
    tabControl_->setObjectName(QStringLiteral("tab_control"));
    tabControl_->setGeometry(176, 14, 593, 495);
    tabControl_->tabBar()->setAttribute(Qt::WA_Hover);
    // Ten captions have to fit across the page control without scroll arrows.
    tabControl_->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 3px 5px; }"
                       "QTabBar::tab:hover { background: #dde8f6; }"));
    tabControl_->setUsesScrollButtons(false);

    auto* errorLed = new QLabel(QStringLiteral("*  *  *  E r r o r  *  *  *"), panel1Gora_);
    errorLed->setObjectName(QStringLiteral("Error_Led"));
    errorLed->setAlignment(Qt::AlignCenter);
    errorLed->setGeometry(176, 0, 593, 14);
    QFont bold = errorLed->font();
    bold.setBold(true);
    errorLed->setFont(bold);
    errorLed->setCursor(Qt::PointingHandCursor);
    setBackground(errorLed, LiveDecoder::BannerRed);
    errorLed->hide();
    live_.errorLed = errorLed;
}

TAbValueInd* TBrivel::addReadout(QWidget* group, int row, const QString& labelName,
                                 const QString& caption, const QString& name, const QString& format,
                                 const QString& unit)
{
    const int y = 14 + row * RowPitch;
    makeLabel(group, labelName, caption, QRect(4, y + 1, ReadoutLabelWidth, 16));
    TAbValueInd* readout = makeReadout(*flashTimer_, group, name, format, unit);
    // The read-out sizes itself to its format and unit; it stands right-aligned.
    readout->move(group->width() - 4 - readout->width(), y);
    return readout;
}

void TBrivel::buildLeftColumn(QWidget* panel)
{
    QGroupBox* rpm =
        makeGroup(panel, QStringLiteral("GroupBox7"), QStringLiteral("RPM"), QRect(4, 0, 168, 146));
    auto* dial = new TAb270Meter(*flashTimer_, rpm);
    dial->setObjectName(QStringLiteral("RPM_zegar"));
    dial->setGeometry(4, 11, 161, 138);
    dial->signalSettings()->setValueRange(0, 10);
    dial->signalSettings()->setValueUnit(QStringLiteral("x1000"));
    dial->signalSettings()->setValueFormat(QStringLiteral("##0"));
    dial->scaleSettings()->setSteps(10);
    dial->scaleSettings()->setSubSteps(5);
    dial->scaleSettings()->setValueFormat(QStringLiteral("##0"));
    QFont scaleFont(QStringLiteral("Arial"));
    scaleFont.setPixelSize(9);
    dial->scaleSettings()->setFont(scaleFont);
    dial->sectorSettings()->setSector(0, QColor(255, 255, 0), 0, 630);
    dial->sectorSettings()->setSector(1, QColor(255, 0, 0), 630, 700);
    dial->sectorSettings()->setSector(2, QColor(255, 255, 0), 700, 1000);
    dial->sectorSettings()->setWidthOffset(-8);
    dial->arrowSettings()->setColorPen(QColor(255, 0, 0));
    dial->arrowSettings()->setColorBrush(QColor(0, 0, 0));
    dial->setOptions(TAbRMeter::opSector | TAbRMeter::opUnit);
    live_.rpmDial = dial;

    // The read-out sits in the gap the 270° scale leaves at the dial's foot.
    TAbValueInd* rpmEdit = makeReadout(*flashTimer_, rpm, QStringLiteral("RPM_Edit"),
                                       QStringLiteral("###0"), QStringLiteral("obr/min"));
    rpmEdit->move((168 - rpmEdit->width()) / 2, 130);
    live_.rpmReadout = rpmEdit;

    QGroupBox* pressure = makeGroup(panel, QStringLiteral("Cisnienie_GroupBox"),
                                    QStringLiteral("Ciśnienie"), QRect(4, 146, 168, 48));
    live_.gasPressure =
        addReadout(pressure, 0, QStringLiteral("P1_MAP_label"), QStringLiteral("Gaz"),
                   QStringLiteral("P1_MAP_edit"), QStringLiteral("#0.0"), QStringLiteral(" bar"));
    live_.manifoldPressure =
        addReadout(pressure, 1, QStringLiteral("P_MAP_label"), QStringLiteral("MAP "),
                   QStringLiteral("P_MAP_edit"), QStringLiteral("##0.0"), QStringLiteral("kPa"));

    QGroupBox* times = makeGroup(panel, QStringLiteral("Czas_wtrysku_GroupBox"),
                                 QStringLiteral("Czas wtrysku"), QRect(4, 194, 168, 160));
    for (int k = 1; k <= 8; ++k)
        live_.petrolTimes[k - 1] = addReadout(times, k - 1, QStringLiteral("Benzyna_%1").arg(k),
                                              QStringLiteral("Benzyna %1").arg(k),
                                              QStringLiteral("Skala_PB_time%1").arg(k),
                                              QStringLiteral("##0.0"), QStringLiteral("ms"));
    live_.gasTime = addReadout(times, 8, QStringLiteral("Gaz_1"), QStringLiteral("Gaz"),
                               QStringLiteral("Skala_LPG_time1"), QStringLiteral("##0.0"),
                               QStringLiteral("ms"));

    QGroupBox* temperature = makeGroup(panel, QStringLiteral("GroupBox8"),
                                       QStringLiteral("Temperatura"), QRect(4, 354, 168, 48));
    live_.gasTemp =
        addReadout(temperature, 0, QStringLiteral("TempGaz_label"), QStringLiteral("Gaz"),
                   QStringLiteral("TempGaz"), QStringLiteral("##0.0"), QStringLiteral("°C"));
    live_.reducerTemp =
        addReadout(temperature, 1, QStringLiteral("TempWoda_label"), QStringLiteral("Red."),
                   QStringLiteral("TempWoda"), QStringLiteral("##0.0"), QStringLiteral("°C"));

    QGroupBox* voltage = makeGroup(panel, QStringLiteral("GroupBox_Napiecie"),
                                   QStringLiteral("Napięcie"), QRect(4, 402, 168, 64));
    live_.lambda1 =
        addReadout(voltage, 0, QStringLiteral("lambda_1_label"), QStringLiteral("Lambda 1"),
                   QStringLiteral("lambda_1"), QStringLiteral("##0.0"), QStringLiteral("V"));
    live_.lambda2 =
        addReadout(voltage, 1, QStringLiteral("lambda_2_label"), QStringLiteral("Lambda 2"),
                   QStringLiteral("lambda_2"), QStringLiteral("##0.0"), QStringLiteral("V"));
    live_.battery =
        addReadout(voltage, 2, QStringLiteral("BATERY_vpp_label"), QStringLiteral("Akumulator"),
                   QStringLiteral("BATERY_vpp"), QStringLiteral("##0.0"), QStringLiteral("V"));

    QGroupBox* active = makeGroup(panel, QStringLiteral("aaa"), QStringLiteral("Aktywne gazowe"),
                                  QRect(4, 466, 168, 43));
    for (int k = 0; k < 8; ++k) {
        auto* button = new TAbColBitBtn(*flashTimer_, active);
        button->setObjectName(QStringLiteral("Cyl_%1_led").arg(k));
        button->setMode(TAbBinGControl::mIndicator);
        button->setColorOn(QColor(0, 255, 0));
        button->setColorOff(QColor(128, 128, 128));
        button->setTextOn(QString::number(k + 1));
        button->setGeometry(6 + k * 20, 12, 17, 30);
        cylinderButtons_[k] = button;
    }
}

void TBrivel::buildBottomBar(QWidget* panel)
{
    auto* panel5 = new QFrame(panel);
    panel5->setObjectName(QStringLiteral("Panel5"));
    panel5->setFrameShape(QFrame::Panel);
    panel5->setFrameShadow(QFrame::Raised);
    panel5->setGeometry(0, 509, ClientWidth, 22);

    staticText1_ = makeLabel(panel5, QStringLiteral("StaticText1"), QStringLiteral("offline"),
                             QRect(3, 2, 56, 18));
    staticText1_->setAlignment(Qt::AlignCenter);
    staticText1_->setFrameShape(QFrame::Panel);
    staticText1_->setFrameShadow(QFrame::Sunken);
    setBackground(staticText1_, QColor(255, 0, 0));
    makeLabel(panel5, QStringLiteral("StaticText2"), QStringLiteral("  RX "), QRect(62, 3, 24, 16));
    makeLabel(panel5, QStringLiteral("StaticText3"), QStringLiteral(" TX "), QRect(88, 3, 22, 16));

    polaczSwitch_ = new TAbDBColBitBtn(*flashTimer_, panel5);
    polaczSwitch_->setObjectName(QStringLiteral("Polacz_switch"));
    polaczSwitch_->setMode(TAbBinGControl::mSwitch);
    polaczSwitch_->setColorOn(QColor(0, 255, 0));
    polaczSwitch_->setColorOff(QColor(255, 0, 0));
    polaczSwitch_->setTextOn(QStringLiteral("* * *"));
    polaczSwitch_->setTextOff(QStringLiteral("Połącz"));
    polaczSwitch_->setGeometry(114, 1, 104, 20);

    statusBar1_ = new QStatusBar(panel5);
    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setSizeGripEnabled(false);
    statusBar1_->setGeometry(222, 1, 200, 20);
    statusPanel_ = new QLabel(QStringLiteral(" BRIVEL ver."), statusBar1_);
    statusPanel_->setObjectName(QStringLiteral("StatusBar1Panel0"));
    statusPanel_->setMinimumWidth(50);
    statusBar1_->addWidget(statusPanel_, 1);

    for (int i = 0; i < 4; ++i) {
        const int quarter = 4 - i;
        TAbDBLED* led = makeLed(*flashTimer_, panel5, QStringLiteral("Gaz_led_%1g").arg(quarter),
                                QStringLiteral("%1/4").arg(quarter), QColor(0, 255, 0));
        led->move(430 + i * 46, 2);
        live_.levelTop[quarter - 1] = led;
    }
    live_.reserveTop = makeReserveLed(*flashTimer_, panel5, QStringLiteral("rezerwa_led_gora"));
    live_.reserveTop->move(616, 2);

    auto* fuel = new TAbToggleSwitch(*flashTimer_, panel5);
    fuel->setObjectName(QStringLiteral("paliwo_Switch"));
    fuel->setMode(TAbBinGControl::mIndicator);
    fuel->setTextOn(QStringLiteral("LPG"));
    fuel->setTextOff(QStringLiteral("PB"));
    fuel->setGeometry(662, 1, 105, 20);
    live_.fuelSwitch = fuel;
}

void TBrivel::buildPages()
{
    const std::pair<const char*, const char*> pages[] = {
        {"TabSheet1", "Panel Petrol"}, {"TabSheet2", "Panel Gaz"},   {"TabSheet3", "Adaptacja"},
        {"TabSheet6", "Diagnostyka"},  {"TabSheet4", "Mapa"},        {"TabSheet5", "Error"},
        {"TabSheet7", "Oscyloskop"},   {"TabSheet9", "Przełącznik"}, {"TabSheet11", "Help"},
        {"TabSheet12", "Info"}};
    for (const auto& [name, caption] : pages) {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(name));
        tabControl_->addTab(page, QString::fromUtf8(caption));
    }
    tabControl_->setCurrentIndex(0);

    QWidget* petrol = tabControl_->widget(0);
    szybkosc_ = new QComboBox(petrol);
    szybkosc_->setObjectName(QStringLiteral("szybkosc"));
    szybkosc_->addItem(QStringLiteral("7200"));
    szybkosc_->setPlaceholderText(QStringLiteral("Wybierz szybkość"));
    szybkosc_->setEnabled(false);
    szybkosc_->hide();
    comComboBox1_ = new QComboBox(petrol);
    comComboBox1_->setObjectName(QStringLiteral("ComComboBox1"));
    comComboBox1_->hide();

    diagnosticsPage_ = new DiagnosticsPage(tabControl_->widget(3), *flashTimer_);
    live_.petrolBars = diagnosticsPage_->petrolBars();
    live_.gasBar = diagnosticsPage_->gasBar();

    faultPage_ = new FaultPage(
        tabControl_->widget(5), tabControl_, live_.errorLed,
        [this](int retries, const QByteArray& command) { queueCommand(retries, command); });
    live_.actualErrors = faultPage_->actualErrors();

    oscilloscopePage_ =
        new OscilloscopePage(tabControl_->widget(6), *flashTimer_, live_.lambda1, live_.lambda2);
    live_.oscilloscope = oscilloscopePage_->trend();
    live_.oscilloscopeModes = oscilloscopePage_->modeButtons();

    buildLevelGauge(tabControl_->widget(7));

    helpPage_ = new HelpPage(tabControl_->widget(8));
    infoPage_ = new InfoPage(tabControl_->widget(9), *flashTimer_, *platform_.urls);
    for (QAction* item : languageItems_)
        connect(infoPage_, &InfoPage::languageChosen, item, [item](const QString& name) {
            if (item->objectName() == name)
                item->trigger();
        });
}

void TBrivel::buildLevelGauge(QWidget* page)
{
    QGroupBox* group = makeGroup(page, QStringLiteral("GroupBox18"),
                                 QStringLiteral("Wskaźnik poziomu"), QRect(6, 330, 573, 130));
    auto* voltage = new QLineEdit(QStringLiteral("0.00"), group);
    voltage->setObjectName(QStringLiteral("U_zbiornika"));
    voltage->setReadOnly(true);
    voltage->setAlignment(Qt::AlignRight);
    voltage->setGeometry(12, 24, 60, 20);
    live_.tankVoltage = voltage;
    for (int quarter = 1; quarter <= 4; ++quarter) {
        TAbLED* led =
            makeLed<TAbLED>(*flashTimer_, group, QStringLiteral("Gaz_led_%1p").arg(quarter),
                            QStringLiteral("%1/4").arg(quarter), QColor(0, 255, 0));
        led->move(12 + (quarter - 1) * 60, 96);
        live_.levelPanel[quarter - 1] = led;
    }
    live_.reservePanel =
        makeReserveLed<TAbLED>(*flashTimer_, group, QStringLiteral("Rezerwa_led_panel"));
    live_.reservePanel->move(252, 96);
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
    comComboBox1_->clear();
    comComboBox1_->addItems(present);

    // The menu keeps exactly the ports present, in the order they are listed.
    for (QAction* item : portItems())
        delete item;
    for (const QString& name : port_settings::offeredPorts(present))
        addPortItem(name, name);
    const QList<QAction*> devices = portItems();
    if (options_.offerDemo)
        addPortItem(DemoName, DemoName);

    port_.close();
    if (!devices.isEmpty())
        port_.setPortName(devices.first()->objectName());
}

void TBrivel::restoreSettings()
{
    port_.loadSettings(*platform_.settings);
    for (QAction* item : portItems())
        item->setChecked(item->objectName() == port_.portName());

    SettingsStore& store = *platform_.settings;
    store.ensureGroup(QStringLiteral("Lang"));
    const QString stored = store.readString(QStringLiteral("Lang/CurLang"));
    currentLanguage_ = stored.isEmpty() ? QStringLiteral("PolskiPL") : stored;
    for (QAction* item : languageItems_)
        if (item->objectName() == currentLanguage_ && item->isEnabled())
            item->trigger();

    live_.rpmDial->sectorSettings()->setOffset(LiveDecoder::DialBandHidden);
    live_.rpmDial->arrowSettings()->setShape(6);
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
    link_->polaczClick(ControllerLink::Sender::User);
}

void TBrivel::rozlacz1Click()
{
    link_->rozlacz1Click();
}

void TBrivel::queueCommand(int retries, const QByteArray& command)
{
    runHandler(*platform_.dialogs, [this, retries, &command] {
        link_->setCommandRetries(retries);
        link_->QueueCommand(command);
    });
}

QString TBrivel::statusText() const
{
    return statusPanel_->text();
}

void TBrivel::storeLanguage()
{
    SettingsStore& store = *platform_.settings;
    store.ensureGroup(QStringLiteral("Lang"));
    store.writeString(QStringLiteral("Lang/CurLang"), currentLanguage_);
    store.flush();
}

void TBrivel::Check_jazyk(QAction* item)
{
    for (QAction* other : languageItems_)
        other->setChecked(other == item);
    currentLanguage_ = item->objectName();
    runHandler(*platform_.dialogs, [this] { storeLanguage(); });
}

}  // namespace brivel
