#include "QtPrinters.h"
#include "link/Frames.h"
#include "link/qt/QtSerialPort.h"
#include "link/SendEncoded.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDeadlineTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>
#include <QtTest/QTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

using namespace brivel;

namespace {

// A pseudo-terminal pair: the port opens the slave, the test plays the device
// on the master.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            slaveName_ = QString::fromLocal8Bit(name);
            // Raw mode, so bytes pass unchanged in both directions.
            termios tio{};
            tcgetattr(slave_, &tio);
            cfmakeraw(&tio);
            tcsetattr(slave_, TCSANOW, &tio);
            fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        }
    }
    ~PseudoTerminal()
    {
        if (master_ >= 0)
            ::close(master_);
        if (slave_ >= 0)
            ::close(slave_);
    }
    bool valid() const { return master_ >= 0; }
    int master() const { return master_; }
    // The device's end goes away, as when an adapter is pulled.
    void hangUp()
    {
        ::close(master_);
        master_ = -1;
    }
    QString slaveName() const { return slaveName_; }

    void send(const QByteArray& bytes)
    {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), bytes.size());
    }

    // Reads from the master until `count` bytes came or the deadline passed.
    QByteArray receive(int count, int timeoutMs = 3000)
    {
        QByteArray got;
        QDeadlineTimer deadline(timeoutMs);
        while (got.size() < count && !deadline.hasExpired()) {
            // The port writes from the event loop; then wait for the bytes to
            // come out of the master side.
            QCoreApplication::processEvents();
            pollfd ready{master_, POLLIN, 0};
            if (::poll(&ready, 1, 10) <= 0)
                continue;
            char buffer[256];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, static_cast<int>(n));
        }
        return got;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString slaveName_;
};

QString openError(QtSerialPort& port)
{
    try {
        port.open();
    } catch (const PlatformError& e) {
        return e.text();
    }
    return QString();
}

}  // namespace

TEST(QtSerialPort, TalksToAPseudoTerminalAt7200BitsPerSecond)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());

    QtSerialPort port;
    QList<int> events;
    QByteArray received;
    port.setReceiveHandler([&](int waiting) {
        events << waiting;
        received += port.read(waiting);
    });
    port.setPortName(pty.slaveName());
    port.setBaudRate(QStringLiteral("Custom"));
    port.setCustomBaudRate(7200);
    port.open();
    ASSERT_TRUE(port.isOpen());
    EXPECT_EQ(port.settings().effectiveBaudRate(), 7200);

    port.write(QByteArray("\xCC\x12\x34", 3));
    EXPECT_EQ(pty.receive(3), QByteArray("\xCC\x12\x34", 3));

    pty.send(QByteArray("\xAA\x00\x39\x55", 4));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() >= 4; }, 3000));
    EXPECT_EQ(received, QByteArray("\xAA\x00\x39\x55", 4));
    EXPECT_FALSE(events.isEmpty());
    EXPECT_FALSE(events.contains(0));

    port.close();
    EXPECT_FALSE(port.isOpen());
    try {
        port.write("x");
        ADD_FAILURE() << "write on a closed port must fail";
    } catch (const PlatformError& e) {
        EXPECT_TRUE(
            e.text().startsWith(QStringLiteral("WriteFile function failed (win error code: ")));
    }
}

// A handler that shows a message box runs a nested event loop; bytes that
// arrive while it is open must still be announced.
TEST(QtSerialPort, BytesArrivingWhileABoxIsOpenAreAnnounced)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());
    QtSerialPort port;
    QByteArray received;
    int calls = 0;
    QEventLoop box;
    port.setReceiveHandler([&](int waiting) {
        received += port.read(waiting);
        if (++calls == 1) {
            pty.send(QByteArray("\x03\x04", 2));
            QTimer::singleShot(3000, &box, &QEventLoop::quit);
            box.exec();
        } else if (received.size() >= 4) {
            box.quit();
        }
    });
    port.setPortName(pty.slaveName());
    port.open();
    pty.send(QByteArray("\x01\x02", 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() >= 4; }, 3000));
    EXPECT_EQ(received, QByteArray("\x01\x02\x03\x04", 4));
    EXPECT_GE(calls, 2);
}

TEST(QtSerialPort, ADeviceThatCannotBeOpenedGivesTheOpenError)
{
    QtSerialPort port;
    port.setPortName(QStringLiteral("/dev/brivel-no-such-port"));
    EXPECT_EQ(openError(port),
              QStringLiteral("Unable to open com port (win error code: %1)").arg(ENOENT));
    EXPECT_FALSE(port.isOpen());

    port.setPortName(QString());
    EXPECT_TRUE(
        openError(port).startsWith(QStringLiteral("Unable to open com port (win error code: ")));
}

// The other end goes away while the port is open: the port closes itself at
// once and reports the device gone, so that nothing polls a dead descriptor.
TEST(QtSerialPort, AHungUpLineClosesThePortAndIsReportedOnce)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());
    QtSerialPort port;
    std::vector<PortFault> faults;
    port.setFaultHandler([&](const PortFault& fault) {
        EXPECT_FALSE(port.isOpen()) << "closed before it is reported";
        faults.push_back(fault);
    });
    port.setPortName(pty.slaveName());
    port.open();
    pty.hangUp();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !faults.empty(); }, 3000));
    EXPECT_EQ(faults.front().kind, PortFault::Kind::DeviceGone);
    EXPECT_FALSE(faults.front().reason.isEmpty());
    EXPECT_FALSE(port.isOpen());
    // Events that were already on their way change nothing.
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(faults.size(), 1u);
}

// A 543-byte frame goes out as six pieces of 80 bytes and one of 64, each
// given the line's time at 7200 bit/s and a pause, while the window thread
// keeps running its timers.
TEST(QtSerialPort, ALongFrameGoesOutInPacedPiecesWithoutHoldingTheWindow)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());
    QtSerialPort port;
    port.setPortName(pty.slaveName());
    port.setBaudRate(QStringLiteral("Custom"));
    port.setCustomBaudRate(7200);
    port.open();

    // The device's side reads each piece as it arrives.
    using Clock = std::chrono::steady_clock;
    struct Arrival {
        Clock::time_point at;
        int bytes;
    };
    std::vector<Arrival> arrivals;
    std::atomic<int> total{0};
    const QByteArray frame = QByteArray(1, char(0xAA)) + QByteArray(1, char(0x1A)) +
                             QByteArray(540, '\x00') + QByteArray(1, char(0xC4));
    const QByteArray wire = WireForm(frame);
    ASSERT_EQ(wire.size(), 544);
    std::thread reader([&] {
        const auto until = Clock::now() + std::chrono::seconds(5);
        while (total < wire.size() && Clock::now() < until) {
            pollfd ready{pty.master(), POLLIN, 0};
            if (::poll(&ready, 1, 50) <= 0)
                continue;
            char buffer[1024];
            const ssize_t n = ::read(pty.master(), buffer, sizeof buffer);
            if (n > 0) {
                arrivals.push_back({Clock::now(), static_cast<int>(n)});
                total += static_cast<int>(n);
            }
        }
    });

    std::vector<Clock::time_point> ticks;
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, [&] { ticks.push_back(Clock::now()); });
    repaint.start(10);
    const auto started = Clock::now();
    SendEncoded(port, frame, [&port](int ms) { port.pauseLine(ms); });
    const auto returned = Clock::now();
    EXPECT_TRUE(QTest::qWaitFor([&] { return total >= wire.size(); }, 5000));
    reader.join();
    repaint.stop();

    // Handing the frame over takes no time of the window's.
    EXPECT_LT(returned - started, std::chrono::milliseconds(50));
    // Pieces are told apart by the quiet between them.
    std::vector<int> pieces;
    std::vector<Clock::time_point> starts;
    for (std::size_t i = 0; i < arrivals.size(); ++i) {
        if (i == 0 || arrivals[i].at - arrivals[i - 1].at > std::chrono::milliseconds(40)) {
            pieces.push_back(0);
            starts.push_back(arrivals[i].at);
        }
        pieces.back() += arrivals[i].bytes;
    }
    EXPECT_EQ(pieces, (std::vector<int>{80, 80, 80, 80, 80, 80, 64}));
    // 80 bytes take 111 ms at 7200 bit/s; the next piece waits for them (a
    // reader woken late makes one gap look shorter, never all of them).
    for (std::size_t i = 1; i < starts.size(); ++i)
        EXPECT_GE(starts[i] - starts[i - 1], std::chrono::milliseconds(60)) << i;
    ASSERT_FALSE(starts.empty());
    EXPECT_GE(starts.back() - starts.front(), std::chrono::milliseconds(6 * 100));
    // The window's timer kept firing all along.
    ASSERT_FALSE(ticks.empty());
    auto longest = ticks.front() - started;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        longest = std::max(longest, ticks[i] - ticks[i - 1]);
    EXPECT_LT(longest, std::chrono::milliseconds(200));
    EXPECT_GE(ticks.size(), 20u);
    port.close();
}

// The port closes in the middle of a long frame: the rest is thrown away at
// once instead of holding the window until it has gone out.
TEST(QtSerialPort, ClosingDuringALongFrameDoesNotWaitForIt)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());
    QtSerialPort port;
    port.setPortName(pty.slaveName());
    port.setCustomBaudRate(7200);
    port.setBaudRate(QStringLiteral("Custom"));
    port.open();
    SendEncoded(port, QByteArray(543, '\x01'), [&port](int ms) { port.pauseLine(ms); });
    const auto started = std::chrono::steady_clock::now();
    port.close();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
    EXPECT_FALSE(port.isOpen());
}
