#pragma once

#include "cars/CarRecords.h"
#include "cars/LibraryConfig.h"

#include <QtCore/QStringList>
#include <QtCore/QTextStream>

#include <optional>

// `kvs cars`, `kvs history PLATE` and `kvs export PLATE [POINT] -o FILE.kvs`:
// the car library on the command line, for scripts and backups.
namespace brivel::kvs {

// The first word of the command line is one of the library's commands.
bool isLibraryCommand(const QStringList& args);

// Runs a library command against the library `config` names (the window's
// `[Library]` settings). `--json` writes JSON; `--lang de|en|pl|cz` picks the
// language (English when not given). Exit codes: 0 done, 2 a wrong command
// line, an unknown plate or point, or a library that cannot be read.
int runLibrary(const QStringList& args, const cars::LibraryConfig& config, QTextStream& out,
               QTextStream& err);

// The car with `plate` in the library `config` names, for `kvs report
// --car`; nothing, with the reason on `err`, when the library cannot be read
// or holds no such car.
std::optional<cars::Car> carOfPlate(const QString& plate, const cars::LibraryConfig& config,
                                    QTextStream& err);

}  // namespace brivel::kvs
