#include "app/TBrivel.h"
#include "cars/LibraryConfig.h"
#include "cars/LibraryService.h"
#include "link/PortRouter.h"
#include "link/qt/QtSerialPort.h"
#include "live/ReplayPort.h"
#include "platform/CommandLine.h"
#include "platform/PortGrabbers.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtUrlOpener.h"
#include "sim/DemoPort.h"

#include <QtWidgets/QApplication>

#include <cstdio>

namespace {

// The options Qt's application object takes for itself (window system,
// style, session restore), let through untouched and left out of the help.
void letQtOptionsThrough(QCommandLineParser& parser)
{
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qmljsdebugger", "qwindowgeometry", "qwindowicon", "qwindowtitle",
                             "session", "display", "geometry", "style", "stylesheet", "name"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// --help, --version and a wrong command line are answered before the
// application object needs a display.
std::optional<int> answerCommandLine(int argc, char** argv)
{
    QCommandLineParser parser;
    // Qt's options are single words after one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Sets up and diagnoses KVOS sequential gas-injection controllers over a serial port.\n"
        "Qt's own options (-platform NAME, -style NAME, -reverse, ...) are accepted too."));
    brivel::commandline::addStandardOptions(parser);
    letQtOptionsThrough(parser);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return brivel::commandline::answer(parser,
                                       {QStringLiteral("brivel"), QStringLiteral("[OPTION]...")},
                                       brivel::commandline::arguments(argc, argv), out, err);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const auto exitCode = answerCommandLine(argc, argv))
        return *exitCode;
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
    // The car library works on its own thread; a library that cannot be
    // opened says so in the car line and costs nothing else.
    brivel::cars::LibraryService library(brivel::cars::readLibraryConfig(settings));
    library.start();
    options.library = &library;
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
