// The settings image decoder fed arbitrary replies: whatever the controller
// sends, every control gets a value it can show, a field is decoded exactly
// when the image holds it, and the stored-fault list keeps its shape.
#include "FuzzCheck.h"

#include "settings/ParameterBlockDecoder.h"

#include <QtCore/QByteArray>
#include <QtCore/QLocale>
#include <QtCore/QStringView>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace brivel::settings;

namespace {

constexpr int NoSelection = SettingsDisplay::NoSelection;
constexpr int InjectorRow = brivel::msg::number(brivel::msg::Row::InjectorFault);

// Message texts that say which row they came from, so that the fault list
// can be read back; made once, as the run spends its time allocating.
QString message(brivel::msg::Row messageRow)
{
    const int row = brivel::msg::number(messageRow);
    static const std::array<QString, 10> texts = [] {
        std::array<QString, 10> t;
        for (int r = 0; r < 10; ++r)
            t[r] = QStringLiteral(" #%1").arg(r);
        return t;
    }();
    return row >= 0 && row < 10 ? texts[row] : QStringLiteral(" #%1").arg(row);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

template <typename T>
bool inRange(const std::optional<T>& value, T low, T high)
{
    return !value || (*value >= low && *value <= high);
}

bool sliderInRange(const std::optional<float>& value, double highest)
{
    return !value || (std::isfinite(*value) && *value >= 0 && *value <= highest + 1e-3);
}

// The image holds a field before its check byte.
bool holds(const QByteArray& block, int offset, int width = 1)
{
    return offset + width <= block.size() - 1;
}

void checkPresence(const QByteArray& block, const SettingsDisplay& d)
{
    FUZZ_CHECK(d.Sel_cyl.has_value() == holds(block, 22));
    FUZZ_CHECK(d.Sel_Impuls.has_value() == holds(block, 21));
    FUZZ_CHECK(d.Sel_Typ_silnika.has_value() == holds(block, 34));
    FUZZ_CHECK(d.mapAxisMaximum.has_value() == holds(block, 34));
    FUZZ_CHECK(d.Sel_Typ_wtrysku.has_value() == holds(block, 45));
    FUZZ_CHECK(d.P_min_changer.has_value() == holds(block, 40));
    FUZZ_CHECK(d.Check_by_first.has_value() == holds(block, 558));
    FUZZ_CHECK(d.fuelIsCng.has_value() == holds(block, 558));
    for (int i = 0; i < 4; ++i)
        FUZZ_CHECK(d.Ch_U_LPG[i].has_value() == holds(block, 25 + i));
    FUZZ_CHECK(d.injectionMap.has_value() == holds(block, 66, MapEntries));
    if (d.injectionMap)
        for (int k = 0; k < MapEntries; ++k)
            FUZZ_CHECK((*d.injectionMap)[k] == static_cast<quint8>(block[66 + k]));
    for (const auto& button : d.cylinders)
        FUZZ_CHECK(button.checked.has_value() == holds(block, 20));
}

void checkRanges(const SettingsDisplay& d)
{
    FUZZ_CHECK(inRange(d.Sel_cyl, NoSelection, 4));
    FUZZ_CHECK(inRange(d.Sel_Impuls, NoSelection, 6));
    FUZZ_CHECK(inRange(d.Sel_RPM_signal, 0, 1));
    FUZZ_CHECK(inRange(d.Sel_Typ_silnika, 0, 1));
    FUZZ_CHECK(!d.mapAxisMaximum || *d.mapAxisMaximum == 126 || *d.mapAxisMaximum == 252);
    FUZZ_CHECK(inRange(d.Sel_Typ_wtrysku, NoSelection, 5));
    FUZZ_CHECK(inRange(d.P1_MAP_changer, NoSelection, 0));
    FUZZ_CHECK(inRange(d.T_RED_changer, NoSelection, 0));
    FUZZ_CHECK(inRange(d.T_GAZ_changer, NoSelection, 0));
    FUZZ_CHECK(inRange(d.Rodz_czuj_LPG, NoSelection, 1));

    FUZZ_CHECK(sliderInRange(d.P_pracy_changer, 2.55));
    FUZZ_CHECK(sliderInRange(d.P_min_changer, 2.55));
    FUZZ_CHECK(sliderInRange(d.RPM_Max_To_Petrol, 25500));
    FUZZ_CHECK(sliderInRange(d.T_zwloki_changer, 2550));
    FUZZ_CHECK(sliderInRange(d.Temp_LPG_changer, 255));
    FUZZ_CHECK(sliderInRange(d.RPM_Prog_przel, 25500));
    FUZZ_CHECK(sliderInRange(d.T_przel_to_LPG, 127.5));
    FUZZ_CHECK(sliderInRange(d.T_CYL_seqence, 2550));

    // Threshold texts: two decimals under the decimal comma, 0,00 to 5,00.
    for (const auto& text : d.Ch_U_LPG) {
        if (!text)
            continue;
        FUZZ_CHECK(text->size() == 4 && (*text)[1] == u',');
        FUZZ_CHECK(isDigit((*text)[0]) && isDigit((*text)[2]) && isDigit((*text)[3]));
        FUZZ_CHECK((*text)[0] <= u'4' || *text == u"5,00");
    }
}

// The first three buttons are always fitted; the cylinder count colours the
// fitted ones red and disables the rest, and without a count the optional
// ones come back enabled and grey.
void checkCylinderButtons(const SettingsDisplay& d)
{
    using Colour = SettingsDisplay::OffColour;
    const int fitted = d.Sel_cyl ? cylindersOfItem(*d.Sel_cyl) : 0;
    for (int i = 0; i < 8; ++i) {
        const auto& button = d.cylinders[i];
        if (!d.Sel_cyl)
            FUZZ_CHECK(!button.enabled && button.offColour == Colour::Unchanged);
        else if (i < fitted)
            FUZZ_CHECK(button.offColour == Colour::Red && button.enabled != false);
        else if (i >= 3)
            FUZZ_CHECK(button.offColour == Colour::Grey && button.enabled == (fitted == 0));
        else
            FUZZ_CHECK(button.offColour == Colour::Unchanged && !button.enabled);
    }
}

// A run of decimal digits from `i` on, moving `i` past it; -1 for none.
int number(QStringView s, qsizetype& i)
{
    const qsizetype start = i;
    int value = 0;
    while (i < s.size() && isDigit(s[i]) && i - start < 4)
        value = value * 10 + (s[i++].unicode() - u'0');
    return i == start ? -1 : value;
}

void checkFaultList(const QByteArray& block, QStringView text)
{
    const int mask = holds(block, 20) ? static_cast<quint8>(block[20]) : 0;
    int lines = 0;
    int counter = 0;
    int pendingRow = -1;  // a message line waits for its code's bare line
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = text.indexOf(u"\r\n", start);
        FUZZ_CHECK(end >= 0);
        const QStringView line = text.mid(start, end - start);
        start = end + 2;
        ++lines;

        qsizetype i = 0;
        const int first = number(line, i);
        FUZZ_CHECK(first >= 0);
        if (i == line.size()) {
            // A bare code; one with a message comes right after its
            // message line.
            FUZZ_CHECK(first < EmptyFault);
            const auto expected = storedFaultMessageRow(static_cast<quint8>(first));
            FUZZ_CHECK((expected ? brivel::msg::number(*expected) : -1) == pendingRow ||
                       (pendingRow == -1 && (first == 0 || first > 8)));
            pendingRow = -1;
            continue;
        }
        // A numbered message line, counted from 1 without gaps.
        FUZZ_CHECK(pendingRow == -1);
        FUZZ_CHECK(first == ++counter);
        FUZZ_CHECK(line.mid(i, 2) == u" #");
        i += 2;
        const int row = number(line, i);
        FUZZ_CHECK(row >= 0);
        const QStringView rest = line.mid(i);
        if (row != InjectorRow) {
            FUZZ_CHECK(rest.isEmpty());
            pendingRow = row;
            continue;
        }
        // The injector line lists the cylinders of the active-gas mask.
        qsizetype at = 0;
        for (int bit = 0; bit < 8; ++bit) {
            if (!(mask & (1 << bit)))
                continue;
            FUZZ_CHECK(at + 1 < rest.size() && rest[at] == u' ' &&
                       rest[at + 1] == QChar(u'1' + bit));
            at += 2;
        }
        FUZZ_CHECK(at == rest.size());
    }
    FUZZ_CHECK(pendingRow == -1);
    // At most a numbered line and a bare code per entry.
    FUZZ_CHECK(lines <= 2 * FaultEntries);
    FUZZ_CHECK(counter <= FaultEntries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QLocale locale(QLocale::Polish, QLocale::Poland);
    const QByteArray block(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SettingsDisplay d = decodeParameterBlock(block, message, locale);
    checkPresence(block, d);
    checkRanges(d);
    checkCylinderButtons(d);
    checkFaultList(block, d.Register_errors_memo);

    const ParameterBlock image(block);
    FUZZ_CHECK(image.settingsRegion().has_value() == holds(block, 21, SettingsRegionSize));
    for (int k = -1; k <= FaultEntries; ++k) {
        const quint8 entry = image.faultEntry(k);
        FUZZ_CHECK(entry == EmptyFault || (k >= 0 && k < FaultEntries && holds(block, 561 + k)));
    }
    return 0;
}
