#pragma once

#include <QtCore/QStringList>
#include <QtCore/QTextStream>

namespace brivel {
class SettingsStore;
}

namespace brivel::kvs {

// Exit codes, as `diff` has them.
enum Exit { Same = 0, Differ = 1, Trouble = 2 };

// The `kvs` tool: `kvs show FILE` prints a settings data file's settings in
// words with their units, its stored faults and its map; `kvs diff A B`
// prints what differs (for the map: which entries, and the largest change in
// percent) and exits 1 when anything does. `--json` writes the same for
// scripts; `--lang de|en|pl|cz` picks the message table's language (English
// when not given); `--help` and `--version` answer on `out` with exit code 0.
// `args` leaves out the program's name. A file
// that cannot be read or is no settings file is reported on `err` with
// exit code 2, as is a wrong command line.
int run(const QStringList& args, QTextStream& out, QTextStream& err);
// `kvs report FILE -o OUT.pdf` writes the service report of a file's
// settings, headed by the workshop's details from `store` (none without
// one); `--car PLATE` names a car of the car library, which this build does
// not have: it is refused with exit code 2.
int run(const QStringList& args, QTextStream& out, QTextStream& err, const SettingsStore* store);

}  // namespace brivel::kvs
