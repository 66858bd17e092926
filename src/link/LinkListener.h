#pragma once

#include <QtCore/QByteArray>

namespace brivel {

// What happened on the link, for the parts of the program that follow it.
// Listeners are told in the order they were added; the composition root
// fixes that order. No call may run a link handler again.
class LinkListener {
public:
    virtual ~LinkListener() = default;

    // A connect attempt begins (the user's or a retry).
    virtual void linkConnecting() {}
    // A settings image arrived: the connect reply, or the reply to a settings
    // read or a factory reset.
    virtual void settingsImageReceived(const QByteArray& block) { (void)block; }
    // The handshake has been applied: polling starts.
    virtual void linkConnected() {}
    // A complete reply to a poll or to an acknowledged command, or an empty
    // or short buffer that is no frame at all.
    virtual void liveReplyReceived(const QByteArray& reply) { (void)reply; }
    // The disconnect sequence: the link has stopped; the indicators blank.
    virtual void linkDisconnected() {}
    // The disconnect sequence has stored the port settings; the rest of the
    // session is stored now.
    virtual void portSettingsStored() {}
    // A settings image read for saving has just been received; its file
    // is written now.
    virtual void saveRequested() {}
};

}  // namespace brivel
