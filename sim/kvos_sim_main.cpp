// Serves the emulated controller on a pseudo-terminal until killed. Prints
// the path of the terminal for the program to open as its serial port.

#include "sim/EmulatorFault.h"
#include "sim/PtyServer.h"

#include "platform/QtClock.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvos-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Emulated gas-injection controller on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption faultOption(
        QStringLiteral("fault"),
        QStringLiteral("Switch a fault on (repeatable): %1.")
            .arg(brivel::sim::faultNames().join(QStringLiteral(", "))),
        QStringLiteral("name"));
    parser.addOption(faultOption);
    parser.process(app);

    brivel::QtClock clock;
    brivel::sim::PtyServer server(clock);
    for (const QString& name : parser.values(faultOption)) {
        const auto fault = brivel::sim::faultFromName(name);
        if (!fault) {
            std::fprintf(stderr, "kvos-sim: unknown fault \"%s\"\n", qPrintable(name));
            return 2;
        }
        server.emulator().setFault(*fault);
    }
    QString error;
    if (!server.open(&error)) {
        std::fprintf(stderr, "kvos-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(server.slavePath()));
    std::fflush(stdout);
    return app.exec();
}
