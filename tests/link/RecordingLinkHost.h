#pragma once

#include "QtPrinters.h"
#include "link/LinkHost.h"

#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QStringList>

#include <functional>

namespace brivel::test {

// A window stand-in for the link: keeps what the link set and records every
// change, in order, as a short text such as "setBusy(true)".
class RecordingLinkHost final : public LinkHost {
public:
    RecordingLinkHost();

    void setBusy(bool busy) override;
    QString statusText() const override { return status; }
    void setStatusText(const QString& text) override;
    void setLinkIndicator(const QString& text, const QColor& color) override;
    void setFileItemsAvailable(bool available) override;
    void showConnectSwitch(bool on) override;
    void setConnectSwitchOnText(const QString& text) override;
    void setReserveLedsFlashing(bool flashing) override;
    void greyCylinderButtons() override;
    void hideErrorLed() override;
    QString faultMemoText() const override { return memo; }
    void setFaultMemoText(const QString& text) override;
    void clearOscilloscopeChoices() override;
    void DecodeLiveFrame(const QByteArray& frame) override;
    void DecodeParameterBlock(const QByteArray& block) override;
    void writeSettingsFile() override;
    void storeLanguage() override;
    QString message(int row) const override;

    // The calls whose text starts with `prefix`.
    int count(const QString& prefix) const;

    QStringList calls;
    bool busy = false;
    QString status;
    QString indicator = QStringLiteral("offline");
    QColor indicatorColor = QColor(255, 0, 0);
    bool fileItems = false;
    bool switchOn = false;
    QString switchOnText;
    bool reserveFlashing = false;
    QString memo;
    QList<QByteArray> liveFrames;
    QList<QByteArray> parameterBlocks;
    int filesWritten = 0;
    int languageStores = 0;
    QMap<int, QString> messages;

    // Hooks that run inside a call, like what the real window does there.
    std::function<void()> onWriteSettingsFile;
    std::function<void(bool on)> onShowConnectSwitch;
    std::function<void(const QByteArray&)> onDecodeLiveFrame;
};

}  // namespace brivel::test
