#pragma once

#include "live/LiveFrame.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QtGlobal>

#include <array>

namespace brivel {

// Everything the live indicators show, as they show it: readings in single
// precision after the inactive controller's lambda zeroing, the latched
// lambda range tops, the dial band, the fuel switch, the level LEDs, the
// tank voltage text and the current faults with their banner; and what the
// map chart and the adaptation take from each frame: the map samples
// gathered so far and the frame itself.
struct LiveSnapshot {
    static constexpr float LambdaTopUnlatched = 100.0f;
    static constexpr float LambdaTopLatched = 5.0f;

    float rpmThousands = 0;              // RPM_zegar
    float rpm = 0;                       // RPM_Edit
    float gasPressure = 0;               // P1_MAP_edit, bar
    float manifoldPressure = 0;          // P_MAP_edit, kPa
    std::array<float, 8> petrolTimes{};  // Skala_PB_time1 … 8 and their bars, ms
    float gasTime = 0;                   // Skala_LPG_time1 and its bar, ms
    float gasTemp = 0;                   // TempGaz
    float reducerTemp = 0;               // TempWoda
    float lambda1 = 0;
    float lambda2 = 0;
    float battery = 0;  // BATERY_vpp
    // Each probe's range top: 100 until it first reads above 1.21 V, then 5.
    float lambda1Top = LambdaTopUnlatched;
    float lambda2Top = LambdaTopUnlatched;

    // The controller is active: the dial shows its sector band and the fuel
    // switch its colours; otherwise both are blank.
    bool active = false;
    bool gasSelected = false;  // paliwo_Switch position

    std::array<bool, 4> levelLit{};  // Gaz_led_1 … 4, top and panel alike
    bool reserveLit = false;         // rezerwa_led_gora, Rezerwa_led_panel
    bool reserveFlashing = false;    // while connected
    QString tankVoltageText;         // U_zbiornika

    QString faultText;  // Actual_errors_Memo: numbered lines, each ended by CR LF
    bool bannerVisible = false;
    // The banner blinks between two reds, one step per decoded frame.
    bool bannerLightRed = false;

    quint8 sampleIndex = 0;
    quint8 mapSelector = 0;
    live::MapSamples mapSamples;  // MapSamplesA and B, filled frame by frame
    // The frame these readings were decoded from, as it came (the filler
    // frame at a disconnect), for whoever keeps raw samples of it.
    QByteArray frame;
};

// What changed with a notification, so that each view touches only its part.
enum LiveChange : unsigned {
    // A frame was decoded (the filler frame of a disconnect included): every
    // reading, the level, the map samples and the frame.
    FrameDecoded = 1u << 0,
    FaultsChanged = 1u << 1,
    ReserveChanged = 1u << 2,
};
using LiveChanges = unsigned;

}  // namespace brivel
