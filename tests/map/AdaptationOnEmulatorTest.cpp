#include "Bytes.h"
#include "QtPrinters.h"
#include "RecordingLink.h"
#include "TestPlatform.h"
#include "VirtualClock.h"
#include "i18n/MessageTable.h"
#include "link/CommandSender.h"
#include "link/ControllerLink.h"
#include "live/LiveModel.h"
#include "map/AdaptationProcedure.h"
#include "map/MapPageModel.h"
#include "map/MapShape.h"
#include "sim/EmulatorPort.h"
#include "sim/DemoPort.h"
#include "sim/SettingsImage.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

using namespace brivel;
using namespace brivel::map;
using brivel::test::bytes;

namespace {

quint8 at(const QByteArray& frame, int offset)
{
    return static_cast<quint8>(frame[offset]);
}

class AdaptationOnEmulatorTest : public ::testing::Test {
protected:
    AdaptationOnEmulatorTest()
    {
        port.setPortName(sim::DemoPortName);
        // The window's models, fed by the link: the live readings the
        // adaptation checks and records, the settings image it starts from, whose active
        // cylinders the buttons follow.
        QObject::connect(&link, &ControllerLink::settingsImageReceived, &settings,
                         &SettingsModel::settingsImageReceived);
        QObject::connect(&link, &ControllerLink::liveReplyReceived, &live,
                         &LiveModel::liveReplyReceived);
    }

    sim::ControllerEmulator& controller() { return port.emulator(); }

    QByteArray controllerMap() { return controllerImage().mid(66, 246); }
    QByteArray controllerImage() { return controller().settings().reply(0x66); }

    test::VirtualClock clock;
    sim::EmulatorPort port{clock};
    test::ScriptedDialogs dialogs;
    MessageTable messages;
    QStringList calls;
    ControllerLink link{port, clock, [](int) {}};
    test::RecordingLink events{link, calls, dialogs, messages};
    LiveModel live{messages};
    SettingsModel settings{messages};
    CylinderButtonsModel cylinders{settings};
    MapPageModel page{link};
    AdaptationProcedure procedure{
        {live, settings, cylinders, page.map(), messages}, link, dialogs, clock};
};

}  // namespace

TEST_F(AdaptationOnEmulatorTest, AWholeRunWritesAMapThatFitsTheEngineAndReadsItBack)
{
    // A fresh installation: the map still flat at 1.00, far too lean for
    // this engine, and a warm idling engine.
    controller().settings().write(sim::SettingsImage::Map, QByteArray(246, char(100)));
    clock.advance(300000);
    link.connectToController();
    clock.advance(2500);
    ASSERT_EQ(events.settingsImages.size(), 1);
    page.loadParameterBlock(events.settingsImages.last());
    EXPECT_EQ(page.map().value(30), 100);
    link.queueCommand(0, bytes({0x03, 0x03, 0x0F}));
    clock.advance(20000);
    EXPECT_GT(controller().engine().fuelCorrection(), 1.2) << "the engine computer makes up";

    const int before = controller().receivedFrames().size();
    procedure.start();
    ASSERT_TRUE(procedure.running());
    clock.advance(275000);
    EXPECT_FALSE(procedure.running());
    EXPECT_EQ(procedure.info(), QStringLiteral("Adaptacja zakończona pomyślnie"));
    EXPECT_TRUE(dialogs.shown().empty()) << "both checks pass on an idling engine";

    // Every command of the run, in order, each once.
    QList<int> codes;
    for (int i = before; i < controller().receivedFrames().size(); ++i) {
        const int code = at(controller().receivedFrames()[i], 1);
        if (code != 0x55)
            codes << code;
    }
    EXPECT_EQ(codes, (QList<int>{0x25, 0x03, 0x03, 0x03, 0x19, 0x03, 0x03, 0x03, 0x03, 0x03, 0x19,
                                 0x03, 0x03, 0x03, 0x19, 0x03, 0x20, 0x02, 0x0B, 0x06, 0x66}));
    EXPECT_EQ(controller().adaptation().state(), sim::AdaptationSession::State::Ended);
    EXPECT_EQ(controller().adaptation().reports(), 3);

    // The result: m and p as an idling engine gives them, m raised by 2 for
    // the flat map, and the map laid along the shape through m at p.
    ASSERT_TRUE(procedure.lastResult().has_value());
    const AdaptationResult& result = *procedure.lastResult();
    EXPECT_TRUE(result.raisedForFlatMap());
    EXPECT_GE(result.multiplier(), 130);
    EXPECT_LE(result.multiplier(), 140);
    EXPECT_GE(result.base(), 25);
    EXPECT_LE(result.base(), 35);
    EXPECT_EQ(controller().adaptation().result(), result.resultCommand().mid(1));
    EXPECT_EQ(at(controller().adaptation().mapBase(), 11), result.base());
    EXPECT_EQ(controllerMap(), result.mapCommand().mid(1));

    // Read back and shown.
    ASSERT_EQ(events.settingsImages.size(), 2);
    EXPECT_EQ(events.settingsImages.last().mid(66, 246), controllerMap());
    page.loadParameterBlock(events.settingsImages.last());
    EXPECT_EQ(page.map().value(result.base()), result.multiplier());
    EXPECT_DOUBLE_EQ(page.chart().series(MapSeries::Map)[result.base() - 1].y,
                     result.multiplier() / 100.0);

    // On gas the engine computer no longer has to make up.
    clock.advance(20000);
    EXPECT_NEAR(controller().engine().fuelCorrection(), 1.0, 0.04);
}

TEST_F(AdaptationOnEmulatorTest, AStepOfTheMapCorrectionReachesTheControllerAndComesBack)
{
    link.connectToController();
    clock.advance(2500);
    page.loadParameterBlock(events.settingsImages.last());
    const QByteArray before = controllerMap();
    page.press(Qt::LeftButton, Qt::NoModifier, 37);
    page.release();
    page.press(Qt::LeftButton, Qt::NoModifier, 57);
    page.release();
    page.stepRange(+1);
    // Held down: the repeats while the write is under way are dropped.
    for (int i = 0; i < 5; ++i) {
        clock.advance(100);
        page.stepRange(+1);
    }
    clock.advance(3000);
    const QByteArray after = controllerMap();
    EXPECT_EQ(after, page.map().bytes());
    EXPECT_EQ(at(after, 25 - 1), at(before, 25 - 1) + 1) << "one step reached the controller";
    EXPECT_EQ(after.left(20), before.left(20));
    EXPECT_EQ(after.mid(30), before.mid(30));
    int writes = 0;
    for (const QByteArray& frame : controller().receivedFrames())
        writes += at(frame, 1) == 0x0B;
    EXPECT_EQ(writes, 1);
}
