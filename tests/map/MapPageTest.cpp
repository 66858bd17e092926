// The "Mapa" page on its own models: it follows the live model itself, so
// each decoded frame, the disconnect's blank one included, reaches the chart
// and nothing else the live model tells does.

#include "RecordingCommandSender.h"
#include "ReplyFrames.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "live/LiveModel.h"
#include "map/MapPageModel.h"
#include "map/ui/MapChart.h"
#include "map/ui/MapPage.h"
#include "settings/SettingsModel.h"
#include "widgets/TAbFlashTimer.h"

#include <gtest/gtest.h>

#include <QtCharts/QXYSeries>
#include <QtTest/QSignalSpy>
#include <QtWidgets/QWidget>

using namespace brivel;
using map::MapSeries;

namespace {

class MapPageTest : public ::testing::Test {
protected:
    MapPageTest() { window.show(); }

    QXYSeries* series(MapSeries s) const { return page.chart()->series(s); }
    QList<QPointF> points(MapSeries s) const { return series(s)->points(); }

    test::VirtualClock clock;
    TAbFlashTimer flash{clock};
    MessageTable messages;
    LiveModel live{messages};
    SettingsModel settings{messages};
    test::RecordingCommandSender sender;
    map::MapPageModel model{sender};
    QWidget window;
    MapPage page{&window, flash, model, live, settings};
};

}  // namespace

TEST_F(MapPageTest, EachDecodedFrameReachesTheChartWithItsReadingsAndSamples)
{
    QSignalSpy crossHairMoved(series(MapSeries::CrossHair), &QXYSeries::pointsReplaced);
    // Petrol time 2.9 ms, 40 kPa; samples at index 130, in the curve window:
    // A[130] = 29 and B[132] = 31. Selector 0 draws the raw points alone.
    live.DecodeLiveFrame(
        test::liveFrame({{47, 0}, {6, 29}, {26, 40}, {36, 130}, {38, 29}, {42, 31}}));
    ASSERT_EQ(crossHairMoved.size(), 1);
    const double petrolMs = live.snapshot().petrolTimes[0];
    EXPECT_NEAR(petrolMs, 2.9, 1e-6);
    ASSERT_EQ(points(MapSeries::CrossHair).size(), 4);
    EXPECT_EQ(points(MapSeries::CrossHair).front(), QPointF(petrolMs, 40.0));
    EXPECT_EQ(points(MapSeries::PetrolPoints), QList<QPointF>{QPointF(2.9, 130)});
    EXPECT_EQ(points(MapSeries::GasPoints), QList<QPointF>{QPointF(3.1, 132)});
    EXPECT_TRUE(points(MapSeries::PetrolCurve).isEmpty());

    // No frame: the chart is not touched.
    live.clearFaultText();
    live.hideBanner();
    EXPECT_EQ(crossHairMoved.size(), 1);

    // The disconnect's blank frame moves the cross-hair to 0 ms and 0 kPa;
    // its sample index 0 renews no curve, so the samples stay shown.
    live.linkDisconnected();
    EXPECT_EQ(crossHairMoved.size(), 2);
    EXPECT_EQ(points(MapSeries::CrossHair).front(), QPointF(0, 0));
    EXPECT_EQ(points(MapSeries::PetrolPoints), QList<QPointF>{QPointF(2.9, 130)});
}
