#include "BlockBuilder.h"
#include "QtPrinters.h"
#include "i18n/MessageTable.h"
#include "settings/StoredFaults.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brivel;
using namespace brivel::settings;
using brivel::test::settingsBlock;

namespace {

// The Polish texts before any language is chosen.
QString message(msg::Row row)
{
    static const MessageTable table;
    return table.text(row);
}

struct FaultCase {
    const char* name;
    std::vector<int> entries;  // from entry 0; the rest stay empty
    int mask;
    QString text;
};

class StoredFaultList : public ::testing::TestWithParam<FaultCase> {};

TEST_P(StoredFaultList, ListsTheEntries)
{
    const FaultCase& c = GetParam();
    QByteArray block = settingsBlock({{20, c.mask}});
    for (std::size_t k = 0; k < c.entries.size(); ++k)
        block[561 + static_cast<int>(k)] = static_cast<char>(c.entries[k]);
    EXPECT_EQ(storedFaultText(ParameterBlock(block), message), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    StoredFaults, StoredFaultList,
    ::testing::Values(
        FaultCase{"FiveLines",
                  {0x03, 0x00, 0x07},
                  0x0F,
                  QStringLiteral("1 - Cisnienie gazu za wysokie\r\n"
                                 "3\r\n"
                                 "2 - Błąd wtryskiwacza :  1 2 3 4\r\n"
                                 "3 - Błędna praca układu benzynowego\r\n"
                                 "7\r\n")},
        FaultCase{"InjectorFaultTakesTheNextEntryAlong",
                  {0x00, 0x00},
                  0x81,
                  QStringLiteral("1 - Błąd wtryskiwacza :  1 8\r\n0\r\n")},
        FaultCase{"CodeWithoutMessageIsABareNumber", {0x2A}, 0x0F, QStringLiteral("42\r\n")},
        FaultCase{"AllEmpty", {}, 0x0F, QString()},
        FaultCase{"EveryMessageCode",
                  {0x01, 0x02, 0x08, 0xFE},
                  0,
                  QStringLiteral("1 - Za długi czas wtrysku gazu\r\n1\r\n"
                                 "2 - Błąd napięcia\r\n2\r\n"
                                 "3 - Błąd zasilania\r\n8\r\n"
                                 "254\r\n")},
        FaultCase{"EmptyEntriesBetweenFaultsAreSkipped",
                  {0x04, 0xFF, 0xFF, 0x05},
                  0,
                  QStringLiteral("1 - Cisnienie gazu za niskie\r\n4\r\n"
                                 "2 - Napięcie stacyjki za niskie\r\n5\r\n")},
        FaultCase{"InjectorFaultWithoutCylinders",
                  {0x00, 0xFF, 0x06},
                  0,
                  QStringLiteral("1 - Błąd wtryskiwacza : \r\n"
                                 "2 - Brak wtrysku benzyny\r\n6\r\n")}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(StoredFaults, InjectorFaultInTheLastEntryDoesNotListTheCheckByte)
{
    // The byte after the fault memory is the check byte, here a code that
    // would otherwise be listed with a message.
    QByteArray block = settingsBlock({{600, 0x00}, {20, 0x02}});
    block[601] = 0x03;
    EXPECT_EQ(storedFaultText(ParameterBlock(block), message),
              QStringLiteral("1 - Błąd wtryskiwacza :  2\r\n"));
}

TEST(StoredFaults, EntriesPastTheEndOfAShortImageAreEmpty)
{
    // The check byte 0x03 sits where entry 1 would be: it is no fault.
    QByteArray block = settingsBlock({{20, 0x01}, {561, 0x00}, {562, 0x03}}, 563);
    EXPECT_EQ(storedFaultText(ParameterBlock(block), message),
              QStringLiteral("1 - Błąd wtryskiwacza :  1\r\n"));
    // Now the check byte 0x00 is where entry 0 would be.
    block.truncate(562);
    block[561] = 0x00;
    EXPECT_EQ(storedFaultText(ParameterBlock(block), message), QString());
}

}  // namespace
