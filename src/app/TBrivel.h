#pragma once

#include "i18n/MessageTable.h"
#include "live/LiveIndicators.h"
#include "platform/Platform.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtWidgets/QMainWindow>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QStatusBar;
class QTabWidget;

namespace brivel {

class ControllerLink;
class DiagnosticsPage;
class FaultPage;
class HelpPage;
class InfoPage;
class LiveDecoder;
class OscilloscopePage;
class SerialPort;
class TAb270Meter;
class TAbColBitBtn;
class TAbDBColBitBtn;
class TAbFlashTimer;
class TAbValueInd;
class WindowLinkHost;

// What the window takes from its surroundings beyond the platform.
struct WindowOptions {
    // The width of the screen; 0 asks the primary screen.
    int screenWidth = 0;
    // Offer the emulated controller as the port "Demo" after the real ones.
    bool offerDemo = false;
};

// The one window of the program. It owns every control; the behaviour of each
// subsystem is attached from that subsystem's own classes.
class TBrivel : public QMainWindow {
    Q_OBJECT
public:
    TBrivel(const Platform& platform, SerialPort& port, const WindowOptions& options = {},
            QWidget* parent = nullptr);
    ~TBrivel() override;

    // The name of the language menu item chosen last ("PolskiPL", …).
    QString currentLanguage() const { return currentLanguage_; }
    SerialPort& comPort1() const { return port_; }
    ControllerLink& link() const { return *link_; }
    const MessageTable& messageTable() const { return messages_; }
    LiveDecoder& liveDecoder() const { return *liveDecoder_; }
    const LiveIndicators& liveIndicators() const { return live_; }
    OscilloscopePage& oscilloscopePage() const { return *oscilloscopePage_; }
    FaultPage& faultPage() const { return *faultPage_; }
    // The controller's settings image as last read.
    const QByteArray& parameterBlock() const { return parameterBlock_; }
    QString statusText() const;

    // Handlers of the menu.
    void Exit1Click();
    void zmien_port_COM(QAction* item);
    void polaczClick();
    void rozlacz1Click();
    void Check_jazyk(QAction* item);

    // The port items of the "Porty" menu, in menu order.
    QList<QAction*> portItems() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class WindowLinkHost;

    void buildMenu();
    void buildPanel();
    void buildLeftColumn(QWidget* panel);
    void buildBottomBar(QWidget* panel);
    void buildPages();
    void buildLevelGauge(QWidget* page);
    // A captioned read-out in row `row` of a left-column group.
    TAbValueInd* addReadout(QWidget* group, int row, const QString& labelName,
                            const QString& caption, const QString& name, const QString& format,
                            const QString& unit);

    void FormCreate();
    void FormClose();
    // Start-up steps 3 to 12; an error raised here skips the rest of them.
    void restorePorts();
    void restoreSettings();
    void storeLanguage();

    QAction* addPortItem(const QString& name, const QString& caption);
    void queueCommand(int retries, const QByteArray& command);

    Platform platform_;
    SerialPort& port_;
    WindowOptions options_;
    QString currentLanguage_ = QStringLiteral("PolskiPL");
    bool closed_ = false;
    MessageTable messages_;
    QByteArray parameterBlock_;
    std::unique_ptr<TAbFlashTimer> flashTimer_;

    QMenu* portMenu_ = nullptr;
    QAction* odczyt1_ = nullptr;
    QAction* zapis1_ = nullptr;
    QAction* reset1_ = nullptr;
    QAction* polacz_ = nullptr;
    QAction* rozlacz1_ = nullptr;
    QList<QAction*> languageItems_;

    QFrame* panel1Gora_ = nullptr;
    QTabWidget* tabControl_ = nullptr;
    QLabel* staticText1_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    QComboBox* szybkosc_ = nullptr;
    QComboBox* comComboBox1_ = nullptr;
    TAbDBColBitBtn* polaczSwitch_ = nullptr;
    std::array<TAbColBitBtn*, 8> cylinderButtons_{};
    LiveIndicators live_;

    InfoPage* infoPage_ = nullptr;
    HelpPage* helpPage_ = nullptr;
    FaultPage* faultPage_ = nullptr;
    DiagnosticsPage* diagnosticsPage_ = nullptr;
    OscilloscopePage* oscilloscopePage_ = nullptr;

    std::unique_ptr<WindowLinkHost> linkHost_;
    std::unique_ptr<ControllerLink> link_;
    std::unique_ptr<LiveDecoder> liveDecoder_;
};

}  // namespace brivel
