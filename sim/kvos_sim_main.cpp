// Serves the emulated controller on a pseudo-terminal until killed. Prints
// the path of the terminal for the program to open as its serial port.

#include "sim/PtyServer.h"
#include "sim/SimOptions.h"

#include "platform/CommandLine.h"
#include "platform/qt/QtClock.h"

#include <QtCore/QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    brivel::sim::SimOptions options;
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const auto exitCode = brivel::commandline::answer(
                options.parser(), {QStringLiteral("kvos-sim"), QStringLiteral("[OPTION]...")},
                brivel::commandline::arguments(argc, argv), out, err))
            return *exitCode;
    }

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvos-sim"));

    brivel::QtClock clock;
    brivel::sim::PtyServer server(clock);
    QString error;
    if (!options.applyTo(server.emulator(), &error)) {
        std::fprintf(stderr, "kvos-sim: %s\n", qPrintable(error));
        return 2;
    }
    if (!server.open(&error)) {
        std::fprintf(stderr, "kvos-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(server.slavePath()));
    std::fflush(stdout);
    return app.exec();
}
