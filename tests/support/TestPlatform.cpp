#include "TestPlatform.h"

#include "platform/PlatformError.h"

namespace brivel::test {

void ScriptedDialogs::record(Kind kind, const QString& text, const QString& folder)
{
    shown_.push_back({kind, text, folder});
    if (whileOpen)
        whileOpen(shown_.back());
}

void ScriptedDialogs::showMessage(const QString& text)
{
    record(Kind::Message, text);
}

void ScriptedDialogs::showError(const QString& text)
{
    record(Kind::Error, text);
}

bool ScriptedDialogs::confirm(const QString& question)
{
    record(Kind::Question, question);
    if (confirmAnswers.empty())
        return defaultAnswer;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::openFileName(const QString& filter, const QString& folder)
{
    record(Kind::Open, filter, folder);
    openFolders.append(folder);
    if (openAnswers.empty())
        return QString();
    QString answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::saveFileName(const QString& filter, const QString&, const QString& folder)
{
    record(Kind::Save, filter, folder);
    if (saveAnswers.empty())
        return QString();
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::askText(const QString& prompt, const QString&)
{
    record(Kind::Text, prompt);
    if (textAnswers.empty())
        return QString();
    QString answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Shown& box : shown_)
        if (box.kind == Kind::Message || box.kind == Kind::Error)
            texts.append(box.text);
    return texts;
}

QString MemorySettingsStore::readString(const QString& key) const
{
    if (failReads)
        throw PlatformError(QStringLiteral("Settings store read failed"));
    return values_.value(key).toString();
}

std::optional<int> MemorySettingsStore::readInt(const QString& key) const
{
    if (failReads)
        throw PlatformError(QStringLiteral("Settings store read failed"));
    if (!values_.contains(key))
        return std::nullopt;
    bool ok = false;
    const int value = values_.value(key).toString().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

void MemorySettingsStore::writeString(const QString& key, const QString& value)
{
    if (failWrites)
        throw PlatformError(QStringLiteral("Settings store write failed"));
    values_.insert(key, value);
    groups_.insert(key.section(QLatin1Char('/'), 0, -2));
}

void MemorySettingsStore::writeInt(const QString& key, int value)
{
    if (failWrites)
        throw PlatformError(QStringLiteral("Settings store write failed"));
    values_.insert(key, value);
    groups_.insert(key.section(QLatin1Char('/'), 0, -2));
}

void MemorySettingsStore::ensureGroup(const QString& group)
{
    if (failWrites)
        throw PlatformError(QStringLiteral("Settings store write failed"));
    groups_.insert(group);
}

void MemorySettingsStore::flush()
{
    if (failWrites)
        throw PlatformError(QStringLiteral("Settings store write failed"));
    ++flushes;
}

bool MemorySettingsStore::hasGroup(const QString& group) const
{
    return groups_.contains(group);
}

}  // namespace brivel::test
