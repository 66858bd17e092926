#include "settings/ControlHelp.h"

#include "settings/FieldText.h"

namespace brivel::settings::help {

const std::vector<SendingControl>& sendingControls()
{
    // The ranges are those of the controls' scales (the settings pages'
    // slider ranges); a test holds the two together.
    static const std::vector<SendingControl> controls = {
        // "Panel Petrol"
        {"Sel_cyl", Field::CylinderCount, std::nullopt},
        {"Sel_Impuls", Field::RpmPulseSource, std::nullopt},
        {"Sel_RPM_signal", Field::RpmSignalHigh, std::nullopt},
        {"Sel_Typ_silnika", Field::Turbo, std::nullopt},
        {"Check_Injector_plus", Field::PositiveInjectors, std::nullopt},
        // "Panel Gaz"
        {"Sel_Typ_wtrysku", Field::GasInjectorType, std::nullopt},
        {"P1_MAP_changer", Field::PressureSensor, std::nullopt},
        {"T_RED_changer", Field::ReducerTempSensor, std::nullopt},
        {"T_GAZ_changer", Field::GasTempSensor, std::nullopt},
        {"P_pracy_changer", Field::WorkingPressure, Range{0.40, 2.50}},
        {"P_min_changer", Field::MinimumPressure, Range{0.40, 2.50}},
        {"LPG_RadioButton", Field::FuelIsCng, std::nullopt},
        {"CNG_RadioButton", Field::FuelIsCng, std::nullopt},
        // "Przełącznik"
        {"Temp_LPG_changer", Field::SwitchOverGasTemp, Range{20, 90}},
        {"RPM_Prog_przel", Field::SwitchOverRpm, Range{300, 6000}},
        {"T_przel_to_LPG", Field::SwitchOverTime, Range{2, 60}},
        {"T_CYL_seqence", Field::CylinderSequenceDelay, Range{0, 2550}},
        {"T_zwloki_changer", Field::PressureErrorTime, Range{0, 1450}},
        {"RPM_Max_To_Petrol", Field::MaxRpmOnGas, Range{0, 12000}},
        {"Check_by_first", Field::PetrolAtFirstMinimum, std::nullopt},
        {"Rodz_czuj_LPG", Field::LevelSensorKind, std::nullopt},
        {"Ch_U_LPG_1", Field::LevelThreshold1, Range{0, 5}},
        {"Ch_U_LPG_2", Field::LevelThreshold2, Range{0, 5}},
        {"Ch_U_LPG_3", Field::LevelThreshold3, Range{0, 5}},
        {"Ch_U_LPG_4", Field::LevelThreshold4, Range{0, 5}},
        {"Ch_U_LPG_changer", Field::LevelThreshold1, Range{0, 5}, true},
        // The cylinder buttons
        {"Cyl_0_led", Field::ActiveGasCylinders, std::nullopt},
        {"Cyl_1_led", Field::ActiveGasCylinders, std::nullopt},
        {"Cyl_2_led", Field::ActiveGasCylinders, std::nullopt},
        {"Cyl_3_led", Field::ActiveGasCylinders, std::nullopt},
        {"Cyl_4_led", Field::ActiveGasCylinders, std::nullopt},
        {"Cyl_5_led", Field::ActiveGasCylinders, std::nullopt},
        {"Cyl_6_led", Field::ActiveGasCylinders, std::nullopt},
        {"Cyl_7_led", Field::ActiveGasCylinders, std::nullopt},
    };
    return controls;
}

msg::Row meaningRow(Field field)
{
    using R = msg::Row;
    switch (field) {
        case Field::CylinderCount:
            return R::HelpCylinderCount;
        case Field::RpmPulseSource:
            return R::HelpPulseSource;
        case Field::RpmSignalHigh:
            return R::HelpRpmSignal;
        case Field::Turbo:
            return R::HelpEngineType;
        case Field::PositiveInjectors:
            return R::HelpPositiveInjectors;
        case Field::GasInjectorType:
            return R::HelpGasInjector;
        case Field::PressureSensor:
            return R::HelpPressureSensor;
        case Field::ReducerTempSensor:
            return R::HelpReducerTemp;
        case Field::GasTempSensor:
            return R::HelpGasTemp;
        case Field::WorkingPressure:
            return R::HelpWorkingPressure;
        case Field::MinimumPressure:
            return R::HelpMinimumPressure;
        case Field::SwitchOverGasTemp:
            return R::HelpSwitchOverTemperature;
        case Field::SwitchOverRpm:
            return R::HelpSwitchOverRpm;
        case Field::SwitchOverTime:
            return R::HelpSwitchOverTime;
        case Field::CylinderSequenceDelay:
            return R::HelpCylinderSequence;
        case Field::PressureErrorTime:
            return R::HelpPressureErrorTime;
        case Field::MaxRpmOnGas:
            return R::HelpMaxRpmOnGas;
        case Field::PetrolAtFirstMinimum:
            return R::HelpPetrolAtFirstDrop;
        case Field::LevelThreshold1:
        case Field::LevelThreshold2:
        case Field::LevelThreshold3:
        case Field::LevelThreshold4:
            return R::HelpLevelThreshold;
        case Field::LevelSensorKind:
            return R::HelpLevelSensor;
        case Field::ActiveGasCylinders:
            return R::HelpActiveCylinder;
        case Field::FuelIsCng:
            return R::HelpFuel;
        default:
            // Fields no control sends have no help of their own.
            return R::HelpRange;
    }
}

QString toolTip(const SendingControl& control, const MessageLookup& text, const QLocale& locale)
{
    const BlockField& field = blockField(control.field);
    QString name;
    if (control.everyThreshold && field.nameRow)
        name = text(*field.nameRow).trimmed().arg(QStringLiteral("1–4"));
    else
        name = fieldtext::name(control.field, text);
    QString tip = name + QLatin1Char('\n') + text(meaningRow(control.field));
    if (control.range) {
        const int decimals = field.decimals;
        tip += QLatin1Char('\n') + text(msg::Row::HelpRange)
                                       .arg(locale.toString(control.range->from, 'f', decimals),
                                            locale.toString(control.range->to, 'f', decimals),
                                            QString::fromUtf8(field.unit))
                                       .trimmed();
    }
    return tip;
}

}  // namespace brivel::settings::help
