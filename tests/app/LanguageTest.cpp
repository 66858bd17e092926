// Choosing the interface language in the window: the captions, the run-time
// messages, the fault lists, the links, and the choice kept for the next start.

#include "Bytes.h"
#include "TestOutput.h"
#include "WindowFixture.h"
#include "app/LanguageSwitcher.h"
#include "app/ui/InfoPage.h"
#include "app/WindowPages.h"
#include "i18n/CaptionTable.h"
#include "i18n/MakerDetails.h"
#include "link/PortRouter.h"
#include "live/ui/FaultMemo.h"
#include "settings/ControlHelp.h"
#include "sim/ControllerEmulator.h"
#include "sim/CurrentFault.h"
#include "sim/DemoPort.h"
#include "sim/EmulatorPort.h"
#include "widgets/TSignalSettings.h"
#include "widgets/ui/TAbAnalogCControl.h"
#include "widgets/ui/TAbColBitBtn.h"

#include <QtGui/QAction>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>

#include <map>

using namespace brivel;
using brivel::test::bytes;

namespace {

struct Language {
    const char* item;
    int column;
    const char* code;  // for file names
};

const Language German{"NiemieckiDE", MessageTable::German, "de"};
const Language English{"AngielskiGB", MessageTable::English, "en"};
const Language Polish{"PolskiPL", MessageTable::Polish, "pl"};
const Language Czech{"Ceski", MessageTable::Czech, "cs"};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.item;
}

class LanguageTest : public test::WindowFixture {
protected:
    void SetUp() override { openWindow(); }

    // A window whose "Demo" port item reaches the emulated controller.
    void openWindow()
    {
        window.reset();
        auto demo = std::make_unique<sim::EmulatorPort>(clock);
        emulator = &demo->emulator();
        router = std::make_unique<PortRouter>(std::make_unique<test::TestSerialPort>(),
                                              std::move(demo), sim::DemoPortName);
        WindowOptions options;
        options.demoPortName = sim::DemoPortName;
        open(*router, options);
    }

    void connectDemo()
    {
        control<QAction>("Demo")->trigger();
        clock.advance(3000);
        ASSERT_TRUE(window->isEnabled());
    }

    void choose(const Language& language) { control<QAction>(language.item)->trigger(); }

    QString actualFaults() const { return control<FaultMemo>("Actual_errors_Memo")->text(); }
    QString storedFaults() const { return control<FaultMemo>("Register_errors_memo")->text(); }

    // Commands other than the poll that reached the controller.
    int commandsReceived() const
    {
        int commands = 0;
        for (const QByteArray& frame : emulator->receivedFrames())
            if (frame.size() > 1 && static_cast<quint8>(frame[1]) != 0x55)
                ++commands;
        return commands;
    }

    // A few controls that show design texts of their own until a language
    // is chosen, with what they show.
    std::map<std::string, QString> designTexts() const
    {
        return {{"aaa", control<QGroupBox>("aaa")->title()},
                {"PortCOM", control<QMenu>("PortCOM")->title()},
                {"Polacz_switch", control<TAbColBitBtn>("Polacz_switch")->textOff()},
                {"Benzyna_1", control<QLabel>("Benzyna_1")->text()},
                {"PaintBox1", control<QWidget>("PaintBox1")->toolTip()},
                {"row 0", window->messageTable().text(msg::Row::VoltageFault)}};
    }

    std::unique_ptr<PortRouter> router;
    sim::ControllerEmulator* emulator = nullptr;
};

class EachLanguageTest : public LanguageTest, public ::testing::WithParamInterface<Language> {};

}  // namespace

struct FaultLines {
    Language language;
    const char* firstLine;
};

void PrintTo(const FaultLines& lines, std::ostream* out)
{
    *out << lines.language.item;
}

class FaultLinesTest : public LanguageTest, public ::testing::WithParamInterface<FaultLines> {
protected:
    // From the initial texts the table starts with.
    void SetUp() override
    {
        store.writeString(QStringLiteral("Lang/CurLang"), QStringLiteral("Russian"));
        openWindow();
    }
};

// The current list is rebuilt from the next frame; the stored one keeps its
// language until the settings are read again.
TEST_P(FaultLinesTest, TheFaultListsTakeTheLanguageAtTheirNextRebuild)
{
    emulator->live().setCurrentFault(sim::CurrentFault::Voltage);
    emulator->settings().setFaultMemory(bytes({0x02}));
    connectDemo();
    const QString storedBefore = storedFaults();
    ASSERT_TRUE(actualFaults().startsWith(QStringLiteral("1 - Błąd napięcia\r\n")))
        << actualFaults().toStdString();

    choose(GetParam().language);
    EXPECT_EQ(storedFaults(), storedBefore);
    clock.advance(500);
    const QString line = QString::fromUtf8(GetParam().firstLine) + QStringLiteral("\r\n");
    EXPECT_TRUE(actualFaults().startsWith(line)) << actualFaults().toStdString();

    control<QAction>("rozlacz1")->trigger();
    connectDemo();
    EXPECT_TRUE(storedFaults().startsWith(line)) << storedFaults().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Language, FaultLinesTest,
                         ::testing::Values(FaultLines{English, "1 - Voltage error"},
                                           FaultLines{German, "1 - Spannungsfehler"},
                                           FaultLines{Polish, "1 - Błąd zasilania"},
                                           // Czech lines have no dash.
                                           FaultLines{Czech, "1Chyba napájení"}),
                         [](const auto& test) { return std::string(test.param.language.code); });

// Rows whose text is empty in some languages empty their control.
TEST_P(EachLanguageTest, TheEngineGroupAndTheMapHintAreEmptyUnlessTheLanguageHasThem)
{
    choose(GetParam());
    const bool czech = GetParam().column == MessageTable::Czech;
    EXPECT_EQ(control<QGroupBox>("GroupBox25")->title(),
              czech ? QStringLiteral("Počet válců") : QString());
    EXPECT_EQ(control<QWidget>("PaintBox1")->toolTip(), czech ? QStringLiteral("Cz") : QString());
}

TEST_P(EachLanguageTest, SelectorsKeepTheirItemAndNothingIsSent)
{
    connectDemo();
    std::map<std::string, int> selected;
    for (const CaptionTarget& target : captionTargets())
        if (target.property == CaptionProperty::ComboItem)
            selected[target.objectName] = control<QComboBox>(target.objectName)->currentIndex();
    ASSERT_GE(selected.at("Sel_cyl"), 0);
    ASSERT_GE(selected.at("Sel_Impuls"), 0);
    const int commands = commandsReceived();

    choose(GetParam());
    clock.advance(1000);
    for (const auto& [name, index] : selected)
        EXPECT_EQ(control<QComboBox>(name.c_str())->currentIndex(), index) << name;
    EXPECT_EQ(control<QComboBox>("Sel_cyl")->itemText(1),
              window->messageTable().text(msg::Row::Cylinders4, GetParam().column));
    EXPECT_EQ(commandsReceived(), commands);
}

// A run-time message reads the table when it is shown.
TEST_P(EachLanguageTest, ARunTimeMessageShownAfterTheSwitchIsInTheNewLanguage)
{
    connectDemo();
    choose(GetParam());
    dialogs.defaultAnswer = false;
    control<QAction>("Reset1")->trigger();
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.shown().back().text,
              window->messageTable().text(msg::Row::ResetQuestion, GetParam().column));
}

TEST_P(EachLanguageTest, TheInfoLinksOpenTheLanguagesPageAndTheMakersMail)
{
    choose(GetParam());
    auto* web = control<QLabel>("KVOS_Linl_label");
    const QString page = QString::fromUtf8(MakerDetails::webAddress(GetParam().column));
    EXPECT_EQ(web->text(), page);
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(control<QLabel>("Label23"), Qt::LeftButton);
    EXPECT_EQ(urls.opened, QStringList({page, QString::fromUtf8(MakerDetails::MailLink)}));
}

// The flag buttons stand for the menu items.
TEST_P(EachLanguageTest, AFlagChoosesItsLanguageLikeTheMenu)
{
    QTest::mouseClick(control<QWidget>((std::string("G") + GetParam().item).c_str()),
                      Qt::LeftButton);
    EXPECT_EQ(window->languages().current(), QLatin1String(GetParam().item));
    EXPECT_EQ(window->messageTable().text(msg::Row::VoltageFault),
              window->messageTable().text(msg::Row::VoltageFault, GetParam().column));
    for (QAction* item : control<QMenu>("Jazyk")->actions())
        EXPECT_EQ(item->isChecked(), item->objectName() == QLatin1String(GetParam().item));
    EXPECT_EQ(store.readString(QStringLiteral("Lang/CurLang")), QLatin1String(GetParam().item));
}

TEST_P(EachLanguageTest, TheChoiceIsRestoredAtTheNextStart)
{
    choose(GetParam());
    const std::map<std::string, QString> chosen = designTexts();
    openWindow();
    EXPECT_EQ(window->languages().current(), QLatin1String(GetParam().item));
    EXPECT_TRUE(control<QAction>(GetParam().item)->isChecked());
    EXPECT_EQ(designTexts(), chosen);
    EXPECT_EQ(control<QLabel>("KVOS_Linl_label")->text(),
              QString::fromUtf8(MakerDetails::webAddress(GetParam().column)));
}

// Every control that sends a setting carries its help in the language
// chosen; a slider's help gives the range the slider itself offers.
TEST_P(EachLanguageTest, EveryControlThatSendsASettingExplainsItself)
{
    choose(Czech);  // the switch replaces the tips of the language before
    choose(GetParam());
    const settings::MessageLookup text = [this](msg::Row row) {
        return window->messageTable().text(row, GetParam().column);
    };
    for (const settings::help::SendingControl& sending : settings::help::sendingControls()) {
        auto* widget = control<QWidget>(sending.objectName);
        ASSERT_NE(widget, nullptr) << sending.objectName;
        const QString tip = settings::help::toolTip(sending, text, QLocale());
        EXPECT_EQ(widget->toolTip(), tip) << sending.objectName;
        EXPECT_TRUE(widget->toolTip().contains(window->messageTable().text(
            settings::help::meaningRow(sending.field), GetParam().column)))
            << sending.objectName;
        if (auto* slider = qobject_cast<TAbAnalogCControl*>(widget)) {
            ASSERT_TRUE(sending.range.has_value()) << sending.objectName;
            EXPECT_NEAR(slider->signalSettings()->valueFrom(), sending.range->from, 1e-4)
                << sending.objectName;
            EXPECT_NEAR(slider->signalSettings()->valueTo(), sending.range->to, 1e-4)
                << sending.objectName;
        }
    }
}

struct StandardButtons {
    Language language;
    const char* yes;
    const char* no;
    const char* cancel;
};

void PrintTo(const StandardButtons& buttons, std::ostream* out)
{
    *out << buttons.language.item;
}

class StandardButtonsTest : public LanguageTest,
                            public ::testing::WithParamInterface<StandardButtons> {};

// Qt's own boxes speak the language chosen, from Qt's translations.
TEST_P(StandardButtonsTest, MessageBoxesAndButtonBoxesFollowTheLanguage)
{
    choose(Czech);  // another language first: the switch replaces it
    choose(GetParam().language);
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(GetParam().yes));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QString::fromUtf8(GetParam().no));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(GetParam().cancel));
    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No |
                             QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text(), QString::fromUtf8(GetParam().yes));
    EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text(), QString::fromUtf8(GetParam().no));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(),
              QString::fromUtf8(GetParam().cancel));

    // The window's translations go with it.
    window.reset();
    QDialogButtonBox after(QDialogButtonBox::Cancel);
    EXPECT_EQ(after.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

INSTANTIATE_TEST_SUITE_P(Language, StandardButtonsTest,
                         ::testing::Values(StandardButtons{German, "&Ja", "&Nein", "Abbrechen"},
                                           StandardButtons{English, "&Yes", "&No", "Cancel"},
                                           StandardButtons{Polish, "&Tak", "&Nie", "Anuluj"},
                                           StandardButtons{Czech, "&Ano", "&Ne", "Zrušit"}),
                         [](const auto& test) { return std::string(test.param.language.code); });

INSTANTIATE_TEST_SUITE_P(Language, EachLanguageTest,
                         ::testing::Values(German, English, Polish, Czech),
                         [](const auto& test) { return std::string(test.param.code); });

TEST_F(LanguageTest, RussianCanBeChosenNeitherByItsItemNorByItsFlag)
{
    choose(English);
    const std::map<std::string, QString> english = designTexts();
    const int writes = store.flushes;
    QAction* russian = control<QAction>("Russian");

    QTest::mouseClick(control<QWidget>("GRussian"), Qt::LeftButton);
    russian->trigger();
    window->languages().LangClick(control<QWidget>("GRussian"));
    window->languages().Check_jazyk(russian);

    EXPECT_EQ(window->languages().current(), QStringLiteral("AngielskiGB"));
    EXPECT_TRUE(control<QAction>("AngielskiGB")->isChecked());
    EXPECT_FALSE(russian->isChecked());
    EXPECT_EQ(designTexts(), english);
    EXPECT_EQ(store.flushes, writes);
}

TEST_F(LanguageTest, AStoreThatCannotBeWrittenIsNotReportedAndTheLanguageApplies)
{
    store.failWrites = true;
    choose(Czech);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(window->languages().current(), QStringLiteral("Ceski"));
    EXPECT_EQ(control<QGroupBox>("GroupBox25")->title(), QStringLiteral("Počet válců"));
}

class StoredNameTest : public LanguageTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {}
};

// Only the four names of the items that can be chosen apply a language.
TEST_P(StoredNameTest, AStoredNameOfNoSelectableItemLeavesTheDesignTexts)
{
    store.writeString(QStringLiteral("Lang/CurLang"), QString::fromUtf8(GetParam()));
    openWindow();
    const std::map<std::string, QString> design = {
        {"aaa", QStringLiteral("Aktywne gazowe")},
        {"PortCOM", QStringLiteral("Porty")},
        {"Polacz_switch", QStringLiteral("Połącz")},
        {"Benzyna_1", QStringLiteral("Benzyna 1")},
        {"PaintBox1", window->messageTable().text(msg::Row::MapHint, MessageTable::Initial)},
        {"row 0", QStringLiteral(" - Błąd napięcia")}};
    EXPECT_EQ(designTexts(), design);
    EXPECT_EQ(window->languages().current(), QString::fromUtf8(GetParam()));
    for (QAction* item : control<QMenu>("Jazyk")->actions())
        EXPECT_EQ(item->isChecked(), item->objectName() == QStringLiteral("PolskiPL"));
}

INSTANTIATE_TEST_SUITE_P(Language, StoredNameTest,
                         ::testing::Values("Russian", "Klingon", "polskipl", " PolskiPL",
                                           "GPolskiPL"));

// Every page in every language, with the emulator's values, for a person to
// look at.
TEST_F(LanguageTest, ScreenshotsOfEveryPageInEveryLanguage)
{
    emulator->live().setCurrentFault(sim::CurrentFault::GasPressureLow);
    emulator->live().setCurrentFault(sim::CurrentFault::Settings);
    emulator->settings().setFaultMemory(bytes({0x03, 0x00, 0x07, 0x2A, 0x05}));
    window->show();
    connectDemo();
    const QString out = test::testOutputDir(QStringLiteral("screens/lang"));
    auto* tabs = control<QTabWidget>("tab_control");
    for (const Language& language : {German, English, Polish, Czech}) {
        choose(language);
        // The fault lists in the new language too.
        control<QAction>("rozlacz1")->trigger();
        connectDemo();
        clock.advance(5000);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            clock.advance(500);
            const QString name =
                QStringLiteral("%1/%2-%3.png")
                    .arg(out, QLatin1String(language.code), tabs->widget(i)->objectName());
            EXPECT_TRUE(window->grab().save(name)) << name.toStdString();
        }
    }
}
