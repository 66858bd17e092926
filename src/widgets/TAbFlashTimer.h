#pragma once

#include "platform/Clock.h"
#include "widgets/FlashPhase.h"

#include <QtCore/QObject>

#include <memory>
#include <vector>

namespace brivel {

// The one timer behind every flashing and timed widget of the kit.
//
// The window creates exactly one from the platform clock and passes it by
// reference to each kit widget's constructor; widgets keep a guarded pointer,
// so the timer may be destroyed before or after them. Widgets register and
// deregister themselves; the window never does.
//
// Every 16 ms the timer counts one tick and visits the registered clients in
// registration order:
//  - a flash client learns the new phase of its frequency when it changed;
//  - an interval client gets a tick once the clock has reached its due time;
//    the next due time is the current time plus the interval minus the
//    lateness, so a late tick does not shift the ones after it (a lateness
//    above one second is forgotten instead of caught up).
// The platform timer runs only while something is registered, so an idle
// program is not woken up.
class TAbFlashTimer final : public QObject {
    Q_OBJECT

public:
    static constexpr int kTickMs = 16;
    static constexpr qint64 kMaxLatenessMs = 1000;

    class Client {
    public:
        // The phase of the client's frequency has changed.
        virtual void flashPhaseChanged(bool phase) { Q_UNUSED(phase); }
        // The client's interval has elapsed.
        virtual void intervalElapsed() {}

    protected:
        ~Client() = default;
    };

    explicit TAbFlashTimer(Clock& clock, QObject* parent = nullptr);
    ~TAbFlashTimer() override;

    Clock& clock() const { return clock_; }

    // Registers for flashing, or changes the frequency of a client already
    // registered. Returns the current phase, so a widget can show it at once
    // and blink in step with the others.
    bool registerFlash(Client* client, FlashFrequency frequency);
    // Registers for ticks every `intervalMs`, the first one after
    // `firstDelayMs` (or one interval when negative). Re-registering a client
    // changes its interval only and keeps its due time. An interval below
    // 1 ms never ticks.
    void registerInterval(Client* client, int intervalMs, int firstDelayMs = -1);
    void unregister(Client* client);

    int registeredCount() const;
    bool isRunning() const;

    quint32 tickCount() const { return tickCount_; }
    bool phase(FlashFrequency frequency) const { return flashPhase(tickCount_, frequency); }

    // One tick, as the platform timer runs it every 16 ms.
    void tick();

private:
    struct Entry {
        Client* client = nullptr;
        bool flash = false;
        FlashFrequency frequency = ff1Hz;
        bool lastPhase = false;
        int intervalMs = 0;
        qint64 dueMs = 0;
    };

    Entry* find(const Client* client);
    const Entry* find(const Client* client) const;
    Entry& entryFor(Client* client);
    void updateRunning();

    Clock& clock_;
    std::unique_ptr<Timer> timer_;
    std::vector<Entry> entries_;
    quint32 tickCount_ = 0;
    bool ticking_ = false;
};

}  // namespace brivel
