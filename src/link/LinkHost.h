#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtGui/QColor>

namespace brivel {

// Everything the controller link does to the main window. The window
// implements it; the link never touches a control itself. No call may run a
// link handler again, except as said for showConnectSwitch.
class LinkHost {
public:
    virtual ~LinkHost() = default;

    // Busy: the main window disabled and Panel1Gora grey (0x808080); not
    // busy: the window enabled and the panel in the button-face colour. The
    // link itself takes care of the Timer_Count interval.
    virtual void setBusy(bool busy) = 0;

    // The text of the status bar's one panel.
    virtual QString statusText() const = 0;
    virtual void setStatusText(const QString& text) = 0;

    // StaticText1: "online" on green or "offline" on red.
    virtual void setLinkIndicator(const QString& text, const QColor& color) = 0;

    // The "Plik" items Odczyt1, Zapis1 and Reset1: visible and enabled, or
    // hidden and disabled.
    virtual void setFileItemsAvailable(bool available) = 0;

    // What Polacz_switch shows. If the widget reports this change back, the
    // window may pass the report to Polacz_switchStatusChanged: the link
    // recognises its own change and ignores it.
    virtual void showConnectSwitch(bool on) = 0;
    virtual void setConnectSwitchOnText(const QString& text) = 0;

    // rezerwa_led_gora and Rezerwa_led_panel: flashing on; or flashing off
    // and both LEDs switched off.
    virtual void setReserveLedsFlashing(bool flashing) = 0;

    // Cyl_0_led … Cyl_7_led: off-colour 0x808080 and switched off.
    virtual void greyCylinderButtons() = 0;

    virtual void hideErrorLed() = 0;

    // The text of Actual_errors_Memo.
    virtual QString faultMemoText() const = 0;
    virtual void setFaultMemoText(const QString& text) = 0;

    // Unchecks the oscilloscope choices RPM_LAMBDA1 and RPM_LAMBDA2.
    virtual void clearOscilloscopeChoices() = 0;

    // A complete reply (or the filler frame) for the live indicators.
    virtual void DecodeLiveFrame(const QByteArray& frame) = 0;
    // A settings image: the window keeps it as its ParameterBlock and shows it.
    virtual void DecodeParameterBlock(const QByteArray& block) = 0;

    // The second step of saving to a data file (Zapis1Click without a
    // sender): writes the ParameterBlock just decoded.
    virtual void writeSettingsFile() = 0;

    // Stores the current language name ("CurLang").
    virtual void storeLanguage() = 0;

    // A run-time message from the message table's working column.
    virtual QString message(int row) const = 0;
};

}  // namespace brivel
