// Renders the window's own instruments, built by the same classes as the
// window, to PNG files for a person to look at, and checks that each picture
// is more than a blank box.

#include "RecordingCommandSender.h"
#include "ReplyFrames.h"
#include "TestOutput.h"
#include "VirtualClock.h"
#include "app/ui/BottomBar.h"
#include "i18n/MessageTable.h"
#include "live/ui/LeftColumn.h"
#include "live/LiveModel.h"
#include "live/ui/OscilloscopePage.h"
#include "settings/ui/CylinderButtons.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/LevelThresholdEditor.h"
#include "settings/SettingsModel.h"
#include "settings/ui/SettingsPages.h"
#include "sim/SettingsImage.h"
#include "app/ui/WindowCaptions.h"
#include "widgets/ui/TAb270Meter.h"
#include "widgets/ui/TAbColBitBtn.h"
#include "widgets/ui/TAbDBColBitBtn.h"
#include "widgets/TAbFlashTimer.h"
#include "widgets/ui/TAbMiniTrend.h"

#include <gtest/gtest.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QSet>
#include <QtGui/QImage>
#include <QtGui/QPixmap>
#include <QtWidgets/QGroupBox>

#include <cmath>

using namespace brivel;

namespace {

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

class InstrumentRender : public ::testing::Test {
protected:
    InstrumentRender() { panel.resize(800, 600); }

    // Saves `widget` as widgets/<name>.png and checks it shows a picture.
    void save(QWidget* widget, const QString& name, int minColours)
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const QPixmap pixmap = widget->grab();
        ASSERT_FALSE(pixmap.isNull()) << name.toStdString();
        const QString path = test::testOutputDir(QStringLiteral("widgets")) + QLatin1Char('/') +
                             name + QStringLiteral(".png");
        ASSERT_TRUE(pixmap.save(path)) << path.toStdString();
        EXPECT_GE(distinctColours(pixmap.toImage()), minColours) << name.toStdString();
    }

    test::VirtualClock clock;
    TAbFlashTimer flashTimer{clock};
    MessageTable messages;
    LiveModel model{messages};
    QWidget panel;
};

}  // namespace

TEST_F(InstrumentRender, RpmDialWithAndWithoutSectorBand)
{
    LeftColumn column(&panel, flashTimer, model);
    column.prepareDial();
    TAb270Meter* dial = column.rpmDial();
    model.DecodeLiveFrame(test::liveFrame({{4, 1}, {21, 32}}));
    save(dial, QStringLiteral("rpm_zegar_active"), 20);
    model.DecodeLiveFrame(test::liveFrame({{4, 0}, {21, 0}}));
    save(dial, QStringLiteral("rpm_zegar_idle"), 10);
    // Far above the scale: the pointer stops at the end.
    model.DecodeLiveFrame(test::liveFrame({{4, 0}, {21, 255}}));
    save(dial, QStringLiteral("rpm_zegar_overflow"), 10);
}

TEST_F(InstrumentRender, CylinderButtonsAndConnectSwitch)
{
    SettingsModel settings{messages};
    CylinderButtonsModel state{settings};
    CylinderButtons cylinders(&panel, flashTimer, state);
    for (int k = 0; k < CylinderButtons::Count; ++k)
        if (k % 3 != 2)
            state.toggle(k);
    save(cylinders.group(), QStringLiteral("cylinder_buttons"), 10);

    BottomBar bar(&panel, flashTimer, model);
    save(bar.connectSwitch(), QStringLiteral("connect_switch_off"), 4);
    bar.showConnectSwitch(true);
    save(bar.connectSwitch(), QStringLiteral("connect_switch_on"), 4);
}

TEST_F(InstrumentRender, OscilloscopeTrend)
{
    OscilloscopePage page(&panel, flashTimer, model);
    TAbMiniTrend* trend = page.trend();
    page.OSC_PETROL_LPGClick();
    panel.show();
    for (int i = 0; i < 200; ++i) {
        const double t = i / 20.0;
        trend->setValueCh1(static_cast<float>(8 + 4 * std::sin(t) + (i % 40 < 20 ? 0 : 6)));
        trend->setValueCh2(static_cast<float>(10 + 3 * std::cos(t * 0.7)));
        clock.advance(240);
    }
    save(trend, QStringLiteral("oscyloskop"), 6);
    EXPECT_EQ(trend->timeLabel(), QStringLiteral("6s/div"));
}

TEST_F(InstrumentRender, SettingsPagesAsTheWindowBuildsThem)
{
    SettingsModel settings{messages};
    test::RecordingCommandSender sender;
    LevelThresholdEditor thresholds(sender, settings);
    std::array<QWidget*, 3> sheets{};
    for (QWidget*& sheet : sheets) {
        sheet = new QWidget(&panel);
        sheet->resize(587, 468);
    }
    SettingsPages pages(
        sheets[0], sheets[1], sheets[2],
        SettingsPageServices{flashTimer, model, settings, thresholds, sender, [] { return true; }});
    applyCaptions(&panel, messages, CaptionScope::Design);
    sim::SettingsImage image;
    image.set(sim::SettingsImage::EngineFlags, 0x8A);
    settings.setParameterBlock(image.reply(0x66));
    const char* names[] = {"panel_petrol", "panel_gaz", "przelacznik"};
    for (int i = 0; i < 3; ++i)
        save(sheets[i], QLatin1String(names[i]), 12);
    EXPECT_TRUE(sender.queued.isEmpty());
}
