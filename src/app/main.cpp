#include "app/TBrivel.h"
#include "link/QtSerialPort.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"

#include <QtWidgets/QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivel"));
    QApplication::setOrganizationName(QStringLiteral("KVOS"));

    brivel::QtClock clock;
    brivel::QtDialogs dialogs;
    brivel::QtSettingsStore settings;
    brivel::QtUrlOpener urls;
    brivel::QtSerialPort port;

    brivel::Platform platform;
    platform.clock = &clock;
    platform.dialogs = &dialogs;
    platform.settings = &settings;
    platform.urls = &urls;

    brivel::TBrivel window(platform, port);
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
