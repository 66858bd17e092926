#include "ReplyFrames.h"
#include "i18n/MessageTable.h"
#include "live/LiveModel.h"
#include "map/MapLiveFeed.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brivel;

namespace {

struct SeenFrame {
    int selector;
    double petrolMs;
    double manifoldKpa;
    int sampleIndex;
    int petrolSample;
    int gasSample;
};

}  // namespace

TEST(MapLiveFeed, EachDecodedFrameReachesTheChartWithItsReadingsAndSamples)
{
    MessageTable messages;
    LiveModel model(messages);
    MapLiveFeed feed(model);
    std::vector<SeenFrame> seen;
    feed.setChartUpdate([&](const MapFrame& f) {
        seen.push_back({f.mapSelector, f.petrolMs, f.manifoldKpa, f.lastSampleIndex,
                        f.petrolSamples[130], f.gasSamples[132]});
    });

    // Petrol time 2.9 ms, 40 kPa, samples at index 130: A[130] = 29, B[132] = 31.
    model.DecodeLiveFrame(
        test::liveFrame({{47, 5}, {6, 29}, {26, 40}, {36, 130}, {38, 29}, {42, 31}}));
    model.clearFaultText();  // no frame: the chart is not updated
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].selector, 5);
    EXPECT_DOUBLE_EQ(seen[0].petrolMs, model.snapshot().petrolTimes[0]);
    EXPECT_NEAR(seen[0].petrolMs, 2.9, 1e-6);
    EXPECT_NEAR(seen[0].manifoldKpa, 40.0, 1e-4);
    EXPECT_EQ(seen[0].sampleIndex, 130);
    EXPECT_EQ(seen[0].petrolSample, 29);
    EXPECT_EQ(seen[0].gasSample, 31);

    // The disconnect's blank frame updates the chart with selector 0; the
    // samples stay.
    model.linkDisconnected();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].selector, 0);
    EXPECT_EQ(seen[1].sampleIndex, 0);
    EXPECT_EQ(seen[1].petrolSample, 29);
}

TEST(MapLiveFeed, TheAdaptationsOwnAnswerGatesTheRecord)
{
    MessageTable messages;
    LiveModel model(messages);
    MapLiveFeed feed(model);
    EXPECT_FALSE(feed.adaptationRunning()) << "nobody answers: nothing runs";

    model.DecodeLiveFrame(test::liveFrame({{36, 3}, {21, 40}}));
    EXPECT_EQ(model.adaptationRecord().row(8)[3], 0);

    bool running = true;
    feed.setAdaptationRunning([&] { return running; });
    model.DecodeLiveFrame(test::liveFrame({{36, 3}, {21, 41}}));
    EXPECT_EQ(model.adaptationRecord().row(8)[3], 41);

    running = false;
    model.DecodeLiveFrame(test::liveFrame({{36, 3}, {21, 42}}));
    EXPECT_EQ(model.adaptationRecord().row(8)[3], 41);
}
