#pragma once

#include "app/Page.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>

class QTabWidget;
class QWidget;

namespace brivel {

class AdaptationPage;
class CommandSender;
class DiagnosticsPage;
class FaultPage;
class HelpPage;
class InfoPage;
class LevelThresholdEditor;
class LiveModel;
class MapPage;
class OscilloscopePage;
class PanelGazPage;
class PanelPetrolPage;
class PrzelacznikPage;
class SettingsModel;
class SettingsPages;
class TAbFlashTimer;
class UrlOpener;

namespace map {
class AdaptationProcedure;
class MapPageModel;
}  // namespace map

// What the pages are built on: the models they show and the services they
// use. None of it is owned; all must outlive the pages.
struct PageServices {
    TAbFlashTimer& flashTimer;
    LiveModel& live;
    SettingsModel& settings;
    LevelThresholdEditor& levelThresholds;
    map::MapPageModel& map;
    map::AdaptationProcedure& adaptation;
    CommandSender& sender;
    UrlOpener& urls;
    // Whether the serial port is open.
    std::function<bool()> portOpen;
};

// The ten pages of the tab control, built in tab order, each by its own
// subsystem's class. The pages belong to the tab control.
class WindowPages {
public:
    WindowPages(QTabWidget* tabs, const PageServices& services);
    ~WindowPages();

    QWidget* widget(Page page) const { return widgets_[static_cast<std::size_t>(page)]; }
    // Brings the page to the front.
    void show(Page page) const;

    PanelPetrolPage& panelPetrol() const;
    PanelGazPage& panelGaz() const;
    AdaptationPage& adaptation() const { return *adaptation_; }
    DiagnosticsPage& diagnostics() const { return *diagnostics_; }
    MapPage& map() const { return *map_; }
    FaultPage& faults() const { return *faults_; }
    OscilloscopePage& oscilloscope() const { return *oscilloscope_; }
    PrzelacznikPage& przelacznik() const;
    HelpPage& help() const { return *help_; }
    InfoPage& info() const { return *info_; }

private:
    QTabWidget* tabs_;
    std::array<QWidget*, PageCount> widgets_{};
    AdaptationPage* adaptation_ = nullptr;
    DiagnosticsPage* diagnostics_ = nullptr;
    MapPage* map_ = nullptr;
    FaultPage* faults_ = nullptr;
    OscilloscopePage* oscilloscope_ = nullptr;
    HelpPage* help_ = nullptr;
    InfoPage* info_ = nullptr;
    std::unique_ptr<SettingsPages> settingsPages_;
};

}  // namespace brivel
