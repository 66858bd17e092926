#pragma once

#include "live/LiveFrame.h"
#include "live/LiveSnapshot.h"

#include <QtCore/QByteArray>

#include <functional>
#include <vector>

namespace brivel {

class LiveObserver;
class MessageTable;

// The live readings of the controller: turns each reply into a snapshot,
// keeps the map samples and, while an adaptation runs, the adaptation
// record, and tells its views what changed. The only state of the live
// indicators; no view is read back.
class LiveModel final {
public:
    // True while an adaptation runs.
    using AdaptationRunning = std::function<bool()>;

    // The fault texts are read from the table's working column per frame.
    explicit LiveModel(const MessageTable& messages);

    // Views are told in the order they were added; none is owned.
    void addObserver(LiveObserver& observer);
    void setAdaptationRunning(AdaptationRunning running)
    {
        adaptationRunning_ = std::move(running);
    }

    // A reply of the link. Five bytes or fewer, and replies too short to
    // hold a frame, change nothing.
    void DecodeLiveFrame(const QByteArray& frame);
    // The disconnect: every reading blank as the filler frame gives it, the
    // fault text shown before kept, the banner hidden, the reserve dark and
    // no longer flashing.
    void blank();
    // The reserve flashes while lit, from the connect on.
    void setReserveFlashing(bool flashing);
    // The fault memory was cleared: the current list is empty until the next
    // frame rebuilds it. The banner follows the next frame.
    void clearFaultText();
    // The fault banner hides until the next frame shows it again.
    void hideBanner();

    const LiveSnapshot& snapshot() const { return snapshot_; }
    live::MapSamples& mapSamples() { return mapSamples_; }
    const live::MapSamples& mapSamples() const { return mapSamples_; }
    live::AdaptationRecord& adaptationRecord() { return adaptationRecord_; }

    // What the link reports.
    void linkConnected();
    void liveReplyReceived(const QByteArray& reply);
    void linkDisconnected();

private:
    bool decode(const QByteArray& frame);
    void notify(LiveChanges changes);

    const MessageTable& messages_;
    std::vector<LiveObserver*> observers_;
    AdaptationRunning adaptationRunning_;
    LiveSnapshot snapshot_;
    live::MapSamples mapSamples_;
    live::AdaptationRecord adaptationRecord_;
};

}  // namespace brivel
