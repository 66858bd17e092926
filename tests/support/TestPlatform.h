#pragma once

#include "QtPrinters.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"

#include <QtCore/QMap>
#include <QtCore/QSet>
#include <QtCore/QStringList>
#include <QtCore/QVariant>

#include <deque>
#include <functional>

namespace brivel::test {

// Records every box shown and answers from a script.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Message, Error, Question, Open, Save, Text };
    struct Shown {
        Kind kind;
        QString text;
        // The folder a file dialog opened in.
        QString folder;
    };

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool confirm(const QString& question) override;
    QString openFileName(const QString& filter, const QString& folder) override;
    QString saveFileName(const QString& filter, const QString& defaultSuffix,
                         const QString& folder) override;
    // Records the prompt, answers from `textAnswers`.
    QString askText(const QString& prompt, const QString& initial) override;

    // Answers for the next boxes, taken in order; when none is left a
    // confirmation is answered `defaultAnswer` and a file dialog cancelled.
    std::deque<bool> confirmAnswers;
    bool defaultAnswer = true;
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    // The folder each open dialog started in, in order.
    QStringList openFolders;
    std::deque<QString> textAnswers;
    // Runs while a box is "open", like the events a modal box dispatches.
    std::function<void(const Shown&)> whileOpen;

    const std::vector<Shown>& shown() const { return shown_; }
    // The texts of the message and error boxes, in order.
    QStringList messages() const;
    void clear() { shown_.clear(); }

private:
    void record(Kind kind, const QString& text, const QString& folder = QString());
    std::vector<Shown> shown_;
};

// A store in memory, with failures on request.
class MemorySettingsStore final : public SettingsStore {
public:
    bool contains(const QString& key) const override { return values_.contains(key); }
    QString readString(const QString& key) const override;
    std::optional<int> readInt(const QString& key) const override;
    void writeString(const QString& key, const QString& value) override;
    void writeInt(const QString& key, int value) override;
    void ensureGroup(const QString& group) override;
    void flush() override;

    bool hasGroup(const QString& group) const;
    void remove(const QString& key) { values_.remove(key); }
    const QMap<QString, QVariant>& values() const { return values_; }

    bool failWrites = false;
    bool failReads = false;
    int flushes = 0;

private:
    QMap<QString, QVariant> values_;
    QSet<QString> groups_;
};

class RecordingUrlOpener final : public UrlOpener {
public:
    void open(const QString& url) override { opened.append(url); }
    QStringList opened;
};

}  // namespace brivel::test
