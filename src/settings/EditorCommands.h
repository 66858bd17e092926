#pragma once

#include "settings/ParameterBlock.h"

#include "link/CommandSender.h"

#include <QtCore/QByteArray>
#include <QtCore/QLocale>
#include <QtCore/QString>

#include <array>
#include <optional>

// The commands of the settings editors, each built from what its control
// shows. Selector items are 0-based indices, SettingsDisplay::NoSelection
// (-1) for an empty selector; numbers are scaled to the field's unit,
// rounded ties to even, and sent as their low 8 bits.
namespace brivel::settings::editor {

// One call of the command queue: a command (code and payload) and up to two
// follow-ups sent after it, with the retry budget of the editors.
struct QueuedCommand {
    QByteArray command;
    QByteArray firstFollowUp;
    QByteArray secondFollowUp;
    int retries = CommandSender::RetriesForEditors;

    void queueOn(CommandSender& sender) const
    {
        sender.queueCommand(retries, command, firstFollowUp, secondFollowUp);
    }
    bool operator==(const QueuedCommand& o) const
    {
        return command == o.command && firstFollowUp == o.firstFollowUp &&
               secondFollowUp == o.secondFollowUp && retries == o.retries;
    }
};

// `Sel_cylChange`: the command, and how the stored image is patched before it
// is decoded again: the cylinder-count code at offset 22 and, for a real
// choice, the mask at offset 20 with every fitted cylinder on gas.
struct CylinderCountChange {
    QueuedCommand command;
    quint8 countCode = 0;
    std::optional<quint8> activeGasCylinders;

    // Patches the offsets the image holds.
    void applyTo(ParameterBlock& block) const;
};
// Items 0-3 send their index, item 4 ("8 cyl.") sends 5; no selection sends
// 0xFF and leaves the mask alone.
CylinderCountChange cylinderCount(int item);

QueuedCommand pulseSource(int item);            // `Sel_ImpulsChange`: 0x0A n
QueuedCommand rpmSignalLevel(int item);         // `Sel_RPM_signalChange`: 0x17 n
QueuedCommand engineType(int item);             // `Sel_Typ_silnikaChange`: 0x21 n
QueuedCommand positiveInjectors(bool checked);  // `Check_Injector_plusClick`: 0x2D v
// `Sel_Typ_wtryskuChange`: 0x0E with the type code, then 0x24 and 0x30 with
// the injector's settings. Nothing for an empty selector: there is no type
// code to send.
std::optional<QueuedCommand> injectorType(int item);
QueuedCommand pressureSensor();            // `P1_MAP_changerChange`: 0x12 0x04, then 0x27 0x04
QueuedCommand reducerTempSensor();         // `T_RED_changerChange`: 0x13 0x01
QueuedCommand gasTempSensor();             // `T_GAZ_changerChange`: 0x18 0x01
QueuedCommand workingPressure(float bar);  // `P_pracy_changerValueChanged`: 0x2B bar × 100
QueuedCommand minimumPressure(float bar);  // `P_min_changerValueChanged`: 0x1E bar × 100

// The cylinder mask of the eight cylinder buttons: bit i for `Cyl_i_led`.
quint8 cylinderMask(const std::array<bool, 8>& checked);
// `paliwo_SwitchClick` from the switch: the switch only shows the fuel the
// controller reports, so a click asks for the other one: 0x03 0x02 mask
// (petrol) while it shows gas, 0x03 0x03 mask (gas) while it shows petrol.
QueuedCommand fuelSwitch(bool showsGas, quint8 mask);
// `Cyl_x_ledClick` with the mask after the toggle: on gas the controller
// gets the new cylinders at once (0x03 0x03 mask); on petrol nothing is sent.
std::optional<QueuedCommand> cylinderButton(bool onGas, quint8 maskAfterToggle);

// The six sliders of "Przełącznik", each committed value sent as one byte.
enum class SwitchOverSlider {
    Temp_LPG_changer,   // 0x0F °C
    RPM_Prog_przel,     // 0x09 rpm ÷ 100
    T_przel_to_LPG,     // 0x22 s × 2
    T_CYL_seqence,      // 0x23 ms ÷ 10
    T_zwloki_changer,   // 0x1F ms ÷ 10
    RPM_Max_To_Petrol,  // 0x11 rpm ÷ 100
};
QueuedCommand switchOver(SwitchOverSlider slider, float value);
QueuedCommand petrolAtFirstMinimum(bool checked);  // `Check_by_firstClick`: 0x2E v

// `Ch_U_LPG_X_Enter`: a threshold edit starts (0x31 0x01).
QueuedCommand levelEditStart();
// The sensor code of `Rodz_czuj_LPG`: item 0 is 0, item 1 is 2. With no
// selection the controller keeps the kind it has (the image's offset 29,
// passed as `storedKind`); nothing when that is not known either.
std::optional<quint8> levelSensorCode(int item, std::optional<quint8> storedKind);
// `Ch_U_LPG_X_Change`: 0x0D with the four boxes' voltages × 51 and the
// sensor code, then 0x31 0x00. Nothing when a box does not hold a number.
std::optional<QueuedCommand> levelThresholds(const std::array<QString, 4>& boxTexts,
                                             quint8 sensorCode, const QLocale& locale);

// `Odczyt1Click`: the block write with a data file's offsets 21-560, then a
// read so the window shows what the controller now holds.
QueuedCommand writeSettingsRegion(const QByteArray& region);
// `Zapis1Click` and `Odczyt1Click`: a fresh read of the settings, queued
// with the completion that writes the file or reviews a file against it.
QueuedCommand readForSave();
// `Reset1Click` after its confirmation: back to factory settings.
QueuedCommand factoryReset();

}  // namespace brivel::settings::editor
