#include "app/WindowPages.h"

#include "app/ui/HelpPage.h"
#include "app/ui/InfoPage.h"
#include "live/ui/DiagnosticsPage.h"
#include "live/ui/FaultPage.h"
#include "live/ui/OscilloscopePage.h"
#include "map/ui/AdaptationPage.h"
#include "map/ui/MapPage.h"
#include "settings/ui/SettingsPages.h"

#include <QtWidgets/QTabWidget>

namespace brivel {

namespace {

struct PageSheet {
    Page page;
    const char* name;
    // Null where the caption follows the language (from the caption table).
    const char* caption;
};

constexpr PageSheet Sheets[PageCount] = {
    {Page::PanelPetrol, "TabSheet1", nullptr}, {Page::PanelGaz, "TabSheet2", nullptr},
    {Page::Adaptacja, "TabSheet3", nullptr},   {Page::Diagnostyka, "TabSheet6", "Diagnostyka"},
    {Page::Mapa, "TabSheet4", nullptr},        {Page::Error, "TabSheet5", "Error"},
    {Page::Oscyloskop, "TabSheet7", nullptr},  {Page::Przelacznik, "TabSheet9", nullptr},
    {Page::Help, "TabSheet11", "Help"},        {Page::Info, "TabSheet12", "Info"},
};

}  // namespace

WindowPages::WindowPages(QTabWidget* tabs, const PageServices& services) : tabs_(tabs)
{
    for (const PageSheet& sheet : Sheets) {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(sheet.name));
        tabs->addTab(page, sheet.caption ? QString::fromUtf8(sheet.caption) : QString());
        widgets_[static_cast<std::size_t>(sheet.page)] = page;
    }
    show(Page::PanelPetrol);

    settingsPages_ = std::make_unique<SettingsPages>(
        widget(Page::PanelPetrol), widget(Page::PanelGaz), widget(Page::Przelacznik),
        SettingsPageServices{services.flashTimer, services.live, services.settings,
                             services.levelThresholds, services.sender, services.portOpen});
    // The map follows the live frames and the settings model's images and
    // engine type.
    map_ = new MapPage(widget(Page::Mapa), services.flashTimer, services.map, services.live,
                       services.settings);
    adaptation_ = new AdaptationPage(widget(Page::Adaptacja), services.adaptation);
    diagnostics_ =
        new DiagnosticsPage(widget(Page::Diagnostyka), services.flashTimer, services.live);
    faults_ = new FaultPage(widget(Page::Error), services.live, services.settings, services.sender);
    oscilloscope_ =
        new OscilloscopePage(widget(Page::Oscyloskop), services.flashTimer, services.live);
    help_ = new HelpPage(widget(Page::Help));
    info_ = new InfoPage(widget(Page::Info), services.flashTimer, services.urls);
}

WindowPages::~WindowPages() = default;

PanelPetrolPage& WindowPages::panelPetrol() const
{
    return settingsPages_->panelPetrol();
}

PanelGazPage& WindowPages::panelGaz() const
{
    return settingsPages_->panelGaz();
}

PrzelacznikPage& WindowPages::przelacznik() const
{
    return settingsPages_->przelacznik();
}

void WindowPages::show(Page page) const
{
    tabs_->setCurrentWidget(widget(page));
}

}  // namespace brivel
