#include "RecordingLink.h"

namespace brivel::test {

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

int countCalls(const QStringList& calls, const QString& prefix)
{
    int n = 0;
    for (const QString& call : calls)
        if (call.startsWith(prefix))
            ++n;
    return n;
}

void RecordingStatusView::setBusy(bool on)
{
    busy = on;
    log_ << QStringLiteral("setBusy(%1)").arg(flag(on));
}

void RecordingStatusView::setStatusText(const QString& value)
{
    text = value;
    log_ << QStringLiteral("setStatusText(%1)").arg(value);
}

void RecordingStatusView::setOnline(bool on)
{
    online = on;
    log_ << QStringLiteral("setOnline(%1)").arg(flag(on));
}

void RecordingStatusView::showConnectSwitch(bool on)
{
    switchOn = on;
    log_ << QStringLiteral("showConnectSwitch(%1)").arg(flag(on));
    if (onShowConnectSwitch)
        onShowConnectSwitch(on);
}

void RecordingStatusView::setConnectSwitchOnText(const QString& value)
{
    switchOnText = value;
    log_ << QStringLiteral("setConnectSwitchOnText(%1)").arg(value);
}

void RecordingLinkListener::linkConnecting()
{
    log_ << QStringLiteral("linkConnecting");
}

void RecordingLinkListener::settingsImageReceived(const QByteArray& block)
{
    settingsImages << block;
    log_ << QStringLiteral("settingsImageReceived(%1)").arg(block.size());
}

void RecordingLinkListener::linkConnected()
{
    connected = true;
    log_ << QStringLiteral("linkConnected");
}

void RecordingLinkListener::liveReplyReceived(const QByteArray& reply)
{
    liveReplies << reply;
    log_ << QStringLiteral("liveReplyReceived(%1)").arg(reply.size());
    if (onLiveReply)
        onLiveReply(reply);
}

void RecordingLinkListener::linkDisconnected()
{
    connected = false;
    log_ << QStringLiteral("linkDisconnected");
}

void RecordingLinkListener::portSettingsStored()
{
    ++sessionsStored;
    log_ << QStringLiteral("portSettingsStored");
}

void RecordingLinkListener::saveRequested()
{
    ++saves;
    log_ << QStringLiteral("saveRequested");
    if (onSaveRequested)
        onSaveRequested();
}

}  // namespace brivel::test
