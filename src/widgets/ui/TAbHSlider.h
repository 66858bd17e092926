#pragma once

#include "widgets/ui/TAbAnalogCControl.h"

namespace brivel {

// Horizontal slider: the signal names above, a track with a grip, and a scale
// of labelled divisions below (above with ScaleSettings.PosLeftTop).
class TAbHSlider : public TAbAnalogCControl {
    Q_OBJECT
    Q_PROPERTY(Options options READ options WRITE setOptions)

public:
    enum Option {
        opBevelOuter = 0x1,
        opName1 = 0x2,
        opName2 = 0x4,
        opScaleText = 0x8,
    };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    explicit TAbHSlider(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    Options options() const { return options_; }
    void setOptions(Options options);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void updateLayout() override;
    void paintStatic(QPainter& painter) override;
    void paintDynamic(QPainter& painter) override;

private:
    Options options_ = Options(opBevelOuter | opName1 | opName2 | opScaleText);
    QRect namesRect_;
    int scaleY_ = 0;  // where the ticks start
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAbHSlider::Options)

}  // namespace brivel
