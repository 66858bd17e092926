#include "QtPrinters.h"
#include "RecordingLink.h"
#include "TestPlatform.h"
#include "i18n/MessageTable.h"
#include "link/ControllerLink.h"
#include "link/qt/QtSerialPort.h"
#include "platform/qt/QtClock.h"
#include "settings/SettingsFileIo.h"
#include "sim/SettingsImage.h"

#include <gtest/gtest.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDeadlineTimer>
#include <QtCore/QElapsedTimer>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>

#include <functional>

using namespace brivel;
using namespace brivel::test;

namespace {

// Processes events until `done` holds or the deadline passes.
bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    // Wakes the wait below now and then, so that the deadline is noticed
    // even while nothing else happens.
    QTimer wake;
    wake.start(10);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// kvos-sim in its own process, for as long as the test runs.
class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments = {})
    {
        process_.setProgram(QStringLiteral(KVOS_SIM_PATH));
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
    }
    ~SimProcess() { stop(); }

    // Ends the simulator, which closes its end of the line.
    void stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

    // The pseudo-terminal the simulator printed on its first line.
    QString slavePath()
    {
        waitFor([&] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; },
                5000);
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }

    // The exit code once the simulator has ended by itself, or -1.
    int exitCode()
    {
        waitFor([&] { return process_.state() == QProcess::NotRunning; }, 5000);
        return process_.state() == QProcess::NotRunning ? process_.exitCode() : -1;
    }
    QString errorOutput() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QProcess process_;
};

TEST(KvosSim, RealPortConnectsAndPollsOverAPseudoTerminal)
{
    SimProcess sim;
    const QString path = sim.slavePath();
    ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/"))) << path.toStdString();

    QtClock clock;
    QtSerialPort port;
    port.setPortName(path);
    ScriptedDialogs dialogs;
    MessageTable messages;
    QStringList calls;
    ControllerLink link(port, clock);
    RecordingLink events{link, calls, dialogs, messages};

    link.connectToController();
    // The 602-byte image takes about 0.85 s on the line, then 1.26 s to apply.
    ASSERT_TRUE(waitFor([&] { return !events.settingsImages.isEmpty(); }, 10000))
        << dialogs.messages().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(events.settingsImages[0].size(), 602);
    EXPECT_EQ(events.statusText, QStringLiteral(" BRIVEL ver. 3.07.07"));
    EXPECT_TRUE(events.connected);

    auto fullFrames = [&] {
        int n = 0;
        for (const QByteArray& frame : events.liveReplies)
            n += frame.size() == 57 && static_cast<quint8>(frame[3]) == 0x55;
        return n;
    };
    ASSERT_TRUE(waitFor([&] { return fullFrames() >= 3; }, 10000));

    // A setting goes out between polls and comes back in the next read.
    link.queueCommand(ControllerLink::RetriesForEditors, QByteArray("\x0F\x28", 2));
    ASSERT_TRUE(waitFor([&] { return !link.commandPending(); }, 5000));
    link.enterBusyState();
    link.queueCommand(ControllerLink::RetriesForEditors, QByteArray("\x66\x00", 2));
    ASSERT_TRUE(waitFor([&] { return events.settingsImages.size() >= 2; }, 10000));
    EXPECT_EQ(static_cast<quint8>(events.settingsImages[1][35]), 0x28);

    link.disconnectFromController();
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join(" | ").toStdString();
}

// The line is pulled mid-poll: the link lets go at once and names the port,
// instead of waiting out a time-out with a wrong message.
TEST(KvosSim, PullingTheLineMidPollDisconnectsAtOnceNamingThePort)
{
    SimProcess sim;
    const QString path = sim.slavePath();
    ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/"))) << path.toStdString();
    QtClock clock;
    QtSerialPort port;
    port.setPortName(path);
    ScriptedDialogs dialogs;
    MessageTable messages;
    QStringList calls;
    ControllerLink link(port, clock);
    RecordingLink events{link, calls, dialogs, messages};
    link.connectToController();
    ASSERT_TRUE(waitFor([&] { return events.liveReplies.size() >= 3; }, 10000));

    sim.stop();
    QElapsedTimer sincePulled;
    sincePulled.start();
    ASSERT_TRUE(waitFor([&] { return link.linkState() == LinkState::Disconnected; }, 5000));
    // Well before the 3 s reply time-out.
    EXPECT_LT(sincePulled.elapsed(), 1500);
    EXPECT_FALSE(port.isOpen());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith(QStringLiteral("Port ") + path))
        << dialogs.messages()[0].toStdString();
    EXPECT_FALSE(events.connected);
}

TEST(KvosSim, EngineOptionsShowInTheLiveFrames)
{
    SimProcess sim({"--profile", "demo", "--engine-fault", "injector-2", "--tank-level", "1"});
    const QString path = sim.slavePath();
    ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/"))) << path.toStdString();

    QtClock clock;
    QtSerialPort port;
    port.setPortName(path);
    ScriptedDialogs dialogs;
    MessageTable messages;
    QStringList calls;
    ControllerLink link(port, clock);
    RecordingLink events{link, calls, dialogs, messages};
    link.connectToController();
    auto pollReply = [&]() -> QByteArray {
        for (const QByteArray& frame : events.liveReplies)
            if (frame.size() == 57 && static_cast<quint8>(frame[3]) == 0x55)
                return frame;
        return {};
    };
    ASSERT_TRUE(waitFor([&] { return !pollReply().isEmpty(); }, 10000));
    const QByteArray frame = pollReply();
    EXPECT_EQ(static_cast<quint8>(frame[35]), 0xFD);
    EXPECT_EQ(static_cast<quint8>(frame[31]), 1);
    EXPECT_EQ(frame[4] & 1, 1);
    link.disconnectFromController();
}

TEST(KvosSim, UnknownProfileEndsWithAMessage)
{
    SimProcess sim({"--profile", "race"});
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.errorOutput().contains(QStringLiteral("unknown profile \"race\"")));
}

TEST(KvosSim, StartsFromASettingsFile)
{
    QTemporaryDir dir;
    sim::SettingsImage customer;
    customer.set(22, 5);  // 8 cylinders
    customer.set(20, 0xFF);
    customer.set(36, 0x7D);
    const QString file = dir.filePath(QStringLiteral("customer.kvs"));
    ASSERT_EQ(settings::datafile::save(file, customer.reply(0x66), 30), QString());

    SimProcess sim({"--settings", file, "--stored-fault", "3"});
    const QString path = sim.slavePath();
    ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/"))) << sim.errorOutput().toStdString();
    QtClock clock;
    QtSerialPort port;
    port.setPortName(path);
    ScriptedDialogs dialogs;
    MessageTable messages;
    QStringList calls;
    ControllerLink link(port, clock);
    RecordingLink events{link, calls, dialogs, messages};
    link.connectToController();
    ASSERT_TRUE(waitFor([&] { return !events.settingsImages.isEmpty(); }, 10000));
    const QByteArray image = events.settingsImages[0];
    ASSERT_EQ(image.size(), 602);
    EXPECT_EQ(static_cast<quint8>(image[22]), 5);
    EXPECT_EQ(static_cast<quint8>(image[20]), 0xFF);
    EXPECT_EQ(static_cast<quint8>(image[36]), 0x7D);
    EXPECT_EQ(static_cast<quint8>(image[561]), 0x03);
    link.disconnectFromController();
}

TEST(KvosSim, DamagedSettingsFileEndsWithAMessage)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("damaged.kvs"));
    ASSERT_EQ(settings::datafile::writeAtomically(file, QByteArray("KVOS DATA FILE v3.07.07")),
              QString());
    SimProcess sim({"--settings", file});
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.errorOutput().contains(QStringLiteral("Data file error")));
}

}  // namespace
