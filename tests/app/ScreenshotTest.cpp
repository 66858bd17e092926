#include "TestOutput.h"
#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "app/TBrivel.h"
#include "widgets/ui/TAbCustomControl.h"
#include "widgets/ui/TAbGraphicControl.h"

#include <gtest/gtest.h>

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

    const QString out = test::testOutputDir(QStringLiteral("screens"));
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tab_control"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const QPixmap shot = window.grab();
        EXPECT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(out + QStringLiteral("/%1.png").arg(tabs->widget(i)->objectName())));
    }

    // And every instrument of the window on its own.
    const QString widgets = test::testOutputDir(QStringLiteral("screens/widgets"));
    int saved = 0;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool instrument =
                qobject_cast<TAbGraphicControl*>(widget) || qobject_cast<TAbCustomControl*>(widget);
            if (!instrument || !widget->isVisible() || widget->objectName().isEmpty())
                continue;
            EXPECT_TRUE(widget->grab().save(widgets + QLatin1Char('/') + widget->objectName() +
                                            QStringLiteral(".png")));
            ++saved;
        }
    }
    EXPECT_GT(saved, 0);
}
