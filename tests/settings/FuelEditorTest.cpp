#include "Bytes.h"
#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "i18n/MessageTable.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/FuelEditor.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

using namespace brivel;
using brivel::test::bytes;
using Sender = FuelEditor::Sender;

namespace {

class FuelEditorTest : public ::testing::Test {
protected:
    FuelEditorTest()
    {
        // Cylinders 1, 2 and 4 checked.
        for (int k : {0, 1, 3})
            cylinders.toggle(k);
    }

    FuelEditor makeEditor()
    {
        FuelEditor editor(
            sender, cylinders, [this] { return portOpen; }, [this] { return onGas; });
        return editor;
    }

    test::RecordingCommandSender sender;
    MessageTable messages;
    SettingsModel settings{messages};
    CylinderButtonsModel cylinders{settings};
    bool portOpen = true;
    bool onGas = false;
};

struct SwitchCase {
    const char* name;
    Sender from;
    bool onGas;
    QByteArray command;
    QByteArray followUp;
};

class FuelSwitchClick : public FuelEditorTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(FuelSwitchClick, AsksForTheFuelWithTheCheckedCylinders)
{
    const SwitchCase& c = GetParam();
    onGas = c.onGas;
    makeEditor().paliwo_SwitchClick(c.from);
    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued[0].retries, 5);
    EXPECT_EQ(sender.queued[0].command, c.command);
    EXPECT_EQ(sender.queued[0].firstFollowUp, c.followUp);
    EXPECT_TRUE(sender.queued[0].secondFollowUp.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Senders, FuelSwitchClick,
    ::testing::Values(
        // The switch shows what the controller runs on; a click asks for the other fuel.
        SwitchCase{
            "SwitchOnPetrolAsksForGas", Sender::Switch, false, bytes({0x03, 0x03, 0x0B}), {}},
        SwitchCase{"SwitchOnGasAsksForPetrol", Sender::Switch, true, bytes({0x03, 0x02, 0x0B}), {}},
        SwitchCase{"CylinderButton", Sender::None, true, bytes({0x03, 0x03, 0x0B}), {}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(FuelEditorTest, ACylinderButtonOnGasSendsTheNewMaskAtOnce)
{
    onGas = true;
    makeEditor().Cyl_x_ledClick(2);
    EXPECT_EQ(cylinders.cylinderButtonMask(), 0x0F);
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x03, 0x03, 0x0F})});
}

TEST_F(FuelEditorTest, ACylinderButtonOnPetrolWaitsForTheNextSwitchClick)
{
    FuelEditor editor = makeEditor();
    editor.Cyl_x_ledClick(2);
    EXPECT_EQ(cylinders.cylinderButtonMask(), 0x0F);
    EXPECT_TRUE(sender.queued.isEmpty());
    editor.paliwo_SwitchClick(Sender::Switch);
    EXPECT_EQ(sender.commands(), QList<QByteArray>{bytes({0x03, 0x03, 0x0F})});
}

TEST_F(FuelEditorTest, CylinderButtonsDoNothingWhileThePortIsClosed)
{
    portOpen = false;
    onGas = true;
    makeEditor().Cyl_x_ledClick(2);
    EXPECT_EQ(cylinders.cylinderButtonMask(), 0x0B);
    EXPECT_TRUE(sender.queued.isEmpty());
}

}  // namespace
