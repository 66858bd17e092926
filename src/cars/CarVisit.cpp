#include "cars/CarVisit.h"

#include "cars/CarSession.h"
#include "i18n/MessageTable.h"
#include "link/CommandSender.h"
#include "link/Commands.h"
#include "platform/Dialogs.h"
#include "settings/EditorCommands.h"

namespace brivel::cars {

namespace {

// The codes that change one setting (or the map) in the controller: what
// the "Rozłącz" question is about.
bool changesASetting(quint8 code)
{
    switch (code) {
        case command::CylinderCount:
        case command::RpmPulseSource:
        case command::RpmSignalLevel:
        case command::EngineType:
        case command::PositiveInjectors:
        case command::GasInjectorType:
        case command::PressureSensor:
        case command::ReducerTempSensor:
        case command::GasTempSensor:
        case command::WorkingPressure:
        case command::MinimumPressure:
        case command::PetrolAtFirstMinimum:
        case command::PressureErrorTime:
        case command::MaxRpmOnGas:
        case command::SwitchOverGasTemp:
        case command::SwitchOverRpm:
        case command::SwitchOverTime:
        case command::CylinderSequenceDelay:
        case command::LevelThresholds:
        case command::WriteMap:
        case command::MapAux:
            return true;
        default:
            return false;
    }
}

}  // namespace

CarVisit::CarVisit(CarSession& session, CommandSender& sender, Dialogs& dialogs,
                   const MessageTable& messages, QObject* parent)
    : QObject(parent), session_(session), sender_(sender), dialogs_(dialogs), messages_(messages)
{
}

void CarVisit::linkConnecting()
{
    if (replaying_)
        return;
    handshaking_ = true;
    setConnected(false);
    next_.reset();
    session_.linkConnecting();
}

void CarVisit::linkConnected()
{
    handshaking_ = false;
    setConnected(!replaying_);
}

void CarVisit::setConnected(bool connected)
{
    if (connected == connected_)
        return;
    connected_ = connected;
    emit connectedChanged(connected_);
}

void CarVisit::settingsImageReceived(const QByteArray& image)
{
    if (replaying_)
        return;
    lastImage_ = image;
    PointReason reason = PointReason::Manual;
    if (handshaking_)
        reason = PointReason::Connect;
    else if (next_)
        reason = *next_;
    next_.reset();
    session_.settingsImageReceived(image, reason);
}

void CarVisit::linkDisconnected()
{
    const bool wasVisit = handshaking_ || connected_;
    handshaking_ = false;
    setConnected(false);
    next_.reset();
    if (wasVisit)
        session_.linkDisconnected();
}

void CarVisit::setReplaying(bool replaying)
{
    replaying_ = replaying;
    if (replaying) {
        handshaking_ = false;
        setConnected(false);
    }
}

void CarVisit::commandQueued(const QByteArray& queued)
{
    if (replaying_ || queued.isEmpty())
        return;
    const auto code = static_cast<quint8>(queued.at(0));
    switch (code) {
        case command::ReadSettings:
            // "Zapis" and "Odczyt" read the settings first: the fitter asked.
            next_ = PointReason::Manual;
            break;
        case command::WriteSettingsRegion:
            next_ = PointReason::FileLoad;
            break;
        case command::FactoryReset:
            next_ = PointReason::FactoryReset;
            break;
        case command::AdaptationEnd:
            next_ = PointReason::Adaptation;
            break;
        case command::ClearFaultMemory:
            session_.storedFaultsAboutToBeCleared(lastImage_);
            break;
        default:
            if (changesASetting(code))
                session_.settingChanged();
            break;
    }
}

void CarVisit::keepPointNow()
{
    if (connected_)
        readSettings(PointReason::Manual, false);
}

void CarVisit::disconnectRequested()
{
    if (connected_ && session_.changedSinceLastPoint() &&
        dialogs_.confirm(messages_.text(msg::Row::KeepChangesQuestion))) {
        readSettings(PointReason::DisconnectKeep, true);
        return;
    }
    emit disconnectNow();
}

void CarVisit::readSettings(PointReason reason, bool thenDisconnect)
{
    const settings::editor::QueuedCommand read = settings::editor::readForSave();
    sender_.enterBusyState();
    CommandSender::Completion done;
    if (thenDisconnect)
        done = [this] { emit disconnectNow(); };
    sender_.queueCommand(read.retries, read.command, read.firstFollowUp, read.secondFollowUp,
                         std::move(done));
    // After queuing: the queued read itself is reported as a plain read.
    next_ = reason;
}

}  // namespace brivel::cars
