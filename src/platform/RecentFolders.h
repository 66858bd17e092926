#pragma once

#include <QtCore/QString>

namespace brivel {

class SettingsStore;

// The folder each kind of file was last opened from or saved to, kept in the
// settings store ("Folders/…") so that the next dialog for that kind opens
// there, also after a restart. A folder that has gone since is not offered.
class RecentFolders {
public:
    enum class Kind { SettingsFiles, Recordings, Reports };

    // Not owned.
    explicit RecentFolders(SettingsStore& store) : store_(store) {}

    // Where a dialog for `kind` opens: the folder used last, or `first` when
    // none was used yet, the one used has gone or the store cannot be read.
    QString folder(Kind kind, const QString& first = QString()) const;
    // The folder of a file the fitter chose becomes the one used last. A
    // store that cannot be written keeps the folder from before: the file
    // itself is what the fitter asked for.
    void remember(Kind kind, const QString& chosenFile);

private:
    SettingsStore& store_;
};

}  // namespace brivel
