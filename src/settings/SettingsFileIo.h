#pragma once

#include "settings/SettingsFile.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <optional>

// The data file on disk. Errors come back as the text to show: the system's
// message for a file-system failure, "Data file error" for a file that is
// not a settings file.
namespace brivel::settings::datafile {

// Writes `bytes` to `path` through a temporary file in the same folder that
// replaces the target only once it is complete, so a failed or interrupted
// save leaves whatever file was there before. Empty on success.
QString writeAtomically(const QString& path, const QByteArray& bytes);

// The second step of "Zapis": the file of `block` at `seconds` past the minute.
QString save(const QString& path, const QByteArray& block, int seconds);

struct LoadResult {
    std::optional<Contents> contents;  // set exactly when `error` is empty
    QString error;
};
LoadResult load(const QString& path);

}  // namespace brivel::settings::datafile
