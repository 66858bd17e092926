#pragma once

#include "platform/Platform.h"

#include <QtCore/QList>
#include <QtWidgets/QMainWindow>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QStatusBar;
class QTabWidget;
class QTextEdit;

namespace brivel {

class HelpPage;
class InfoPage;
class SerialPort;

// What the window takes from the screen it opens on.
struct WindowOptions {
    // The width of the screen; 0 asks the primary screen.
    int screenWidth = 0;
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
    const Platform& platform() const { return platform_; }

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
    void buildMenu();
    void buildPanel();
    void buildLeftColumn(QWidget* panel);
    void buildBottomBar(QWidget* panel);
    void buildPages();

    void FormCreate();
    void FormClose();
    // Start-up steps 3 to 12; an error raised here skips the rest of them.
    void restorePorts();
    void restoreSettings();
    // Keeps the values the next run starts from.
    void storeSessionValues();

    QAction* addPortItem(const QString& name, const QString& caption);

    Platform platform_;
    SerialPort& port_;
    WindowOptions options_;
    QString currentLanguage_ = QStringLiteral("PolskiPL");
    bool closed_ = false;

    QMenu* fileMenu_ = nullptr;
    QMenu* portMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QAction* odczyt1_ = nullptr;
    QAction* zapis1_ = nullptr;
    QAction* reset1_ = nullptr;
    QAction* polacz_ = nullptr;
    QAction* rozlacz1_ = nullptr;
    QList<QAction*> languageItems_;

    QFrame* panel1Gora_ = nullptr;
    QFrame* panel5_ = nullptr;
    QTabWidget* tabControl_ = nullptr;
    QLabel* errorLed_ = nullptr;
    QLabel* staticText1_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    QComboBox* szybkosc_ = nullptr;
    QComboBox* comComboBox1_ = nullptr;
    InfoPage* infoPage_ = nullptr;
    HelpPage* helpPage_ = nullptr;
};

}  // namespace brivel
