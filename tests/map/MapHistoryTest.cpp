// Undo and redo of the map corrections on the page model: what each one
// writes to the controller, when it is dropped, and when the history ends.

#include "Bytes.h"
#include "RecordingCommandSender.h"
#include "map/MapPageModel.h"

#include <gtest/gtest.h>

using namespace brivel;
using namespace brivel::map;

namespace {

// A settings reply holding a map of `value` everywhere but entry 1 (`first`).
QByteArray imageWithMap(int value, int first)
{
    QByteArray block(602, '\0');
    block[0] = static_cast<char>(0xAA);
    block[3] = 0x66;
    for (int k = 0; k < InjectionMap::Entries; ++k)
        block[InjectionMap::BlockOffset + k] = static_cast<char>(value);
    block[InjectionMap::BlockOffset] = static_cast<char>(first);
    return block;
}

class MapHistoryTest : public ::testing::Test {
protected:
    MapHistoryTest() { model.loadParameterBlock(imageWithMap(100, 90)); }

    // The map written by the last command, or nothing.
    QByteArray lastWrittenMap() const
    {
        return sender.queued.isEmpty() ? QByteArray() : sender.queued.back().command.mid(1);
    }
    QByteArray mapNow() const { return model.map().bytes(); }

    test::RecordingCommandSender sender;
    MapPageModel model{sender};
};

TEST_F(MapHistoryTest, TwoStepsUndoneWriteTheMapsBeforeThemAndRedoWritesThemAgain)
{
    const QByteArray original = mapNow();
    model.stepRange(+1);
    const QByteArray afterFirst = mapNow();
    model.stepRange(+1);
    const QByteArray afterSecond = mapNow();
    ASSERT_EQ(sender.queued.size(), 2);
    EXPECT_TRUE(model.canUndo());
    EXPECT_FALSE(model.canRedo());

    model.undo();
    EXPECT_EQ(lastWrittenMap(), afterFirst);
    model.undo();
    EXPECT_EQ(lastWrittenMap(), original);
    EXPECT_EQ(mapNow(), original);
    EXPECT_FALSE(model.canUndo());
    EXPECT_TRUE(model.canRedo());
    // An undo with nothing left sends nothing.
    model.undo();
    ASSERT_EQ(sender.queued.size(), 4);

    model.redo();
    model.redo();
    EXPECT_EQ(lastWrittenMap(), afterSecond);
    EXPECT_FALSE(model.canRedo());
    // Each written exactly like a step: 0x0B with the map, then 0x20.
    for (const auto& q : sender.queued) {
        EXPECT_EQ(q.retries, CommandSender::RetriesForMapSteps);
        EXPECT_EQ(q.command.size(), 1 + InjectionMap::Entries);
        EXPECT_EQ(q.command[0], 0x0B);
        EXPECT_EQ(q.firstFollowUp, QByteArray(1, 0x20) + MapCorrection::auxPayload());
    }
}

TEST_F(MapHistoryTest, UndoWhileACommandWaitsIsDroppedAndKeepsItsStep)
{
    model.stepRange(-1);
    sender.pending = true;
    model.undo();
    EXPECT_EQ(sender.queued.size(), 1);
    EXPECT_TRUE(model.canUndo());
    EXPECT_FALSE(model.canRedo());
    sender.pending = false;
    model.undo();
    EXPECT_EQ(sender.queued.size(), 2);
}

TEST_F(MapHistoryTest, ANewStepForgetsTheRedoAndANewImageForgetsEverything)
{
    model.stepRange(+1);
    model.stepRange(+1);
    model.undo();
    ASSERT_TRUE(model.canRedo());
    model.stepRange(-1);
    EXPECT_FALSE(model.canRedo());
    EXPECT_TRUE(model.canUndo());

    model.loadParameterBlock(imageWithMap(120, 120));
    EXPECT_FALSE(model.canUndo());
    EXPECT_FALSE(model.canRedo());
    // Dropped and refused steps leave no step behind.
    sender.pending = true;
    model.stepRange(+1);
    sender.pending = false;
    model.loadParameterBlock(imageWithMap(255, 255));
    model.stepRange(+1);
    EXPECT_FALSE(model.canUndo());
}

TEST(MapHistory, KeepsTheNewestStepsUpToItsDepth)
{
    MapHistory history;
    MapHistory::Values values{};
    for (std::size_t i = 0; i < MapHistory::Depth + 5; ++i) {
        values[0] = static_cast<qint32>(i);
        history.stepped(values);
    }
    int undone = 0;
    qint32 oldest = -1;
    while (const auto target = history.undoTarget()) {
        oldest = (*target)[0];
        history.undone(*target);
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(MapHistory::Depth));
    EXPECT_EQ(oldest, 5);
}

}  // namespace
