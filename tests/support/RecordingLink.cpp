#include "RecordingLink.h"

#include "link/ControllerLink.h"
#include "platform/Dialogs.h"

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

QString kindName(DisconnectReason::Kind kind)
{
    using Kind = DisconnectReason::Kind;
    switch (kind) {
        case Kind::User:
            return QStringLiteral("User");
        case Kind::Shutdown:
            return QStringLiteral("Shutdown");
        case Kind::VersionRefused:
            return QStringLiteral("VersionRefused");
        case Kind::NoHandshake:
            return QStringLiteral("NoHandshake");
        case Kind::ReplyTimedOut:
            return QStringLiteral("ReplyTimedOut");
        case Kind::RetriesSpent:
            return QStringLiteral("RetriesSpent");
        case Kind::PortFailed:
            return QStringLiteral("PortFailed");
        case Kind::WriteRefused:
            return QStringLiteral("WriteRefused");
    }
    return QString();
}

RecordingLink::RecordingLink(ControllerLink& link, QStringList& log) : log_(log)
{
    connect(&link, &ControllerLink::connecting, this,
            [this] { log_ << QStringLiteral("connecting"); });
    connect(&link, &ControllerLink::busyChanged, this, [this](bool on) {
        busy = on;
        log_ << QStringLiteral("busy(%1)").arg(flag(on));
    });
    connect(&link, &ControllerLink::versionAccepted, this, [this](const QString& text) {
        statusText = text;
        log_ << QStringLiteral("versionAccepted(%1)").arg(text);
    });
    connect(&link, &ControllerLink::settingsImageReceived, this, [this](const QByteArray& block) {
        settingsImages << block;
        log_ << QStringLiteral("settingsImageReceived(%1)").arg(block.size());
    });
    connect(&link, &ControllerLink::connected, this, [this](const QString& name) {
        connected = true;
        portName = name;
        log_ << QStringLiteral("connected(%1)").arg(name);
    });
    connect(&link, &ControllerLink::liveReplyReceived, this, [this](const QByteArray& reply) {
        liveReplies << reply;
        log_ << QStringLiteral("liveReplyReceived(%1)").arg(reply.size());
        if (onLiveReply)
            onLiveReply(reply);
    });
    connect(&link, &ControllerLink::disconnected, this, [this](const DisconnectReason& reason) {
        connected = false;
        busy = false;
        disconnects.push_back(reason);
        log_ << QStringLiteral("disconnected(%1)").arg(kindName(reason.kind));
        if (messages_)
            show(false, disconnectMessage(reason, *messages_));
    });
    connect(&link, &ControllerLink::notice, this, [this](const QString& text) {
        log_ << QStringLiteral("notice(%1)").arg(text);
        show(false, text);
    });
    connect(&link, &ControllerLink::errorRaised, this, [this](const QString& text) {
        log_ << QStringLiteral("errorRaised(%1)").arg(text);
        show(true, text);
    });
    connect(&link, &ControllerLink::settled, this, [this] {
        while (dialogs_ && !pending_.empty()) {
            const auto [error, text] = pending_.front();
            pending_.erase(pending_.begin());
            if (error)
                dialogs_->showError(text);
            else
                dialogs_->showMessage(text);
        }
    });
}

RecordingLink::RecordingLink(ControllerLink& link, QStringList& log, Dialogs& dialogs,
                             const MessageTable& messages)
    : RecordingLink(link, log)
{
    dialogs_ = &dialogs;
    messages_ = &messages;
}

void RecordingLink::show(bool error, const QString& text)
{
    if (dialogs_ && !text.isEmpty())
        pending_.emplace_back(error, text);
}

}  // namespace brivel::test
