#include "QtPrinters.h"
#include "i18n/MessageTable.h"
#include "settings/ControlHelp.h"

#include <gtest/gtest.h>

#include <QtCore/QSet>

using namespace brivel;
using namespace brivel::settings;

namespace {

const help::SendingControl& control(const char* name)
{
    for (const help::SendingControl& c : help::sendingControls())
        if (qstrcmp(c.objectName, name) == 0)
            return c;
    throw std::out_of_range(name);
}

struct Tip {
    int column;
    const char* control;
    const char* text;
};

TEST(ControlHelp, NameMeaningAndRangeWithTheUnitInEachLanguage)
{
    const Tip tips[] = {
        {MessageTable::English, "P_pracy_changer",
         "P. Work\nWorking pressure of the gas that the adaptation is based on.\n"
         "Range: 0.40 – 2.50 bar"},
        {MessageTable::German, "RPM_Prog_przel",
         "Drehzahl für Umschaltung auf Gas\n"
         "Motordrehzahl, bei der das Steuergerät auf Gas umschaltet.\nBereich: 300 – 6000 rpm"},
        {MessageTable::Polish, "Ch_U_LPG_3",
         "Czujnik poziomu, próg 3\nNapięcie czujnika poziomu, od którego świeci dioda tego "
         "poziomu.\nZakres: 0.00 – 5.00 V"},
        {MessageTable::Czech, "Ch_U_LPG_changer",
         "Snímač hladiny, práh 1–4\nNapětí snímače hladiny, od kterého svítí LED této úrovně.\n"
         "Rozsah: 0.00 – 5.00 V"},
        {MessageTable::Czech, "T_przel_to_LPG",
         "Čas přepnutí\nDoba od splnění podmínek do přepnutí na plyn.\nRozsah: 2.0 – 60.0 s"},
        // A choice has no range: its items say what it offers.
        {MessageTable::English, "Sel_Typ_silnika",
         "Engine Type\nNaturally aspirated or turbocharged engine; changes the pressure range "
         "of the map's axis."},
    };
    MessageTable messages;
    for (const Tip& tip : tips) {
        messages.setLanguage(tip.column);
        const MessageLookup text = [&messages](msg::Row row) { return messages.text(row); };
        EXPECT_EQ(help::toolTip(control(tip.control), text, QLocale::c()),
                  QString::fromUtf8(tip.text))
            << tip.control << " in column " << tip.column;
    }
}

// Each sending control explains its own field: a meaning of its own, given
// in every language, and a range exactly where the field is a number.
TEST(ControlHelp, EveryControlHasItsFieldsMeaningInEveryLanguage)
{
    MessageTable messages;
    QSet<QString> names;
    for (const help::SendingControl& c : help::sendingControls()) {
        EXPECT_FALSE(names.contains(QLatin1String(c.objectName))) << c.objectName;
        names.insert(QLatin1String(c.objectName));
        const msg::Row meaning = help::meaningRow(c.field);
        EXPECT_NE(meaning, msg::Row::HelpRange) << c.objectName;
        EXPECT_EQ(c.range.has_value(), blockField(c.field).encoding == Encoding::Number)
            << c.objectName;
        if (c.range) {
            EXPECT_LT(c.range->from, c.range->to) << c.objectName;
            EXPECT_NE(*blockField(c.field).unit, '\0') << c.objectName;
        }
        for (const int column : {MessageTable::German, MessageTable::English, MessageTable::Polish,
                                 MessageTable::Czech})
            EXPECT_FALSE(messages.text(meaning, column).trimmed().isEmpty())
                << c.objectName << " in column " << column;
    }
}

}  // namespace
