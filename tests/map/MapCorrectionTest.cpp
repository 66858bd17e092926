#include "Bytes.h"
#include "MapPrinters.h"
#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "map/MapPageModel.h"

#include <gtest/gtest.h>

#include <map>

using namespace brivel::map;
using brivel::test::RecordingCommandSender;

namespace {

using Press = MapCorrection::Press;
using Step = MapCorrection::Step;

QByteArray blockWithFlatMap(int value)
{
    QByteArray block(602, '\0');
    for (int k = 1; k <= InjectionMap::Entries; ++k)
        block[65 + k] = static_cast<char>(value);
    return block;
}

class MapCorrectionTest : public ::testing::Test {
protected:
    MapCorrectionTest() { page.loadParameterBlock(blockWithFlatMap(100)); }

    const MapCorrection& correction() const { return page.correction(); }
    const InjectionMap& map() const { return page.map(); }

    SeriesSet click(int x, Qt::MouseButtons buttons = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const SeriesSet changed = page.press(buttons, modifiers, x);
        page.release();
        return changed;
    }

    void select(int startX, int endX)
    {
        click(startX);
        click(endX);
        ASSERT_EQ(correction().rangeStartX(), startX);
        ASSERT_EQ(correction().rangeEndX(), endX);
    }

    // The entries that differ from `base`, by entry number.
    std::map<int, int> changedFrom(int base) const
    {
        std::map<int, int> out;
        for (const InjectionMap::Entry& e : map().entries())
            if (e.value != base)
                out[e.number] = e.value;
        return out;
    }

    RecordingCommandSender sender;
    MapPageModel page{sender};
};

}  // namespace

struct ColumnCase {
    int x;
    int entry;
};

class Column : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(Column, NamesItsMapEntryAndNeverOneBeyond246)
{
    EXPECT_EQ(MapCorrection::entryAt(GetParam().x), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(MapCorrection, Column,
                         ::testing::Values(ColumnCase{0, 2}, ColumnCase{10, 7}, ColumnCase{25, 14},
                                           ColumnCase{26, 15}, ColumnCase{27, 15},
                                           ColumnCase{36, 20}, ColumnCase{37, 20},
                                           ColumnCase{46, 25}, ColumnCase{57, 30},
                                           ColumnCase{497, 246}, ColumnCase{498, 246},
                                           ColumnCase{500, 246}));

TEST(MapCorrectionGeometry, PetrolTimeUnderAColumn)
{
    EXPECT_DOUBLE_EQ(MapCorrection::petrolMsAt(0), 1.0);
    EXPECT_DOUBLE_EQ(MapCorrection::petrolMsAt(501), 25.6);
    EXPECT_DOUBLE_EQ(MapCorrection::petrolMsAt(25), 25 * 24.6 / 501 + 1.0);
}

// ---- Selecting ----

TEST_F(MapCorrectionTest, FirstClickMaySetTheStartLeftOfColumn26ButNoLaterClickMay)
{
    EXPECT_EQ(click(10), seriesBit(MapSeries::RangeStart) | seriesBit(MapSeries::Map));
    EXPECT_EQ(correction().rangeStartX(), 10);
    EXPECT_EQ(MapCorrection::entryAt(10), 7);
    EXPECT_EQ(page.chart().series(MapSeries::RangeStart).front().x, MapCorrection::petrolMsAt(10));
    // Left of 26 (and right of the start): nothing, not even a redraw.
    EXPECT_EQ(click(20), 0);
    EXPECT_EQ(correction().rangeStartX(), 10);
    EXPECT_EQ(correction().rangeEndX(), 0);
    EXPECT_EQ(correction().panelHeight(), MapCorrection::PanelHeightWithClear);
}

TEST_F(MapCorrectionTest, LaterClicksMoveTheStartLeftOfTheEndAndTheEndAtOrRightOfIt)
{
    click(60);
    EXPECT_EQ(click(100), seriesBit(MapSeries::RangeEnd) | seriesBit(MapSeries::Map));
    EXPECT_EQ(correction().rangeEndX(), 100);
    click(40);  // left of the start
    EXPECT_EQ(correction().rangeStartX(), 40);
    click(80);  // right of the start, left of the end
    EXPECT_EQ(correction().rangeStartX(), 80);
    click(100);  // at the end
    EXPECT_EQ(correction().rangeEndX(), 100);
    EXPECT_EQ(correction().rangeStartX(), 80);
    click(150);
    EXPECT_EQ(correction().rangeEndX(), 150);
    EXPECT_EQ(page.chart().series(MapSeries::RangeEnd),
              (PointList{{MapCorrection::petrolMsAt(150), 0.0, colours::Yellow},
                         {MapCorrection::petrolMsAt(150), 3.0, colours::Yellow}}));
}

TEST_F(MapCorrectionTest, StartOnlyALeftClickAtColumn26OrMoreMovesTheStart)
{
    click(60);
    click(26);
    EXPECT_EQ(correction().rangeStartX(), 26);
    EXPECT_EQ(correction().rangeEndX(), 0);
    click(25);
    EXPECT_EQ(correction().rangeStartX(), 26);
}

struct PressCase {
    const char* name;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    bool clears;
};

class RightButton : public MapCorrectionTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(RightButton, AloneClearsAnythingElseSelects)
{
    const PressCase& c = GetParam();
    select(40, 100);
    click(120, c.buttons, c.modifiers);
    if (c.clears) {
        EXPECT_EQ(correction().rangeStartX(), 0);
        EXPECT_EQ(correction().rangeEndX(), 0);
        EXPECT_TRUE(page.chart().series(MapSeries::RangeStart).empty());
        EXPECT_TRUE(page.chart().series(MapSeries::RangeEnd).empty());
        EXPECT_EQ(correction().panelHeight(), MapCorrection::PanelHeightSpinOnly);
        EXPECT_FALSE(correction().panelHighlighted());
    } else {
        EXPECT_EQ(correction().rangeEndX(), 120);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MapCorrection, RightButton,
    ::testing::Values(PressCase{"Alone", Qt::RightButton, Qt::NoModifier, true},
                      PressCase{"WithCtrl", Qt::RightButton, Qt::ControlModifier, false},
                      PressCase{"WithShift", Qt::RightButton, Qt::ShiftModifier, false},
                      PressCase{"WithLeftDown", Qt::RightButton | Qt::LeftButton, Qt::NoModifier,
                                false},
                      PressCase{"Left", Qt::LeftButton, Qt::NoModifier, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MapCorrectionTest, TheSpinButtonWaitsForAnEndAndForTheNextRelease)
{
    EXPECT_TRUE(correction().spinEnabled());
    click(40);
    EXPECT_FALSE(correction().spinEnabled());
    EXPECT_TRUE(correction().panelHighlighted());
    // "X" with only a start: cleared, but still disabled until a release.
    page.clearRange();
    EXPECT_EQ(correction().rangeStartX(), 0);
    EXPECT_FALSE(correction().spinEnabled());
    EXPECT_FALSE(correction().panelHighlighted());
    EXPECT_EQ(correction().panelHeight(), MapCorrection::PanelHeightSpinOnly);
    page.release();
    EXPECT_TRUE(correction().spinEnabled());
    select(40, 100);
    EXPECT_TRUE(correction().spinEnabled());
}

// ---- Stepping ----

TEST_F(MapCorrectionTest, Start37End57SteppedTwiceBuildsATent)
{
    select(37, 57);
    EXPECT_EQ(page.stepRange(+1), seriesBit(MapSeries::Map));
    EXPECT_EQ(changedFrom(100),
              (std::map<int, int>{{23, 101}, {24, 101}, {25, 101}, {26, 101}, {27, 101}}));
    page.stepRange(+1);
    EXPECT_EQ(changedFrom(100),
              (std::map<int, int>{
                  {22, 101}, {23, 101}, {24, 102}, {25, 102}, {26, 102}, {27, 101}, {28, 101}}));
    // The chart follows: the range yellow, the tent on the curve.
    const PointList& curve = page.chart().series(MapSeries::Map);
    EXPECT_DOUBLE_EQ(curve[24].y, 1.02);
    EXPECT_EQ(curve[19].colour, colours::Yellow);
    EXPECT_EQ(curve[30].colour, colours::Blue);
}

TEST_F(MapCorrectionTest, Start36End46StepsTheMiddleAndTheSteeperRightFlank)
{
    // Entries 20 to 25: M = 22, the right flank divided by M - L = 2.
    select(36, 46);
    page.stepRange(+1);
    EXPECT_EQ(changedFrom(100), (std::map<int, int>{{22, 101}, {23, 101}}));
    // Entry M + 1 keeps level with the peak: 2 / 2 × 2, not 2 / 3 × 2.
    page.stepRange(+1);
    EXPECT_EQ(changedFrom(100), (std::map<int, int>{{21, 101}, {22, 102}, {23, 102}, {24, 101}}));
}

TEST_F(MapCorrectionTest, StartAndEndOnOneEntryStepOnlyThatEntry)
{
    select(26, 27);
    page.stepRange(-1);
    EXPECT_EQ(changedFrom(100), (std::map<int, int>{{15, 99}}));
}

TEST_F(MapCorrectionTest, NoRangeMovesTheWholeMapAndSendsAllOfIt)
{
    page.stepRange(-1);
    EXPECT_EQ(changedFrom(99).size(), 0u);
    ASSERT_EQ(sender.queued.size(), 1u);
    const auto& q = sender.queued.front();
    EXPECT_EQ(q.retries, 7);
    EXPECT_EQ(q.command, brivel::test::bytes({0x0B}) + QByteArray(246, char(99)));
    EXPECT_EQ(q.firstFollowUp, brivel::test::bytes({0x20, 0,    0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                    0x0A, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(q.secondFollowUp.isEmpty());
}

TEST_F(MapCorrectionTest, AStepWhileACommandIsPendingIsDropped)
{
    select(37, 57);
    sender.pending = true;
    EXPECT_EQ(page.stepRange(+1), 0);
    EXPECT_TRUE(changedFrom(100).empty());
    EXPECT_TRUE(sender.queued.isEmpty());
    sender.pending = false;
    page.stepRange(+1);
    EXPECT_EQ(sender.queued.size(), 1);
}

TEST_F(MapCorrectionTest, AStepWithOnlyAStartChangesAndSendsNothing)
{
    click(40);
    EXPECT_EQ(page.stepRange(+1), 0);
    EXPECT_TRUE(changedFrom(100).empty());
    EXPECT_TRUE(sender.queued.isEmpty());
}

struct LimitCase {
    const char* name;
    int flat;
    int startX;
    int endX;
    int d;
};

class ByteLimit : public MapCorrectionTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(ByteLimit, AStepPastTheByteIsRefusedAndNothingIsSent)
{
    const LimitCase& c = GetParam();
    page.loadParameterBlock(blockWithFlatMap(c.flat));
    if (c.startX)
        select(c.startX, c.endX);
    EXPECT_EQ(page.stepRange(c.d), 0);
    EXPECT_TRUE(sender.queued.isEmpty());
    EXPECT_TRUE(changedFrom(c.flat).empty());
    // The step away from the limit still goes.
    EXPECT_EQ(page.stepRange(-c.d), seriesBit(MapSeries::Map));
    EXPECT_EQ(sender.queued.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(MapCorrection, ByteLimit,
                         ::testing::Values(LimitCase{"WholeMapAt255", 255, 0, 0, +1},
                                           LimitCase{"WholeMapAt0", 0, 0, 0, -1},
                                           LimitCase{"RangeAt255", 255, 37, 57, +1},
                                           LimitCase{"RangeAt0", 0, 37, 57, -1},
                                           LimitCase{"OneEntryAt255", 255, 26, 27, +1}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(MapCorrectionTest, ATentCanClimbToTheTopByteAndStopThere)
{
    select(37, 57);
    for (int i = 0; i < 200; ++i)
        page.stepRange(+1);
    EXPECT_EQ(map().value(25), 255);
    EXPECT_EQ(sender.queued.size(), 155);
    EXPECT_EQ(sender.queued.back().command.mid(1), map().bytes());
}

TEST_F(MapCorrectionTest, ARangeEndInTheLastColumnsStopsAtEntry246)
{
    select(400, 500);
    page.stepRange(+1);
    // L = 198, R = 246, M = 222.
    const auto changed = changedFrom(100);
    ASSERT_FALSE(changed.empty());
    EXPECT_EQ(changed.begin()->first, 211);
    EXPECT_EQ(changed.rbegin()->first, 233);
    EXPECT_EQ(map().value(222), 101);
    EXPECT_EQ(map().value(246), 100);
    EXPECT_EQ(sender.queued.front().command.size(), 247);
}
