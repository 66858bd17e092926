#pragma once

#include "widgets/ui/TAbAnalogGControl.h"

#include <QtGui/QFont>

namespace brivel {

class TAbSBevel;

// Numeric read-out: the value text right-aligned in a value box as wide as
// the format picture (so the box does not jump with the value), optionally
// followed by the unit and with the two signal names above and below.
class TAbValueInd : public TAbAnalogGControl {
    Q_OBJECT
    Q_PROPERTY(Options options READ options WRITE setOptions)
    Q_PROPERTY(QFont fontValue READ fontValue WRITE setFontValue)
    Q_PROPERTY(QColor valueColor READ valueColor WRITE setValueColor)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    enum Option {
        opBevelInner = 0x1,
        opBevelOuter = 0x2,
        opName1 = 0x4,
        opName2 = 0x8,
        opUnit = 0x10,
    };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    explicit TAbValueInd(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    Options options() const { return options_; }
    void setOptions(Options options);
    QFont fontValue() const { return fontValue_; }
    void setFontValue(const QFont& font);
    QColor valueColor() const { return valueColor_; }
    void setValueColor(const QColor& color);
    // Size the widget to its content whenever that changes.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

    // The frame and surface of the value box.
    TAbSBevel* bevelValue() const { return bevelValue_; }
    TAbSBevel* bevelInner() const { return bevelInner_; }
    TAbSBevel* bevelOuter() const { return bevelOuter_; }

    // Where the value is drawn (after layout).
    QRect valueRect() const { return valueBox_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintStatic(QPainter& painter) override;
    void paintDynamic(QPainter& painter) override;
    void updateLayout() override;
    void valueUpdated(int oldDrawnPosition, const QString& oldText) override;
    void settingsUpdated() override;
    void changeEvent(QEvent* event) override;

private:
    QSize contentSize() const;
    QSize valueBoxSize() const;
    void configChanged();

    Options options_ = Options(opName1 | opName2 | opUnit);
    QFont fontValue_;
    QColor valueColor_{0, 255, 0};
    bool autoSize_ = true;
    TAbSBevel* bevelValue_;
    TAbSBevel* bevelInner_;
    TAbSBevel* bevelOuter_;

    QRect content_;
    QRect name1Rect_;
    QRect name2Rect_;
    QRect valueBox_;
    QRect unitRect_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAbValueInd::Options)

}  // namespace brivel
