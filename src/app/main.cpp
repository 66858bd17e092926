#include "app/TBrivel.h"
#include "link/PortRouter.h"
#include "link/QtSerialPort.h"
#include "platform/PortGrabbers.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtUrlOpener.h"
#include "sim/DemoPort.h"

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
    // The real ports, and the emulated controller under "Demo" for trying the
    // program without a car.
    auto serial = std::make_unique<brivel::QtSerialPort>();
    brivel::QtSerialPort* serialPort = serial.get();
    auto port = brivel::sim::makePortWithDemo(std::move(serial), clock);

    brivel::Platform platform;
    platform.clock = &clock;
    platform.dialogs = &dialogs;
    platform.settings = &settings;
    platform.urls = &urls;

    brivel::WindowOptions options;
    options.demoPortName = brivel::sim::DemoPortName;
    brivel::TBrivel window(platform, *port, options);
    dialogs.setParent(&window);
    // A port held by another program: say which, in the language chosen last.
    serialPort->setOpenFailureAdvice([&window](brivel::PortOpenFailure failure) {
        return brivel::portGrabberAdvice(failure, brivel::runningProcessNames(),
                                         [&window](int row) { return window.languageText(row); });
    });
    window.show();
    return app.exec();
}
