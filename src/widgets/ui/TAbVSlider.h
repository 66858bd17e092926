#pragma once

#include "widgets/ui/TAbAnalogCControl.h"

#include <QtGui/QFont>

namespace brivel {

class TAbSBevel;

// Vertical slider: Name1 above, a track with a grip and a scale beside it
// (left with ScaleSettings.PosLeftTop), then a value box with the formatted
// value and unit, and Name2 at the bottom. DigitalFrom is at the bottom.
class TAbVSlider : public TAbAnalogCControl {
    Q_OBJECT
    Q_PROPERTY(Options options READ options WRITE setOptions)
    Q_PROPERTY(QFont fontValue READ fontValue WRITE setFontValue)
    Q_PROPERTY(QColor valueColor READ valueColor WRITE setValueColor)

public:
    enum Option {
        opBevelOuter = 0x01,
        opUnit = 0x02,
        opValue = 0x04,
        opName1 = 0x08,
        opName2 = 0x10,
        opScaleText = 0x20,
    };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    explicit TAbVSlider(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    Options options() const { return options_; }
    void setOptions(Options options);
    QFont fontValue() const { return fontValue_; }
    void setFontValue(const QFont& font);
    QColor valueColor() const { return valueColor_; }
    void setValueColor(const QColor& color);
    TAbSBevel* bevelValue() const { return bevelValue_; }

    QRect valueRect() const { return valueBox_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void updateLayout() override;
    void paintStatic(QPainter& painter) override;
    void paintDynamic(QPainter& painter) override;
    QRect valueArea() const override { return valueBox_; }

private:
    QString shownText() const;

    Options options_ = Options(opBevelOuter | opUnit | opValue | opName1 | opName2 | opScaleText);
    QFont fontValue_;
    QColor valueColor_{0, 255, 0};
    TAbSBevel* bevelValue_;
    QRect name1Rect_;
    QRect name2Rect_;
    QRect valueBox_;
    int scaleX_ = 0;  // where the ticks start
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAbVSlider::Options)

}  // namespace brivel
