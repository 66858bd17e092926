#include "live/ui/DriveLogWindow.h"

#include "i18n/MessageTable.h"
#include "live/ReplayPort.h"
#include "live/ui/DriveLogPlot.h"
#include "platform/Dialogs.h"

#include <QtGui/QAction>
#include <QtGui/QImage>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace brivel {

namespace {

constexpr int BoxesPerRow = 6;

}  // namespace

DriveLogWindow::DriveLogWindow(QWidget* parent, ReplayPort* replay, Dialogs& dialogs,
                               const MessageTable& messages, QAction* toggleItem)
    : QWidget(parent, Qt::Tool),
      replay_(replay),
      dialogs_(dialogs),
      messages_(messages),
      toggleItem_(toggleItem)
{
    setObjectName(QStringLiteral("DriveLogWindow"));
    resize(820, 520);
    plot_ = new DriveLogPlot(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* top = new QHBoxLayout;
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(10);
    boxes->setVerticalSpacing(2);
    for (const auto& info : drivelog::channels()) {
        const int i = static_cast<int>(info.channel);
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("DriveLogChannel%1").arg(i + 1));
        box->setChecked(info.shownAtStart);
        connect(box, &QCheckBox::toggled, this,
                [this, channel = info.channel](bool on) { plot_->setChannelShown(channel, on); });
        boxes->addWidget(box, i / BoxesPerRow, i % BoxesPerRow);
        channelBoxes_[static_cast<std::size_t>(i)] = box;
    }
    top->addLayout(boxes, 1);
    auto* buttons = new QVBoxLayout;
    whole_ = new QPushButton(this);
    whole_->setObjectName(QStringLiteral("DriveLogWhole"));
    export_ = new QPushButton(this);
    export_->setObjectName(QStringLiteral("DriveLogExport"));
    buttons->addWidget(whole_);
    buttons->addWidget(export_);
    top->addLayout(buttons);
    layout->addLayout(top);
    layout->addWidget(plot_, 1);

    connect(whole_, &QPushButton::clicked, plot_, &DriveLogPlot::wholeDrive);
    connect(export_, &QPushButton::clicked, this, &DriveLogWindow::exportClicked);
    connect(plot_, &DriveLogPlot::seekRequested, this, [this](qint64 ms) {
        if (replay_)
            replay_->seek(ms);
    });

    toggleItem_->setCheckable(true);
    toggleItem_->setEnabled(false);
    connect(toggleItem_, &QAction::triggered, this, [this](bool on) { setVisible(on); });
    // Read when drawn: the strips follow the window's language.
    plot_->setTexts([this](msg::Row row) { return messages_.text(row).trimmed(); });
}

void DriveLogWindow::replayingChanged(bool replaying)
{
    toggleItem_->setEnabled(replaying && replay_);
    if (!replaying || !replay_) {
        hide();
        plot_->setLog(nullptr);
        log_ = drivelog::DriveLog();
        return;
    }
    log_ = drivelog::DriveLog::fromRecording(replay_->recording());
    setWindowTitle(messages_.text(msg::Row::DriveLogItem).trimmed() + QStringLiteral(" - ") +
                   replay_->recordingName());
    plot_->setLog(&log_);
    plot_->setCursorMs(replay_->positionMs());
    show();
}

void DriveLogWindow::showPosition(qint64 ms)
{
    plot_->setCursorMs(ms);
}

bool DriveLogWindow::exportPng(const QString& path) const
{
    return plot_->grab().toImage().save(path, "PNG");
}

void DriveLogWindow::exportClicked()
{
    const QString path = dialogs_.saveFileName(
        messages_.text(msg::Row::DriveLogImageFilter) + QStringLiteral(" (*.png)"),
        QStringLiteral("png"));
    if (path.isEmpty())
        return;
    if (!exportPng(path))
        dialogs_.showMessage(messages_.text(msg::Row::RecordingCannotWrite) + QLatin1Char('\n') +
                             path);
}

void DriveLogWindow::showEvent(QShowEvent* event)
{
    toggleItem_->setChecked(true);
    QWidget::showEvent(event);
}

void DriveLogWindow::hideEvent(QHideEvent* event)
{
    toggleItem_->setChecked(false);
    QWidget::hideEvent(event);
}

}  // namespace brivel
