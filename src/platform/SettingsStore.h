#pragma once

#include <QtCore/QString>

#include <optional>

namespace brivel {

// The persistent store of the few values kept between runs. Keys are
// "Group/Value", e.g. "ComPort1/Port" or "Lang/CurLang". Failures are raised
// as PlatformError.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool contains(const QString& key) const = 0;
    // An empty text when the value is missing.
    virtual QString readString(const QString& key) const = 0;
    // Nothing when the value is missing or not a whole number.
    virtual std::optional<int> readInt(const QString& key) const = 0;
    virtual void writeString(const QString& key, const QString& value) = 0;
    virtual void writeInt(const QString& key, int value) = 0;
    // Creates the group when it does not exist yet.
    virtual void ensureGroup(const QString& group) = 0;
    // Makes the written values durable.
    virtual void flush() = 0;
};

}  // namespace brivel
