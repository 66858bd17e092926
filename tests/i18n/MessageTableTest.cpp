#include "i18n/LanguageColumns.h"
#include "i18n/MakerDetails.h"
#include "i18n/MessageTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QtCore/QStringList>

#include <set>
#include <utility>
#include <vector>

using namespace brivel;

namespace {

using Cell = std::pair<int, int>;

const std::vector<int> kLanguageColumns = {MessageTable::German, MessageTable::English,
                                           MessageTable::Polish, MessageTable::Czech};

std::vector<QString> allTexts(const MessageTable& table)
{
    std::vector<QString> texts;
    for (int row = 0; row < MessageTable::Rows; ++row) {
        for (int column = 0; column < MessageTable::Columns; ++column) {
            texts.push_back(table.text(row, column));
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
    EXPECT_EQ(msg::FirstAdded, 124);
    EXPECT_EQ(MessageTable::Rows, msg::EndOfAdded);
    EXPECT_EQ(MessageTable::HelpRow, 123);
    EXPECT_EQ(MessageTable::Columns, 6);
    EXPECT_EQ(MessageTable::Working, 0);
    EXPECT_EQ(MessageTable::German, 1);
    EXPECT_EQ(MessageTable::English, 2);
    EXPECT_EQ(MessageTable::Polish, 3);
    EXPECT_EQ(MessageTable::Russian, 4);
    EXPECT_EQ(MessageTable::Czech, 5);
    // The last cell of the table is reachable and the one after it is not.
    EXPECT_FALSE(table.text(MessageTable::Rows - 1, MessageTable::Czech).isEmpty());
    EXPECT_TRUE(table.text(MessageTable::Rows, MessageTable::Working).isEmpty());
}

class OutsideCellTest : public ::testing::TestWithParam<Cell> {};

TEST_P(OutsideCellTest, Read_GivesEmptyText)
{
    const MessageTable table;
    const auto [row, column] = GetParam();
    EXPECT_TRUE(table.text(row, column).isEmpty());
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
            if (table.text(row, column).isEmpty()) {
                empty.insert({row, column});
            }
        }
    }
    EXPECT_EQ(empty, expected);
}

TEST_F(MessageTableTest, RussianColumn_IsPlaceholderInEveryRowButTheHelpText)
{
    for (int row = 0; row < MessageTable::Rows; ++row) {
        const QString expected = row == MessageTable::HelpRow ? QString() : QStringLiteral("Ru");
        EXPECT_EQ(table.text(row, MessageTable::Russian), expected) << "row " << row;
    }
}

TEST_F(MessageTableTest, Texts_AreCleanUtf8WithoutControlCharacters)
{
    for (int row = 0; row < MessageTable::Rows; ++row) {
        for (int column = 0; column < MessageTable::Columns; ++column) {
            const QString& text = table.text(row, column);
            // U+FFFD marks bytes that were no UTF-8; "Ã" is the typical trace of UTF-8 read
            // as Latin-1. None of the table's languages needs either.
            EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << row << "/" << column;
            EXPECT_FALSE(text.contains(QChar(0x00C3))) << row << "/" << column;
            for (const QChar ch : text) {
                const bool lineBreakInHelp = row == MessageTable::HelpRow && ch == u'\n';
                EXPECT_TRUE(ch.isPrint() || lineBreakInHelp)
                    << "row " << row << " column " << column << " char " << ch.unicode();
            }
        }
    }
}

// ---- Working column and Polish column ----------------------------------------------------

TEST_F(MessageTableTest, WorkingColumn_StartsWithItsOwnPolishTextNotThePolishColumn)
{
    EXPECT_EQ(table.text(0, MessageTable::Working), QStringLiteral(" - Błąd napięcia"));
    EXPECT_EQ(table.text(0, MessageTable::Polish), QStringLiteral(" - Błąd zasilania"));
    EXPECT_EQ(table.message(0), QStringLiteral(" - Błąd napięcia"));
}

TEST_F(MessageTableTest, RuntimeMessages_DifferFromPolishColumnOnlyWhereTheyAreWordedApart)
{
    const std::set<int> expected = {0, 3, 4, 10, 11, 14, 18, 20};
    std::set<int> differing;
    for (int row = 0; row <= MessageTable::LastRuntimeRow; ++row) {
        if (table.text(row, MessageTable::Working) != table.text(row, MessageTable::Polish)) {
            differing.insert(row);
        }
    }
    EXPECT_EQ(differing, expected);
}

TEST_F(MessageTableTest, Captions_HaveThePolishTextInTheWorkingColumn)
{
    for (int row = MessageTable::LastRuntimeRow + 1; row < MessageTable::Rows; ++row) {
        if (row == 69) {
            continue;  // the map hint: Polish in the working column, empty in column 3
        }
        EXPECT_EQ(table.text(row, MessageTable::Working), table.text(row, MessageTable::Polish))
            << "row " << row;
    }
    EXPECT_FALSE(table.text(69, MessageTable::Working).isEmpty());
}

TEST_F(MessageTableTest, FaultTexts_BeginWithDashInAllButCzech)
{
    const QString dash = QStringLiteral(" - ");
    for (int row = 0; row <= 9; ++row) {
        for (int column : {MessageTable::Working, MessageTable::German, MessageTable::English,
                           MessageTable::Polish}) {
            EXPECT_TRUE(table.text(row, column).startsWith(dash))
                << "row " << row << " column " << column;
        }
        EXPECT_FALSE(table.text(row, MessageTable::Czech).startsWith(u'-')) << "row " << row;
        EXPECT_FALSE(table.text(row, MessageTable::Czech).startsWith(u' ')) << "row " << row;
    }
    // Row 10 is a prompt, no longer a fault line.
    EXPECT_FALSE(table.text(10, MessageTable::English).startsWith(dash));
}

// ---- Exact texts -------------------------------------------------------------------------

struct ExactText {
    int row;
    int column;
    const char* text;
};

void PrintTo(const ExactText& c, std::ostream* os)
{
    *os << "row " << c.row << " column " << c.column;
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
        // Working column: run-time texts with their trailing spaces, captions.
        ExactText{6, MessageTable::Working, " - Błąd wtryskiwacza : "},
        ExactText{11, MessageTable::Working, "Time out - błąd w transmisji (Brak Strownika) "},
        ExactText{18, MessageTable::Working, "Wyliczono mnożnik = "},
        ExactText{69, MessageTable::Working,
                  "Zmiana korekcji-zaznacz obszar zmian na wykresie i przesuń strzałkami góra/dół"},
        // German.
        ExactText{6, MessageTable::German, " - Einspritz Fehler :"},
        ExactText{11, MessageTable::German, "Kein Steuergerät Gefunden"},
        ExactText{17, MessageTable::German, "Bitte Warten Kalibrierung läuft .."},
        // English keys, including their odd spellings and the en dash.
        ExactText{0, MessageTable::English, " - Voltage error"},
        ExactText{21, MessageTable::English, "Batery  "},
        ExactText{66, MessageTable::English, "START – calibration begins"},
        ExactText{111, MessageTable::English, "Interface KVOS Used POrt"},
        // Polish.
        ExactText{14, MessageTable::Polish, "Błędna wartość P MAP  - dalej ?"},
        ExactText{22, MessageTable::Polish, "Napięcie  "},
        ExactText{84, MessageTable::Polish, "Temp Gaz / Red [°C]"},
        ExactText{116, MessageTable::Polish, "Połącz"},
        // Czech.
        ExactText{11, MessageTable::Czech, "Nepřipojená (chybí) řídící jednotka plynu"},
        ExactText{16, MessageTable::Czech, "Teplota je nízká, čekejte až bude 60 st."},
        ExactText{34, MessageTable::Czech, "Počet válců"},
        ExactText{69, MessageTable::Czech, "Cz"}));

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
    for (int row = MessageTable::LastRuntimeRow + 1; row < MessageTable::HelpRow; ++row) {
        const QString& key = table.text(row, MessageTable::English);
        const QString& caption = table.text(row, column);
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
    const QString& help = table.text(MessageTable::HelpRow, GetParam());
    const QStringList lines = help.split(u'\n');
    EXPECT_EQ(lines.value(0), QStringLiteral("MENU CD:"));
    // The heading and the five items: program, manual, diagram, nozzle tool, downloads.
    EXPECT_EQ(lines.size(), 6);
    EXPECT_EQ(help.count(QStringLiteral("(PDF)")), 2);
    EXPECT_TRUE(lines.value(5).contains(QString::fromUtf8(MakerDetails::WebSite)));
    EXPECT_FALSE(help.contains(u'\r'));
}

INSTANTIATE_TEST_SUITE_P(MessageTable, HelpTextTest,
                         ::testing::Values(MessageTable::Working, MessageTable::German,
                                           MessageTable::English, MessageTable::Polish,
                                           MessageTable::Czech));

TEST_F(MessageTableTest, HelpText_IsWrittenInEachLanguageAndStartsPolish)
{
    std::set<QString> distinct;
    for (int column : kLanguageColumns) {
        distinct.insert(table.text(MessageTable::HelpRow, column));
    }
    EXPECT_EQ(distinct.size(), kLanguageColumns.size());
    EXPECT_EQ(table.text(MessageTable::HelpRow, MessageTable::Working),
              table.text(MessageTable::HelpRow, MessageTable::Polish));
}

// ---- Writing the working column ----------------------------------------------------------

class WritableRowTest : public ::testing::TestWithParam<int> {};

TEST_P(WritableRowTest, SetWorking_ChangesOnlyColumn0OfThatRow)
{
    MessageTable table;
    const int row = GetParam();
    std::vector<QString> expected = allTexts(table);
    const QString english = table.text(row, MessageTable::English);
    expected[row * MessageTable::Columns] = english;

    EXPECT_TRUE(MessageTable::isWritable(row));
    EXPECT_TRUE(table.setWorking(row, english));

    EXPECT_EQ(allTexts(table), expected);
    EXPECT_EQ(table.message(row), english);
    EXPECT_NE(MessageTable().message(row), english) << "a new table starts from its constants";
}

INSTANTIATE_TEST_SUITE_P(MessageTable, WritableRowTest,
                         ::testing::Values(0, 11, 20, msg::ReplayRefused, msg::RecordingsFilter,
                                           MessageTable::PortGoneRow, MessageTable::PortErrorRow));

class RefusedRowTest : public ::testing::TestWithParam<int> {};

TEST_P(RefusedRowTest, SetWorking_IsRefusedAndLeavesTheTableAlone)
{
    MessageTable table;
    const int row = GetParam();
    const std::vector<QString> before = allTexts(table);

    EXPECT_FALSE(MessageTable::isWritable(row));
    EXPECT_FALSE(table.setWorking(row, QStringLiteral("overwritten")));

    EXPECT_EQ(allTexts(table), before);
}

INSTANTIATE_TEST_SUITE_P(MessageTable, RefusedRowTest,
                         ::testing::Values(21, 34, 69, 122, MessageTable::HelpRow, -1, 124,
                                           msg::ReplayPlayHint, MessageTable::Rows));

class LanguageCopyTest : public ::testing::TestWithParam<int> {};

// What the language switch does: copy a language into the working column of every run-time
// row, the late ones included.
TEST_P(LanguageCopyTest, CopyingALanguage_MakesMessagesReadInThatLanguage)
{
    MessageTable table;
    const int column = GetParam();
    std::vector<int> runtimeRows;
    for (int row = 0; row < MessageTable::Rows; ++row) {
        if (MessageTable::isRuntimeRow(row)) {
            runtimeRows.push_back(row);
            ASSERT_TRUE(table.setWorking(row, table.text(row, column)));
        }
    }
    EXPECT_EQ(runtimeRows.size(),
              MessageTable::LastRuntimeRow + 1 + MessageTable::AddedRuntimeRows.size());
    for (int row : runtimeRows) {
        EXPECT_EQ(table.message(row), table.text(row, column)) << "row " << row;
    }
    // Captions keep their Polish working text.
    EXPECT_EQ(table.message(116), QStringLiteral("Połącz"));
}

INSTANTIATE_TEST_SUITE_P(MessageTable, LanguageCopyTest, ::testing::ValuesIn(kLanguageColumns));

TEST_F(MessageTableTest, EnglishAndCzechFaultLines_DifferInTheDash)
{
    ASSERT_TRUE(table.setWorking(8, table.text(8, MessageTable::English)));
    EXPECT_EQ(QStringLiteral("1") + table.message(8), QStringLiteral("1 - Voltage error"));
    ASSERT_TRUE(table.setWorking(8, table.text(8, MessageTable::Czech)));
    EXPECT_EQ(table.message(8), QStringLiteral("Chyba napájení"));
}

// ---- Rows added after the classic table --------------------------------------------------

TEST_F(MessageTableTest, AddedRows_KeepTheClassicRowsInPlaceAndSpeakEveryLanguage)
{
    // The classic table ends with the help text, right before the first added row.
    EXPECT_TRUE(table.text(MessageTable::HelpRow, MessageTable::English).startsWith("MENU CD:"));
    EXPECT_EQ(table.text(msg::ReviewTitle, MessageTable::English),
              QStringLiteral("Settings from the file"));
    EXPECT_EQ(table.text(msg::Firmware, MessageTable::Czech), QStringLiteral("Verze firmwaru"));
    for (int row = msg::FirstAdded; row < MessageTable::Rows; ++row) {
        std::set<QString> texts;
        for (int column : kLanguageColumns)
            texts.insert(table.text(row, column));
        // Words that every language writes alike are few; no row is left untranslated.
        EXPECT_GE(texts.size(), 3u) << "row " << row;
        // A template keeps its placeholders in every language.
        for (const char* mark : {"%1", "%2"}) {
            const bool inEnglish = table.text(row, MessageTable::English).contains(mark);
            for (int column : kLanguageColumns)
                EXPECT_EQ(table.text(row, column).contains(mark), inEnglish) << row << ' ' << mark;
        }
    }
}

TEST(LanguageColumns, MenuItemsAndCodesNameTheirColumns)
{
    EXPECT_EQ(languageColumnOfItem(QStringLiteral("NiemieckiDE")), MessageTable::German);
    EXPECT_EQ(languageColumnOfItem(QStringLiteral("AngielskiGB")), MessageTable::English);
    EXPECT_EQ(languageColumnOfItem(QStringLiteral("PolskiPL")), MessageTable::Polish);
    EXPECT_EQ(languageColumnOfItem(QStringLiteral("Ceski")), MessageTable::Czech);
    EXPECT_EQ(languageColumnOfItem(QStringLiteral("Russian")), MessageTable::Working);
    EXPECT_EQ(languageColumnOfItem(QStringLiteral("Klingon")), MessageTable::Working);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("DE")), MessageTable::German);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("en")), MessageTable::English);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("pl")), MessageTable::Polish);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("cz")), MessageTable::Czech);
    EXPECT_EQ(languageColumnOfCode(QStringLiteral("cs")), MessageTable::Czech);
    EXPECT_FALSE(languageColumnOfCode(QStringLiteral("ru")));
    EXPECT_FALSE(languageColumnOfCode(QString()));
}

TEST_F(MessageTableTest, RowKinds_SplitTheClassicTableIntoRuntimeAndCaptionRows)
{
    for (int row = -1; row < msg::FirstAdded; ++row) {
        EXPECT_NE(MessageTable::isRuntimeRow(row), MessageTable::isCaptionRow(row) || row < 0)
            << "row " << row;
        EXPECT_EQ(MessageTable::isCaptionRow(row), row >= 21 && row <= MessageTable::HelpRow)
            << "row " << row;
    }
    for (int row : MessageTable::AddedRuntimeRows)
        EXPECT_TRUE(MessageTable::isRuntimeRow(row) && !MessageTable::isCaptionRow(row)) << row;
    EXPECT_FALSE(MessageTable::isRuntimeRow(MessageTable::Rows));
}

TEST_F(MessageTableTest, PortFaultRows_NameThePortAndTheReasonInEveryLanguage)
{
    for (int row : {MessageTable::PortGoneRow, MessageTable::PortErrorRow}) {
        EXPECT_EQ(table.text(row, MessageTable::Working), table.text(row, MessageTable::Polish));
        for (int column : kLanguageColumns) {
            const QString text = table.text(row, column);
            EXPECT_EQ(text.count(QStringLiteral("%1")), 1) << row << "/" << column;
            EXPECT_EQ(text.count(QStringLiteral("%2")), 1) << row << "/" << column;
            const QString filled = text.arg(QStringLiteral("ttyUSB0"), QStringLiteral("EIO"));
            EXPECT_TRUE(filled.contains(QStringLiteral("ttyUSB0"))) << row << "/" << column;
            EXPECT_TRUE(filled.contains(QStringLiteral("EIO"))) << row << "/" << column;
        }
    }
    EXPECT_NE(table.text(MessageTable::PortGoneRow, MessageTable::English),
              table.text(MessageTable::PortErrorRow, MessageTable::English));
}
