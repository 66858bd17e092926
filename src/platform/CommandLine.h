#pragma once

#include <QtCore/QCommandLineParser>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>

#include <optional>

namespace brivel::commandline {

// The manners the project's programs keep on their command line. -h/--help
// and -v/--version are answered on `out` with exit code 0, and a wrong
// command line (an unknown option, a missing value, an argument the program
// takes none of) with its reason and a short usage line on `err` and exit
// code 2. All of it happens before any application object exists, so that
// a terminal without a display gets its answer too.
struct Program {
    QString name;      // "kvos-sim"
    QString synopsis;  // what follows the name in the usage line: "[OPTION]..."
};

// Adds -h/--help and -v/--version to a parser holding a program's own options.
void addStandardOptions(QCommandLineParser& parser);

// Reads `arguments` (the program's name first) with `parser`. Nothing when
// the program should start; otherwise the exit code it ends with, the answer
// already written.
std::optional<int> answer(QCommandLineParser& parser, const Program& program,
                          const QStringList& arguments, QTextStream& out, QTextStream& err);

// The process's arguments as Qt reads them, for reading before an
// application object exists.
QStringList arguments(int argc, char** argv);

}  // namespace brivel::commandline
