#pragma once

#include <array>

class QLineEdit;
class QRadioButton;
class QWidget;

namespace brivel {

class FaultMemo;
class TAb270Meter;
class TAbLED;
class TAbMiniTrend;
class TAbToggleSwitch;
class TAbVBar;
class TAbValueInd;

// The window's controls that show the live frame. The window owns them; the
// live decoder only sets their properties and reads them back.
struct LiveIndicators {
    TAb270Meter* rpmDial = nullptr;             // RPM_zegar
    TAbValueInd* rpmReadout = nullptr;          // RPM_Edit
    TAbValueInd* gasPressure = nullptr;         // P1_MAP_edit
    TAbValueInd* manifoldPressure = nullptr;    // P_MAP_edit
    std::array<TAbValueInd*, 8> petrolTimes{};  // Skala_PB_time1 … 8
    TAbValueInd* gasTime = nullptr;             // Skala_LPG_time1
    TAbValueInd* gasTemp = nullptr;             // TempGaz
    TAbValueInd* reducerTemp = nullptr;         // TempWoda
    TAbValueInd* lambda1 = nullptr;
    TAbValueInd* lambda2 = nullptr;
    TAbValueInd* battery = nullptr;         // BATERY_vpp
    std::array<TAbVBar*, 8> petrolBars{};   // Skala_PB_time1A … 8A
    TAbVBar* gasBar = nullptr;              // Skala_LPG_time1A
    QLineEdit* tankVoltage = nullptr;       // U_zbiornika
    TAbToggleSwitch* fuelSwitch = nullptr;  // paliwo_Switch
    std::array<TAbLED*, 4> levelTop{};      // Gaz_led_1g … 4g
    std::array<TAbLED*, 4> levelPanel{};    // Gaz_led_1p … 4p
    TAbLED* reserveTop = nullptr;           // rezerwa_led_gora
    TAbLED* reservePanel = nullptr;         // Rezerwa_led_panel
    FaultMemo* actualErrors = nullptr;      // Actual_errors_Memo
    QWidget* errorLed = nullptr;            // Error_Led
    TAbMiniTrend* oscilloscope = nullptr;   // Oscyloskop
    // OSC_PETROL_LPG, OSC_MAP_P1, TEMP_LPG_RED, RPM_LAMBDA1, RPM_LAMBDA2
    std::array<QRadioButton*, 5> oscilloscopeModes{};
};

}  // namespace brivel
