#pragma once

#include "settings/SettingsReviewDialog.h"

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

namespace brivel {

// The review as a modal window over the main window.
class QtSettingsReviewDialog final : public SettingsReviewDialog {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::vector<bool>> review(const settings::review::Content& content) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace brivel
