#pragma once

#include "cars/CarRecords.h"
#include "cars/History.h"

#include <QtWidgets/QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace brivel {

class MessageTable;

namespace cars {

// A car's history: its points, stored faults, adaptations and recordings,
// newest first, each point with what changed since the one before. Two
// points selected compare; one point exports as a settings data file or is
// restored through the review; a recording opens in the replay; a settings
// data file imports as a point. Shows the timeline it is told; forwards the
// selected entries' ids.
class CarHistoryWindow : public QDialog {
    Q_OBJECT
public:
    CarHistoryWindow(const MessageTable& messages, QWidget* parent = nullptr);

    QTreeWidget* timeline() const { return timeline_; }

public slots:
    void showHistory(const brivel::cars::Car& car,
                     const QList<brivel::cars::TimelineEntry>& entries);
    // Restoring needs a controller on the line.
    void setConnected(bool connected);
    void showTexts();

signals:
    void compareRequested(const QString& first, const QString& second);
    void exportRequested(const QString& point);
    void restoreRequested(const QString& point);
    void openRecordingRequested(const QString& recording);
    void importRequested();

private:
    QList<TimelineEntry> selected() const;
    void updateButtons();

    const MessageTable& messages_;
    Car car_;
    QList<TimelineEntry> entries_;
    bool connected_ = false;
    QLabel* title_ = nullptr;
    QTreeWidget* timeline_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* openRecording_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace cars
}  // namespace brivel
