#include "platform/qt/QtSettingsStore.h"

#include "platform/PlatformError.h"

namespace brivel {

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("KVOS"), QStringLiteral("Brivel")))
{
}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

bool QtSettingsStore::contains(const QString& key) const
{
    return settings_->contains(key);
}

QString QtSettingsStore::readString(const QString& key) const
{
    return settings_->value(key).toString();
}

std::optional<int> QtSettingsStore::readInt(const QString& key) const
{
    if (!settings_->contains(key))
        return std::nullopt;
    bool ok = false;
    const int value = settings_->value(key).toString().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

void QtSettingsStore::writeString(const QString& key, const QString& value)
{
    settings_->setValue(key, value);
}

void QtSettingsStore::writeInt(const QString& key, int value)
{
    settings_->setValue(key, value);
}

void QtSettingsStore::ensureGroup(const QString&)
{
    // An INI file has no empty sections; the group appears with its first value.
}

void QtSettingsStore::flush()
{
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        throw PlatformError(QStringLiteral("Settings store error: %1").arg(settings_->fileName()));
}

}  // namespace brivel
