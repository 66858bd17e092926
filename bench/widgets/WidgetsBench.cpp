// Cost of the live display: one decoded frame sets about fifty properties on
// widgets like the main window's, most of them to the value they already
// have; and the cost of painting the whole set from scratch.

#include "platform/qt/QtClock.h"
#include "widgets/ui/TAb270Meter.h"
#include "widgets/ui/TAbColBitBtn.h"
#include "widgets/ui/TAbDBColBitBtn.h"
#include "widgets/ui/TAbDBLED.h"
#include "widgets/TAbFlashTimer.h"
#include "widgets/ui/TAbHSlider.h"
#include "widgets/ui/TAbMiniTrend.h"
#include "widgets/ui/TAbSpinButton.h"
#include "widgets/ui/TAbToggleSwitch.h"
#include "widgets/ui/TAbVBar.h"
#include "widgets/ui/TAbVSlider.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/ui/TBarSettings.h"
#include "widgets/ui/TLED.h"
#include "widgets/ui/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>

#include <memory>
#include <vector>

namespace {

using namespace brivel;

// The widgets of the window's left column, bottom bar, diagnostics and
// oscilloscope tabs, on one surface.
struct WindowLike {
    WindowLike() : flash(clock)
    {
        root.resize(1200, 900);
        dial = new TAb270Meter(flash, &root);
        dial->setGeometry(5, 5, 161, 138);
        dial->signalSettings()->setValueTo(10);
        dial->signalSettings()->setValueUnit(QStringLiteral("x1000"));
        int y = 150;
        for (int i = 0; i < 17; ++i) {
            auto* r = new TAbValueInd(flash, &root);
            r->setOptions(TAbValueInd::opUnit);
            r->signalSettings()->setValueUnit(QStringLiteral("ms"));
            r->move(5, y);
            y += 24;
            readOuts.push_back(r);
        }
        for (int k = 0; k < 9; ++k) {
            auto* b = new TAbVBar(flash, &root);
            b->setGeometry(200 + k * 70, 5, 66, 300);
            b->signalSettings()->setValueTo(k < 8 ? 30 : 100);
            b->barSettings()->setStyle(TBarSettings::bsLED_Bar);
            b->barSettings()->setColor(k < 8 ? QColor(255, 0, 0) : QColor(0, 255, 0));
            bars.push_back(b);
        }
        for (int k = 0; k < 10; ++k) {
            auto* l = new TAbDBLED(flash, &root);
            l->setCaption(k < 8 ? QStringLiteral("%1/4").arg(k % 4 + 1) : QStringLiteral("R"));
            l->led()->setShape(TLED::sRectangle);
            l->led()->setWidth(15);
            l->led()->setHeight(17);
            l->resize(l->sizeHint());
            l->move(200 + k * 45, 320);
            if (k >= 8) {
                l->setFrequency(ff4Hz);
                l->setFlashing(true);
            }
            leds.push_back(l);
        }
        for (int k = 0; k < 8; ++k) {
            auto* c = new TAbColBitBtn(flash, &root);
            c->setGeometry(200 + k * 21, 350, 17, 34);
            c->setColorOn(QColor(0, 255, 0));
            c->setColorOff(QColor(128, 128, 128));
        }
        auto* connect = new TAbDBColBitBtn(flash, &root);
        connect->setGeometry(400, 350, 75, 25);
        connect->setTextOn(QStringLiteral("* * *"));
        connect->setTextOff(QString::fromUtf8("Połącz"));
        fuel = new TAbToggleSwitch(flash, &root);
        fuel->setGeometry(500, 350, 105, 20);
        fuel->setTextOn(QStringLiteral("LPG"));
        fuel->setTextOff(QStringLiteral("PB"));
        for (int k = 0; k < 6; ++k) {
            auto* s = new TAbHSlider(flash, &root);
            s->setGeometry(200, 400 + k * 72, 260, 70);
            auto* r = new TAbValueInd(flash, &root);
            r->move(470, 420 + k * 72);
            s->setValueIndicator(r);
        }
        auto* v = new TAbVSlider(flash, &root);
        v->setGeometry(560, 400, 90, 220);
        auto* spin = new TAbSpinButton(flash, &root);
        spin->move(660, 400);
        trend = new TAbMiniTrend(flash, &root);
        trend->setGeometry(600, 640, 585, 327);
        root.show();
        settle();
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // What the live-data decoder sets for one frame: `rpm` changes from frame
    // to frame, everything else repeats (an engine idling steadily).
    void liveFrame(float rpm, float changing)
    {
        dial->setValue(rpm / 1000.0f);
        readOuts[0]->setValue(rpm);
        readOuts[1]->setValue(1.2f);
        readOuts[2]->setValue(35.0f);
        for (int k = 0; k < 8; ++k)
            readOuts[3 + k]->setValue(k == 0 ? changing : 3.5f);
        readOuts[11]->setValue(4.1f);
        readOuts[12]->setValue(45.0f);
        readOuts[13]->setValue(60.0f);
        readOuts[14]->setValue(0.45f);
        readOuts[15]->setValue(0.5f);
        readOuts[16]->setValue(13.9f);
        for (int k = 0; k < 8; ++k)
            bars[k]->setValue(k == 0 ? changing : 3.5f);
        bars[8]->setValue(4.1f);
        for (int k = 0; k < 8; ++k)
            leds[k]->setChecked(k % 4 < 3);
        leds[8]->setChecked(false);
        leds[9]->setChecked(false);
        fuel->setColorOn(QColor(0, 255, 0));
        fuel->setColorOff(QColor(255, 0, 0));
        fuel->setChecked(true);
        dial->sectorSettings()->setOffset(0);
        trend->setValueCh1(changing);
        trend->setValueCh2(4.1f);
    }

    QtClock clock;
    TAbFlashTimer flash;
    QWidget root;
    TAb270Meter* dial = nullptr;
    std::vector<TAbValueInd*> readOuts;
    std::vector<TAbVBar*> bars;
    std::vector<TAbDBLED*> leds;
    TAbToggleSwitch* fuel = nullptr;
    TAbMiniTrend* trend = nullptr;
};

// Built on first use and destroyed in main() while the application object
// still exists: widgets outliving it crash at exit.
std::unique_ptr<WindowLike>& windowSlot()
{
    static std::unique_ptr<WindowLike> w;
    return w;
}

WindowLike& window()
{
    std::unique_ptr<WindowLike>& w = windowSlot();
    if (!w)
        w = std::make_unique<WindowLike>();
    return *w;
}

// About fifty property sets, two of them new values.
void BM_LiveUpdate_PropertySets(benchmark::State& state)
{
    WindowLike& w = window();
    int i = 0;
    for (auto _ : state) {
        ++i;
        w.liveFrame(float(800 + (i % 2) * 100), float(3.0 + (i % 2) * 0.5));
    }
    WindowLike::settle();
}
BENCHMARK(BM_LiveUpdate_PropertySets);

// The same, with the repaints the changes cause delivered to the surface.
void BM_LiveUpdate_WithRepaint(benchmark::State& state)
{
    WindowLike& w = window();
    int i = 0;
    for (auto _ : state) {
        ++i;
        w.liveFrame(float(800 + (i % 2) * 100), float(3.0 + (i % 2) * 0.5));
        WindowLike::settle();
    }
}
BENCHMARK(BM_LiveUpdate_WithRepaint);

// A frame that repeats the previous one exactly: nothing may be repainted.
void BM_LiveUpdate_Unchanged(benchmark::State& state)
{
    WindowLike& w = window();
    for (auto _ : state) {
        w.liveFrame(900, 3.5f);
        WindowLike::settle();
    }
}
BENCHMARK(BM_LiveUpdate_Unchanged);

// Everything painted from scratch, cached layers included.
void BM_FullRepaint_Grab(benchmark::State& state)
{
    WindowLike& w = window();
    for (auto _ : state) {
        QPixmap picture = w.root.grab();
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_FullRepaint_Grab)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    windowSlot().reset();
    return 0;
}
