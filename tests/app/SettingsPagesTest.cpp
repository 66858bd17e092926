// The three settings pages as the window builds them, on a recording command
// sender: what a decoded image shows, that showing it sends nothing, and the
// exact commands of the fitter's changes made with keys and the mouse on the
// real controls.

#include "Bytes.h"
#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "VirtualClock.h"
#include "app/ui/WindowCaptions.h"
#include "i18n/MessageTable.h"
#include "live/ui/LevelGauge.h"
#include "live/LiveModel.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/LevelThresholdEditor.h"
#include "settings/ui/PanelGazPage.h"
#include "settings/ui/PanelPetrolPage.h"
#include "settings/ui/PrzelacznikPage.h"
#include "settings/SettingsModel.h"
#include "settings/ui/SettingsPages.h"
#include "sim/SettingsImage.h"
#include "widgets/TAbFlashTimer.h"
#include "widgets/TSignalSettings.h"
#include "widgets/ui/TAbHSlider.h"
#include "widgets/ui/TAbVSlider.h"
#include "widgets/ui/TAbValueInd.h"

#include <gtest/gtest.h>

#include <QtCore/QRandomGenerator>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTabWidget>

#include <functional>

using namespace brivel;
using brivel::test::bytes;
using Slider = PrzelacznikPage::SwitchOverSlider;

namespace {

// The controller's factory image with some bytes of a test's choice.
QByteArray image(const std::vector<std::pair<int, int>>& changes = {})
{
    sim::SettingsImage settings;
    for (const auto& [offset, value] : changes)
        settings.set(offset, static_cast<quint8>(value));
    return settings.reply(0x66);
}

class SettingsPagesTest : public ::testing::Test {
public:
    SettingsPagesTest()
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        window.resize(600, 520);
        tabs = new QTabWidget(&window);
        tabs->setGeometry(0, 0, 593, 495);
        for (QWidget*& sheet : sheets) {
            sheet = new QWidget;
            tabs->addTab(sheet, QString());
        }
        // The threshold editor reads and writes in the locale it is made in.
        thresholds = std::make_unique<LevelThresholdEditor>(sender, settings);
        pages = std::make_unique<SettingsPages>(
            sheets[0], sheets[1], sheets[2],
            SettingsPageServices{flashTimer, live, settings, *thresholds, sender,
                                 [this] { return portOpen; }});
        QObject::connect(&settings, &SettingsModel::mapAxisMaximumChanged, &window,
                         [this](int maximum) {
                             axis.append({maximum, int(sender.queued.size())});
                         });
        applyCaptions(&window, messages, CaptionScope::Design);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~SettingsPagesTest() override { QLocale::setDefault(QLocale::c()); }

    void showImage(const QByteArray& block)
    {
        settings.setParameterBlock(block);
        sender.queued.clear();
        axis.clear();
    }

    void onPage(int index) { tabs->setCurrentIndex(index); }

    PanelPetrolPage& petrol() { return pages->panelPetrol(); }
    PanelGazPage& gaz() { return pages->panelGaz(); }
    PrzelacznikPage& przelacznik() { return pages->przelacznik(); }

    // Keys held down one after another and released once: one change.
    static void pressKeys(QWidget* widget, Qt::Key key, int times)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyPress(widget, key);
        QTest::keyRelease(widget, key);
    }

    static void dragTo(TAbAnalogCControl* slider, int digit)
    {
        QTest::mousePress(slider, Qt::LeftButton, {}, slider->gripCentreFor(slider->digit()));
        QTest::mouseMove(slider, slider->gripCentreFor(digit));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->gripCentreFor(digit));
    }

    test::VirtualClock clock;
    TAbFlashTimer flashTimer{clock};
    MessageTable messages;
    LiveModel live{messages};
    SettingsModel settings{messages};
    CylinderButtonsModel cylinders{settings};
    test::RecordingCommandSender sender;
    std::unique_ptr<LevelThresholdEditor> thresholds;
    bool portOpen = true;
    // Each right-axis maximum set, with the number of commands queued before.
    QList<std::pair<int, int>> axis;
    QWidget window;
    QTabWidget* tabs = nullptr;
    std::array<QWidget*, 3> sheets{};
    std::unique_ptr<SettingsPages> pages;
};

// --- Showing an image -------------------------------------------------------

struct ImageCase {
    const char* name;
    QByteArray block;
};

class ShowingAnImage : public SettingsPagesTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(ShowingAnImage, SendsNothing)
{
    // Shown twice over a different image, so that every control changes.
    settings.setParameterBlock(image({{34, 0x8A}, {558, 1}, {22, 5}, {45, 9}}));
    settings.setParameterBlock(GetParam().block);
    settings.setParameterBlock(GetParam().block);
    EXPECT_TRUE(sender.queued.isEmpty()) << sender.queued.first().command.toHex().toStdString();
}

QByteArray randomImage(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    QByteArray block(size, '\0');
    for (char& b : block)
        b = static_cast<char>(random.bounded(256));
    return block;
}

INSTANTIATE_TEST_SUITE_P(
    Images, ShowingAnImage,
    ::testing::Values(ImageCase{"Factory", image()}, ImageCase{"AllZero", QByteArray(602, '\0')},
                      ImageCase{"AllFF", QByteArray(602, '\xFF')},
                      ImageCase{"FlagsCleared", image({{34, 0}, {558, 0}, {22, 4}, {45, 2}})},
                      ImageCase{"Short", image().left(40)}, ImageCase{"Empty", QByteArray()},
                      ImageCase{"Random1", randomImage(1, 602)},
                      ImageCase{"Random2", randomImage(2, 300)}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SettingsPagesTest, AnImageReachesEveryControl)
{
    showImage(image({{34, 0x8A},
                     {22, 5},
                     {21, 3},
                     {45, 3},
                     {36, 125},
                     {40, 40},
                     {35, 45},
                     {23, 15},
                     {42, 24},
                     {43, 255},
                     {41, 20},
                     {24, 120},
                     {558, 3},
                     {29, 2},
                     {30, 0}}));
    EXPECT_EQ(petrol().cylinderCount()->currentText(), QStringLiteral("8 cyl."));
    EXPECT_EQ(petrol().pulseSource()->currentText(), QStringLiteral("4 cyl."));
    EXPECT_EQ(petrol().rpmSignal()->currentText(), QStringLiteral("High 12V"));
    EXPECT_EQ(petrol().engineType()->currentText(), QStringLiteral("Turbo"));
    EXPECT_TRUE(petrol().positiveInjectors()->isChecked());
    EXPECT_TRUE(petrol().positiveInjectors()->text().isEmpty());
    EXPECT_EQ(axis, (QList<std::pair<int, int>>{}));  // cleared by showImage
    EXPECT_EQ(gaz().injectorType()->currentText(), QStringLiteral("Valtek/Dorn 3 Ohm"));
    EXPECT_FLOAT_EQ(gaz().workingPressure()->value(), 1.25f);
    EXPECT_FLOAT_EQ(gaz().minimumPressure()->value(), 0.40f);
    EXPECT_EQ(gaz().reducerTempSensor()->currentIndex(), -1);
    EXPECT_EQ(gaz().gasTempSensor()->currentText(), QStringLiteral("2,2"));
    EXPECT_TRUE(gaz().cng()->isChecked());
    EXPECT_FALSE(gaz().lpg()->isChecked());
    EXPECT_TRUE(gaz().fuelKind()->isHidden());
    EXPECT_FALSE(gaz().fuelKind()->isEnabled());
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::Temp_LPG_changer)->value(), 45);
    EXPECT_FLOAT_EQ(przelacznik().indicator(Slider::Temp_LPG_changer)->value(), 45);
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::RPM_Prog_przel)->value(), 1535);  // on a step
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::T_przel_to_LPG)->value(), 12);
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::T_CYL_seqence)->value(), 2550);
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::T_zwloki_changer)->value(), 200);
    EXPECT_FLOAT_EQ(przelacznik().slider(Slider::RPM_Max_To_Petrol)->value(), 12000);
    EXPECT_TRUE(przelacznik().petrolAtFirstMinimum()->isChecked());
    EXPECT_EQ(przelacznik().sensorKind()->currentText(), QStringLiteral("90-0 Ohm"));
    EXPECT_EQ(przelacznik().thresholdBox(0)->text(), QStringLiteral("0,71"));
    EXPECT_EQ(przelacznik().thresholdBox(3)->text(), QStringLiteral("2,80"));
    for (int k = 0; k < 8; ++k)
        EXPECT_TRUE(cylinders.button(k).enabled) << k;

    // Selectors without a matching item show an empty box.
    showImage(image({{22, 4}, {45, 2}, {21, 7}, {29, 1}}));
    EXPECT_EQ(petrol().cylinderCount()->currentIndex(), -1);
    EXPECT_EQ(gaz().injectorType()->currentIndex(), -1);
    EXPECT_EQ(petrol().pulseSource()->currentIndex(), -1);
    EXPECT_EQ(przelacznik().sensorKind()->currentIndex(), -1);
    EXPECT_FALSE(petrol().positiveInjectors()->isChecked());
}

TEST_F(SettingsPagesTest, EachImageReachesEachObserverOnce)
{
    showImage(image({{34, 0}, {35, 40}, {45, 8}, {20, 0x01}}));
    QSignalSpy display(&settings, &SettingsModel::displayChanged);
    QSignalSpy faults(&settings, &SettingsModel::storedFaultTextChanged);
    QSignalSpy buttons(&cylinders, &CylinderButtonsModel::buttonsChanged);
    QSignalSpy levels(thresholds.get(), &LevelThresholdEditor::stateChanged);
    QSignalSpy engine(petrol().engineType(), &QComboBox::currentIndexChanged);
    QSignalSpy injector(gaz().injectorType(), &QComboBox::currentIndexChanged);
    QSignalSpy temperature(przelacznik().slider(Slider::Temp_LPG_changer),
                           &TAbAnalogCControl::valueChanged);
    settings.setParameterBlock(image({{34, 0x08}, {35, 60}, {45, 9}, {20, 0x03}, {561, 0x02}}));
    for (const QSignalSpy* spy :
         {&display, &faults, &buttons, &levels, &engine, &injector, &temperature})
        EXPECT_EQ(spy->count(), 1) << spy->signal().toStdString();
    EXPECT_EQ(axis, (QList<std::pair<int, int>>{{252, 0}}));
    EXPECT_TRUE(sender.queued.isEmpty());
}

TEST_F(SettingsPagesTest, TheEngineTypeOfAnImageSetsTheMapAxis)
{
    settings.setParameterBlock(image({{34, 0x08}}));
    settings.setParameterBlock(image({{34, 0x00}}));
    EXPECT_EQ(axis, (QList<std::pair<int, int>>{{252, 0}, {126, 0}}));
}

TEST_F(SettingsPagesTest, TheStoredFaultsOfAnImageGoToTheModelsList)
{
    showImage(image({{20, 0x0F}, {561, 0x03}, {562, 0x00}, {563, 0x07}}));
    EXPECT_EQ(settings.storedFaultText(),
              QStringLiteral("1 - Cisnienie gazu za wysokie\r\n3\r\n"
                             "2 - Błąd wtryskiwacza :  1 2 3 4\r\n"
                             "3 - Błędna praca układu benzynowego\r\n7\r\n"));
}

// --- The fitter's changes ---------------------------------------------------

struct EditCase {
    const char* name;
    int page;
    std::vector<std::pair<int, int>> image;
    std::function<void(SettingsPagesTest&)> edit;
    QList<QList<QByteArray>> queued;  // command and follow-ups of each call
};

class AnEdit : public SettingsPagesTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(AnEdit, QueuesItsCommandsWithTheEditorsBudget)
{
    const EditCase& c = GetParam();
    showImage(image(c.image));
    onPage(c.page);
    c.edit(*this);
    QList<QList<QByteArray>> queued;
    for (const auto& q : sender.queued) {
        EXPECT_EQ(q.retries, 5);
        QList<QByteArray> call{q.command};
        for (const QByteArray& followUp : {q.firstFollowUp, q.secondFollowUp})
            if (!followUp.isEmpty())
                call.append(followUp);
        queued.append(call);
    }
    EXPECT_EQ(queued, c.queued);
}

using T = SettingsPagesTest;

void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

INSTANTIATE_TEST_SUITE_P(
    PanelPetrol, AnEdit,
    ::testing::Values(
        EditCase{"EightCylinders",
                 0,
                 {},
                 [](T& f) { QTest::keyClick(f.petrol().cylinderCount(), Qt::Key_End); },
                 {{bytes({0x1B, 0x05})}}},
        EditCase{"FourCylinders",
                 0,
                 {{22, 0}},
                 [](T& f) { QTest::keyClick(f.petrol().cylinderCount(), Qt::Key_Down); },
                 {{bytes({0x1B, 0x01})}}},
        EditCase{"PulseSource",
                 0,
                 {{21, 0}},
                 [](T& f) { QTest::keyClick(f.petrol().pulseSource(), Qt::Key_Down); },
                 {{bytes({0x0A, 0x01})}}},
        EditCase{"RpmSignalHigh",
                 0,
                 {{34, 0}},
                 [](T& f) { QTest::keyClick(f.petrol().rpmSignal(), Qt::Key_Down); },
                 {{bytes({0x17, 0x01})}}},
        EditCase{"Turbo",
                 0,
                 {{34, 0}},
                 [](T& f) { QTest::keyClick(f.petrol().engineType(), Qt::Key_Down); },
                 {{bytes({0x21, 0x01})}}},
        EditCase{"PositiveInjectorsOn",
                 0,
                 {{34, 0}},
                 [](T& f) { clickBox(f.petrol().positiveInjectors()); },
                 {{bytes({0x2D, 0x01})}}},
        EditCase{"PositiveInjectorsOff",
                 0,
                 {{34, 0x80}},
                 [](T& f) { clickBox(f.petrol().positiveInjectors()); },
                 {{bytes({0x2D, 0x00})}}}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    PanelGaz, AnEdit,
    ::testing::Values(
        EditCase{"InjectorValtek3Ohm",
                 1,
                 {{45, 9}},
                 [](T& f) { QTest::keyClick(f.gaz().injectorType(), Qt::Key_Down); },
                 {{bytes({0x0E, 0x03}), bytes({0x24, 0x09}), bytes({0x30, 0x2D})}}},
        EditCase{"WorkingPressureUpTo125",
                 1,
                 {{36, 100}},
                 [](T& f) { T::pressKeys(f.gaz().workingPressure(), Qt::Key_Up, 25); },
                 {{bytes({0x2B, 0x7D})}}},
        EditCase{"WorkingPressureBottom",
                 1,
                 {{36, 100}},
                 [](T& f) { QTest::keyClick(f.gaz().workingPressure(), Qt::Key_Home); },
                 {{bytes({0x2B, 0x28})}}},
        EditCase{"MinimumPressureTop",
                 1,
                 {{40, 100}},
                 [](T& f) { QTest::keyClick(f.gaz().minimumPressure(), Qt::Key_End); },
                 {{bytes({0x1E, 0xFA})}}},
        EditCase{"SensorSelectorsAreNotForChanging",
                 1,
                 {},
                 [](T& f) {
                     for (QComboBox* c : {f.gaz().pressureSensor(), f.gaz().reducerTempSensor(),
                                          f.gaz().gasTempSensor()}) {
                         QTest::mouseClick(c, Qt::LeftButton);
                         QTest::keyClick(c, Qt::Key_Down);
                     }
                 },
                 {}}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Przelacznik, AnEdit,
    ::testing::Values(
        EditCase{"GasTemperature45",
                 2,
                 {{35, 40}},
                 [](T& f) {
                     T::pressKeys(f.przelacznik().slider(Slider::Temp_LPG_changer), Qt::Key_Right,
                                  5);
                 },
                 {{bytes({0x0F, 0x2D})}}},
        EditCase{"SwitchRpmDraggedTo1535",
                 2,
                 {{23, 3}},
                 [](T& f) { T::dragTo(f.przelacznik().slider(Slider::RPM_Prog_przel), 13); },
                 {{bytes({0x09, 0x0F})}}},
        EditCase{"SwitchRpmBottom",
                 2,
                 {{23, 15}},
                 [](T& f) {
                     QTest::keyClick(f.przelacznik().slider(Slider::RPM_Prog_przel), Qt::Key_Home);
                 },
                 {{bytes({0x09, 0x03})}}},
        EditCase{"SwitchTime12",
                 2,
                 {{42, 20}},
                 [](T& f) {
                     T::pressKeys(f.przelacznik().slider(Slider::T_przel_to_LPG), Qt::Key_Right, 2);
                 },
                 {{bytes({0x22, 0x18})}}},
        EditCase{"SequenceTop",
                 2,
                 {},
                 [](T& f) {
                     QTest::keyClick(f.przelacznik().slider(Slider::T_CYL_seqence), Qt::Key_End);
                 },
                 {{bytes({0x23, 0xFF})}}},
        EditCase{"PressureErrorTimeLargeStep",
                 2,
                 {{41, 10}},
                 [](T& f) {
                     QTest::keyClick(f.przelacznik().slider(Slider::T_zwloki_changer),
                                     Qt::Key_PageUp);
                 },
                 {{bytes({0x1F, 0x0B})}}},
        EditCase{"MaxRpmTop",
                 2,
                 {},
                 [](T& f) {
                     QTest::keyClick(f.przelacznik().slider(Slider::RPM_Max_To_Petrol),
                                     Qt::Key_End);
                 },
                 {{bytes({0x11, 0x78})}}},
        // The kit reports a value the decoder set with the next release on
        // the slider, moved or not: the fitter's click confirms it.
        EditCase{"AClickConfirmsTheShownValue",
                 2,
                 {{35, 50}},
                 [](T& f) {
                     TAbHSlider* s = f.przelacznik().slider(Slider::Temp_LPG_changer);
                     QTest::mouseClick(s, Qt::LeftButton, {}, s->gripCentreFor(s->digit()));
                 },
                 {{bytes({0x0F, 0x32})}}},
        // A new image moves the slider; the fitter's step from there is what
        // goes out, the value the commit carries.
        EditCase{"TheFittersStepFromAValueAnImageSet",
                 2,
                 {{35, 40}},
                 [](T& f) {
                     f.settings.setParameterBlock(image({{35, 60}}));
                     T::pressKeys(f.przelacznik().slider(Slider::Temp_LPG_changer), Qt::Key_Left,
                                  2);
                 },
                 {{bytes({0x0F, 0x3A})}}},
        EditCase{"PetrolAtFirstMinimum",
                 2,
                 {{558, 0}},
                 [](T& f) { clickBox(f.przelacznik().petrolAtFirstMinimum()); },
                 {{bytes({0x2E, 0x01})}}},
        EditCase{"PetrolAtFirstMinimumByKey",
                 2,
                 {{558, 1}},
                 [](T& f) {
                     f.przelacznik().petrolAtFirstMinimum()->setFocus(Qt::TabFocusReason);
                     QTest::keyClick(f.przelacznik().petrolAtFirstMinimum(), Qt::Key_Space);
                 },
                 {{bytes({0x2E, 0x00})}}}),
    [](const auto& p) { return std::string(p.param.name); });

// --- Controls set by the program -------------------------------------------

struct ControlCase {
    const char* name;
    std::function<QWidget*(SettingsPagesTest&)> control;
};

class SetByTheProgram : public SettingsPagesTest,
                        public ::testing::WithParamInterface<ControlCase> {};

// Whatever the program sets, however it sets it, and whatever the fitter
// did with the page before: nothing goes to the controller.
TEST_P(SetByTheProgram, SendsNothing)
{
    showImage(image());
    QWidget* control = GetParam().control(*this);
    for (QWidget* sheet : sheets)
        if (sheet->isAncestorOf(control))
            onPage(tabs->indexOf(sheet));
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(!box->isChecked());
        box->toggle();
        box->setCheckState(Qt::PartiallyChecked);
    } else if (auto* selector = qobject_cast<QComboBox*>(control)) {
        for (int i = -1; i < selector->count(); ++i)
            selector->setCurrentIndex(i);
        selector->setCurrentText(selector->itemText(0));
    } else if (auto* slider = qobject_cast<TAbAnalogCControl*>(control)) {
        slider->setDigit(slider->digit() + 3);
        slider->setValue(slider->signalSettings()->valueTo());
        slider->setValue(slider->signalSettings()->valueFrom());
    } else {
        FAIL() << "no way to set " << control->objectName().toStdString();
    }
    EXPECT_TRUE(sender.queued.isEmpty()) << sender.queued.first().command.toHex().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Controls, SetByTheProgram,
    ::testing::Values(
        ControlCase{"Check_Injector_plus", [](T& f) { return f.petrol().positiveInjectors(); }},
        ControlCase{"Check_by_first", [](T& f) { return f.przelacznik().petrolAtFirstMinimum(); }},
        ControlCase{"Sel_cyl", [](T& f) { return f.petrol().cylinderCount(); }},
        ControlCase{"Sel_Impuls", [](T& f) { return f.petrol().pulseSource(); }},
        ControlCase{"Sel_RPM_signal", [](T& f) { return f.petrol().rpmSignal(); }},
        ControlCase{"Sel_Typ_silnika", [](T& f) { return f.petrol().engineType(); }},
        ControlCase{"Sel_Typ_wtrysku", [](T& f) { return f.gaz().injectorType(); }},
        ControlCase{"P1_MAP_changer", [](T& f) { return f.gaz().pressureSensor(); }},
        ControlCase{"T_RED_changer", [](T& f) { return f.gaz().reducerTempSensor(); }},
        ControlCase{"T_GAZ_changer", [](T& f) { return f.gaz().gasTempSensor(); }},
        ControlCase{"Rodz_czuj_LPG", [](T& f) { return f.przelacznik().sensorKind(); }},
        ControlCase{"P_pracy_changer", [](T& f) { return f.gaz().workingPressure(); }},
        ControlCase{"P_min_changer", [](T& f) { return f.gaz().minimumPressure(); }},
        ControlCase{"Temp_LPG_changer",
                    [](T& f) { return f.przelacznik().slider(Slider::Temp_LPG_changer); }},
        ControlCase{"RPM_Prog_przel",
                    [](T& f) { return f.przelacznik().slider(Slider::RPM_Prog_przel); }},
        ControlCase{"T_przel_to_LPG",
                    [](T& f) { return f.przelacznik().slider(Slider::T_przel_to_LPG); }},
        ControlCase{"T_CYL_seqence",
                    [](T& f) { return f.przelacznik().slider(Slider::T_CYL_seqence); }},
        ControlCase{"T_zwloki_changer",
                    [](T& f) { return f.przelacznik().slider(Slider::T_zwloki_changer); }},
        ControlCase{"RPM_Max_To_Petrol",
                    [](T& f) { return f.przelacznik().slider(Slider::RPM_Max_To_Petrol); }},
        ControlCase{"Ch_U_LPG_changer", [](T& f) { return f.przelacznik().thresholdSlider(); }}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SettingsPagesTest, TurboMovesTheMapAxisBeforeItsCommandIsQueued)
{
    showImage(image({{34, 0}}));
    QTest::keyClick(petrol().engineType(), Qt::Key_Down);
    EXPECT_EQ(axis, (QList<std::pair<int, int>>{{252, 0}}));
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x21, 0x01})});
    QTest::keyClick(petrol().engineType(), Qt::Key_Up);
    EXPECT_EQ(axis.last(), (std::pair<int, int>{126, 1}));
}

TEST_F(SettingsPagesTest, TheCylinderCountPatchesTheImageAndTheButtonsFollowAtOnce)
{
    showImage(image({{22, 0}, {20, 0x01}}));
    QTest::keyClick(petrol().cylinderCount(), Qt::Key_End);
    EXPECT_EQ(static_cast<quint8>(settings.parameterBlock()[22]), 5);
    EXPECT_EQ(static_cast<quint8>(settings.parameterBlock()[20]), 0xFF);
    EXPECT_EQ(cylinders.cylinderButtonMask(), 0xFF);
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(cylinders.button(k).enabled) << k;
        EXPECT_EQ(cylinders.button(k).offColour, CylinderButtonsModel::OffColour::Red) << k;
    }

    QTest::keyClick(petrol().cylinderCount(), Qt::Key_Home);
    QTest::keyClick(petrol().cylinderCount(), Qt::Key_Down);
    EXPECT_EQ(sender.commands().last(), bytes({0x1B, 0x01}));
    EXPECT_EQ(cylinders.cylinderButtonMask(), 0x0F);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(cylinders.button(k).enabled, k < 4) << k;
    EXPECT_EQ(petrol().cylinderCount()->currentText(), QStringLiteral("4 cyl."));
}

TEST_F(SettingsPagesTest, TheCylinderCountWithThePortClosedIsOnlyShown)
{
    const QByteArray block = image({{22, 0}, {20, 0x07}});
    showImage(block);
    portOpen = false;
    QTest::keyClick(petrol().cylinderCount(), Qt::Key_End);
    EXPECT_EQ(petrol().cylinderCount()->currentIndex(), 4);
    EXPECT_TRUE(sender.queued.isEmpty());
    EXPECT_EQ(settings.parameterBlock(), block);
    EXPECT_EQ(cylinders.cylinderButtonMask(), 0x07);
}

// --- The level thresholds ---------------------------------------------------

TEST_F(SettingsPagesTest, AThresholdIsEditedWithTheSliderBesideItsBox)
{
    showImage(image());
    onPage(2);
    PrzelacznikPage& page = przelacznik();
    QLineEdit* box2 = page.thresholdBox(1);
    TAbVSlider* slider = page.thresholdSlider();
    EXPECT_TRUE(slider->isHidden());

    QTest::mouseClick(box2, Qt::LeftButton);
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x31, 0x01})});
    EXPECT_TRUE(slider->isVisible());
    EXPECT_EQ(slider->pos(), QPoint(242, 26));
    EXPECT_TRUE(slider->hasFocus());
    EXPECT_NEAR(slider->value(), 1.49f, 1e-5);
    EXPECT_EQ(box2->palette().color(QPalette::Base), QColor(0, 128, 0));
    EXPECT_NE(page.thresholdBox(0)->palette().color(QPalette::Base), QColor(0, 128, 0));

    // Held up to 1.60: box 2 alone follows, in the general format.
    for (int i = 0; i < 11; ++i)
        QTest::keyPress(slider, Qt::Key_Up);
    EXPECT_EQ(box2->text(), QStringLiteral("1,6"));
    EXPECT_EQ(page.thresholdBox(2)->text(), QStringLiteral("2,20"));
    EXPECT_EQ(sender.queued.size(), 1);

    QTest::keyRelease(slider, Qt::Key_Up);
    ASSERT_EQ(sender.queued.size(), 2);
    EXPECT_EQ(sender.queued[1].command, bytes({0x0D, 0x24, 0x52, 0x70, 0x8F, 0x00}));
    EXPECT_EQ(sender.queued[1].firstFollowUp, bytes({0x31, 0x00}));
    EXPECT_TRUE(slider->isHidden());
    EXPECT_NE(box2->palette().color(QPalette::Base), QColor(0, 128, 0));
    EXPECT_TRUE(page.levelGauge().tankVoltage()->hasFocus());
}

TEST_F(SettingsPagesTest, ASensorKindChosenPresetsTheBoxesAndSendsThem)
{
    showImage(image({{29, 0}}));
    onPage(2);
    QComboBox* kind = przelacznik().sensorKind();
    kind->setFocus(Qt::TabFocusReason);
    QTest::keyClick(kind, Qt::Key_Down);
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << przelacznik().thresholdBox(i)->text();
    EXPECT_EQ(texts, QStringList({"2,80", "2,20", "1,50", "0,70"}));
    ASSERT_EQ(sender.queued.size(), 2);
    EXPECT_EQ(sender.queued[0].command, bytes({0x31, 0x01}));
    EXPECT_EQ(sender.queued[1].command, bytes({0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02}));
    EXPECT_EQ(sender.queued[1].firstFollowUp, bytes({0x31, 0x00}));
    EXPECT_TRUE(przelacznik().thresholdSlider()->isHidden());
}

TEST_F(SettingsPagesTest, FocusPassingThroughTheSensorSelectorOnlyStartsAnEdit)
{
    showImage(image());
    onPage(2);
    przelacznik().sensorKind()->setFocus(Qt::TabFocusReason);
    przelacznik().levelGauge().tankVoltage()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x31, 0x01})});
    EXPECT_TRUE(przelacznik().thresholdSlider()->isHidden());
}

TEST_F(SettingsPagesTest, LeavingTheSliderEndsTheEditAndKeepsTheMovedValueShown)
{
    showImage(image());
    onPage(2);
    QTest::mouseClick(przelacznik().thresholdBox(3), Qt::LeftButton);
    QTest::keyPress(przelacznik().thresholdSlider(), Qt::Key_Down);
    przelacznik().sensorKind()->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(przelacznik().thresholdSlider()->isHidden());
    EXPECT_EQ(przelacznik().thresholdBox(3)->text(), QStringLiteral("2,79"));
    // Two starts, the box's and the selector's; nothing else.
    EXPECT_EQ(sender.commands(), (QList<QByteArray>{bytes({0x31, 0x01}), bytes({0x31, 0x01})}));
}

}  // namespace
