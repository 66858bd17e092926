#pragma once

#include <QtCore/QString>

namespace brivel {

// The modal boxes the program shows. Each call returns when the user has
// answered; timers and receive events keep being dispatched meanwhile.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An information box with an OK button.
    virtual void showMessage(const QString& text) = 0;
    // The box of the default error handler.
    virtual void showError(const QString& text) = 0;
    // A Yes/No box with a question icon; true for Yes.
    virtual bool confirm(const QString& question) = 0;
    // Return the chosen path, or an empty text when the user cancelled.
    // `filter` uses the Qt filter syntax, e.g. "Data files (*.kvs)"; the
    // dialog opens in `folder` (empty: wherever the system puts it).
    virtual QString openFileName(const QString& filter, const QString& folder = QString()) = 0;
    virtual QString saveFileName(const QString& filter, const QString& defaultSuffix,
                                 const QString& folder = QString()) = 0;
    // A line of text the user types (`prompt` above it, `initial` filled
    // in); an empty text when the user cancelled.
    virtual QString askText(const QString& prompt, const QString& initial) = 0;
};

}  // namespace brivel
