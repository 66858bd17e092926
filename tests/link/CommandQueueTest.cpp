#include "Bytes.h"
#include "QtPrinters.h"
#include "ReplyFrames.h"
#include "link/CommandQueue.h"
#include "link/Frames.h"

#include <gtest/gtest.h>

#include <optional>

using namespace brivel;
using brivel::test::bytes;
using Outcome = CommandQueue::Outcome;

namespace {

const QByteArray Injector = bytes({0x0E, 0x03});
const QByteArray Follow24 = bytes({0x24, 0x09});
const QByteArray Follow30 = bytes({0x30, 0x2D});
const QByteArray Read = bytes({0x66, 0x00});

// ---- Queueing: the budget the caller gives ----

struct BudgetCase {
    const char* name;
    int retries;
    QByteArray command;
    Outcome outcome;
    int retriesLeft;
};

class Budget : public ::testing::TestWithParam<BudgetCase> {};

TEST_P(Budget, DecidesWhetherTheCommandWaitsForTheNextTick)
{
    const BudgetCase& c = GetParam();
    CommandQueue queue;
    EXPECT_EQ(queue.queue(c.retries, c.command, Follow24, Follow30, {}), c.outcome);
    EXPECT_EQ(queue.retriesLeft(), c.retriesLeft);
    const bool queued = c.outcome == Outcome::Queued;
    EXPECT_EQ(queue.commandPending(), queued);
    EXPECT_EQ(queue.pendingFrame(), queued ? FrameCommand(c.command) : QByteArray());
    EXPECT_EQ(queue.followUp(1), queued ? Follow24 : QByteArray());
    EXPECT_EQ(queue.currentCode(), queued ? static_cast<quint8>(c.command[0]) : -1);
}

INSTANTIATE_TEST_SUITE_P(
    CommandQueue, Budget,
    ::testing::Values(BudgetCase{"Editors", 5, Injector, Outcome::Queued, 4},
                      BudgetCase{"MapSteps", 7, Injector, Outcome::Queued, 6},
                      // A budget nobody set is the editors' one.
                      BudgetCase{"Unset", 0, Injector, Outcome::Queued, 4},
                      BudgetCase{"Negative", -3, Injector, Outcome::Queued, 4},
                      // One means no transmission at all.
                      BudgetCase{"SpentAtOnce", 1, Injector, Outcome::Spent, 0},
                      BudgetCase{"NoCodeByte", 5, QByteArray(), Outcome::Idle, 5}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CommandQueue, ALaterCommandReplacesSlot0AndOnlyTheFollowUpsItBrings)
{
    CommandQueue queue;
    queue.queue(5, bytes({0x0F, 0x28}), Follow24, Follow30, {});
    EXPECT_EQ(queue.queue(5, bytes({0x09, 0x0F}), {}, {}, {}), Outcome::Queued);
    EXPECT_EQ(queue.pendingFrame(), FrameCommand(bytes({0x09, 0x0F})));
    EXPECT_EQ(queue.currentCode(), 0x09);
    EXPECT_EQ(queue.followUp(1), Follow24);
    EXPECT_EQ(queue.followUp(2), Follow30);
}

// ---- A whole reply: acknowledged, repeated or spent ----

struct EchoCase {
    const char* name;
    QByteArray reply;
    int retries;
    Outcome outcome;
    bool pending;
    int retriesLeft;
};

class Echo : public ::testing::TestWithParam<EchoCase> {};

TEST_P(Echo, OfTheCommandsCodeAcknowledgesItAnyOtherRepeatsIt)
{
    const EchoCase& c = GetParam();
    CommandQueue queue;
    queue.queue(c.retries, Injector, {}, {}, {});
    EXPECT_EQ(queue.acknowledge(c.reply), c.outcome);
    EXPECT_EQ(queue.commandPending(), c.pending);
    EXPECT_EQ(queue.retriesLeft(), c.retriesLeft);
    if (c.pending) {
        EXPECT_EQ(queue.pendingFrame(), FrameCommand(Injector)) << "the very same command";
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandQueue, Echo,
    ::testing::Values(
        EchoCase{"ItsEcho", test::liveReply(0x0E), 5, Outcome::Acknowledged, false, 0},
        EchoCase{"AnotherEcho", test::liveReply(0x55), 5, Outcome::Repeated, true, 3},
        EchoCase{"TooShortForAnEcho", bytes({0xAA, 0x00, 0x03}), 5, Outcome::Repeated, true, 3},
        EchoCase{"LastTransmissionUnanswered", test::liveReply(0x55), 2, Outcome::Spent, true, 0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CommandQueue, APollsReplyAcknowledgesNothing)
{
    CommandQueue queue;
    EXPECT_EQ(queue.acknowledge(test::liveReply(0x55)), Outcome::Idle);
}

TEST(CommandQueue, AnUnansweredCommandGoesOutFourTimesOnTheEditorsBudget)
{
    CommandQueue queue;
    queue.queue(CommandSender::RetriesForEditors, Injector, {}, {}, {});
    int transmissions = 1;
    while (queue.acknowledge(test::liveReply(0x55)) == Outcome::Repeated)
        ++transmissions;
    EXPECT_EQ(transmissions, 4);
}

// ---- Follow-ups move up one at a time ----

TEST(CommandQueue, FollowUpsMoveUpWithTheirOwnBudgetOnceSlot0IsDone)
{
    CommandQueue queue;
    queue.queue(5, Injector, Follow24, Follow30, {});
    EXPECT_EQ(queue.promote(), Outcome::Idle) << "slot 0 still waits";
    queue.acknowledge(test::liveReply(0x0E));

    EXPECT_EQ(queue.promote(), Outcome::Queued);
    EXPECT_EQ(queue.pendingFrame(), FrameCommand(Follow24));
    EXPECT_EQ(queue.retriesLeft(), CommandQueue::RetriesForFollowUps - 1);
    EXPECT_EQ(queue.followUp(1), Follow30);
    EXPECT_TRUE(queue.followUp(2).isEmpty());
    queue.acknowledge(test::liveReply(0x24));
    EXPECT_EQ(queue.promote(), Outcome::Queued);
    EXPECT_EQ(queue.pendingFrame(), FrameCommand(Follow30));
    queue.acknowledge(test::liveReply(0x30));
    EXPECT_EQ(queue.promote(), Outcome::Idle);
    EXPECT_FALSE(queue.commandPending());
}

// ---- A read's completion ----

TEST(CommandQueue, ACompletionIsTakenOnceAfterTheImageItsReadAskedFor)
{
    CommandQueue queue;
    int runs = 0;
    queue.queue(5, Read, {}, {}, [&runs] { ++runs; });
    EXPECT_TRUE(queue.holdsCompletion());
    EXPECT_TRUE(queue.followUp(2).isEmpty()) << "nothing to send";
    queue.acknowledge(test::settingsReply(0x66));
    const CommandQueue::Completion done = queue.takeCompletion();
    ASSERT_TRUE(done);
    done();
    EXPECT_FALSE(queue.takeCompletion()) << "a second image runs nothing";
    EXPECT_FALSE(queue.holdsCompletion());
    EXPECT_EQ(runs, 1);
}

TEST(CommandQueue, ACompletionTakesTheSecondFollowUpsPlace)
{
    // The fitter saves before an earlier change's follow-ups have gone out:
    // the one waiting in slot 2 gives way, the one in slot 1 keeps its turn.
    CommandQueue queue;
    queue.queue(5, Injector, Follow24, Follow30, {});
    queue.acknowledge(test::liveReply(0x0E));
    queue.queue(5, Read, {}, {}, [] {});
    EXPECT_TRUE(queue.followUp(2).isEmpty());
    queue.acknowledge(test::settingsReply(0x66));
    EXPECT_TRUE(queue.takeCompletion());
    EXPECT_EQ(queue.followUp(1), Follow24);
    EXPECT_EQ(queue.promote(), Outcome::Queued);
    EXPECT_EQ(queue.pendingFrame(), FrameCommand(Follow24));
    queue.acknowledge(test::liveReply(0x24));
    EXPECT_EQ(queue.promote(), Outcome::Idle);
}

TEST(CommandQueue, ACompletionWhoseReadWasReplacedIsDroppedUnrunWhenItComesUp)
{
    CommandQueue queue;
    bool ran = false;
    queue.queue(5, Read, {}, {}, [&ran] { ran = true; });
    queue.queue(5, Injector, Follow24, {}, {});
    queue.acknowledge(test::liveReply(0x0E));
    EXPECT_EQ(queue.promote(), Outcome::Queued);
    EXPECT_EQ(queue.pendingFrame(), FrameCommand(Follow24));
    EXPECT_TRUE(queue.holdsCompletion()) << "moved up behind the follow-up";
    queue.acknowledge(test::liveReply(0x24));
    EXPECT_EQ(queue.promote(), Outcome::Idle) << "a poll goes out";
    EXPECT_FALSE(queue.commandPending());
    EXPECT_FALSE(queue.holdsCompletion());
    EXPECT_FALSE(ran);
}

TEST(CommandQueue, ACompletionThatMovedUpToSlot1IsStillTakenAndTheRestMovesUp)
{
    // A read that is itself a follow-up (the block write's) answers the
    // completion waiting behind it.
    CommandQueue queue;
    queue.queue(5, Read, {}, {}, [] {});
    queue.queue(5, bytes({0x1A, 0x00}), Read, {}, {});
    queue.acknowledge(test::liveReply(0x1A));
    ASSERT_EQ(queue.promote(), Outcome::Queued);
    queue.acknowledge(test::settingsReply(0x66));
    EXPECT_TRUE(queue.takeCompletion());
    EXPECT_FALSE(queue.holdsCompletion());
    EXPECT_EQ(queue.promote(), Outcome::Idle);
}

TEST(CommandQueue, ClearingLeavesNothingWaiting)
{
    CommandQueue queue;
    queue.queue(5, Injector, Follow24, {}, [] {});
    queue.clear();
    EXPECT_FALSE(queue.commandPending());
    EXPECT_FALSE(queue.holdsCompletion());
    EXPECT_TRUE(queue.followUp(1).isEmpty());
    EXPECT_EQ(queue.retriesLeft(), 0);
    EXPECT_EQ(queue.currentCode(), -1);
    EXPECT_EQ(queue.promote(), Outcome::Idle);
}

}  // namespace
