#pragma once

#include "link/LinkListener.h"
#include "link/LinkStatusView.h"

#include <QtCore/QList>
#include <QtCore/QStringList>

#include <functional>

namespace brivel::test {

// The number of entries of `calls` that start with `prefix`.
int countCalls(const QStringList& calls, const QString& prefix);

// A status view that keeps what the link showed and logs each call, in
// order, as a short text such as "setBusy(true)".
class RecordingStatusView final : public LinkStatusView {
public:
    explicit RecordingStatusView(QStringList& log) : log_(log) {}

    void setBusy(bool on) override;
    void setStatusText(const QString& text) override;
    void setOnline(bool on) override;
    void showConnectSwitch(bool on) override;
    void setConnectSwitchOnText(const QString& text) override;

    bool busy = false;
    QString text;
    bool online = false;
    bool switchOn = false;
    QString switchOnText;
    // Runs inside showConnectSwitch, as the widget's change report does.
    std::function<void(bool on)> onShowConnectSwitch;

private:
    QStringList& log_;
};

// A listener that keeps what the link told and logs each event.
class RecordingLinkListener final : public LinkListener {
public:
    explicit RecordingLinkListener(QStringList& log) : log_(log) {}

    void linkConnecting() override;
    void settingsImageReceived(const QByteArray& block) override;
    void linkConnected() override;
    void liveReplyReceived(const QByteArray& reply) override;
    void linkDisconnected() override;
    void portSettingsStored() override;
    void saveRequested() override;

    QList<QByteArray> settingsImages;
    QList<QByteArray> liveReplies;
    // Between linkConnected and linkDisconnected.
    bool connected = false;
    int saves = 0;
    int sessionsStored = 0;
    // Run inside the events, like what the window does there.
    std::function<void()> onSaveRequested;
    std::function<void(const QByteArray&)> onLiveReply;

private:
    QStringList& log_;
};

}  // namespace brivel::test
