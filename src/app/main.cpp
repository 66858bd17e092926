#include "app/TBrivel.h"
#include "link/PortRouter.h"
#include "link/qt/QtSerialPort.h"
#include "live/ReplayPort.h"
#include "platform/PortGrabbers.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtUrlOpener.h"
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
    // The real ports, the emulated controller under "Demo" for trying the
    // program without a car, and the recordings played back as a controller.
    auto serial = std::make_unique<brivel::QtSerialPort>();
    brivel::QtSerialPort* serialPort = serial.get();
    auto replay = std::make_unique<brivel::ReplayPort>(clock);
    brivel::ReplayPort* replayPort = replay.get();
    brivel::PortRouter port(brivel::sim::makePortWithDemo(std::move(serial), clock),
                            std::move(replay), brivel::ReplayPort::PortName);

    brivel::Platform platform;
    platform.clock = &clock;
    platform.dialogs = &dialogs;
    platform.settings = &settings;
    platform.urls = &urls;

    brivel::WindowOptions options;
    options.demoPortName = brivel::sim::DemoPortName;
    options.replayPort = replayPort;
    brivel::TBrivel window(platform, port, options);
    dialogs.setParent(&window);
    // A port held by another program: say which, in the language chosen last.
    serialPort->setOpenFailureAdvice([&window](brivel::PortOpenFailure failure) {
        return brivel::portGrabberAdvice(
            failure, brivel::runningProcessNames(),
            [&window](brivel::msg::Row row) { return window.messageTable().text(row); });
    });
    window.show();
    return app.exec();
}
