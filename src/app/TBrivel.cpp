#include "app/TBrivel.h"

#include "app/HelpPage.h"
#include "app/Indicators.h"
#include "app/InfoPage.h"
#include "link/PortSettings.h"
#include "link/SerialPort.h"
#include "platform/ErrorHandler.h"

#include <QtGui/QCloseEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QTabWidget>

namespace brivel {

namespace {

constexpr int ClientWidth = 773;
constexpr int ClientHeight = 531;
const QColor ButtonFace(0xF0, 0xF0, 0xF0);
const QColor OfflineRed(255, 0, 0);

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

// One row of a group: a caption on the left and its read-out on the right.
void addReadout(QWidget* group, int row, int width, const QString& labelName,
                const QString& caption, const QString& name, const QString& unit,
                int labelWidth = 76)
{
    const int y = 15 + row * 18;
    makeLabel(group, labelName, caption, QRect(4, y, labelWidth, 17));
    indicators::valueInd(group, name, unit)
        ->setGeometry(4 + labelWidth, y, width - labelWidth - 8, 17);
}

}  // namespace

TBrivel::TBrivel(const Platform& platform, SerialPort& port, const WindowOptions& options,
                 QWidget* parent)
    : QMainWindow(parent), platform_(platform), port_(port), options_(options)
{
    setObjectName(QStringLiteral("TBrivel"));
    setWindowTitle(QStringLiteral("Brivel ver. 1.01"));
    // The window's font family is rarely installed outside Windows.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    setBackground(this, ButtonFace);

    buildMenu();
    buildPanel();
    buildPages();
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    move(138, 59);

    FormCreate();
}

TBrivel::~TBrivel() = default;

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

    fileMenu_ = bar->addMenu(QStringLiteral("Plik"));
    fileMenu_->setObjectName(QStringLiteral("Pliki1"));
    odczyt1_ = addItem(fileMenu_, "Odczyt1", QStringLiteral("Odczyt"));
    zapis1_ = addItem(fileMenu_, "Zapis1", QStringLiteral("Zapis"));
    reset1_ = addItem(fileMenu_, "Reset1", QStringLiteral("Reset"));
    for (QAction* item : {odczyt1_, zapis1_, reset1_}) {
        item->setVisible(false);
        item->setEnabled(false);
    }
    QAction* exit1 = addItem(fileMenu_, "Exit1", QStringLiteral("Exit"));
    connect(exit1, &QAction::triggered, this, &TBrivel::Exit1Click);

    portMenu_ = bar->addMenu(QStringLiteral("Porty"));
    portMenu_->setObjectName(QStringLiteral("PortCOM"));
    for (int i = 1; i <= 30; ++i)
        addPortItem(QStringLiteral("COM%1").arg(i), QString::number(i));
    polacz_ = addItem(portMenu_, "polacz", QStringLiteral("Połącz"));
    rozlacz1_ = addItem(portMenu_, "rozlacz1", QStringLiteral("Rozłącz"));
    connect(polacz_, &QAction::triggered, this, &TBrivel::polaczClick);
    connect(rozlacz1_, &QAction::triggered, this, &TBrivel::rozlacz1Click);

    languageMenu_ = bar->addMenu(QStringLiteral("Język"));
    languageMenu_->setObjectName(QStringLiteral("Jazyk"));
    const std::pair<const char*, const char*> languages[] = {{"NiemieckiDE", "Deutsch"},
                                                             {"AngielskiGB", "English"},
                                                             {"PolskiPL", "Polski"},
                                                             {"Russian", "Russian"},
                                                             {"Ceski", "Ceski"}};
    for (const auto& [name, caption] : languages) {
        QAction* item = addItem(languageMenu_, name, QString::fromUtf8(caption));
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
    setBackground(panel1Gora_, ButtonFace);
    setCentralWidget(panel1Gora_);

    buildLeftColumn(panel1Gora_);
    buildBottomBar(panel1Gora_);

    tabControl_ = new QTabWidget(panel1Gora_);
    tabControl_->setObjectName(QStringLiteral("tab_control"));
    tabControl_->setGeometry(176, 14, 593, 495);
    tabControl_->tabBar()->setAttribute(Qt::WA_Hover);
    // Ten captions have to fit across the page control without scroll arrows.
    tabControl_->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 5px; }"
        "QTabBar::tab:hover { background: #dde8f6; }"));
    tabControl_->setUsesScrollButtons(false);

    errorLed_ = new QLabel(QStringLiteral("*  *  *  E r r o r  *  *  *"), panel1Gora_);
    errorLed_->setObjectName(QStringLiteral("Error_Led"));
    errorLed_->setAlignment(Qt::AlignCenter);
    errorLed_->setGeometry(176, 0, 593, 14);
    setBackground(errorLed_, Qt::red);
    errorLed_->hide();
}

void TBrivel::buildLeftColumn(QWidget* panel)
{
    QGroupBox* rpm = makeGroup(panel, QStringLiteral("GroupBox7"), QStringLiteral("RPM"),
                               QRect(4, 0, 168, 174));
    indicators::dial(rpm, QStringLiteral("RPM_zegar"))->setGeometry(4, 14, 161, 138);
    indicators::valueInd(rpm, QStringLiteral("RPM_Edit"), QStringLiteral("obr/min"))
        ->setGeometry(34, 153, 100, 18);

    QGroupBox* pressure = makeGroup(panel, QStringLiteral("Cisnienie_GroupBox"),
                                    QStringLiteral("Ciśnienie"), QRect(4, 174, 168, 52));
    addReadout(pressure, 0, 168, QStringLiteral("P1_MAP_label"), QStringLiteral("Gaz"),
               QStringLiteral("P1_MAP_edit"), QStringLiteral(" bar"));
    addReadout(pressure, 1, 168, QStringLiteral("P_MAP_label"), QStringLiteral("MAP "),
               QStringLiteral("P_MAP_edit"), QStringLiteral("kPa"));

    QGroupBox* times = makeGroup(panel, QStringLiteral("Czas_wtrysku_GroupBox"),
                                 QStringLiteral("Czas wtrysku"), QRect(4, 226, 168, 182));
    for (int k = 1; k <= 8; ++k)
        addReadout(times, k - 1, 168, QStringLiteral("Benzyna_%1").arg(k),
                   QStringLiteral("Benzyna %1").arg(k), QStringLiteral("Skala_PB_time%1").arg(k),
                   QStringLiteral("ms"));
    addReadout(times, 8, 168, QStringLiteral("Gaz_1"), QStringLiteral("Gaz"),
               QStringLiteral("Skala_LPG_time1"), QStringLiteral("ms"));

    QGroupBox* temperature = makeGroup(panel, QStringLiteral("GroupBox8"),
                                       QStringLiteral("Temperatura"), QRect(4, 408, 74, 70));
    addReadout(temperature, 0, 74, QStringLiteral("TempGaz_label"), QStringLiteral("Gaz"),
               QStringLiteral("TempGaz"), QStringLiteral("°C"), 26);
    addReadout(temperature, 1, 74, QStringLiteral("TempWoda_label"), QStringLiteral("Red."),
               QStringLiteral("TempWoda"), QStringLiteral("°C"), 26);

    QGroupBox* voltage = makeGroup(panel, QStringLiteral("GroupBox_Napiecie"),
                                   QStringLiteral("Napięcie"), QRect(80, 408, 92, 70));
    addReadout(voltage, 0, 92, QStringLiteral("lambda_1_label"), QStringLiteral("Lambda 1"),
               QStringLiteral("lambda_1"), QStringLiteral("V"), 50);
    addReadout(voltage, 1, 92, QStringLiteral("lambda_2_label"), QStringLiteral("Lambda 2"),
               QStringLiteral("lambda_2"), QStringLiteral("V"), 50);
    addReadout(voltage, 2, 92, QStringLiteral("BATERY_vpp_label"), QStringLiteral("Akumulator"),
               QStringLiteral("BATERY_vpp"), QStringLiteral("V"), 50);

    QGroupBox* active = makeGroup(panel, QStringLiteral("aaa"), QStringLiteral("Aktywne gazowe"),
                                  QRect(4, 478, 168, 30));
    for (int k = 0; k < 8; ++k)
        indicators::colorButton(active, QStringLiteral("Cyl_%1_led").arg(k), QString::number(k + 1),
                                QString::number(k + 1))
            ->setGeometry(6 + k * 20, 12, 17, 16);
}

void TBrivel::buildBottomBar(QWidget* panel)
{
    panel5_ = new QFrame(panel);
    panel5_->setObjectName(QStringLiteral("Panel5"));
    panel5_->setFrameShape(QFrame::Panel);
    panel5_->setFrameShadow(QFrame::Raised);
    panel5_->setGeometry(0, 509, ClientWidth, 22);

    staticText1_ = makeLabel(panel5_, QStringLiteral("StaticText1"), QStringLiteral("offline"),
                             QRect(3, 2, 56, 18));
    staticText1_->setAlignment(Qt::AlignCenter);
    staticText1_->setFrameShape(QFrame::Panel);
    staticText1_->setFrameShadow(QFrame::Sunken);
    setBackground(staticText1_, OfflineRed);
    makeLabel(panel5_, QStringLiteral("StaticText2"), QStringLiteral("  RX "), QRect(62, 3, 24, 16));
    makeLabel(panel5_, QStringLiteral("StaticText3"), QStringLiteral(" TX "), QRect(88, 3, 22, 16));
    indicators::colorButton(panel5_, QStringLiteral("Polacz_switch"), QStringLiteral("Połącz"),
                            QStringLiteral("* * *"))
        ->setGeometry(114, 1, 104, 20);

    statusBar1_ = new QStatusBar(panel5_);
    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setSizeGripEnabled(false);
    statusBar1_->setGeometry(222, 1, 200, 20);
    auto* panel0 = new QLabel(QStringLiteral(" BRIVEL ver."), statusBar1_);
    panel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    panel0->setMinimumWidth(50);
    statusBar1_->addWidget(panel0, 1);

    const char* levels[] = {"Gaz_led_4g", "Gaz_led_3g", "Gaz_led_2g", "Gaz_led_1g"};
    for (int i = 0; i < 4; ++i)
        indicators::led(panel5_, QLatin1String(levels[i]), QStringLiteral("%1/4").arg(4 - i),
                        Qt::green)
            ->setGeometry(428 + i * 46, 2, 44, 18);
    indicators::led(panel5_, QStringLiteral("rezerwa_led_gora"), QStringLiteral("R"), Qt::red)
        ->setGeometry(614, 2, 30, 18);
    indicators::toggleSwitch(panel5_, QStringLiteral("paliwo_Switch"), QStringLiteral("PB"),
                             QStringLiteral("LPG"))
        ->setGeometry(660, 1, 105, 20);
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

    helpPage_ = new HelpPage(tabControl_->widget(8));
    infoPage_ = new InfoPage(tabControl_->widget(9), *platform_.urls);
    for (QAction* item : languageItems_)
        connect(infoPage_, &InfoPage::languageChosen, item, [item](const QString& name) {
            if (item->objectName() == name)
                item->trigger();
        });
}

void TBrivel::FormCreate()
{
    const int screenWidth = options_.screenWidth > 0
                                ? options_.screenWidth
                                : QGuiApplication::primaryScreen()->size().width();
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

    port_.close();
    const QList<QAction*> items = portItems();
    if (!items.isEmpty())
        port_.setPortName(items.first()->objectName());
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
}

void TBrivel::Exit1Click() { close(); }

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
    runHandler(*platform_.dialogs, [this] { port_.close(); });
    rozlacz1_->trigger();
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
    runHandler(*platform_.dialogs, [this] {
        port_.setCustomBaudRate(szybkosc_->itemText(0).toInt());
        port_.open();
    });
}

void TBrivel::rozlacz1Click()
{
    runHandler(*platform_.dialogs, [this] {
        port_.close();
        storeSessionValues();
    });
}

void TBrivel::storeSessionValues()
{
    port_.storeSettings(*platform_.settings);
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
    runHandler(*platform_.dialogs, [this] {
        platform_.settings->ensureGroup(QStringLiteral("Lang"));
        platform_.settings->writeString(QStringLiteral("Lang/CurLang"), currentLanguage_);
        platform_.settings->flush();
    });
}

}  // namespace brivel
