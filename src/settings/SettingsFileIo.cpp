#include "settings/SettingsFileIo.h"

#include <QtCore/QFile>
#include <QtCore/QSaveFile>

namespace brivel::settings::datafile {

QString writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A write the disk takes only in part (a full disk, a size limit) does not
    // always stop the commit: check that every byte is in the temporary file
    // before it replaces the target.
    const bool written = file.write(bytes) == bytes.size();
    const bool flushed = written && file.flush();
    if (!flushed || file.size() != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString save(const QString& path, const QByteArray& block, int seconds)
{
    return writeAtomically(path, encode(block, seconds));
}

LoadResult load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    auto contents = decode(bytes);
    if (!contents)
        return {std::nullopt, DataFileError};
    return {std::move(contents), QString()};
}

}  // namespace brivel::settings::datafile
