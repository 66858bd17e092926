#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

#include <initializer_list>

#include <optional>

namespace brivel::command {

// The code bytes of every command the program sends to the controller. The
// connect and poll commands are written directly; all others go through the
// command queue and are acknowledged by the echo of their code.
constexpr quint8 ReadSettings = 0x66;         // payload 0x01 at connect, 0x00 when queued
constexpr quint8 Poll = 0x55;                 // payload 0x01
constexpr quint8 FactoryReset = 0x26;         // no payload; answered with the settings image
constexpr quint8 WriteSettingsRegion = 0x1A;  // 540 bytes: image offsets 21-560
constexpr quint8 CylinderCount = 0x1B;
constexpr quint8 RpmPulseSource = 0x0A;
constexpr quint8 RpmSignalLevel = 0x17;
constexpr quint8 EngineType = 0x21;
constexpr quint8 PositiveInjectors = 0x2D;
constexpr quint8 GasInjectorType = 0x0E;    // follow-ups 0x24 and 0x30
constexpr quint8 InjectorSetting24 = 0x24;  // follow-up of 0x0E
constexpr quint8 InjectorSetting30 = 0x30;  // follow-up of 0x0E
constexpr quint8 PressureSensor = 0x12;     // follow-up 0x27 0x04
constexpr quint8 PressureSensor27 = 0x27;   // follow-up of 0x12
constexpr quint8 ReducerTempSensor = 0x13;
constexpr quint8 GasTempSensor = 0x18;
constexpr quint8 WorkingPressure = 0x2B;
constexpr quint8 MinimumPressure = 0x1E;
constexpr quint8 Fuel = 0x03;  // sub-code 0x02 petrol, 0x03 gas, then the cylinder mask
constexpr quint8 AdaptationStart = 0x25;
constexpr quint8 PetrolAtFirstMinimum = 0x2E;
constexpr quint8 PressureErrorTime = 0x1F;
constexpr quint8 MaxRpmOnGas = 0x11;
constexpr quint8 SwitchOverGasTemp = 0x0F;
constexpr quint8 SwitchOverRpm = 0x09;
constexpr quint8 SwitchOverTime = 0x22;
constexpr quint8 CylinderSequenceDelay = 0x23;
constexpr quint8 LevelThresholds = 0x0D;  // four thresholds and the sensor kind
constexpr quint8 LevelEdit = 0x31;
constexpr quint8 ClearFaultMemory = 0x10;
constexpr quint8 MapCurve = 0x2A;
constexpr quint8 WriteMap = 0x0B;  // 246 map entries
constexpr quint8 MapAux = 0x20;    // 20 bytes
constexpr quint8 AdaptationStep = 0x19;
constexpr quint8 AdaptationResult = 0x02;
constexpr quint8 AdaptationEnd = 0x06;  // 246 bytes of 0x00
constexpr quint8 AdaptationStop = 0x05;

// Payload bytes of the payload sub-codes that matter to more than one side.
constexpr quint8 ConnectPayload = 0x01;
constexpr quint8 ReadPayload = 0x00;
constexpr quint8 FuelPetrol = 0x02;
constexpr quint8 FuelGas = 0x03;

constexpr int SettingsRegionSize = 540;
constexpr int MapSize = 246;

// A command as the queue takes it: the code byte followed by the payload.
QByteArray make(quint8 code, const QByteArray& payload = QByteArray());
QByteArray make(quint8 code, std::initializer_list<quint8> payload);

// The payload length that goes with a code, or nothing for a code the
// program never sends. Commands carry no length of their own, so a peer that
// reads them needs this table to find where a frame ends.
std::optional<int> payloadSize(quint8 code);

}  // namespace brivel::command
