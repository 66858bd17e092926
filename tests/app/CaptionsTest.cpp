#include "WindowFixture.h"
#include "app/WindowCaptions.h"
#include "i18n/CaptionTable.h"
#include "widgets/TAbColBitBtn.h"

#include <QtGui/QAction>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QMenu>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTabWidget>

using namespace brivel;

namespace {

class CaptionsTest : public test::WindowFixture {
protected:
    void SetUp() override { open(port); }

    QString tabCaption(const char* page) const
    {
        auto* tabs = control<QTabWidget>("tab_control");
        return tabs->tabText(tabs->indexOf(control<QWidget>(page)));
    }

    test::TestSerialPort port;
};

}  // namespace

TEST_F(CaptionsTest, TheWindowShowsTheWorkingTextOfEveryRowWhoseControlHasIt)
{
    EXPECT_EQ(applyCaptions(window.get(), window->messageTable(), MessageTable::Working,
                            CaptionScope::Design),
              0);
    EXPECT_EQ(tabCaption("TabSheet9"), QStringLiteral("Przełącznik"));
    EXPECT_EQ(control<QGroupBox>("Cisnienie_GroupBox")->title(), QStringLiteral("Ciśnienie"));
    EXPECT_EQ(control<QMenu>("Jazyk")->title(), QStringLiteral("Język"));
    EXPECT_EQ(control<QRadioButton>("TEMP_LPG_RED")->text(), QStringLiteral("Temp Gaz / Red [°C]"));
    // Design texts of their own stay until a language is chosen.
    EXPECT_EQ(control<QGroupBox>("aaa")->title(), QStringLiteral("Aktywne gazowe"));
    EXPECT_EQ(control<TAbColBitBtn>("Polacz_switch")->textOff(), QStringLiteral("Połącz"));
    EXPECT_EQ(control<QMenu>("PortCOM")->title(), QStringLiteral("Porty"));
}

TEST_F(CaptionsTest, ALanguageColumnReachesEveryControlThatExistsAndOnlyTheLaterPagesAreMissing)
{
    int pending = 0;
    for (const CaptionTarget& target : captionTargets()) {
        const bool exists = window->findChild<QObject*>(QLatin1String(target.objectName));
        if (target.state == CaptionState::Pending) {
            ++pending;
            // Once its page lands, the row is marked as reaching it.
            EXPECT_FALSE(exists) << target.objectName;
        } else {
            EXPECT_TRUE(exists) << target.objectName;
        }
    }
    EXPECT_EQ(applyCaptions(window.get(), window->messageTable(), MessageTable::English,
                            CaptionScope::Every),
              pending);
    EXPECT_EQ(tabCaption("TabSheet3"), QStringLiteral("Calibration"));
    EXPECT_EQ(control<QMenu>("Pliki1")->title(), QStringLiteral("File"));
    EXPECT_EQ(control<QAction>("rozlacz1")->text(), QStringLiteral("Disconnect"));
    EXPECT_EQ(control<QGroupBox>("aaa")->title(), QStringLiteral("Active Inj. LPG"));
    EXPECT_EQ(control<TAbColBitBtn>("Polacz_switch")->textOff(), QStringLiteral("Disconnect"));
    EXPECT_EQ(control<QRadioButton>("OSC_PETROL_LPG")->text(),
              QStringLiteral("Inj. Petrol / Gas  [ms]"));
}
