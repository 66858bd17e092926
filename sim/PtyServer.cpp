#include "sim/PtyServer.h"

#include <QtCore/QSocketNotifier>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace brivel::sim {

PtyServer::PtyServer(Clock& clock, QObject* parent) : QObject(parent), emulator_(clock)
{
    emulator_.setSink([this](const QByteArray& piece) { writeMaster(piece); });
}

PtyServer::~PtyServer()
{
    emulator_.setSink(nullptr);
    delete notifier_;
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
}

bool PtyServer::open(QString* error)
{
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        if (error)
            *error =
                QStringLiteral("openpty: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    // Raw both ways, so that every byte value passes unchanged.
    termios tio{};
    tcgetattr(slave_, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave_, TCSANOW, &tio);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyServer::readMaster);
    return true;
}

void PtyServer::readMaster()
{
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            emulator_.receive(QByteArray(buffer, static_cast<int>(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
}

void PtyServer::writeMaster(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // Nobody reads the other end and its buffer is full: the bytes
            // are lost, as on a line with no one listening.
            break;
        }
    }
}

}  // namespace brivel::sim
