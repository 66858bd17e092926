#include "platform/RecentFolders.h"

#include "platform/PlatformError.h"
#include "platform/SettingsStore.h"

#include <QtCore/QFileInfo>

namespace brivel {

namespace {

const QString Group = QStringLiteral("Folders");

QString keyOf(RecentFolders::Kind kind)
{
    switch (kind) {
        case RecentFolders::Kind::SettingsFiles:
            return QStringLiteral("Folders/SettingsFiles");
        case RecentFolders::Kind::Recordings:
            return QStringLiteral("Folders/Recordings");
        case RecentFolders::Kind::Reports:
            return QStringLiteral("Folders/Reports");
    }
    return QString();
}

}  // namespace

QString RecentFolders::folder(Kind kind, const QString& first) const
{
    QString used;
    try {
        used = store_.readString(keyOf(kind));
    } catch (const PlatformError&) {
        return first;
    }
    if (used.isEmpty() || !QFileInfo(used).isDir())
        return first;
    return used;
}

void RecentFolders::remember(Kind kind, const QString& chosenFile)
{
    if (chosenFile.isEmpty())
        return;
    const QString folder = QFileInfo(chosenFile).absolutePath();
    try {
        store_.ensureGroup(Group);
        store_.writeString(keyOf(kind), folder);
        store_.flush();
    } catch (const PlatformError&) {
    }
}

}  // namespace brivel
