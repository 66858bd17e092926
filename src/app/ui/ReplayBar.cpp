#include "app/ui/ReplayBar.h"

#include "live/DriveRecordFormat.h"
#include "live/ReplayPort.h"

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QSlider>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolButton>

#include <algorithm>
#include <limits>

namespace brivel {

namespace {

// The colour of a source that is not a controller.
const QColor ReplayAmber(255, 191, 0);

// A slider counts in int; a recording of more than 24 days would not fit.
int sliderValue(qint64 ms)
{
    return static_cast<int>(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max()));
}

}  // namespace

ReplayBar::ReplayBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("ReplayBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(4);

    mark_ = new QLabel(QStringLiteral(" REPLAY "), this);
    mark_->setObjectName(QStringLiteral("ReplayMark"));
    mark_->setAutoFillBackground(true);
    QPalette palette = mark_->palette();
    palette.setColor(QPalette::Window, ReplayAmber);
    palette.setColor(QPalette::WindowText, Qt::black);
    mark_->setPalette(palette);
    QFont bold = mark_->font();
    bold.setBold(true);
    mark_->setFont(bold);
    layout->addWidget(mark_);

    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("ReplayName"));
    layout->addWidget(name_);

    play_ = new QToolButton(this);
    play_->setObjectName(QStringLiteral("ReplayPlay"));
    play_->setAutoRaise(true);
    connect(play_, &QToolButton::clicked, this, &ReplayBar::playPauseClicked);
    layout->addWidget(play_);

    speedGroup_ = new QButtonGroup(this);
    speedGroup_->setExclusive(true);
    for (std::size_t i = 0; i < speeds_.size(); ++i) {
        const int factor = ReplayPort::Speeds[i];
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("ReplaySpeed%1").arg(factor));
        button->setText(QStringLiteral("%1×").arg(factor));
        button->setCheckable(true);
        button->setAutoRaise(true);
        speedGroup_->addButton(button);
        connect(button, &QToolButton::clicked, this, [this, factor] { emit speedChosen(factor); });
        layout->addWidget(button);
        speeds_[i] = button;
    }

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("ReplaySlider"));
    slider_->setMinimumWidth(160);
    // Dragging jumps as it goes; a click beside the handle or a key steps.
    connect(slider_, &QSlider::sliderMoved, this, [this](int ms) { emit seekRequested(ms); });
    connect(slider_, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            emit seekRequested(slider_->sliderPosition());
    });
    layout->addWidget(slider_, 1);

    time_ = new QLabel(this);
    time_->setObjectName(QStringLiteral("ReplayTime"));
    time_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A fixed size: the time moving on never lays the bar out again.
    time_->setFixedSize(
        time_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00 / 00:00:00")),
        time_->fontMetrics().height());
    layout->addWidget(time_);

    render(ReplayView{});
}

void ReplayBar::render(const ReplayView& view)
{
    name_->setText(view.name);
    if (view.playing != playing_ || play_->icon().isNull()) {
        playing_ = view.playing;
        play_->setIcon(
            style()->standardIcon(view.playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    }
    for (std::size_t i = 0; i < speeds_.size(); ++i)
        speeds_[i]->setChecked(ReplayPort::Speeds[i] == view.speed);
    {
        const QSignalBlocker blocker(slider_);
        slider_->setRange(sliderValue(view.startMs), sliderValue(view.endMs));
        slider_->setPageStep(std::max(1, sliderValue((view.endMs - view.startMs) / 20)));
        slider_->setSingleStep(10000);
        // The fitter's hand on the handle wins over the replay's position.
        if (!slider_->isSliderDown())
            slider_->setValue(sliderValue(view.positionMs));
    }
    time_->setText(record::clockText(view.positionMs - view.startMs) + QStringLiteral(" / ") +
                   record::clockText(view.endMs - view.startMs));
}

QString ReplayBar::timeText() const
{
    return time_->text();
}

}  // namespace brivel
