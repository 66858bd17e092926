#include "settings/ParameterBlockDecoder.h"

#include "settings/InjectorTypes.h"
#include "settings/ThresholdText.h"

namespace brivel::settings {

namespace {

using Display = SettingsDisplay;

constexpr int CylinderItems = 5;
constexpr int PulseSourceItems = 7;
constexpr int TurboItem = 1;
constexpr int StandardAxisMaximum = 126;
constexpr int TurboAxisMaximum = 252;
// Buttons the cylinder count may disable; the first three are always fitted.
constexpr int FirstOptionalCylinder = 3;

constexpr quint8 KvosPressureSensor = 4;
constexpr quint8 TempSensor2k2 = 1;
constexpr quint8 LevelSensorRising = 0;
constexpr quint8 LevelSensorFalling = 2;

constexpr Field Thresholds[4] = {Field::LevelThreshold1, Field::LevelThreshold2,
                                 Field::LevelThreshold3, Field::LevelThreshold4};

// A stored byte handed to a slider in the unit of the field's table entry.
std::optional<float> sliderValue(const ParameterBlock& block, Field field)
{
    const auto b = block.byte(field);
    if (!b)
        return std::nullopt;
    return static_cast<float>(blockField(field).shown(*b));
}

std::optional<int> itemIf(const ParameterBlock& block, Field field, quint8 code)
{
    const auto b = block.byte(field);
    if (!b)
        return std::nullopt;
    return *b == code ? 0 : Display::NoSelection;
}

void decodeCylinderButtons(const ParameterBlock& block, Display& d)
{
    const auto count = block.byte(Field::CylinderCount);
    if (count) {
        d.Sel_cyl = cylinderItemForCode(*count);
        for (int i = FirstOptionalCylinder; i < 8; ++i)
            d.cylinders[i] = {true, Display::OffColour::Grey, std::nullopt};
        // With no selection only the first pass above happens.
        const int fitted = cylindersOfItem(*d.Sel_cyl);
        for (int i = 0; i < fitted; ++i)
            d.cylinders[i].offColour = Display::OffColour::Red;
        if (fitted > 0)
            for (int i = fitted; i < 8; ++i)
                d.cylinders[i].enabled = false;
    }
    if (const auto mask = block.byte(Field::ActiveGasCylinders))
        for (int i = 0; i < 8; ++i)
            d.cylinders[i].checked = (*mask & (1u << i)) != 0;
}

}  // namespace

int cylinderItemForCode(quint8 code)
{
    if (code <= 3)
        return code;
    if (code == 5)
        return 4;
    return Display::NoSelection;
}

int cylindersOfItem(int item)
{
    static constexpr int cylinders[CylinderItems] = {3, 4, 5, 6, 8};
    return item >= 0 && item < CylinderItems ? cylinders[item] : 0;
}

int injectorItemForCode(quint8 code)
{
    for (int i = 0; i < static_cast<int>(InjectorTypes.size()); ++i)
        if (InjectorTypes[i].code == code)
            return i;
    return Display::NoSelection;
}

int mapAxisMaximumFor(int engineTypeItem)
{
    return engineTypeItem == TurboItem ? TurboAxisMaximum : StandardAxisMaximum;
}

SettingsDisplay decodeParameterBlock(const QByteArray& block, const MessageLookup& message,
                                     const QLocale& locale)
{
    return decodeParameterBlock(ParameterBlock(block), message, locale);
}

SettingsDisplay decodeParameterBlock(const ParameterBlock& block, const MessageLookup& message,
                                     const QLocale& locale)
{
    Display d;
    decodeCylinderButtons(block, d);

    if (const auto source = block.byte(Field::RpmPulseSource))
        d.Sel_Impuls = *source < PulseSourceItems ? int(*source) : Display::NoSelection;
    if (const auto high = block.flag(Field::RpmSignalHigh))
        d.Sel_RPM_signal = *high ? 1 : 0;
    if (const auto turbo = block.flag(Field::Turbo)) {
        d.Sel_Typ_silnika = *turbo ? TurboItem : 0;
        d.mapAxisMaximum = mapAxisMaximumFor(*d.Sel_Typ_silnika);
    }
    if (const auto injector = block.byte(Field::GasInjectorType))
        d.Sel_Typ_wtrysku = injectorItemForCode(*injector);

    d.Check_Injector_plus = block.flag(Field::PositiveInjectors);
    d.Check_by_first = block.flag(Field::PetrolAtFirstMinimum);
    d.fuelIsCng = block.flag(Field::FuelIsCng);

    d.P_pracy_changer = sliderValue(block, Field::WorkingPressure);
    d.P_min_changer = sliderValue(block, Field::MinimumPressure);
    d.P1_MAP_changer = itemIf(block, Field::PressureSensor, KvosPressureSensor);
    d.T_RED_changer = itemIf(block, Field::ReducerTempSensor, TempSensor2k2);
    d.T_GAZ_changer = itemIf(block, Field::GasTempSensor, TempSensor2k2);
    d.RPM_Max_To_Petrol = sliderValue(block, Field::MaxRpmOnGas);
    d.T_zwloki_changer = sliderValue(block, Field::PressureErrorTime);
    d.Temp_LPG_changer = sliderValue(block, Field::SwitchOverGasTemp);
    d.RPM_Prog_przel = sliderValue(block, Field::SwitchOverRpm);
    d.T_przel_to_LPG = sliderValue(block, Field::SwitchOverTime);
    d.T_CYL_seqence = sliderValue(block, Field::CylinderSequenceDelay);

    d.levelSensorCode = block.byte(Field::LevelSensorKind);
    if (const auto kind = d.levelSensorCode)
        d.Rodz_czuj_LPG = *kind == LevelSensorRising    ? 0
                          : *kind == LevelSensorFalling ? 1
                                                        : Display::NoSelection;
    for (int i = 0; i < 4; ++i)
        if (const auto stored = block.byte(Thresholds[i]))
            d.Ch_U_LPG[i] = threshold::storedText(*stored, locale);

    d.Register_errors_memo = storedFaultText(block, message);
    d.injectionMap = block.injectionMap();
    return d;
}

}  // namespace brivel::settings
