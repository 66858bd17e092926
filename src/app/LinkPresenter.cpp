#include "app/LinkPresenter.h"

#include "app/ui/BottomBar.h"
#include "link/ControllerLink.h"
#include "link/SerialPort.h"
#include "platform/Dialogs.h"
#include "platform/PlatformError.h"
#include "platform/qt/SystemColors.h"
#include "widgets/ui/TAbDBColBitBtn.h"

#include <QtWidgets/QWidget>

namespace brivel {

namespace {

const QColor BusyGrey(0x80, 0x80, 0x80);
// What the connect switch reads while on: this while the fitter's connect
// runs, then the port's name.
const QString SwitchConnectingText = QStringLiteral("COM x");
const QString SwitchOnSuffix = QStringLiteral(" - ON");

}  // namespace

LinkPresenter::LinkPresenter(ControllerLink& link, const Controls& controls, SerialPort& port,
                             Dialogs& dialogs, SettingsStore& settings,
                             const MessageTable& messages, QObject* parent)
    : QObject(parent),
      link_(link),
      controls_(controls),
      port_(port),
      dialogs_(dialogs),
      settings_(settings),
      messages_(messages)
{
    connect(&link, &ControllerLink::busyChanged, this, &LinkPresenter::setBusy);
    connect(&link, &ControllerLink::versionAccepted, controls_.bar, &BottomBar::setStatusText);
    connect(&link, &ControllerLink::connected, this, &LinkPresenter::showConnected);
    connect(&link, &ControllerLink::disconnected, this, &LinkPresenter::showDisconnected);
    connect(&link, &ControllerLink::notice, this, [this](const QString& text) {
        pending_.push_back({false, text});
    });
    connect(&link, &ControllerLink::errorRaised, this, &LinkPresenter::reportError);
    connect(&link, &ControllerLink::settled, this, &LinkPresenter::showPending);
    connect(controls_.bar->connectSwitch(), &TAbBinGControl::checkedByUser, this,
            &LinkPresenter::connectSwitchChanged);
}

void LinkPresenter::setBusy(bool busy)
{
    controls_.window->setEnabled(!busy);
    QPalette palette = controls_.panel->palette();
    palette.setColor(QPalette::Window, busy ? BusyGrey : buttonFace());
    controls_.panel->setPalette(palette);
}

void LinkPresenter::reportError(const QString& text)
{
    pending_.push_back({true, text});
}

void LinkPresenter::showConnected(const QString& portName)
{
    showSwitch(true);
    controls_.bar->setConnectSwitchOnText(portName + SwitchOnSuffix);
    controls_.bar->setOnline(true);
}

void LinkPresenter::showDisconnected(const DisconnectReason& reason)
{
    showSwitch(false);
    controls_.bar->setOnline(false);
    // Before the store, which may fail: the window is never left waiting
    // for a link that has let go.
    setBusy(false);
    try {
        port_.storeSettings(settings_);
    } catch (const PlatformError& error) {
        // In place of anything else the disconnect would have said.
        reportError(error.text());
        return;
    }
    emit portSettingsStored();
    if (const QString text = disconnectMessage(reason, messages_); !text.isEmpty())
        pending_.push_back({false, text});
}

void LinkPresenter::showPending()
{
    // A box keeps the event loop going: the link may settle again inside it
    // and show what it raised there first.
    while (!pending_.empty()) {
        const Box box = pending_.front();
        pending_.erase(pending_.begin());
        if (box.error)
            dialogs_.showError(box.text);
        else
            dialogs_.showMessage(box.text);
    }
}

void LinkPresenter::connectSwitchChanged(bool on)
{
    if (on) {
        // Without a port there is nothing to connect; the switch stays on.
        if (port_.portName().isEmpty())
            return;
        controls_.bar->setConnectSwitchOnText(SwitchConnectingText);
        link_.connectToController();
    } else if (!port_.portName().isEmpty()) {
        link_.disconnectFromController();
    }
}

void LinkPresenter::showSwitch(bool on)
{
    controls_.bar->showConnectSwitch(on);
}

}  // namespace brivel
