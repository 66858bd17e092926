// The window at its design size and larger: the design size is the least
// and the first, the pages use the room, and the size and place are kept
// for the next start.

#include "TestOutput.h"
#include "WindowFixture.h"
#include "app/WindowPages.h"
#include "app/WindowPlacement.h"
#include "link/PortRouter.h"
#include "live/OscilloscopeModes.h"
#include "live/ui/OscilloscopePage.h"
#include "sim/DemoPort.h"
#include "sim/DriveProfile.h"
#include "sim/EmulatorPort.h"

#include <QtGui/QAction>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QLayout>
#include <QtWidgets/QTabWidget>

#include <map>

using namespace brivel;

namespace {

const QSize Design(773, 531);

// Controls whose place the room changes, and some it must not.
const char* const Watched[] = {
    "tab_control",
    "Panel5",
    "Error_Led",
    "GroupBox7",
    "aaa",
    "Oscyloskop",
    "RadioGroup1",
    "Skala_PB_time1A",
    "Skala_PB_time8A",
    "Skala_LPG_time1A",
    "Actual_errors_Memo",
    "Register_errors_memo",
    "Button2",
    "Chart1",
    "PaintBox1",
    "BitBtn1",
    "MapRedo",
    "Panel4",
    "P_pracy_changer",
    "P_min_changer",
    "Temp_LPG_changer",
    "RPM_Prog_przel_wynik",
    "Sel_Impuls",
    "Tile_Impuls",
};

class WindowSizeTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        window.reset();  // before the port it uses
        auto demo = std::make_unique<sim::EmulatorPort>(clock);
        demo->emulator().engine().setProfile(sim::DriveProfile::demo());
        router = std::make_unique<PortRouter>(std::make_unique<test::TestSerialPort>(),
                                              std::move(demo), sim::DemoPortName);
        WindowOptions options;
        options.demoPortName = sim::DemoPortName;
        open(*router, options);
        window->show();
    }

    void resizeTo(QSize size)
    {
        window->resize(size);
        window->layout()->activate();
    }

    QRect at(const char* name) const
    {
        auto* widget = control<QWidget>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget ? widget->geometry() : QRect();
    }

    std::map<std::string, QRect> geometries() const
    {
        std::map<std::string, QRect> places;
        for (const char* name : Watched)
            places[name] = at(name);
        return places;
    }

    QWidget* client() const { return window->centralWidget(); }

    std::unique_ptr<PortRouter> router;
};

}  // namespace

TEST_F(WindowSizeTest, TheDesignSizeIsTheFirstAndTheLeast)
{
    EXPECT_EQ(client()->size(), Design);
    EXPECT_EQ(client()->minimumSize(), Design);
    resizeTo(QSize(400, 300));
    EXPECT_EQ(client()->size(), Design);
}

TEST_F(WindowSizeTest, ThePagesTakeTheRoomWhileTheColumnAndTheBarKeepTheirSize)
{
    const std::map<std::string, QRect> design = geometries();
    resizeTo(QSize(1920, 1080));
    const QSize room = client()->size() - Design;
    ASSERT_GT(room.width(), 1000);
    ASSERT_GT(room.height(), 400);

    EXPECT_EQ(at("tab_control").size(), design.at("tab_control").size() + room);
    EXPECT_EQ(at("Error_Led").width(), design.at("Error_Led").width() + room.width());
    // The left column and the bottom bar keep their size; the bar stands at the foot.
    EXPECT_EQ(at("GroupBox7"), design.at("GroupBox7"));
    EXPECT_EQ(at("aaa"), design.at("aaa"));
    EXPECT_EQ(at("Panel5").size(), design.at("Panel5").size());
    EXPECT_EQ(at("Panel5").bottom(), client()->height() - 1);

    EXPECT_EQ(at("Oscyloskop").size(), design.at("Oscyloskop").size() + room);
    EXPECT_GT(at("RadioGroup1").top(), at("Oscyloskop").bottom());
    EXPECT_GT(at("Skala_PB_time8A").right(),
              design.at("Skala_PB_time8A").right() + room.width() * 3 / 4);
    EXPECT_GT(at("Skala_LPG_time1A").top(), at("Skala_PB_time1A").bottom());
    EXPECT_EQ(at("Actual_errors_Memo").height() + at("Register_errors_memo").height(),
              design.at("Actual_errors_Memo").height() +
                  design.at("Register_errors_memo").height() + room.height());
    EXPECT_GT(at("Button2").top(), at("Actual_errors_Memo").bottom());
    EXPECT_GT(at("Register_errors_memo").top(), at("Button2").bottom());
    EXPECT_GT(at("Chart1").width(), 2 * design.at("Chart1").width());
    EXPECT_GT(at("Panel4").top(), at("Chart1").bottom());
    EXPECT_GT(at("P_min_changer").height(),
              design.at("P_min_changer").height() + room.height() - 2);
    EXPECT_GT(at("Temp_LPG_changer").width(),
              design.at("Temp_LPG_changer").width() + room.width() - 2);
    EXPECT_GT(at("Sel_Impuls").width(), design.at("Sel_Impuls").width());

    // Every page's controls stay inside the page.
    auto* tabs = control<QTabWidget>("tab_control");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QWidget* page = tabs->widget(i);
        EXPECT_EQ(page->width(), tabs->widget(0)->width());
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isHidden()) {
                EXPECT_LE(child->geometry().right(), page->width())
                    << page->objectName().toStdString() << ' ' << child->objectName().toStdString();
                EXPECT_LE(child->geometry().bottom(), page->height())
                    << page->objectName().toStdString() << ' ' << child->objectName().toStdString();
            }
    }

    // Back at the design size every control stands where it was built.
    resizeTo(window->size() - room);
    EXPECT_EQ(client()->size(), Design);
    EXPECT_EQ(geometries(), design);
}

// (The offscreen screen is 800 × 600.)
TEST_F(WindowSizeTest, SizeAndPlaceAreKeptForTheNextStart)
{
    window->setGeometry(QRect(6, 12, 780, 570));
    window->close();
    const auto stored = WindowPlacement::load(store);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->geometry, QRect(6, 12, 780, 570));
    EXPECT_FALSE(stored->maximised);

    SetUp();
    EXPECT_EQ(window->geometry(), QRect(6, 12, 780, 570));

    // A store that cannot be written leaves the start as it was.
    store.failWrites = true;
    window->setGeometry(QRect(10, 10, 780, 560));
    window->close();
    store.failWrites = false;
    EXPECT_EQ(WindowPlacement::load(store)->geometry, QRect(6, 12, 780, 570));
}

TEST(WindowPlacement, FitsTheRoomAndTheLeastSize)
{
    struct Case {
        QRect stored;
        QRect fitted;
    };
    const QRect screen(0, 0, 1920, 1080);
    const QSize least(773, 551);
    const Case cases[] = {
        {QRect(100, 50, 1000, 700), QRect(100, 50, 1000, 700)},
        // Too small: the least size.
        {QRect(100, 50, 300, 200), QRect(100, 50, 773, 551)},
        // Larger than the screen: the screen.
        {QRect(0, 0, 2500, 1400), QRect(0, 0, 1920, 1080)},
        // On a screen since unplugged: moved back onto this one.
        {QRect(2500, 200, 800, 600), QRect(1120, 200, 800, 600)},
        {QRect(-900, -50, 800, 600), QRect(0, 0, 800, 600)},
    };
    for (const Case& c : cases) {
        const WindowPlacement fit = WindowPlacement{c.stored, true}.fitted(screen, least);
        EXPECT_EQ(fit.geometry, c.fitted) << c.stored.x() << ',' << c.stored.y();
        EXPECT_TRUE(fit.maximised);
    }

    test::MemorySettingsStore store;
    EXPECT_FALSE(WindowPlacement::load(store).has_value());
    WindowPlacement{QRect(5, 6, 800, 600), true}.store(store);
    const auto loaded = WindowPlacement::load(store);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->geometry, QRect(5, 6, 800, 600));
    EXPECT_TRUE(loaded->maximised);
    store.failReads = true;
    EXPECT_FALSE(WindowPlacement::load(store).has_value());
}

// "Mapa" and "Oscyloskop" maximised on a 1920×1080 screen, with the demo
// car driving, for a person to look at.
TEST_F(WindowSizeTest, ScreenshotsAt1920x1080)
{
    resizeTo(QSize(1920, 1080));
    control<QAction>("AngielskiGB")->trigger();
    control<QAction>("Demo")->trigger();
    clock.advance(3000);
    window->pages().oscilloscope().modeButton(live::OscilloscopeMode::RpmLambda1)->click();
    window->pages().show(Page::Oscyloskop);  // the trend draws while shown
    clock.advance(60'000);
    const QString out = test::testOutputDir(QStringLiteral("screens/1920x1080"));
    for (Page page : {Page::Mapa, Page::Oscyloskop, Page::Diagnostyka, Page::Error, Page::PanelGaz,
                      Page::Przelacznik, Page::PanelPetrol}) {
        window->pages().show(page);
        clock.advance(2000);
        const QPixmap shot = window->grab();
        EXPECT_EQ(shot.size(), QSize(1920, 1080));
        EXPECT_TRUE(shot.save(out + QLatin1Char('/') + window->pages().widget(page)->objectName() +
                              QStringLiteral(".png")));
    }
}
