#pragma once

#include "live/DriveLog.h"

#include <QtWidgets/QWidget>

#include <array>

class QAction;
class QCheckBox;
class QPushButton;

namespace brivel {

class DriveLogPlot;
class Dialogs;
class MessageTable;
class ReplayPort;

// The drive-log plot of the recording a replay plays, in a window of its
// own beside the main one: the channels to show, "whole drive" and the PNG
// export above the plot. It opens when a replay starts and closes when it
// ends; `toggleItem` shows and hides it meanwhile and is checked while it
// shows. A click or drag in the plot makes the replay jump there.
class DriveLogWindow final : public QWidget {
    Q_OBJECT
public:
    // Without a replay port (`replay` null) there is never anything to plot.
    DriveLogWindow(QWidget* parent, ReplayPort* replay, Dialogs& dialogs,
                   const MessageTable& messages, QAction* toggleItem);

    DriveLogPlot* plot() const { return plot_; }
    const drivelog::DriveLog& log() const { return log_; }

    // What record/replay reports.
    void replayingChanged(bool replaying);
    void showPosition(qint64 ms);

    // Writes the visible plot as a PNG; false when it could not be written.
    bool exportPng(const QString& path) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void exportClicked();

    ReplayPort* replay_;
    Dialogs& dialogs_;
    const MessageTable& messages_;
    QAction* toggleItem_;
    drivelog::DriveLog log_;
    DriveLogPlot* plot_;
    std::array<QCheckBox*, drivelog::ChannelCount> channelBoxes_{};
    QPushButton* whole_;
    QPushButton* export_;
};

}  // namespace brivel
