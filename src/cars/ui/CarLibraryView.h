#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

#include <memory>

class QMainWindow;
class QToolBar;

namespace brivel {

class Clock;
class CommandSender;
class Dialogs;
class MessageTable;

namespace cars {

class CarBar;
class CarHistoryModel;
class CarHistoryWindow;
class CarListModel;
class CarSession;
class CarVisit;
class CarsWindow;
class LibraryService;

// The car library in the main window: the visit that keeps what the
// controller shows, the car line in the bottom area, the "Samochody" window
// and a car's history with its comparisons, exports, imports and restores.
// Builds them over the library and wires them to one another; the window
// wires the link and the menu to it.
class CarLibraryView : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QMainWindow& window;
        LibraryService& library;
        CommandSender& sender;
        Dialogs& dialogs;
        const MessageTable& messages;
        Clock& clock;
    };
    explicit CarLibraryView(const Parts& parts, QObject* parent = nullptr);
    ~CarLibraryView() override;

    CarSession& session() const { return *session_; }
    CarVisit& visit() const { return *visit_; }
    CarListModel& cars() const { return *cars_; }
    CarHistoryModel& history() const { return *history_; }
    CarBar& bar() const { return *bar_; }
    CarsWindow& carsWindow() const { return *carsWindow_; }
    CarHistoryWindow& historyWindow() const { return *historyWindow_; }
    // The strip that holds the car line, below the window's panel.
    QToolBar* strip() const { return strip_; }

public slots:
    // "Samochody": the window, with the list asked afresh.
    void showCars();
    // The language changed: every text again in the new one.
    void showTexts();

signals:
    // A point to write back through the review, as "Odczyt" writes a file.
    void restoreRequested(const QByteArray& image);
    // A recording of the car to play.
    void replayRequested(const QString& path);

private:
    void compare(const QString& first, const QString& second);
    void exportPoint(const QString& point);
    void importFile();
    void restore(const QString& point);
    void openRecording(const QString& recording);

    QMainWindow& window_;
    Dialogs& dialogs_;
    const MessageTable& messages_;
    std::unique_ptr<CarSession> session_;
    std::unique_ptr<CarVisit> visit_;
    std::unique_ptr<CarListModel> cars_;
    std::unique_ptr<CarHistoryModel> history_;
    QToolBar* strip_ = nullptr;
    CarBar* bar_ = nullptr;
    CarsWindow* carsWindow_ = nullptr;
    CarHistoryWindow* historyWindow_ = nullptr;
};

}  // namespace cars
}  // namespace brivel
