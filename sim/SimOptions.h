#pragma once

#include <QtCore/QCommandLineOption>
#include <QtCore/QCommandLineParser>
#include <QtCore/QStringList>

namespace brivel::sim {

class ControllerEmulator;

// The command line of kvos-sim: line faults, the drive profile, faults the
// controller reports, the tank level, the settings it starts from and its
// stored faults, and what they do to an emulator.
class SimOptions {
public:
    SimOptions();

    // For the program's reading of its command line, which also answers
    // --help and --version.
    QCommandLineParser& parser() { return parser_; }
    // Reads `arguments`, the program's name first; false with the reason.
    bool parse(const QStringList& arguments, QString* error);
    // Sets the emulator up as the arguments say; false with the reason when
    // a name or a number means nothing.
    bool applyTo(ControllerEmulator& emulator, QString* error) const;

private:
    QCommandLineParser parser_;
    QCommandLineOption fault_;
    QCommandLineOption profile_;
    QCommandLineOption engineFault_;
    QCommandLineOption tankLevel_;
    QCommandLineOption settingsFile_;
    QCommandLineOption storedFault_;
};

}  // namespace brivel::sim
