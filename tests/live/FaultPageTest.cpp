#include "QtPrinters.h"
#include "RecordingCommandSender.h"
#include "ReplyFrames.h"
#include "i18n/MessageTable.h"
#include "live/ui/FaultBanner.h"
#include "live/ui/FaultMemo.h"
#include "live/ui/FaultPage.h"
#include "live/LiveModel.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

using namespace brivel;

namespace {

class FaultPageTest : public ::testing::Test {
protected:
    MessageTable messages;
    LiveModel live{messages};
    SettingsModel settings{messages};
    test::RecordingCommandSender sender;
    QWidget window;
    FaultPage page{&window, live, settings, sender};
};

}  // namespace

TEST_F(FaultPageTest, ResetQueuesTheClearCommandAndEmptiesBothListsAtOnce)
{
    live.DecodeLiveFrame(test::liveFrame({{48, 0xFE}}));
    QByteArray image(602, '\xFF');
    image[561] = 0x08;
    settings.setParameterBlock(image);
    EXPECT_EQ(page.actualErrors()->toPlainText(), QStringLiteral("1 - Złe ustawienia"));
    EXPECT_EQ(page.registeredErrors()->text(), QStringLiteral("1 - Błąd zasilania\r\n8\r\n"));

    QTest::mouseClick(page.resetButton(), Qt::LeftButton);

    ASSERT_EQ(sender.queued.size(), 1);
    EXPECT_EQ(sender.queued[0].retries, CommandSender::RetriesForEditors);
    EXPECT_EQ(sender.queued[0].command, QByteArray("\x10\x00", 2));
    EXPECT_EQ(page.actualErrors()->text(), QString());
    EXPECT_EQ(page.registeredErrors()->text(), QString());
    EXPECT_TRUE(live.snapshot().faultText.isEmpty());
    EXPECT_TRUE(settings.storedFaultText().isEmpty());
    EXPECT_TRUE(page.actualErrors()->isReadOnly());

    // With the fault still present the current list is back after one frame.
    live.DecodeLiveFrame(test::liveFrame({{48, 0xFE}}));
    EXPECT_EQ(page.actualErrors()->toPlainText(), QStringLiteral("1 - Złe ustawienia"));
}

TEST(FaultBanner, ShowsWhileFaultsExistBlinksAndLeadsToTheFaultPage)
{
    MessageTable messages;
    LiveModel live{messages};
    QWidget window;
    FaultBanner banner(&window, live);
    QSignalSpy faultPageRequested(&banner, &FaultBanner::faultPageRequested);
    QLabel* label = banner.label();
    EXPECT_TRUE(label->isHidden());
    EXPECT_EQ(label->palette().color(QPalette::Window), FaultBanner::Red);

    live.DecodeLiveFrame(test::liveFrame({{34, 0xFB}}));
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->palette().color(QPalette::Window), FaultBanner::LightRed);
    live.DecodeLiveFrame(test::liveFrame({{34, 0xFB}}));
    EXPECT_EQ(label->palette().color(QPalette::Window), FaultBanner::Red);

    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(faultPageRequested.size(), 1);

    live.linkDisconnected();
    EXPECT_TRUE(label->isHidden());
}
