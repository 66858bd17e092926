#pragma once

#include "settings/SettingsReview.h"

#include <QtWidgets/QDialog>

#include <vector>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace brivel {

// The review of a settings file as a window: the intro, a warning line when
// the file may be another car's, one row per difference with a checkbox
// (all ticked at first), the map's row with a small plot of the controller's
// map (grey) and the file's (blue), "Send" as the default button and
// "Cancel". The ticks are kept as data; the table only shows them.
class SettingsReviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit SettingsReviewWindow(const settings::review::Content& content,
                                  QWidget* parent = nullptr);

    const std::vector<bool>& ticked() const { return ticked_; }
    QTableWidget* table() const { return table_; }
    QPushButton* sendButton() const { return send_; }

private:
    void itemChanged(QTableWidgetItem* item);

    std::vector<bool> ticked_;
    QTableWidget* table_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace brivel
