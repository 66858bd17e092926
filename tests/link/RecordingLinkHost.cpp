#include "RecordingLinkHost.h"

#include "link/Frames.h"

namespace brivel::test {

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

RecordingLinkHost::RecordingLinkHost() : status(InitialStatusText)
{
    messages.insert(11, QStringLiteral("Time out - błąd w transmisji (Brak Strownika) "));
}

void RecordingLinkHost::setBusy(bool on)
{
    busy = on;
    calls << QStringLiteral("setBusy(%1)").arg(flag(on));
}

void RecordingLinkHost::setStatusText(const QString& text)
{
    status = text;
    calls << QStringLiteral("setStatusText(%1)").arg(text);
}

void RecordingLinkHost::setLinkIndicator(const QString& text, const QColor& color)
{
    indicator = text;
    indicatorColor = color;
    calls << QStringLiteral("setLinkIndicator(%1)").arg(text);
}

void RecordingLinkHost::setFileItemsAvailable(bool available)
{
    fileItems = available;
    calls << QStringLiteral("setFileItemsAvailable(%1)").arg(flag(available));
}

void RecordingLinkHost::showConnectSwitch(bool on)
{
    switchOn = on;
    calls << QStringLiteral("showConnectSwitch(%1)").arg(flag(on));
    if (onShowConnectSwitch)
        onShowConnectSwitch(on);
}

void RecordingLinkHost::setConnectSwitchOnText(const QString& text)
{
    switchOnText = text;
    calls << QStringLiteral("setConnectSwitchOnText(%1)").arg(text);
}

void RecordingLinkHost::setReserveLedsFlashing(bool flashing)
{
    reserveFlashing = flashing;
    calls << QStringLiteral("setReserveLedsFlashing(%1)").arg(flag(flashing));
}

void RecordingLinkHost::greyCylinderButtons()
{
    calls << QStringLiteral("greyCylinderButtons");
}

void RecordingLinkHost::hideErrorLed()
{
    calls << QStringLiteral("hideErrorLed");
}

void RecordingLinkHost::setFaultMemoText(const QString& text)
{
    memo = text;
    calls << QStringLiteral("setFaultMemoText(%1)").arg(text);
}

void RecordingLinkHost::clearOscilloscopeChoices()
{
    calls << QStringLiteral("clearOscilloscopeChoices");
}

void RecordingLinkHost::DecodeLiveFrame(const QByteArray& frame)
{
    liveFrames << frame;
    calls << QStringLiteral("DecodeLiveFrame(%1)").arg(frame.size());
    if (onDecodeLiveFrame)
        onDecodeLiveFrame(frame);
}

void RecordingLinkHost::DecodeParameterBlock(const QByteArray& block)
{
    parameterBlocks << block;
    calls << QStringLiteral("DecodeParameterBlock(%1)").arg(block.size());
}

void RecordingLinkHost::writeSettingsFile()
{
    ++filesWritten;
    calls << QStringLiteral("writeSettingsFile");
    if (onWriteSettingsFile)
        onWriteSettingsFile();
}

void RecordingLinkHost::storeLanguage()
{
    ++languageStores;
    calls << QStringLiteral("storeLanguage");
}

QString RecordingLinkHost::message(int row) const
{
    return messages.value(row, QStringLiteral("message %1").arg(row));
}

int RecordingLinkHost::count(const QString& prefix) const
{
    int n = 0;
    for (const QString& call : calls)
        if (call.startsWith(prefix))
            ++n;
    return n;
}

}  // namespace brivel::test
