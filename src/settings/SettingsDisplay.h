#pragma once

#include "settings/BlockLayout.h"

#include <QtCore/QString>

#include <array>
#include <optional>

namespace brivel::settings {

// What a decoded settings image makes every settings control show. An empty
// optional leaves its control as it is: the image did not hold the field.
// Selectors take an item index, NoSelection for an empty selector.
struct SettingsDisplay {
    static constexpr int NoSelection = -1;

    enum class OffColour { Unchanged, Grey, Red };
    // `Cyl_0_led` ... `Cyl_7_led`; a checked button shows lime whatever its
    // off-colour.
    struct CylinderButton {
        std::optional<bool> enabled;
        OffColour offColour = OffColour::Unchanged;
        std::optional<bool> checked;
    };

    std::array<CylinderButton, 8> cylinders;
    std::optional<int> Sel_cyl;
    std::optional<int> Sel_Impuls;
    std::optional<int> Sel_RPM_signal;
    std::optional<int> Sel_Typ_silnika;
    // The map chart's right axis ("MAP [kPa]"): 252 for a turbo engine, else 126.
    std::optional<int> mapAxisMaximum;
    std::optional<int> Sel_Typ_wtrysku;
    std::optional<bool> Check_Injector_plus;
    std::optional<bool> Check_by_first;
    // `CNG_RadioButton` checked; `LPG_RadioButton` is checked when this is false.
    std::optional<bool> fuelIsCng;

    // Slider values as they are handed over; each slider clamps them to its
    // range and snaps them to its step.
    std::optional<float> P_pracy_changer;
    std::optional<float> P_min_changer;
    std::optional<int> P1_MAP_changer;
    std::optional<int> T_RED_changer;
    std::optional<int> T_GAZ_changer;
    std::optional<float> RPM_Max_To_Petrol;
    std::optional<float> T_zwloki_changer;
    std::optional<float> Temp_LPG_changer;
    std::optional<float> RPM_Prog_przel;
    std::optional<float> T_przel_to_LPG;
    std::optional<float> T_CYL_seqence;

    std::optional<int> Rodz_czuj_LPG;
    // `Ch_U_LPG_1` ... `Ch_U_LPG_4`.
    std::array<std::optional<QString>, 4> Ch_U_LPG;
    // The image's level-sensor code as stored, also one that `Rodz_czuj_LPG`
    // has no item for: the thresholds are sent with it while the selector
    // shows none.
    std::optional<quint8> levelSensorCode;

    // `Register_errors_memo`: always rebuilt.
    QString Register_errors_memo;

    // The 246 map entries, entry k at index k - 1.
    std::optional<std::array<quint8, MapEntries>> injectionMap;
};

}  // namespace brivel::settings
