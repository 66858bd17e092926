#include "ReplyFrames.h"
#include "i18n/MessageTable.h"
#include "live/LiveModel.h"
#include "map/MapLiveFeed.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brivel;

TEST(MapLiveFeed, EachDecodedFrameReachesTheChartAndTheStepGatesTheAdaptationRecord)
{
    MessageTable messages;
    LiveModel model(messages);
    MapLiveFeed feed(model);
    std::vector<int> selectors;
    feed.setChartUpdate([&](quint8 selector) { selectors.push_back(selector); });
    EXPECT_FALSE(feed.adaptationRunning());

    model.DecodeLiveFrame(test::liveFrame({{47, 5}, {36, 3}, {21, 40}}));
    model.clearFaultText();  // no frame: the chart is not updated
    EXPECT_EQ(selectors, std::vector<int>({5}));
    EXPECT_EQ(model.adaptationRecord().row(8)[3], 0);

    feed.setAdaptationStep(0);
    model.DecodeLiveFrame(test::liveFrame({{47, 6}, {36, 3}, {21, 40}}));
    EXPECT_EQ(model.adaptationRecord().row(8)[3], 40);

    // The disconnect's blank frame updates the chart with selector 0.
    model.linkDisconnected();
    EXPECT_EQ(selectors, std::vector<int>({5, 6, 0}));
}
