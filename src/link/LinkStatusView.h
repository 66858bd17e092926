#pragma once

#include <QtCore/QString>

namespace brivel {

// What the link shows of itself: the busy state, the status text, the
// online lamp and the connect switch. The bottom bar implements it; no call
// may run a link handler again, except as said for showConnectSwitch.
class LinkStatusView {
public:
    virtual ~LinkStatusView() = default;

    // Busy: the window refuses input and its top panel turns grey. The link
    // itself takes care of the Timer_Count interval.
    virtual void setBusy(bool busy) = 0;

    // The text of the status bar's one panel.
    virtual void setStatusText(const QString& text) = 0;

    // The lamp beside the status text: "online" or "offline".
    virtual void setOnline(bool online) = 0;

    // What Polacz_switch shows. If the widget reports this change back, the
    // window may pass the report to Polacz_switchStatusChanged: the link
    // recognises its own change and ignores it.
    virtual void showConnectSwitch(bool on) = 0;
    virtual void setConnectSwitchOnText(const QString& text) = 0;
};

}  // namespace brivel
