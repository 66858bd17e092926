#pragma once

#include "map/AdaptationHost.h"

#include <QtCore/QObject>

#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace brivel {

class Clock;
class CommandSender;
class Dialogs;
class LiveModel;
class MapLiveFeed;
class MessageTable;
class SettingsModel;

namespace map {
class AdaptationProcedure;
class InjectionMap;
}  // namespace map

// What the adaptation page is built on. None of it is owned; all must
// outlive the page.
struct AdaptationServices {
    LiveModel& live;
    SettingsModel& settings;
    const map::InjectionMap& map;
    const MessageTable& messages;
    CommandSender& sender;
    Dialogs& dialogs;
    Clock& clock;
    MapLiveFeed& feed;
};

// What the adaptation needs of the window beyond its page; the window wires it.
struct AdaptationWindow {
    // The checked cylinder buttons (bit 0 = cylinder 1).
    std::function<quint8()> cylinderButtonMask;
    // Everything outside the page that the fitter must not touch while a
    // run goes on: the instrument panel, the other tabs, the menus.
    std::function<void(bool locked)> setLocked;
    // The transfer's end: the window enabled and no longer grey.
    std::function<void()> showReady;
    // Why the window sends no command now (a replay plays), or nothing: a
    // run that could send nothing would only lock the window.
    std::function<QString()> refusal;
};

// The "Adaptacja" page: START and STOP, the progress bar and the info text
// of the automatic adaptation. It is the window's side of the adaptation:
// it answers the procedure's questions from the live and settings models
// and the map page's map, and shows what the procedure tells it.
class AdaptationPage : public QObject, private map::AdaptationHost {
    Q_OBJECT
public:
    AdaptationPage(QWidget* page, const AdaptationServices& services);
    ~AdaptationPage() override;

    void setWindow(AdaptationWindow window) { window_ = std::move(window); }

    map::AdaptationProcedure& procedure() const { return *procedure_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* infoLabel() const { return info_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* stopButton() const { return stop_; }

    void Button_startClick();
    void Button_stopClick();
    void TabSheet3Show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // AdaptationHost
    bool faultBannerShown() const override;
    double engineRpm() const override;
    double reducerTemperature() const override;
    quint8 cylinderButtonMask() const override;
    quint8 activeCylinderMask() const override;
    qint32 mapEntry(int k) const override;
    map::RecordRow& recordRow(int r) override;
    QString message(msg::Row row) const override;
    void showProgress(bool enabled, int position) override;
    void showInfo(const QString& text) override;
    void setWindowLocked(bool locked) override;
    void showWindowReady() override;

    QWidget* page_;
    LiveModel& live_;
    SettingsModel& settings_;
    const map::InjectionMap& map_;
    const MessageTable& messages_;
    Dialogs& dialogs_;
    AdaptationWindow window_;
    std::unique_ptr<map::AdaptationProcedure> procedure_;
    QProgressBar* progress_ = nullptr;
    QGroupBox* groupBox24_ = nullptr;
    QLabel* info_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* label28_ = nullptr;
};

}  // namespace brivel
