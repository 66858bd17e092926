#pragma once

#include "platform/Dialogs.h"

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

namespace brivel {

class QtDialogs final : public Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool confirm(const QString& question) override;
    QString openFileName(const QString& filter, const QString& folder) override;
    QString saveFileName(const QString& filter, const QString& defaultSuffix,
                         const QString& folder) override;
    QString askText(const QString& prompt, const QString& initial) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace brivel
