#include "report/SettingsSheet.h"

#include "settings/FieldText.h"
#include "settings/InjectorTypes.h"
#include "settings/ParameterBlockDecoder.h"
#include "widgets/FormatPicture.h"
#include "widgets/SliderMath.h"

#include <optional>

namespace brivel::report {

using settings::Field;
using settings::SettingsDisplay;

namespace {

// A slider's range and read-out, as its page sets them up.
struct SliderLook {
    signalmath::Range range;
    const char* picture;
    const char* unit;
};

// Range: digital from, digital to, value from, value to.
const SliderLook WorkingPressure{{40, 250, 0.40f, 2.50f}, "#0.00", "bar"};
const SliderLook MinimumPressure{{40, 255, 0.40f, 2.50f}, "#0.00", "bar"};
const SliderLook SwitchOverTemp{{20, 90, 20, 90}, "#0.0", "°C"};
const SliderLook SwitchOverRpm{{0, 60, 300, 6000}, "###0", "RPM"};
const SliderLook SwitchOverTime{{2, 60, 2, 60}, "#0.0", "s"};
const SliderLook CylinderSequence{{0, 255, 0, 2550}, "###0", "ms"};
const SliderLook PressureErrorTime{{0, 1450, 0, 1450}, "###0", "ms"};
const SliderLook MaxRpmOnGas{{0, 120, 0, 12000}, "####0", "RPM"};

constexpr msg::Row CylinderItems[] = {msg::Row::Cylinders3, msg::Row::Cylinders4,
                                      msg::Row::Cylinders5, msg::Row::Cylinders6,
                                      msg::Row::Cylinders8};
constexpr msg::Row PulseSourceItems[] = {msg::Row::SingleCoil,        msg::Row::DoubleCoil,
                                         msg::Row::ImpulseCylinders3, msg::Row::ImpulseCylinders4,
                                         msg::Row::ImpulseCylinders5, msg::Row::ImpulseCylinders6,
                                         msg::Row::ImpulseCylinders8};
const char* const EngineTypeItems[] = {"Standard", "Turbo"};
const char* const RpmSignalItems[] = {"Low  5V", "High 12V"};
const char* const LevelSensorItems[] = {"0-90 Ohm", "90-0 Ohm"};

class Builder {
public:
    Builder(const settings::ParameterBlock& image, const settings::MessageLookup& text,
            const QLocale& locale)
        : image_(image),
          text_(text),
          locale_(locale),
          display_(settings::decodeParameterBlock(image, text, locale))
    {
    }

    const SettingsDisplay& display() const { return display_; }

    void group(msg::Row title) { groups_.push_back({text_(title).trimmed(), {}}); }

    void row(Field field, const QString& value, const QString& unit = {})
    {
        if (!image_.holds(field))
            return;
        groups_.back().rows.push_back(
            {field, settings::fieldtext::name(field, text_), value, unit});
    }

    // A selector's item; the field's own words for a code without one.
    template <typename Items>
    void selector(Field field, const std::optional<int>& item, Items itemText)
    {
        if (item && *item != SettingsDisplay::NoSelection)
            row(field, itemText(*item));
        else
            row(field, settings::fieldtext::value(field, image_, text_, locale_));
    }

    void checkBox(Field field, const std::optional<bool>& checked)
    {
        if (checked)
            row(field, text_(*checked ? msg::Row::Yes : msg::Row::No));
    }

    void slider(Field field, const std::optional<float>& value, const SliderLook& look)
    {
        if (!value)
            return;
        const int digit = slidermath::digitForValue(look.range, *value);
        const auto shown = static_cast<float>(slidermath::valueForDigit(look.range, digit));
        row(field, picture::formatFloat(shown, QLatin1String(look.picture), locale_),
            QString::fromUtf8(look.unit));
    }

    QString item(msg::Row row) const { return text_(row).trimmed(); }

    std::vector<SheetGroup> take()
    {
        std::vector<SheetGroup> groups;
        for (SheetGroup& g : groups_)
            if (!g.rows.empty())
                groups.push_back(std::move(g));
        return groups;
    }

private:
    const settings::ParameterBlock& image_;
    const settings::MessageLookup& text_;
    const QLocale& locale_;
    SettingsDisplay display_;
    std::vector<SheetGroup> groups_;
};

}  // namespace

std::vector<SheetGroup> settingsSheet(const settings::ParameterBlock& image,
                                      const settings::MessageLookup& text, const QLocale& locale)
{
    Builder b(image, text, locale);
    const SettingsDisplay& d = b.display();
    auto latin = [](const char* const* items) {
        return [items](int i) { return QString::fromLatin1(items[i]); };
    };

    b.group(msg::Row::PanelPetrolTab);
    b.row(Field::ActiveGasCylinders,
          settings::fieldtext::value(Field::ActiveGasCylinders, image, text, locale));
    b.selector(Field::CylinderCount, d.Sel_cyl, [&](int i) { return b.item(CylinderItems[i]); });
    b.selector(Field::Turbo, d.Sel_Typ_silnika, latin(EngineTypeItems));
    b.checkBox(Field::PositiveInjectors, d.Check_Injector_plus);
    b.selector(Field::RpmPulseSource, d.Sel_Impuls,
               [&](int i) { return b.item(PulseSourceItems[i]); });
    b.selector(Field::RpmSignalHigh, d.Sel_RPM_signal, latin(RpmSignalItems));

    b.group(msg::Row::PanelGasTab);
    b.selector(Field::GasInjectorType, d.Sel_Typ_wtrysku, [](int i) {
        return QString::fromLatin1(settings::InjectorTypes[static_cast<std::size_t>(i)].text);
    });
    b.selector(Field::PressureSensor, d.P1_MAP_changer,
               [](int) { return QStringLiteral("KVOS 01"); });
    b.selector(Field::ReducerTempSensor, d.T_RED_changer,
               [](int) { return QStringLiteral("2,2"); });
    b.selector(Field::GasTempSensor, d.T_GAZ_changer, [](int) { return QStringLiteral("2,2"); });
    b.slider(Field::WorkingPressure, d.P_pracy_changer, WorkingPressure);
    b.slider(Field::MinimumPressure, d.P_min_changer, MinimumPressure);

    b.group(msg::Row::SwitchTab);
    b.slider(Field::SwitchOverGasTemp, d.Temp_LPG_changer, SwitchOverTemp);
    b.slider(Field::SwitchOverRpm, d.RPM_Prog_przel, SwitchOverRpm);
    b.slider(Field::SwitchOverTime, d.T_przel_to_LPG, SwitchOverTime);
    b.slider(Field::CylinderSequenceDelay, d.T_CYL_seqence, CylinderSequence);
    b.slider(Field::PressureErrorTime, d.T_zwloki_changer, PressureErrorTime);
    b.slider(Field::MaxRpmOnGas, d.RPM_Max_To_Petrol, MaxRpmOnGas);
    b.checkBox(Field::PetrolAtFirstMinimum, d.Check_by_first);
    b.selector(Field::LevelSensorKind, d.Rodz_czuj_LPG, latin(LevelSensorItems));
    for (int i = 0; i < 4; ++i)
        if (d.Ch_U_LPG[static_cast<std::size_t>(i)])
            b.row(static_cast<Field>(static_cast<int>(Field::LevelThreshold1) + i),
                  *d.Ch_U_LPG[static_cast<std::size_t>(i)], QStringLiteral("V"));
    return b.take();
}

}  // namespace brivel::report
