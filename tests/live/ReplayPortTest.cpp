#include "Bytes.h"
#include "FullDisk.h"
#include "QtPrinters.h"
#include "RecordingLink.h"
#include "ReplyFrames.h"
#include "TestPlatform.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "link/ControllerLink.h"
#include "link/Frames.h"
#include "live/DriveRecordFormat.h"
#include "live/DriveRecorder.h"
#include "live/DriveRecording.h"
#include "live/LiveFrame.h"
#include "live/ReplayPort.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <algorithm>
#include <vector>

using namespace brivel;

namespace {

// Frames told apart by their engine speed byte.
QByteArray numbered(int k)
{
    return test::liveFrame({{4, 1}, {21, k % 256}, {36, k % 256}});
}

int numberOf(const QByteArray& frame)
{
    return static_cast<quint8>(frame.at(21));
}

// A recording of `frames` frames `stepMs` apart, the first at 240 ms, with
// the given settings image (none when empty).
DriveRecording recordingOf(int frames, qint64 stepMs, const QByteArray& image)
{
    QByteArray text = record::headerLine();
    if (!image.isEmpty())
        text += record::settingsLine(0, image);
    for (int k = 0; k < frames; ++k)
        text += record::frameLine(240 + k * stepMs, numbered(k));
    return DriveRecording::parse(text);
}

// The link against a replay, both on virtual time.
class ReplayPortTest : public ::testing::Test {
protected:
    ReplayPortTest()
    {
        port.setPortName(ReplayPort::PortName);
        events.onLiveReply = [this](const QByteArray& frame) {
            if (live::classify(frame) == live::FrameUse::Decode)
                arrivals.push_back({clock.nowMs(), numberOf(frame)});
        };
    }

    void play(DriveRecording recording)
    {
        port.load(std::move(recording), QStringLiteral("drive.csv"));
        link.connectToController();
        clock.advance(1600);  // the handshake is applied; polling starts
    }

    std::vector<int> numbers() const
    {
        std::vector<int> out;
        for (const auto& arrival : arrivals)
            out.push_back(arrival.number);
        return out;
    }

    struct Arrival {
        qint64 atMs;
        int number;
    };

    test::VirtualClock clock;
    ReplayPort port{clock};
    test::ScriptedDialogs dialogs;
    MessageTable messages;
    QStringList calls;
    ControllerLink link{port, clock, [](int) {}};
    test::RecordingLink events{link, calls, dialogs, messages};
    std::vector<Arrival> arrivals;
};

}  // namespace

TEST_F(ReplayPortTest, HandshakeGetsTheRecordedImageThenEveryFrameAtItsRecordedPace)
{
    play(recordingOf(40, 330, test::settingsReply()));
    ASSERT_EQ(events.settingsImages.size(), 1);
    EXPECT_EQ(events.settingsImages[0], test::settingsReply());
    EXPECT_EQ(events.statusText, QStringLiteral(" BRIVEL ver. 3.07.07"));
    EXPECT_TRUE(events.connected);

    clock.advance(40 * 330);
    std::vector<int> expected;
    for (int k = 0; k < 40; ++k)
        expected.push_back(k);
    // At the end the last frame stays on the gauges.
    std::vector<int> got = numbers();
    ASSERT_GE(got.size(), expected.size());
    EXPECT_EQ(std::vector<int>(got.begin(), got.begin() + 40), expected);
    for (std::size_t i = 40; i < got.size(); ++i)
        EXPECT_EQ(got[i], 39);
    for (std::size_t i = 1; i < 40; ++i)
        EXPECT_NEAR(arrivals[i].atMs - arrivals[i - 1].atMs, 330, 2) << i;
    EXPECT_FALSE(port.isPlaying());
    EXPECT_EQ(port.positionMs(), 240 + 39 * 330);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ReplayPortTest, PauseHoldsTheFrameAndPlayGoesOnFromIt)
{
    play(recordingOf(100, 330, test::settingsReply()));
    clock.advance(3000);
    port.setPlaying(false);
    // The frame handed over last; the link decodes it at its next tick.
    const int held = port.frameIndex();
    const qint64 position = port.positionMs();
    clock.advance(300);
    arrivals.clear();
    clock.advance(10000);  // far longer than the link's reply time-out
    EXPECT_GT(arrivals.size(), 20u) << "the polls go on being answered";
    for (const auto& arrival : arrivals)
        EXPECT_EQ(arrival.number, held);
    EXPECT_EQ(port.positionMs(), position);
    EXPECT_TRUE(events.connected);

    arrivals.clear();
    port.setPlaying(true);
    clock.advance(1000);
    std::vector<int> got = numbers();
    got.erase(got.begin(), std::find_if(got.begin(), got.end(), [&](int n) { return n != held; }));
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.front(), held + 1) << "nothing of the drive is lost to the pause";
}

TEST_F(ReplayPortTest, FasterSpeedsMoveThroughTheDriveThatManyTimesFaster)
{
    for (int speed : ReplayPort::Speeds) {
        arrivals.clear();
        play(recordingOf(2000, 330, test::settingsReply()));
        port.setSpeed(speed);
        const qint64 from = port.positionMs();
        clock.advance(10000);
        const qint64 moved = port.positionMs() - from;
        EXPECT_NEAR(moved, 10000 * speed, 400 * speed) << speed << "x";
        // Frames come in order, none twice, skipping what falls between polls.
        const std::vector<int> got = numbers();
        for (std::size_t i = 1; i < got.size(); ++i)
            EXPECT_GT((got[i] - got[i - 1] + 256) % 256, 0) << speed << "x at " << i;
        link.disconnectFromController();
    }
}

TEST_F(ReplayPortTest, AJumpShowsTheFrameThereAndPlaysOnFromIt)
{
    play(recordingOf(1000, 330, test::settingsReply()));
    clock.advance(2000);
    port.setPlaying(false);
    for (int target : {500, 100, 999, 0}) {
        port.seek(240 + target * 330);
        EXPECT_EQ(port.positionMs(), 240 + target * 330);
        clock.advance(600);
        ASSERT_FALSE(arrivals.empty());
        EXPECT_EQ(arrivals.back().number, target % 256) << target;
    }

    port.seek(240 + 300 * 330);
    port.setPlaying(true);
    arrivals.clear();
    clock.advance(3000);
    std::vector<int> got = numbers();
    got.erase(got.begin(), std::find(got.begin(), got.end(), 300 % 256));
    ASSERT_GE(got.size(), 5u);
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], (300 + static_cast<int>(i)) % 256);
}

TEST_F(ReplayPortTest, AGapInTheRecordingDoesNotRunIntoTheReplyTimeOut)
{
    QByteArray text = record::headerLine() + record::settingsLine(0, test::settingsReply()) +
                      record::frameLine(240, numbered(1)) + record::frameLine(9240, numbered(2));
    play(DriveRecording::parse(text));
    clock.advance(10000);
    EXPECT_TRUE(events.connected);
    EXPECT_TRUE(dialogs.shown().empty());
    ASSERT_FALSE(arrivals.empty());
    EXPECT_EQ(arrivals.back().number, 2);
}

struct ImageCase {
    const char* name;
    QByteArray stored;
    bool storedIsUsed;
};

class ReplayImageTest : public ReplayPortTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(ReplayImageTest, HandshakeUsesTheStoredImageOnlyWhenItIsTheAcceptedFirmwares)
{
    play(recordingOf(5, 330, GetParam().stored));
    ASSERT_EQ(events.settingsImages.size(), 1) << calls.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(events.settingsImages[0],
              GetParam().storedIsUsed ? GetParam().stored : ReplayPort::neutralSettingsImage());
    EXPECT_EQ(VersionText(events.settingsImages[0]), AcceptedVersion);
    EXPECT_TRUE(events.connected);
}

INSTANTIATE_TEST_SUITE_P(ReplayPort, ReplayImageTest,
                         ::testing::Values(ImageCase{"Recorded", test::settingsReply(), true},
                                           ImageCase{"None", QByteArray(), false},
                                           ImageCase{"OtherFirmware",
                                                     test::settingsReply(0x66, 3, 7, 9), false}),
                         [](const ::testing::TestParamInfo<ImageCase>& c) { return c.param.name; });

TEST_F(ReplayPortTest, CommandsAreNeverAnsweredOrActedOn)
{
    play(recordingOf(100, 330, test::settingsReply()));
    link.queueCommand(ControllerLink::RetriesForEditors, test::bytes({0x0F, 0x28}));
    clock.advance(300);
    EXPECT_EQ(port.refusedCommands(), 1);
    EXPECT_TRUE(link.commandPending()) << "no echo acknowledges it";
}

TEST(ReplayPortAlone, OpensOnlyWithARecording)
{
    test::VirtualClock clock;
    ReplayPort port(clock);
    port.setPortName(ReplayPort::PortName);
    EXPECT_THROW(port.open(), PlatformError);
    EXPECT_TRUE(port.availablePorts().isEmpty());
    port.load(recordingOf(3, 330, {}), QStringLiteral("x.csv"));
    port.open();
    EXPECT_TRUE(port.isOpen());
}

// ---- Recording ----

namespace {

class DriveRecorderTest : public ::testing::Test {
protected:
    DriveRecorderTest() { clock.setLocalDateTime(QDateTime(QDate(2024, 5, 7), QTime(9, 3, 2))); }

    QByteArray onDisk() const
    {
        QFile file(recorder.filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    test::VirtualClock clock{50'000};
    DriveRecorder recorder{clock};
};

}  // namespace

TEST_F(DriveRecorderTest, RowsReachTheFileWithinASecondAndAllOfThemAtTheStop)
{
    int told = 0;
    recorder.setChangeHandler([&told] { ++told; });
    ASSERT_TRUE(recorder.start(dir.path(), test::settingsReply()));
    EXPECT_EQ(recorder.filePath(), dir.filePath(QStringLiteral("brivel_2024-05-07_09-03-52.csv")));
    EXPECT_EQ(onDisk(), record::headerLine() + record::settingsLine(0, test::settingsReply()));

    clock.advance(240);
    recorder.liveReplyReceived(numbered(1));
    recorder.liveReplyReceived(QByteArray(3, '\0'));  // no frame: not recorded
    recorder.liveReplyReceived(test::replyFrame(0x55, 20));
    clock.advance(320);
    recorder.liveReplyReceived(numbered(2));
    const QByteArray rows =
        record::frameLine(240, numbered(1)) + record::frameLine(560, numbered(2));
    EXPECT_FALSE(onDisk().endsWith(rows)) << "a poll writes nothing to the file";
    clock.advance(440);  // a second after the start
    EXPECT_TRUE(onDisk().endsWith(rows));
    EXPECT_GE(told, 2);

    clock.advance(100);
    recorder.liveReplyReceived(numbered(3));
    recorder.linkDisconnected();
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_TRUE(onDisk().endsWith(rows + record::frameLine(1100, numbered(3))));
    EXPECT_EQ(recorder.framesRecorded(), 3);
    EXPECT_FALSE(recorder.writeFailed());

    // What it wrote replays.
    const auto back = DriveRecording::load(recorder.filePath());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->frameCount(), 3);
    EXPECT_EQ(back->settingsImage(), test::settingsReply());
    EXPECT_EQ(clock.activeTimers(), 0) << "no flush tick after the stop";
}

TEST_F(DriveRecorderTest, AFullDiskEndsTheRecordingAndWhatWasWrittenStillReplays)
{
    int told = 0;
    recorder.setChangeHandler([&told] { ++told; });
    ASSERT_TRUE(recorder.start(dir.path(), test::settingsReply()));
    clock.advance(240);
    recorder.liveReplyReceived(numbered(1));
    clock.advance(760);
    const QByteArray written = onDisk();
    ASSERT_TRUE(written.endsWith(record::frameLine(240, numbered(1))));

    {
        test::FullDisk full(written.size());
        recorder.liveReplyReceived(numbered(2));
        told = 0;
        clock.advance(1000);
        EXPECT_FALSE(recorder.isRecording());
        EXPECT_TRUE(recorder.writeFailed());
        EXPECT_EQ(told, 1) << "the view learns that the recording ended";
        recorder.liveReplyReceived(numbered(3));
        clock.advance(5000);
    }
    EXPECT_EQ(clock.activeTimers(), 0);
    EXPECT_EQ(onDisk(), written);
    const auto back = DriveRecording::load(recorder.filePath());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->frameCount(), 1);

    // The next recording starts afresh.
    ASSERT_TRUE(recorder.start(dir.path(), {}));
    EXPECT_FALSE(recorder.writeFailed());
}

TEST_F(DriveRecorderTest, ASecondRecordingInTheSameSecondGetsAFileOfItsOwn)
{
    ASSERT_TRUE(recorder.start(dir.path(), {}));
    const QString first = recorder.filePath();
    recorder.stop();
    ASSERT_TRUE(recorder.start(dir.path(), {}));
    EXPECT_NE(recorder.filePath(), first);
    EXPECT_TRUE(recorder.filePath().endsWith(QStringLiteral("_09-03-52-2.csv")));
    recorder.stop();
    QFile original(first);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), record::headerLine()) << "the first file stays as it was";
}

TEST_F(DriveRecorderTest, AFolderThatCannotBeWrittenStartsNothing)
{
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(recorder.start(blocker.fileName() + QStringLiteral("/sub"), {}));
    EXPECT_FALSE(recorder.isRecording());
    recorder.liveReplyReceived(numbered(1));
    EXPECT_EQ(recorder.framesRecorded(), 0);
}

TEST_F(DriveRecorderTest, TheFolderIsMadeWhenMissing)
{
    const QString folder = dir.filePath(QStringLiteral("Documents/drives"));
    ASSERT_TRUE(recorder.start(folder, {}));
    EXPECT_TRUE(QFile::exists(recorder.filePath()));
    EXPECT_TRUE(recorder.filePath().startsWith(folder));
}
