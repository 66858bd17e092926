#pragma once

#include "live/LiveFrame.h"
#include "live/LiveSnapshot.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>

namespace brivel {

class MessageTable;

// The live readings of the controller: turns each reply into a snapshot,
// the map samples included, and tells its views what changed: each view
// (the map page and a recording adaptation among them) connects to
// changed() and renders or keeps its part. The only state of the live
// indicators; no view is read back.
class LiveModel final : public QObject {
    Q_OBJECT
public:
    // The fault texts are read from the table per frame, in the language
    // chosen last.
    explicit LiveModel(const MessageTable& messages, QObject* parent = nullptr);

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

public slots:
    // What the link reports: the connect starts the reserve flashing, each
    // reply is decoded, the disconnect blanks.
    void linkConnected();
    void liveReplyReceived(const QByteArray& reply);
    void linkDisconnected();

signals:
    // After each change, with the parts that changed; views are told in the
    // order they connected.
    void changed(const brivel::LiveSnapshot& snapshot, brivel::LiveChanges changes);

private:
    bool decode(const QByteArray& frame);
    void notify(LiveChanges changes);

    const MessageTable& messages_;
    LiveSnapshot snapshot_;
};

}  // namespace brivel
