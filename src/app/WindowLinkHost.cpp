#include "app/WindowLinkHost.h"

#include "app/TBrivel.h"
#include "live/FaultMemo.h"
#include "live/LiveDecoder.h"
#include "live/OscilloscopePage.h"
#include "platform/SystemColors.h"
#include "widgets/TAbColBitBtn.h"
#include "widgets/TAbDBColBitBtn.h"
#include "widgets/TAbLED.h"

#include <QtGui/QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>

namespace brivel {

namespace {

const QColor BusyGrey(0x80, 0x80, 0x80);

}  // namespace

void WindowLinkHost::setBusy(bool busy)
{
    window_.setEnabled(!busy);
    QPalette palette = window_.panel1Gora_->palette();
    palette.setColor(QPalette::Window, busy ? BusyGrey : buttonFace());
    window_.panel1Gora_->setPalette(palette);
}

QString WindowLinkHost::statusText() const
{
    return window_.statusPanel_->text();
}

void WindowLinkHost::setStatusText(const QString& text)
{
    window_.statusPanel_->setText(text);
}

void WindowLinkHost::setLinkIndicator(const QString& text, const QColor& color)
{
    window_.staticText1_->setText(text);
    QPalette palette = window_.staticText1_->palette();
    palette.setColor(QPalette::Window, color);
    window_.staticText1_->setPalette(palette);
}

void WindowLinkHost::setFileItemsAvailable(bool available)
{
    for (QAction* item : {window_.odczyt1_, window_.zapis1_, window_.reset1_}) {
        item->setVisible(available);
        item->setEnabled(available);
    }
}

void WindowLinkHost::showConnectSwitch(bool on)
{
    window_.polaczSwitch_->setChecked(on);
}

void WindowLinkHost::setConnectSwitchOnText(const QString& text)
{
    window_.polaczSwitch_->setTextOn(text);
}

void WindowLinkHost::setReserveLedsFlashing(bool flashing)
{
    for (TAbLED* led : {window_.live_.reserveTop, window_.live_.reservePanel}) {
        led->setFlashing(flashing);
        if (!flashing)
            led->setChecked(false);
    }
}

void WindowLinkHost::greyCylinderButtons()
{
    for (TAbColBitBtn* button : window_.cylinderButtons_) {
        button->setColorOff(BusyGrey);
        button->setChecked(false);
    }
}

void WindowLinkHost::hideErrorLed()
{
    window_.live_.errorLed->hide();
}

QString WindowLinkHost::faultMemoText() const
{
    return window_.live_.actualErrors->text();
}

void WindowLinkHost::setFaultMemoText(const QString& text)
{
    window_.live_.actualErrors->setText(text);
}

void WindowLinkHost::clearOscilloscopeChoices()
{
    window_.oscilloscopePage_->clearLambdaModes();
}

void WindowLinkHost::DecodeLiveFrame(const QByteArray& frame)
{
    window_.liveDecoder_->DecodeLiveFrame(frame);
}

void WindowLinkHost::DecodeParameterBlock(const QByteArray& block)
{
    window_.parameterBlock_ = block;
}

void WindowLinkHost::writeSettingsFile()
{
    // Saving to a data file comes with the settings file support.
}

void WindowLinkHost::storeLanguage()
{
    window_.storeLanguage();
}

QString WindowLinkHost::message(int row) const
{
    return window_.messages_.message(row);
}

}  // namespace brivel
