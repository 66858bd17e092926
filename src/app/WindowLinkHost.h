#pragma once

#include "link/LinkHost.h"

namespace brivel {

class TBrivel;

// What the controller link does to the window, done on the window's controls.
class WindowLinkHost final : public LinkHost {
public:
    explicit WindowLinkHost(TBrivel& window) : window_(window) {}

    void setBusy(bool busy) override;
    QString statusText() const override;
    void setStatusText(const QString& text) override;
    void setLinkIndicator(const QString& text, const QColor& color) override;
    void setFileItemsAvailable(bool available) override;
    void showConnectSwitch(bool on) override;
    void setConnectSwitchOnText(const QString& text) override;
    void setReserveLedsFlashing(bool flashing) override;
    void greyCylinderButtons() override;
    void hideErrorLed() override;
    QString faultMemoText() const override;
    void setFaultMemoText(const QString& text) override;
    void clearOscilloscopeChoices() override;
    void DecodeLiveFrame(const QByteArray& frame) override;
    void DecodeParameterBlock(const QByteArray& block) override;
    void writeSettingsFile() override;
    void storeLanguage() override;
    QString message(int row) const override;

private:
    TBrivel& window_;
};

}  // namespace brivel
