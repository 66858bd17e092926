// A session with the window as the program builds it (the real clock, the
// ports with "Demo", the platform's dialogs and settings store), driven
// through its menu handlers, reporting at each step what a fitter's machine
// pays for it: the resident memory (VmRSS), and how often the program's own
// timers fire and the window thread is woken, per second.
//
//   session_probe [--hold SECONDS] [--long SECONDS]
//
// Prints one line per step: "step <name> rss_mb <MB> timer_fires_per_s <n>
// wakeups_per_s <n>" plus the intervals of the timers that fired. The
// memory and quiet scripts read these lines.

#include "app/Page.h"
#include "app/PortMenu.h"
#include "app/TBrivel.h"
#include "app/WindowPages.h"
#include "link/ControllerLink.h"
#include "link/PortRouter.h"
#include "link/qt/QtSerialPort.h"
#include "live/ReplayPort.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtUrlOpener.h"
#include "sim/DemoPort.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <map>
#include <memory>

namespace {

using namespace brivel;

// The platform clock, counting each firing of each of its timers by interval.
class CountingClock final : public Clock {
public:
    qint64 nowMs() const override { return clock_.nowMs(); }
    QDateTime localDateTime() const override { return clock_.localDateTime(); }
    std::unique_ptr<Timer> createTimer() override
    {
        return std::make_unique<CountingTimer>(clock_.createTimer(), fires_);
    }

    // Firings by interval since the last call.
    std::map<int, int> takeFires() { return std::exchange(fires_, {}); }

private:
    class CountingTimer final : public Timer {
    public:
        CountingTimer(std::unique_ptr<Timer> inner, std::map<int, int>& fires)
            : inner_(std::move(inner)), fires_(fires)
        {
            inner_->setCallback([this] {
                ++fires_[inner_->interval()];
                fire();
            });
        }
        void setInterval(int ms) override { inner_->setInterval(ms); }
        int interval() const override { return inner_->interval(); }
        void setSingleShot(bool singleShot) override { inner_->setSingleShot(singleShot); }
        bool isSingleShot() const override { return inner_->isSingleShot(); }
        void start() override { inner_->start(); }
        void stop() override { inner_->stop(); }
        bool isActive() const override { return inner_->isActive(); }

    private:
        std::unique_ptr<Timer> inner_;
        std::map<int, int>& fires_;
    };

    QtClock clock_;
    std::map<int, int> fires_;
};

// A field of /proc/<file>/status, in its own unit (kB, a count).
long statusField(const char* file, const char* field)
{
    QFile status(QString::fromLatin1(file));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    return -1;
}

double rssMb()
{
    return statusField("/proc/self/status", "VmRSS") / 1024.0;
}

long windowThreadSwitches()
{
    return statusField("/proc/thread-self/status", "voluntary_ctxt_switches") +
           statusField("/proc/thread-self/status", "nonvoluntary_ctxt_switches");
}

void runFor(int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, ms - int(elapsed.elapsed()));
}

// Holds the window in its state for `seconds` and reports what it cost.
void hold(const char* step, CountingClock& clock, int seconds)
{
    runFor(500);  // what the step itself set off settles
    clock.takeFires();
    const long switchesBefore = windowThreadSwitches();
    runFor(seconds * 1000);
    const long switches = windowThreadSwitches() - switchesBefore;
    int fires = 0;
    QString intervals;
    for (const auto& [interval, count] : clock.takeFires()) {
        fires += count;
        intervals += QStringLiteral(" %1ms:%2").arg(interval).arg(count);
    }
    std::printf("step %-24s rss_mb %6.1f timer_fires_per_s %6.1f wakeups_per_s %6.1f  timers%s\n",
                step, rssMb(), double(fires) / seconds, double(switches) / seconds,
                qPrintable(intervals.isEmpty() ? QStringLiteral(" none") : intervals));
    std::fflush(stdout);
}

int argument(int argc, char** argv, const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], name) == 0)
            return QByteArray(argv[i + 1]).toInt();
    return fallback;
}

}  // namespace

int main(int argc, char** argv)
{
    const int holdSeconds = argument(argc, argv, "--hold", 5);
    const int longSeconds = argument(argc, argv, "--long", 60);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivel"));
    QApplication::setOrganizationName(QStringLiteral("KVOS"));

    CountingClock clock;
    QtDialogs dialogs;
    QtSettingsStore settings;
    QtUrlOpener urls;
    auto replay = std::make_unique<ReplayPort>(clock);
    ReplayPort* replayPort = replay.get();
    PortRouter port(sim::makePortWithDemo(std::make_unique<QtSerialPort>(), clock),
                    std::move(replay), ReplayPort::PortName);
    Platform platform;
    platform.clock = &clock;
    platform.dialogs = &dialogs;
    platform.settings = &settings;
    platform.urls = &urls;
    WindowOptions options;
    options.demoPortName = sim::DemoPortName;
    options.replayPort = replayPort;

    auto window = std::make_unique<TBrivel>(platform, port, options);
    dialogs.setParent(window.get());
    window->show();
    hold("disconnected", clock, holdSeconds);

    QAction* demo = nullptr;
    for (QAction* item : window->portMenu().portItems())
        if (item->objectName() == sim::DemoPortName)
            demo = item;
    if (!demo) {
        std::fprintf(stderr, "session_probe: no \"Demo\" port item\n");
        return 1;
    }
    demo->trigger();
    runFor(3000);
    if (window->link().linkState() == LinkState::Disconnected) {
        std::fprintf(stderr, "session_probe: \"Demo\" did not connect\n");
        return 1;
    }
    hold("connected", clock, holdSeconds);

    window->pages().show(Page::Oscyloskop);
    hold("connected_oscilloscope", clock, holdSeconds);
    for (int p = 0; p < PageCount; ++p) {
        window->pages().show(static_cast<Page>(p));
        runFor(300);
    }
    window->pages().show(Page::PanelPetrol);
    hold("connected_every_page", clock, holdSeconds);

    // A long drive with the map in front: the memory it ends with against
    // the memory it had once the map was first shown and filled.
    window->pages().show(Page::Mapa);
    hold("connected_map", clock, holdSeconds);
    const double mapStart = rssMb();
    double peak = mapStart;
    for (int s = 0; s < longSeconds; s += 5) {
        runFor(5000);
        peak = std::max(peak, rssMb());
    }
    std::printf("long_run seconds %d rss_start_mb %.1f rss_end_mb %.1f rss_peak_mb %.1f\n",
                longSeconds, mapStart, rssMb(), peak);
    hold("connected_map_after_long", clock, holdSeconds);

    window->pages().show(Page::PanelPetrol);
    window->findChild<QAction*>(QStringLiteral("rozlacz1"))->trigger();
    hold("disconnected_again", clock, holdSeconds);
    window->pages().show(Page::Oscyloskop);
    hold("disconnected_oscilloscope", clock, holdSeconds);
    window->close();
    window.reset();
    return 0;
}
