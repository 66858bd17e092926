#include "cars/Library.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QLockFile>

namespace brivel::cars {

namespace {

// Two programs on one PC share the outbox; each holds it only briefly.
constexpr int LockWaitMs = 3000;

class OutboxLock {
public:
    explicit OutboxLock(const QString& outbox) : lock_(outbox + QStringLiteral(".lock"))
    {
        QDir().mkpath(QFileInfo(outbox).absolutePath());
        held_ = lock_.tryLock(LockWaitMs);
    }
    bool held() const { return held_; }

private:
    QLockFile lock_;
    bool held_ = false;
};

}  // namespace

namespace {

QString outboxOf(const LibraryConfig& config)
{
    return config.outboxFile.isEmpty()
               ? QDir(defaultDataFolder()).filePath(QStringLiteral("library-outbox.bin"))
               : config.outboxFile;
}

}  // namespace

Library::Library(LibraryConfig config) : store_(config), outbox_(outboxOf(config)) {}

void Library::start()
{
    outboxCount_ = countOutbox();
    if (store_.open())
        flush();
}

void Library::retry()
{
    if (!store_.isOpen() && !store_.open())
        return;
    flush();
}

int Library::countOutbox()
{
    const OutboxLock lock(outbox_.path());
    return lock.held() ? static_cast<int>(outbox_.read().size()) : outboxCount_;
}

void Library::down()
{
    store_.close();
}

void Library::queryFailed()
{
    down();
}

Library::Submitted Library::submit(const LibraryOp& op)
{
    if (store_.isOpen() && waiting() > 0)
        flush();
    if (store_.isOpen() && waiting() == 0) {
        const CarStore::WriteResult r = store_.write(op);
        if (r.outcome != CarStore::Written::Failed)
            return {r.outcome, r.car, false};
        down();
    }
    queue(op);
    Submitted s;
    s.waiting = true;
    if (const auto* add = std::get_if<AddCar>(&op))
        s.car = add->car;
    if (const auto* update = std::get_if<UpdateCar>(&op))
        s.car = update->car;
    return s;
}

void Library::queue(const LibraryOp& op)
{
    memory_.append(op);
    const OutboxLock lock(outbox_.path());
    if (!lock.held())
        return;
    // What memory holds is older than anything the outbox does not have yet.
    if (outbox_.append(memory_)) {
        outboxCount_ += static_cast<int>(memory_.size());
        memory_.clear();
    }
}

void Library::flush()
{
    {
        const OutboxLock lock(outbox_.path());
        if (!lock.held())
            return;
        const QList<LibraryOp> ops = outbox_.read();
        int written = 0;
        if (!ops.isEmpty()) {
            if (store_.writeAll(ops)) {
                written = static_cast<int>(ops.size());
            } else if (store_.isOpen()) {
                // One of them is refused: write those before it on their own.
                for (const LibraryOp& op : ops) {
                    if (store_.write(op).outcome == CarStore::Written::Failed)
                        break;
                    ++written;
                }
            }
            // Dropped only once written: a crash in between writes them again,
            // which keeps them once.
            if (written > 0)
                outbox_.dropFirst(written);
        }
        outboxCount_ = static_cast<int>(outbox_.read().size());
        if (written < ops.size()) {
            down();
            return;
        }
    }
    while (!memory_.isEmpty()) {
        if (store_.write(memory_.first()).outcome == CarStore::Written::Failed) {
            down();
            return;
        }
        memory_.removeFirst();
    }
}

LibraryStatus Library::status() const
{
    LibraryStatus s = store_.status();
    if (store_.isOpen()) {
        s.problem = Problem::None;
        s.detail.clear();
    }
    s.waiting = outboxCount_ + static_cast<int>(memory_.size());
    s.unsaved = static_cast<int>(memory_.size());
    return s;
}

}  // namespace brivel::cars
