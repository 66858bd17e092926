#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "app/TBrivel.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtWidgets/QTabWidget>

using namespace brivel;

// Renders the window with each page in front, for a person to look at.
TEST(Screenshots, EveryPageRendersToAPicture)
{
    test::VirtualClock clock;
    test::ScriptedDialogs dialogs;
    test::MemorySettingsStore store;
    test::RecordingUrlOpener urls;
    test::TestSerialPort port;
    Platform platform{&clock, &dialogs, &store, &urls};
    WindowOptions options;
    options.screenWidth = 1280;
    TBrivel window(platform, port, options);
    window.show();

    const QString out = qEnvironmentVariable("BRIVEL_TEST_OUTPUT", QDir::currentPath()) +
                        QStringLiteral("/screens");
    ASSERT_TRUE(QDir().mkpath(out));
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tab_control"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const QPixmap shot = window.grab();
        EXPECT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(out + QStringLiteral("/%1.png").arg(tabs->widget(i)->objectName())));
    }
}
