#pragma once

#include <QtCore/QString>

#include <memory>

class QTranslator;

namespace brivel {

// Qt's translations of its own texts (the file dialogs, the standard
// buttons of message boxes and button boxes), installed for the language
// chosen. The translator is removed again when this goes.
class QtTranslations {
public:
    // `folder` holds Qt's "qtbase_<code>.qm" files; empty: where Qt was
    // installed to keep them.
    explicit QtTranslations(QString folder = QString());
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs the translations for `code` ("de", "pl", "cs"); an empty code,
    // or one with no translations installed, leaves Qt's English texts.
    // Returns whether translations are installed now.
    bool choose(const QString& code);
    const QString& code() const { return code_; }

private:
    void remove();

    QString folder_;
    QString code_;
    std::unique_ptr<QTranslator> translator_;
};

}  // namespace brivel
