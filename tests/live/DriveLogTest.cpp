#include "ReplyFrames.h"
#include "live/DriveLog.h"
#include "live/DriveRecordFormat.h"
#include "live/DriveRecording.h"

#include <gtest/gtest.h>

using namespace brivel;
using namespace brivel::drivelog;

namespace {

std::vector<qint64> times(std::initializer_list<qint64> t)
{
    return t;
}

}  // namespace

TEST(DecimateTest, KeepsTheLowestAndHighestReadingOfEachPixelColumn)
{
    const std::vector<qint64> t = times({0, 100, 200, 300, 400, 500, 600, 700, 800, 900});
    const std::vector<float> v = {5, 1, 9, 3, 3, 7, 2, 2, 8, 4};
    struct Case {
        const char* what;
        double from, to;
        int columns;
        std::vector<ColumnRange> expected;
    };
    const Case cases[] = {
        {"two frames a column",
         0,
         1000,
         5,
         {{1, 5, 2}, {3, 9, 2}, {3, 7, 2}, {2, 2, 2}, {4, 8, 2}}},
        {"all in one", 0, 1000, 1, {{1, 9, 10}}},
        {"more columns than frames leaves gaps",
         0,
         400,
         8,
         {{5, 5, 1}, {0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {9, 9, 1}, {0, 0, 0}, {3, 3, 1}, {0, 0, 0}}},
        {"a span inside the drive reads only its frames", 250, 650, 2, {{3, 3, 2}, {2, 7, 2}}},
        {"the span's end is not in it", 0, 300, 1, {{1, 9, 3}}},
        {"a span past the drive is empty", 2000, 3000, 2, {{0, 0, 0}, {0, 0, 0}}},
        {"no columns", 0, 1000, 0, {}},
        {"an empty span", 500, 500, 2, {{0, 0, 0}, {0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto got = decimate(t, v, c.from, c.to, c.columns);
        ASSERT_EQ(got.size(), c.expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].count, c.expected[i].count) << i;
            if (got[i].count) {
                EXPECT_EQ(got[i].min, c.expected[i].min) << i;
                EXPECT_EQ(got[i].max, c.expected[i].max) << i;
            }
        }
    }
}

TEST(TimeSpanTest, ZoomAndPanKeepTheTimeUnderThePointer)
{
    constexpr double Width = 800;
    struct Case {
        const char* what;
        double x;
        double factor;
    };
    const Case zooms[] = {{"in at the middle", 400, 0.5},
                          {"in near the left", 40, 0.25},
                          {"in near the right", 760, 0.8},
                          {"in and out again", 300, 1.6}};
    for (const Case& c : zooms) {
        SCOPED_TRACE(c.what);
        TimeSpan span(0, 3'600'000);
        span.zoomAround(400, Width, 0.3);  // start from a zoomed view
        const double before = span.timeAt(c.x, Width);
        span.zoomAround(c.x, Width, c.factor);
        EXPECT_NEAR(span.timeAt(c.x, Width), before, 1e-6);
        EXPECT_NEAR(span.lengthMs(), 3'600'000 * 0.3 * c.factor, 1e-6);
    }

    TimeSpan span(0, 3'600'000);
    span.zoomAround(400, Width, 0.1);
    const double under = span.timeAt(200, Width);
    span.panBy(150, Width);
    EXPECT_NEAR(span.timeAt(350, Width), under, 1e-6) << "the time follows the pointer";
    EXPECT_NEAR(span.lengthMs(), 360'000, 1e-6);

    // The drive's ends hold: a pan or zoom never shows time outside it.
    span.panBy(1e6, Width);
    EXPECT_EQ(span.fromMs(), 0);
    EXPECT_NEAR(span.lengthMs(), 360'000, 1e-6);
    span.zoomAround(0, Width, 100);
    EXPECT_TRUE(span.isWholeDrive());
    span.zoomAround(400, Width, 1e-9);
    EXPECT_EQ(span.lengthMs(), TimeSpan::MinimumMs);
    span.wholeDrive();
    EXPECT_TRUE(span.isWholeDrive());
    EXPECT_EQ(span.timeAt(200, Width), 900'000);
    EXPECT_EQ(span.xAt(900'000, Width), 200);
}

TEST(DriveLogTest, ReadsEveryChannelAndMarksWhereAFaultAppears)
{
    QByteArray text = record::headerLine();
    struct Row {
        qint64 ms;
        int rpmHundreds;
        int flags1;
    };
    // A flag bit reads 0 while its fault is present.
    const Row rows[] = {
        {0, 8, 0xFF},    {240, 15, 0xFF},         {480, 25, 0xFF & ~0x08}, {720, 26, 0xFF & ~0x08},
        {960, 20, 0xFF}, {1200, 18, 0xFF & ~0x10}};
    for (const Row& r : rows)
        text += record::frameLine(r.ms, test::liveFrame({{21, r.rpmHundreds}, {34, r.flags1}}));
    const DriveLog log = DriveLog::fromRecording(DriveRecording::parse(text));
    ASSERT_EQ(log.size(), 6);
    EXPECT_EQ(log.endMs(), 1200);
    EXPECT_EQ(log.values(Channel::Rpm)[1], 1500.0f);
    ASSERT_EQ(log.faults().size(), 2u);
    EXPECT_EQ(log.faults()[0].timeMs, 480);
    EXPECT_EQ(log.faults()[1].timeMs, 1200);
}
