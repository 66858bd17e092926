#include "widgets/TAbFlashTimer.h"

#include <algorithm>

namespace brivel {

TAbFlashTimer::TAbFlashTimer(Clock& clock, QObject* parent)
    : QObject(parent), clock_(clock), timer_(clock.createTimer())
{
    timer_->setInterval(kTickMs);
    timer_->setSingleShot(false);
    timer_->setCallback([this] { tick(); });
}

TAbFlashTimer::~TAbFlashTimer()
{
    timer_->stop();
}

TAbFlashTimer::Entry* TAbFlashTimer::find(const Client* client)
{
    for (Entry& e : entries_) {
        if (e.client == client)
            return &e;
    }
    return nullptr;
}

const TAbFlashTimer::Entry* TAbFlashTimer::find(const Client* client) const
{
    return const_cast<TAbFlashTimer*>(this)->find(client);
}

TAbFlashTimer::Entry& TAbFlashTimer::entryFor(Client* client)
{
    if (Entry* e = find(client))
        return *e;
    entries_.push_back(Entry{});
    entries_.back().client = client;
    return entries_.back();
}

bool TAbFlashTimer::registerFlash(Client* client, FlashFrequency frequency)
{
    const bool current = phase(frequency);
    if (!client)
        return current;
    Entry& e = entryFor(client);
    e.flash = true;
    e.frequency = frequency;
    e.lastPhase = current;
    updateRunning();
    return current;
}

void TAbFlashTimer::registerInterval(Client* client, int intervalMs, int firstDelayMs)
{
    if (!client)
        return;
    const bool known = find(client) != nullptr;
    Entry& e = entryFor(client);
    const bool wasInterval = known && !e.flash;
    e.flash = false;
    e.intervalMs = intervalMs;
    if (!wasInterval)
        e.dueMs = clock_.nowMs() + (firstDelayMs >= 0 ? firstDelayMs : intervalMs);
    updateRunning();
}

void TAbFlashTimer::unregister(Client* client)
{
    Entry* e = find(client);
    if (!e)
        return;
    if (ticking_) {
        // Removed after the tick, so the loop over the entries stays valid.
        e->client = nullptr;
        return;
    }
    entries_.erase(entries_.begin() + (e - entries_.data()));
    updateRunning();
}

int TAbFlashTimer::registeredCount() const
{
    return int(std::count_if(entries_.begin(), entries_.end(),
                             [](const Entry& e) { return e.client != nullptr; }));
}

bool TAbFlashTimer::isRunning() const
{
    return timer_->isActive();
}

void TAbFlashTimer::updateRunning()
{
    const bool wanted = registeredCount() > 0;
    if (wanted && !timer_->isActive())
        timer_->start();
    else if (!wanted && timer_->isActive())
        timer_->stop();
}

void TAbFlashTimer::tick()
{
    ++tickCount_;  // unsigned: wraps to 0 after its largest value
    ticking_ = true;
    // Clients registered during the tick wait for the next one.
    const std::size_t count = entries_.size();
    for (std::size_t i = 0; i < count; ++i) {
        // Index access: a callback may register clients and grow the vector.
        Client* client = entries_[i].client;
        if (!client)
            continue;
        if (entries_[i].flash) {
            const bool now = flashPhase(tickCount_, entries_[i].frequency);
            if (now != entries_[i].lastPhase) {
                entries_[i].lastPhase = now;
                client->flashPhaseChanged(now);
            }
            continue;
        }
        if (entries_[i].intervalMs < 1)
            continue;
        const qint64 now = clock_.nowMs();
        if (now < entries_[i].dueMs)
            continue;
        entries_[i].dueMs =
            nextIntervalDue(now, entries_[i].dueMs, entries_[i].intervalMs, kMaxLatenessMs);
        client->intervalElapsed();
    }
    ticking_ = false;
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [](const Entry& e) { return e.client == nullptr; }),
                   entries_.end());
    updateRunning();
}

}  // namespace brivel
