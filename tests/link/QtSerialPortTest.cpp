#include "QtPrinters.h"
#include "link/QtSerialPort.h"
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

#include <cerrno>

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
