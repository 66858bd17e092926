#include "i18n/LanguageColumns.h"
#include "i18n/Languages.h"
#include "i18n/MakerDetails.h"
#include "i18n/MessageTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QtCore/QStringList>

#include <set>
#include <utility>
#include <vector>

using namespace brivel;
using msg::Row;

namespace {

using Cell = std::pair<int, int>;

const std::vector<int> kLanguageColumns = {MessageTable::German, MessageTable::English,
                                           MessageTable::Polish, MessageTable::Czech};

// The cell of a row given by its number: for checks of the table's numbering and contents.
const QString& cell(const MessageTable& table, int row, int column)
{
    return table.text(Row(row), column);
}

std::vector<QString> allTexts(const MessageTable& table)
{
    std::vector<QString> texts;
    for (int row = 0; row < MessageTable::Rows; ++row) {
        for (int column = 0; column < MessageTable::Columns; ++column) {
            texts.push_back(cell(table, row, column));
        }
    }
    return texts;
}

class MessageTableTest : public ::testing::Test {
protected:
    MessageTable table;
};

}  // namespace

// ---- Shape -------------------------------------------------------------------------------

TEST_F(MessageTableTest, Dimensions_Are124RowsAndTheAddedOnesBy6Columns)
{
    EXPECT_EQ(msg::number(msg::FirstAdded), 124);
    EXPECT_EQ(MessageTable::Rows, msg::RowCount);
    EXPECT_EQ(msg::number(Row::Help), 123);
    EXPECT_EQ(MessageTable::Columns, 6);
    EXPECT_EQ(MessageTable::Initial, 0);
    EXPECT_EQ(MessageTable::German, 1);
    EXPECT_EQ(MessageTable::English, 2);
    EXPECT_EQ(MessageTable::Polish, 3);
    EXPECT_EQ(MessageTable::Russian, 4);
    EXPECT_EQ(MessageTable::Czech, 5);
    // The last cell of the table is reachable and the one after it is not.
    EXPECT_FALSE(cell(table, MessageTable::Rows - 1, MessageTable::Czech).isEmpty());
    EXPECT_TRUE(cell(table, MessageTable::Rows, MessageTable::Initial).isEmpty());
}

class OutsideCellTest : public ::testing::TestWithParam<Cell> {};

TEST_P(OutsideCellTest, Read_GivesEmptyText)
{
    MessageTable table;
    const auto [row, column] = GetParam();
    EXPECT_TRUE(cell(table, row, column).isEmpty());
    // Nor does a row outside the table read as anything in a chosen language.
    ASSERT_TRUE(table.setLanguage(MessageTable::English));
    if (row < 0 || row >= MessageTable::Rows) {
        EXPECT_TRUE(table.text(Row(row)).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(MessageTable, OutsideCellTest,
                         ::testing::Values(Cell{-1, 0}, Cell{MessageTable::Rows, 0}, Cell{0, -1},
                                           Cell{0, 6}, Cell{20, 6}, Cell{1000, 3}));

TEST_F(MessageTableTest, EmptyCells_AreExactlyRow34Columns0To3Row69Columns1To3Row123Column4)
{
    const std::set<Cell> expected = {{34, 0}, {34, 1}, {34, 2}, {34, 3},
                                     {69, 1}, {69, 2}, {69, 3}, {123, 4}};
    std::set<Cell> empty;
    for (int row = 0; row < MessageTable::Rows; ++row) {
        for (int column = 0; column < MessageTable::Columns; ++column) {
            if (cell(table, row, column).isEmpty()) {
                empty.insert({row, column});
            }
        }
    }
    EXPECT_EQ(empty, expected);
}

TEST_F(MessageTableTest, RussianColumn_IsPlaceholderInEveryRowButTheHelpText)
{
    for (int row = 0; row < MessageTable::Rows; ++row) {
        const QString expected = Row(row) == Row::Help ? QString() : QStringLiteral("Ru");
        EXPECT_EQ(cell(table, row, MessageTable::Russian), expected) << "row " << row;
    }
}

TEST_F(MessageTableTest, Texts_AreCleanUtf8WithoutControlCharacters)
{
    for (int row = 0; row < MessageTable::Rows; ++row) {
        for (int column = 0; column < MessageTable::Columns; ++column) {
            const QString& text = cell(table, row, column);
            // U+FFFD marks bytes that were no UTF-8; "Ã" is the typical trace of UTF-8 read
            // as Latin-1. None of the table's languages needs either.
            EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << row << "/" << column;
            EXPECT_FALSE(text.contains(QChar(0x00C3))) << row << "/" << column;
            for (const QChar ch : text) {
                const bool lineBreakInHelp = Row(row) == Row::Help && ch == u'\n';
                EXPECT_TRUE(ch.isPrint() || lineBreakInHelp)
                    << "row " << row << " column " << column << " char " << ch.unicode();
            }
        }
    }
}

// ---- Initial texts and Polish column -----------------------------------------------------

TEST_F(MessageTableTest, InitialTexts_AreTheirOwnPolishNotThePolishColumn)
{
    EXPECT_EQ(table.text(Row::VoltageFault, MessageTable::Initial),
              QStringLiteral(" - Błąd napięcia"));
    EXPECT_EQ(table.text(Row::VoltageFault, MessageTable::Polish),
              QStringLiteral(" - Błąd zasilania"));
    EXPECT_EQ(table.text(Row::VoltageFault), QStringLiteral(" - Błąd napięcia"));
}

TEST_F(MessageTableTest, RuntimeMessages_DifferFromPolishColumnOnlyWhereTheyAreWordedApart)
{
    const std::set<int> expected = {0, 3, 4, 10, 11, 14, 18, 20};
    std::set<int> differing;
    for (int row = 0; row <= msg::number(Row::AdaptationCancelled); ++row) {
        if (cell(table, row, MessageTable::Initial) != cell(table, row, MessageTable::Polish)) {
            differing.insert(row);
        }
    }
    EXPECT_EQ(differing, expected);
}

TEST_F(MessageTableTest, Captions_HaveThePolishTextAsTheirInitialText)
{
    for (int row = msg::number(Row::Battery); row < MessageTable::Rows; ++row) {
        if (Row(row) == Row::MapHint) {
            continue;  // Polish in the initial texts, empty in column 3
        }
        EXPECT_EQ(cell(table, row, MessageTable::Initial), cell(table, row, MessageTable::Polish))
            << "row " << row;
    }
    EXPECT_FALSE(table.text(Row::MapHint, MessageTable::Initial).isEmpty());
}

TEST_F(MessageTableTest, FaultTexts_BeginWithDashInAllButCzech)
{
    const QString dash = QStringLiteral(" - ");
    for (int row = 0; row <= msg::number(Row::GasInjectionTooLong); ++row) {
        for (int column : {MessageTable::Initial, MessageTable::German, MessageTable::English,
                           MessageTable::Polish}) {
            EXPECT_TRUE(cell(table, row, column).startsWith(dash))
                << "row " << row << " column " << column;
        }
        EXPECT_FALSE(cell(table, row, MessageTable::Czech).startsWith(u'-')) << "row " << row;
        EXPECT_FALSE(cell(table, row, MessageTable::Czech).startsWith(u' ')) << "row " << row;
    }
    // The reset question is a prompt, no longer a fault line.
    EXPECT_FALSE(table.text(Row::ResetQuestion, MessageTable::English).startsWith(dash));
}

// ---- Exact texts -------------------------------------------------------------------------

struct ExactText {
    Row row;
    int column;
    const char* text;
};

void PrintTo(const ExactText& c, std::ostream* os)
{
    *os << c.row << " column " << c.column;
}

class ExactTextTest : public ::testing::TestWithParam<ExactText> {};

TEST_P(ExactTextTest, Cell_HoldsTheTextByteForByte)
{
    const MessageTable table;
    const ExactText& c = GetParam();
    EXPECT_EQ(table.text(c.row, c.column), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    MessageTable, ExactTextTest,
    ::testing::Values(
        // Initial texts: run-time texts with their trailing spaces, captions.
        ExactText{Row::InjectorFault, MessageTable::Initial, " - Błąd wtryskiwacza : "},
        ExactText{Row::ReplyTimeout, MessageTable::Initial,
                  "Time out - błąd w transmisji (Brak Strownika) "},
        ExactText{Row::AdaptationMultiplier, MessageTable::Initial, "Wyliczono mnożnik = "},
        ExactText{Row::MapHint, MessageTable::Initial,
                  "Zmiana korekcji-zaznacz obszar zmian na wykresie i przesuń strzałkami góra/dół"},
        // German.
        ExactText{Row::InjectorFault, MessageTable::German, " - Einspritz Fehler :"},
        ExactText{Row::ReplyTimeout, MessageTable::German, "Kein Steuergerät Gefunden"},
        ExactText{Row::AdaptationInProgress, MessageTable::German,
                  "Bitte Warten Kalibrierung läuft .."},
        // English keys, including their odd spellings and the en dash.
        ExactText{Row::VoltageFault, MessageTable::English, " - Voltage error"},
        ExactText{Row::Battery, MessageTable::English, "Batery  "},
        ExactText{Row::AdaptationStart, MessageTable::English, "START – calibration begins"},
        ExactText{Row::ObdInterfacePort, MessageTable::English, "Interface KVOS Used POrt"},
        // Polish.
        ExactText{Row::ManifoldPressureQuestion, MessageTable::Polish,
                  "Błędna wartość P MAP  - dalej ?"},
        ExactText{Row::Voltage, MessageTable::Polish, "Napięcie  "},
        ExactText{Row::Temperatures, MessageTable::Polish, "Temp Gaz / Red [°C]"},
        ExactText{Row::ConnectItem, MessageTable::Polish, "Połącz"},
        // Czech.
        ExactText{Row::ReplyTimeout, MessageTable::Czech,
                  "Nepřipojená (chybí) řídící jednotka plynu"},
        ExactText{Row::ReducerTooCold, MessageTable::Czech,
                  "Teplota je nízká, čekejte až bude 60 st."},
        ExactText{Row::CylindersGroup, MessageTable::Czech, "Počet válců"},
        ExactText{Row::MapHint, MessageTable::Czech, "Cz"}));

// ---- Translated captions -----------------------------------------------------------------

// The units, brackets and separators of a caption, in order: what a translation must keep.
static QString formatCharacters(const QString& text)
{
    static const QString kept = QStringLiteral("[]()/_:=+–°");
    QString result;
    for (const QChar ch : text) {
        if (kept.contains(ch)) {
            result += ch;
        }
    }
    return result;
}

static int leadingSpaces(const QString& text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == u' ') {
        ++n;
    }
    return n;
}

static int trailingSpaces(const QString& text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n) == u' ') {
        ++n;
    }
    return n;
}

class TranslatedCaptionTest : public ::testing::TestWithParam<int> {};

TEST_P(TranslatedCaptionTest, Captions_KeepTheFormatOfTheEnglishKey)
{
    const MessageTable table;
    const int column = GetParam();
    for (int row = msg::number(Row::Battery); row < msg::number(Row::Help); ++row) {
        const QString& key = cell(table, row, MessageTable::English);
        const QString& caption = cell(table, row, column);
        if (key.isEmpty()) {
            continue;
        }
        ASSERT_FALSE(caption.isEmpty()) << "row " << row;
        EXPECT_EQ(formatCharacters(caption), formatCharacters(key)) << "row " << row;
        EXPECT_EQ(leadingSpaces(caption), leadingSpaces(key)) << "row " << row;
        EXPECT_EQ(trailingSpaces(caption), trailingSpaces(key)) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(MessageTable, TranslatedCaptionTest,
                         ::testing::Values(MessageTable::German, MessageTable::Czech));

// ---- Help text ---------------------------------------------------------------------------

class HelpTextTest : public ::testing::TestWithParam<int> {};

TEST_P(HelpTextTest, HelpText_ListsTheDiscContentsAndTheWebSite)
{
    const MessageTable table;
    const QString& help = table.text(Row::Help, GetParam());
    const QStringList lines = help.split(u'\n');
    EXPECT_EQ(lines.value(0), QStringLiteral("MENU CD:"));
    // The heading and the five items: program, manual, diagram, nozzle tool, downloads.
    EXPECT_EQ(lines.size(), 6);
    EXPECT_EQ(help.count(QStringLiteral("(PDF)")), 2);
    EXPECT_TRUE(lines.value(5).contains(QString::fromUtf8(MakerDetails::WebSite)));
    EXPECT_FALSE(help.contains(u'\r'));
}

INSTANTIATE_TEST_SUITE_P(MessageTable, HelpTextTest,
                         ::testing::Values(MessageTable::Initial, MessageTable::German,
                                           MessageTable::English, MessageTable::Polish,
                                           MessageTable::Czech));

TEST_F(MessageTableTest, HelpText_IsWrittenInEachLanguageAndStartsPolish)
{
    std::set<QString> distinct;
    for (int column : kLanguageColumns) {
        distinct.insert(table.text(Row::Help, column));
    }
    EXPECT_EQ(distinct.size(), kLanguageColumns.size());
    EXPECT_EQ(table.text(Row::Help, MessageTable::Initial),
              table.text(Row::Help, MessageTable::Polish));
}

// ---- Text in the chosen language --------------------------------------------------------

TEST_F(MessageTableTest, BeforeAnyLanguageIsChosen_EveryRowAnswersItsInitialText)
{
    EXPECT_EQ(table.language(), MessageTable::Initial);
    for (int row = 0; row < MessageTable::Rows; ++row)
        EXPECT_EQ(table.text(Row(row)), cell(table, row, MessageTable::Initial)) << "row " << row;
}

class ChosenLanguageTest : public ::testing::TestWithParam<int> {};

// Run-time messages, captions and the rows added later all answer in the language chosen
// last; the texts themselves never change.
TEST_P(ChosenLanguageTest, EveryRowAnswersInTheChosenLanguage)
{
    MessageTable table;
    const int column = GetParam();
    const std::vector<QString> before = allTexts(table);

    ASSERT_TRUE(table.setLanguage(column));

    EXPECT_EQ(table.language(), column);
    for (int row = 0; row < MessageTable::Rows; ++row)
        EXPECT_EQ(table.text(Row(row)), cell(table, row, column)) << "row " << row;
    EXPECT_EQ(allTexts(table), before);
    EXPECT_EQ(MessageTable().text(Row::VoltageFault), QStringLiteral(" - Błąd napięcia"))
        << "each table has a language of its own; a new one starts from its initial texts";
}

INSTANTIATE_TEST_SUITE_P(MessageTable, ChosenLanguageTest, ::testing::ValuesIn(kLanguageColumns));

struct EnglishText {
    Row row;
    const char* text;
};

void PrintTo(const EnglishText& c, std::ostream* os)
{
    *os << c.row;
}

class EnglishTextTest : public ::testing::TestWithParam<EnglishText> {};

// One row of each kind, read the way the program reads it.
TEST_P(EnglishTextTest, AfterChoosingEnglish_TheRowReadsInEnglish)
{
    MessageTable table;
    const EnglishText& c = GetParam();
    EXPECT_NE(table.text(c.row), QString::fromUtf8(c.text));
    ASSERT_TRUE(table.setLanguage(MessageTable::English));
    EXPECT_EQ(table.text(c.row), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    MessageTable, EnglishTextTest,
    ::testing::Values(
        // A classic run-time message, a classic caption.
        EnglishText{Row::ReplyTimeout, "No LPG Controller"},
        EnglishText{Row::ConnectItem, "Connect"},
        // Added rows: run-time messages, a dialog's text, a caption, a hint.
        EnglishText{Row::PortGone, "Port %1 was disconnected (%2) - connection lost"},
        EnglishText{Row::RecordingsFilter, "Drive recordings"},
        EnglishText{Row::ReviewTitle, "Settings from the file"},
        EnglishText{Row::RecordItem, "Record"}, EnglishText{Row::ReplayPlayHint, "Play / pause"}));

// A switch changes what every later read answers; Polish is the Polish column, no longer the
// initial texts.
TEST_F(MessageTableTest, ASwitch_ChangesWhatTheNextReadAnswers)
{
    ASSERT_TRUE(table.setLanguage(MessageTable::English));
    EXPECT_EQ(QStringLiteral("1") + table.text(Row::SupplyVoltageFault),
              QStringLiteral("1 - Voltage error"));
    ASSERT_TRUE(table.setLanguage(MessageTable::Czech));
    EXPECT_EQ(table.text(Row::SupplyVoltageFault), QStringLiteral("Chyba napájení"));
    ASSERT_TRUE(table.setLanguage(MessageTable::Polish));
    EXPECT_EQ(table.text(Row::VoltageFault), QStringLiteral(" - Błąd zasilania"));
    EXPECT_TRUE(table.text(Row::MapHint).isEmpty());
}

TEST_F(MessageTableTest, SetLanguage_RefusesTheInitialColumnAndColumnsOutsideTheTable)
{
    ASSERT_TRUE(table.setLanguage(MessageTable::English));
    const std::vector<QString> before = allTexts(table);
    for (int column : {int(MessageTable::Initial), -1, MessageTable::Columns}) {
        EXPECT_FALSE(table.setLanguage(column)) << column;
        EXPECT_EQ(table.language(), MessageTable::English) << column;
        EXPECT_EQ(table.text(Row::ReplyTimeout), QStringLiteral("No LPG Controller")) << column;
    }
    EXPECT_EQ(allTexts(table), before);
}

// ---- Rows added after the classic table --------------------------------------------------

TEST_F(MessageTableTest, AddedRows_KeepTheClassicRowsInPlaceAndSpeakEveryLanguage)
{
    // The classic table ends with the help text, right before the first added row.
    EXPECT_TRUE(table.text(Row::Help, MessageTable::English).startsWith("MENU CD:"));
    EXPECT_EQ(msg::number(Row::Help) + 1, msg::number(msg::FirstAdded));
    EXPECT_EQ(table.text(Row::ReviewTitle, MessageTable::English),
              QStringLiteral("Settings from the file"));
    EXPECT_EQ(table.text(Row::Firmware, MessageTable::Czech), QStringLiteral("Verze firmwaru"));
    for (int row = msg::number(msg::FirstAdded); row < MessageTable::Rows; ++row) {
        std::set<QString> texts;
        for (int column : kLanguageColumns)
            texts.insert(cell(table, row, column));
        // Words that every language writes alike are few; no row is left untranslated.
        EXPECT_GE(texts.size(), 3u) << "row " << row;
        // A template keeps its placeholders in every language.
        for (const char* mark : {"%1", "%2"}) {
            const bool inEnglish = cell(table, row, MessageTable::English).contains(mark);
            for (int column : kLanguageColumns)
                EXPECT_EQ(cell(table, row, column).contains(mark), inEnglish) << row << ' ' << mark;
        }
    }
}

TEST(LanguageColumns, MenuItemsAndCodesNameTheirColumns)
{
    EXPECT_EQ(languageItem(QStringLiteral("NiemieckiDE"))->column, MessageTable::German);
    EXPECT_EQ(languageItem(QStringLiteral("AngielskiGB"))->column, MessageTable::English);
    EXPECT_EQ(languageItem(QStringLiteral("PolskiPL"))->column, MessageTable::Polish);
    EXPECT_EQ(languageItem(QStringLiteral("Ceski"))->column, MessageTable::Czech);
    // Russian is never applied, nor is a name that is no item's: the initial texts stay.
    EXPECT_FALSE(languageItem(QStringLiteral("Russian"))->selectable);
    EXPECT_FALSE(languageItem(QStringLiteral("Klingon")));
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("DE")), MessageTable::German);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("en")), MessageTable::English);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("pl")), MessageTable::Polish);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("cz")), MessageTable::Czech);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("cs")), MessageTable::Czech);
    EXPECT_FALSE(languageColumnOfCode(QStringLiteral("ru")));
    EXPECT_FALSE(languageColumnOfCode(QString()));
}

TEST_F(MessageTableTest, PortFaultRows_NameThePortAndTheReasonInEveryLanguage)
{
    for (Row row : {Row::PortGone, Row::PortError}) {
        EXPECT_EQ(table.text(row, MessageTable::Initial), table.text(row, MessageTable::Polish));
        for (int column : kLanguageColumns) {
            const QString text = table.text(row, column);
            EXPECT_EQ(text.count(QStringLiteral("%1")), 1) << row << "/" << column;
            EXPECT_EQ(text.count(QStringLiteral("%2")), 1) << row << "/" << column;
            const QString filled = text.arg(QStringLiteral("ttyUSB0"), QStringLiteral("EIO"));
            EXPECT_TRUE(filled.contains(QStringLiteral("ttyUSB0"))) << row << "/" << column;
            EXPECT_TRUE(filled.contains(QStringLiteral("EIO"))) << row << "/" << column;
        }
    }
    EXPECT_NE(table.text(Row::PortGone, MessageTable::English),
              table.text(Row::PortError, MessageTable::English));
}
