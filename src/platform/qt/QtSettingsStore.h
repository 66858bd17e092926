#pragma once

#include "platform/SettingsStore.h"

#include <QtCore/QSettings>

#include <memory>

namespace brivel {

// The user's settings file of organisation "KVOS", application "Brivel".
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // A store in the given INI file, for a private location.
    explicit QtSettingsStore(const QString& iniPath);

    bool contains(const QString& key) const override;
    QString readString(const QString& key) const override;
    std::optional<int> readInt(const QString& key) const override;
    void writeString(const QString& key, const QString& value) override;
    void writeInt(const QString& key, int value) override;
    void ensureGroup(const QString& group) override;
    void flush() override;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace brivel
