// Renders the kit's widgets in the settings the window uses, to PNG files
// for a person to look at, and checks that each picture is more than a blank
// box. The window's own instruments are rendered by the app tests, built by
// the window's classes.

#include "KitTest.h"
#include "TestOutput.h"

#include "widgets/ui/TAbDBLED.h"
#include "widgets/ui/TAbHSlider.h"
#include "widgets/ui/TAbSpinButton.h"
#include "widgets/ui/TAbToggleSwitch.h"
#include "widgets/ui/TAbVBar.h"
#include "widgets/ui/TAbVSlider.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/ui/TBarSettings.h"
#include "widgets/ui/TLED.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtCore/QSet>
#include <QtGui/QImage>
#include <QtGui/QPixmap>

namespace brivel::test {
namespace {

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

class Render : public KitTest {
protected:
    Render() { parent.resize(800, 600); }

    // Saves `widget` as <name>.png and checks it shows a picture.
    void save(QWidget* widget, const QString& name, int minColours = 4)
    {
        processEvents();
        const QPixmap pixmap = widget->grab();
        ASSERT_FALSE(pixmap.isNull()) << name.toStdString();
        const QString path = testOutputDir(QStringLiteral("widgets")) + QLatin1Char('/') + name +
                             QStringLiteral(".png");
        ASSERT_TRUE(pixmap.save(path)) << path.toStdString();
        EXPECT_GE(distinctColours(pixmap.toImage()), minColours) << name.toStdString();
    }

    // A panel in the button-face colour to put a group of widgets on.
    QWidget* panel(int w, int h)
    {
        auto* p = new QWidget(&parent);
        p->setAutoFillBackground(true);
        p->resize(w, h);
        return p;
    }
};

TEST_F(Render, LiveReadOuts)
{
    struct ReadOut {
        const char* format;
        const char* unit;
        float value;
    };
    const ReadOut readOuts[] = {
        {"###0", "obr/min", 3200.0f}, {"#0.0", " bar", 1.2f},  {"##0.0", "kPa", 100.0f},
        {"##0.0", "ms", 4.57f},       {"##0.0", "°C", -12.5f}, {"##0.0", "V", 12.97f},
    };
    QWidget* group = panel(150, 6 * 26 + 8);
    int y = 4;
    for (const ReadOut& r : readOuts) {
        auto* ind = new TAbValueInd(flashTimer, group);
        ind->signalSettings()->setValueFormat(QString::fromUtf8(r.format));
        ind->signalSettings()->setValueUnit(QString::fromUtf8(r.unit));
        ind->setOptions(TAbValueInd::opUnit);
        ind->setValue(r.value);
        ind->move(6, y);
        y += 26;
    }
    save(group, QStringLiteral("readouts"), 10);
}

TEST_F(Render, DiagnosticsBars)
{
    QWidget* tab = panel(585, 470);
    const float petrol[] = {4.5f, 6.2f, 0.0f, 12.0f, 30.0f, 18.3f, 9.9f, 40.0f};
    for (int k = 0; k < 8; ++k) {
        auto* bar = new TAbVBar(flashTimer, tab);
        bar->setGeometry(8 + k * 71, 6, 66, 300);
        bar->signalSettings()->setValueTo(30);
        bar->signalSettings()->setName2(QStringLiteral("CYL %1").arg(k + 1));
        bar->barSettings()->setStyle(TBarSettings::bsLED_Bar);
        bar->barSettings()->setColor(QColor(255, 0, 0));
        bar->setValue(petrol[k]);
    }
    auto* gas = new TAbVBar(flashTimer, tab);
    gas->setGeometry(17, 312, 550, 150);
    gas->signalSettings()->setValueFrom(0.001f);
    gas->signalSettings()->setName2(QStringLiteral("LPG"));
    gas->barSettings()->setStyle(TBarSettings::bsLED_Bar);
    gas->barSettings()->setColor(QColor(0, 255, 0));
    gas->setValue(37.4f);
    save(tab, QStringLiteral("diagnostics_bars"), 10);
}

TEST_F(Render, TankAndReserveLeds)
{
    QWidget* bar = panel(260, 30);
    for (int k = 0; k < 4; ++k) {
        auto* led = new TAbDBLED(flashTimer, bar);
        led->setCaption(QStringLiteral("%1/4").arg(4 - k));
        led->led()->setShape(TLED::sRectangle);
        led->led()->setWidth(15);
        led->led()->setHeight(17);
        led->resize(led->sizeHint());
        led->move(6 + k * 50, 6);
        led->setChecked(k >= 1);  // three quarters
    }
    auto* reserve = new TAbDBLED(flashTimer, bar);
    reserve->setCaption(QStringLiteral("R"));
    reserve->led()->setShape(TLED::sRectangle);
    reserve->led()->setColorOn(QColor(255, 0, 0));
    reserve->led()->setWidth(15);
    reserve->led()->setHeight(17);
    reserve->setFrequency(ff4Hz);
    reserve->setFlashing(true);
    reserve->resize(reserve->sizeHint());
    reserve->move(210, 6);
    save(bar, QStringLiteral("tank_leds"), 10);

    reserve->setChecked(true);
    clock.advance(128 - clock.nowMs() % 128 + 1);
    save(bar, QStringLiteral("tank_leds_reserve_phase_a"), 10);
    clock.advance(128);
    save(bar, QStringLiteral("tank_leds_reserve_phase_b"), 10);
}

TEST_F(Render, FuelSwitchBothWays)
{
    QWidget* group = panel(240, 60);
    for (int k = 0; k < 2; ++k) {
        auto* sw = new TAbToggleSwitch(flashTimer, group);
        sw->setGeometry(6 + k * 115, 6, 105, 20);
        sw->setMode(TAbBinGControl::mIndicator);
        sw->setTextOn(QStringLiteral("LPG"));
        sw->setTextOff(QStringLiteral("PB"));
        sw->setChecked(k == 0);
    }
    auto* idle = new TAbToggleSwitch(flashTimer, group);
    idle->setGeometry(6, 32, 105, 20);
    idle->setTextOn(QStringLiteral("LPG"));
    idle->setTextOff(QStringLiteral("PB"));
    idle->setColorOn(idle->palette().color(QPalette::Button));
    idle->setColorOff(idle->palette().color(QPalette::Button));
    save(group, QStringLiteral("paliwo_switch"), 10);
}

TEST_F(Render, SlidersWithReadOut)
{
    QWidget* page = panel(380, 240);
    auto* h = new TAbHSlider(flashTimer, page);
    h->setGeometry(6, 6, 260, 70);
    h->signalSettings()->setValueRange(20, 90);
    h->signalSettings()->setDigitalFrom(20);
    h->signalSettings()->setDigitalTo(90);
    h->signalSettings()->setValueFormat(QStringLiteral("#0.0"));
    h->signalSettings()->setValueUnit(QString::fromUtf8("°C"));
    h->signalSettings()->setName1(QString());
    h->signalSettings()->setName2(QStringLiteral("Temperatura"));
    h->scaleSettings()->setSteps(7);
    h->scaleSettings()->setSubSteps(2);
    auto* readOut = new TAbValueInd(flashTimer, page);
    readOut->setOptions(TAbValueInd::opUnit);
    readOut->move(272, 30);
    h->setValueIndicator(readOut);
    h->setValue(45);

    auto* v = new TAbVSlider(flashTimer, page);
    v->setGeometry(6, 84, 90, 150);
    v->setGeometry(280, 64, 90, 170);
    v->signalSettings()->setValueRange(0.40f, 2.50f);
    v->signalSettings()->setDigitalFrom(40);
    v->signalSettings()->setDigitalTo(250);
    v->signalSettings()->setValueFormat(QStringLiteral("#0.00"));
    v->signalSettings()->setValueUnit(QStringLiteral("bar"));
    v->signalSettings()->setName1(QStringLiteral("P. pracy"));
    v->signalSettings()->setName2(QString());
    v->scaleSettings()->setSteps(7);
    v->scaleSettings()->setSubSteps(3);
    v->scaleSettings()->setValueFormat(QStringLiteral("0.0"));
    v->setValue(1.25f);

    auto* spin = new TAbSpinButton(flashTimer, page);
    spin->move(20, 100);
    save(page, QStringLiteral("sliders_and_spin"), 10);
    save(h, QStringLiteral("hslider"), 10);
    save(v, QStringLiteral("vslider"), 10);
    save(spin, QStringLiteral("spin_button"), 5);
}

}  // namespace
}  // namespace brivel::test
