#pragma once

#include <QtCore/QString>
#include <QtWidgets/QFrame>

#include <array>

class QButtonGroup;
class QLabel;
class QSlider;
class QToolButton;

namespace brivel {

// What the replay bar shows.
struct ReplayView {
    QString name;  // the recording's file name
    bool playing = false;
    int speed = 1;
    qint64 positionMs = 0;
    qint64 startMs = 0;
    qint64 endMs = 0;
};

// The bar of a replay, in the window's status strip: a mark that says the
// gauges show a recording, its name, play/pause, the speeds 1×, 4× and 16×,
// a slider to jump and the time. It only shows what it is given and reports
// what the fitter asks for.
class ReplayBar : public QFrame {
    Q_OBJECT
public:
    explicit ReplayBar(QWidget* parent = nullptr);

    void render(const ReplayView& view);

    QToolButton* playButton() const { return play_; }
    QToolButton* speedButton(int index) const { return speeds_[static_cast<std::size_t>(index)]; }
    QSlider* slider() const { return slider_; }
    QString timeText() const;

signals:
    void playPauseClicked();
    void speedChosen(int factor);
    void seekRequested(qint64 ms);

private:
    QLabel* mark_ = nullptr;
    QLabel* name_ = nullptr;
    QToolButton* play_ = nullptr;
    std::array<QToolButton*, 3> speeds_{};
    QButtonGroup* speedGroup_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* time_ = nullptr;
    bool playing_ = false;
};

}  // namespace brivel
